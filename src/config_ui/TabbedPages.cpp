#include "TabbedPages.h"

#include <QTabWidget>
#include <QVBoxLayout>

TabbedPages::TabbedPages(const QString& objectName, QWidget* parent)
    : QWidget(parent), tabs_(new QTabWidget(this))
{
    tabs_->setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
}

void TabbedPages::addPage(QWidget* widget, ModelPage* page, const QString& caption)
{
    tabs_->addTab(widget, caption);
    pages_.push_back(page);
}

void TabbedPages::attach(System& system)
{
    for (ModelPage* page : pages_)
        page->attach(system);
}

void TabbedPages::detach()
{
    for (ModelPage* page : pages_)
        page->detach();
}

void TabbedPages::refresh()
{
    for (ModelPage* page : pages_)
        page->refresh();
}
