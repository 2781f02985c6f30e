#pragma once

#include <QMainWindow>

class QStackedWidget;
class ToolView;

// The one window of the program. It holds the four tool views for the whole life of the
// program and shows one at a time, with that tool's menus, caption and rectangle.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    void addView(ToolView* view);
    ToolView* currentView() const { return current_; }
    // Shows view in the frame: its menus (none for the launcher), the launcher's fixed size
    // or a resizable tool frame, its recorded rectangle (clientSize, centred, the first
    // time), its caption; then the frame and the view.
    void showView(ToolView* view, QSize clientSize, bool fixedSize);

signals:
    // The launcher was closed: the program ends.
    void launcherClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void recordFrame();

    QStackedWidget* views_;
    ToolView* current_ = nullptr;
};
