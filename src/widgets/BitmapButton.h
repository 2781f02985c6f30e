#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A push button drawn entirely by three pictures: at rest, under the mouse and pressed.
// The pictures carry the caption; the text is kept for accessibility and tests. A disabled
// button shows its resting picture faded. The button with the keyboard focus is framed, and
// Return or Enter presses it as Space does.
class BitmapButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BitmapButton(QWidget* parent = nullptr);

    void setPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap normal_;
    QPixmap hover_;
    QPixmap pressed_;
    bool underMouse_ = false;
};
