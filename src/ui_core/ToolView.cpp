#include "ToolView.h"

#include "AcceleratorTable.h"
#include "MenuResource.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ToolHost.h"

#include <QAction>
#include <QMenu>

ToolView::ToolView(ToolHost& host, int toolId, int menuId, bool hasMenu, QWidget* parent)
    : QWidget(parent), host_(host), toolId_(toolId), menuId_(menuId)
{
    if (hasMenu)
        buildMenus(menuId);
}

void ToolView::buildMenus(int menuId)
{
    menus_ = MenuResource::build(host_.resources().path(QStringLiteral("menus.txt")), menuId, this);
    const auto keys = AcceleratorTable::keys(menuId);
    for (QMenu* menu : std::as_const(menus_)) {
        connect(menu, &QMenu::aboutToShow, this, &ToolView::updateCommands);
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator())
                continue;
            const int command = entry->data().toInt();
            if (const auto key = keys.find(command); key != keys.end())
                entry->setShortcut(key->second);
            // The view carries the entries too, so their keys work exactly while it shows.
            addAction(entry);
            connect(entry, &QAction::triggered, this, [this, command] {
                if (isCommandEnabled(command))
                    onCommand(command);
            });
        }
    }
}

QAction* ToolView::action(int command) const
{
    for (QMenu* menu : menus_) {
        for (QAction* entry : menu->actions()) {
            if (!entry->isSeparator() && entry->data().toInt() == command)
                return entry;
        }
    }
    return nullptr;
}

void ToolView::updateCommands()
{
    for (QMenu* menu : std::as_const(menus_)) {
        for (QAction* entry : menu->actions()) {
            if (!entry->isSeparator())
                entry->setEnabled(isCommandEnabled(entry->data().toInt()));
        }
    }
}

QString ToolView::caption() const
{
    return host_.resources().stringField(menuId_, 0);
}

bool ToolView::isCommandEnabled(int command) const
{
    return command == CommandId::Close || command == CommandId::MessageClose ||
           command == CommandId::About;
}

void ToolView::onCommand(int command)
{
    if (command == CommandId::Close || command == CommandId::MessageClose)
        host_.switchView(ToolId::Launcher);
    else if (command == CommandId::About)
        host_.showAbout();
}

void ToolView::closeTool()
{
    onCommand(toolId_ == ToolId::Message ? CommandId::MessageClose : CommandId::Close);
}
