#include "CMainFrame.h"

#include "ResourceIds.h"
#include "ToolView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), views_(new QStackedWidget(this))
{
    setCentralWidget(views_);
}

void CMainFrame::addView(ToolView* view)
{
    views_->addWidget(view);
}

void CMainFrame::showView(ToolView* view, QSize clientSize, bool fixedSize)
{
    hide();
    current_ = nullptr; // no recording while the frame is rearranged
    views_->setCurrentWidget(view);

    view->updateCommands();
    menuBar()->clear();
    for (QMenu* menu : view->menus())
        menuBar()->addMenu(menu);
    menuBar()->setVisible(!view->menus().isEmpty());

    // The launcher's frame can neither be resized nor maximised.
    setWindowFlag(Qt::WindowMaximizeButtonHint, !fixedSize);
    if (fixedSize) {
        setFixedSize(clientSize);
    } else {
        setMinimumSize(320, 240);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    QRect rect = view->frameRect();
    if (!rect.isValid()) {
        rect = QRect(QPoint(), fixedSize ? clientSize : clientSize.expandedTo(minimumSize()));
        rect.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
        view->setFrameRect(rect);
    }
    setGeometry(rect);
    setWindowTitle(view->caption());

    current_ = view;
    show();
    view->show();
    view->setFocus();
    view->onShown();
}

void CMainFrame::recordFrame()
{
    if (current_ && current_->followsFrame() && isVisible() && !isMaximized() && !isMinimized())
        current_->setFrameRect(geometry());
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    recordFrame();
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    recordFrame();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!current_ || current_->toolId() == ToolId::Launcher) {
        emit launcherClosed();
        event->accept();
        return;
    }
    // Closing a tool only goes back to the launcher, through the tool's own close.
    event->ignore();
    showNormal();
    current_->closeTool();
}
