#pragma once

#include "ToolView.h"

#include <QPixmap>

class BitmapButton;

// The launcher: the background picture with a button for each tool, the two maintenance
// flows and the end of the program.
class R4000View : public ToolView
{
    Q_OBJECT

public:
    enum Button {
        UnitScan = 1006,
        SystemSettings = 1000,
        Message = 1034,
        PasswordChange = 1005,
        ClockSetting = 1035,
        End = 1001,
    };

    explicit R4000View(ToolHost& host, QWidget* parent = nullptr);

    // The frame's client area is exactly the background picture.
    QSize backgroundSize() const { return background_.size(); }
    BitmapButton* button(Button id) const;
    // The buttons that need a current system follow whether there is one.
    void updateButtons();

    void onShown() override;

signals:
    void passwordChangeRequested();
    void clockSettingRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    BitmapButton* addButton(Button id, int normal, int hover, int pressed, QPoint at);

    QPixmap background_;
};
