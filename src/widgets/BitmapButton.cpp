#include "BitmapButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

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
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
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
