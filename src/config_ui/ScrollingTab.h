#pragma once

#include <QFrame>
#include <QScrollArea>
#include <QTabWidget>

// Adds page as a tab that scrolls rather than clips when the window is small.
inline void addScrollingTab(QTabWidget& tabs, QWidget* page, const QString& caption)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    tabs.addTab(scroll, caption);
}
