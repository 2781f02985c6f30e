#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

class QAction;
class QMenu;
class ToolHost;

// One of the four tools of the main window. Each exists for the whole life of the program
// and owns its menus, its caption and the frame rectangle it is shown in.
class ToolView : public QWidget
{
    Q_OBJECT

public:
    // menuId: the tool's caption string, and its menus and keys when hasMenu (MenuId).
    ToolView(ToolHost& host, int toolId, int menuId, bool hasMenu, QWidget* parent = nullptr);

    int toolId() const { return toolId_; }
    const QList<QMenu*>& menus() const { return menus_; }
    // The menu entry of a command; null when the tool has none.
    QAction* action(int command) const;

    // The frame's title while the tool is shown.
    virtual QString caption() const;
    // The frame rectangle of the tool; invalid until it is first shown.
    QRect frameRect() const { return frameRect_; }
    void setFrameRect(const QRect& rect) { frameRect_ = rect; }
    // Whether moving or resizing the frame changes the recorded rectangle.
    virtual bool followsFrame() const { return false; }

    // Enables every menu entry by isCommandEnabled.
    void updateCommands();
    // Called after the frame shows the tool.
    virtual void onShown() {}
    // The title-bar close while the tool is shown: the tool's own close, which ends in the
    // launcher.
    virtual void closeTool();

protected:
    ToolHost& host() const { return host_; }
    // The commands this tool carries out now; every other entry of its menus is disabled.
    virtual bool isCommandEnabled(int command) const;
    virtual void onCommand(int command);

private:
    void buildMenus(int menuId);

    ToolHost& host_;
    int toolId_;
    int menuId_;
    QList<QMenu*> menus_;
    QRect frameRect_;
};
