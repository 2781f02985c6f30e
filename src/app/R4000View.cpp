#include "R4000View.h"

#include "BitmapButton.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemDocument.h"
#include "ToolHost.h"

#include <QPainter>

namespace {
// Used when the picture cannot be found, so the buttons still have their places.
constexpr QSize kFallbackSize(640, 480);
} // namespace

R4000View::R4000View(ToolHost& host, QWidget* parent)
    : ToolView(host, ToolId::Launcher, MenuId::Launcher, false, parent)
{
    const ResourceChain& resources = host.resources();
    background_.load(resources.bitmapPath(BitmapId::LauncherBackground));
    if (background_.isNull()) {
        background_ = QPixmap(kFallbackSize);
        background_.fill(QColor(0x1d, 0x3c, 0x5a));
    }
    setFocusPolicy(Qt::StrongFocus);

    // Without the Message button the buttons below it move up into its place.
    const bool message = resources.launcherShowsMessage();
    addButton(UnitScan, 149, 152, 153, {336, 163});
    addButton(SystemSettings, 159, 158, 157, {336, 246});
    addButton(Message, 210, 211, 212, {336, 295})->setVisible(message);
    addButton(PasswordChange, 164, 165, 166, {336, message ? 347 : 295});
    addButton(ClockSetting, 154, 155, 156, {336, message ? 399 : 347});
    addButton(End, 148, 150, 151, {14, 438});

    connect(button(UnitScan), &BitmapButton::clicked, this,
            [&host] { host.switchView(ToolId::Scan); });
    connect(button(SystemSettings), &BitmapButton::clicked, this,
            [&host] { host.switchView(ToolId::Config); });
    connect(button(Message), &BitmapButton::clicked, this,
            [&host] { host.switchView(ToolId::Message); });
    connect(button(PasswordChange), &BitmapButton::clicked, this,
            &R4000View::passwordChangeRequested);
    connect(button(ClockSetting), &BitmapButton::clicked, this, &R4000View::clockSettingRequested);
    // Ending goes through the frame's close, as the title-bar button does.
    connect(button(End), &BitmapButton::clicked, this,
            [this] { QMetaObject::invokeMethod(window(), &QWidget::close, Qt::QueuedConnection); });
    updateButtons();
}

BitmapButton* R4000View::addButton(Button id, int normal, int hover, int pressed, QPoint at)
{
    const ResourceChain& resources = host().resources();
    auto* button = new BitmapButton(this);
    button->setObjectName(QStringLiteral("button%1").arg(int(id)));
    button->setText(resources.dialogText(ToolId::Launcher, id));
    button->setAccessibleName(button->text());
    button->setPictures(QPixmap(resources.bitmapPath(normal)), QPixmap(resources.bitmapPath(hover)),
                        QPixmap(resources.bitmapPath(pressed)));
    button->move(at);
    return button;
}

BitmapButton* R4000View::button(Button id) const
{
    return findChild<BitmapButton*>(QStringLiteral("button%1").arg(int(id)));
}

void R4000View::updateButtons()
{
    const bool system = !host().document().currentSystemName().empty();
    button(ClockSetting)->setEnabled(system);
    button(PasswordChange)->setEnabled(system);
    button(Message)->setEnabled(system && !button(Message)->isHidden());
}

void R4000View::onShown()
{
    updateButtons();
    button(UnitScan)->setFocus();
}

void R4000View::focusInEvent(QFocusEvent* event)
{
    updateButtons();
    ToolView::focusInEvent(event);
}

void R4000View::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, background_);
}
