#include "ToolView.h"

#include "AcceleratorTable.h"
#include "AppIds.h"
#include "MenuResource.h"
#include "R4000App.h"
#include "ResourceChain.h"

#include <QAction>
#include <QMenu>

ToolView::ToolView(R4000App& app, int toolId, int resourceId, bool hasMenu, QWidget* parent)
    : QWidget(parent), app_(app), toolId_(toolId), resourceId_(resourceId)
{
    if (hasMenu)
        buildMenus(resourceId);
}

void ToolView::buildMenus(int menuId)
{
    menus_ = MenuResource::build(app_.resources().path(QStringLiteral("menus.txt")), menuId, this);
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
    return app_.resources().stringField(resourceId_, 0);
}

bool ToolView::isCommandEnabled(int command) const
{
    return command == CommandId::Close || command == CommandId::MessageClose ||
           command == CommandId::About;
}

void ToolView::onCommand(int command)
{
    if (command == CommandId::Close || command == CommandId::MessageClose)
        app_.switchView(ToolId::Launcher);
    else if (command == CommandId::About)
        app_.showAbout();
}

void ToolView::closeTool()
{
    onCommand(toolId_ == ToolId::Message ? CommandId::MessageClose : CommandId::Close);
}
