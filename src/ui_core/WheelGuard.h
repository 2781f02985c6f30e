#pragma once

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing a choice the user is not working in: a list box
// scrolled past while the page scrolls must not pick another entry (and write it into the
// model). The wheel reaches the widget only while it has the keyboard focus.
class WheelGuard : public QObject
{
    Q_OBJECT

public:
    // Guards widget for as long as it lives.
    static void guard(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
