#include "BitmapButton.h"

#include <QKeyEvent>
#include <QPainter>

BitmapButton::BitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void BitmapButton::setPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed)
{
    normal_ = normal;
    hover_ = hover.isNull() ? normal : hover;
    pressed_ = pressed.isNull() ? normal : pressed;
    resize(sizeHint());
    update();
}

QSize BitmapButton::sizeHint() const
{
    return normal_.isNull() ? QSize(120, 32) : normal_.deviceIndependentSize().toSize();
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!isEnabled()) {
        painter.setOpacity(0.4);
        painter.drawPixmap(0, 0, normal_);
        return;
    }
    const QPixmap& picture = isDown() ? pressed_ : underMouse_ ? hover_ : normal_;
    painter.drawPixmap(0, 0, picture);
    // Drawn by hand: the style draws its focus frame only after the keyboard was used, and
    // in the text colour, which the pictures may hide.
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 4));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
        painter.setPen(QPen(palette().color(QPalette::HighlightedText), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
    }
}

void BitmapButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void BitmapButton::enterEvent(QEnterEvent* event)
{
    underMouse_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BitmapButton::leaveEvent(QEvent* event)
{
    underMouse_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
