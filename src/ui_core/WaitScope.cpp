#include "WaitScope.h"

#include "ResourceChain.h"

#include <QCoreApplication>
#include <QWidget>

WaitScope::WaitScope(const ResourceChain& resources, int textId, QWidget& view)
    : wait_(resources, resources.string(textId), view.window()), view_(view)
{
    QCoreApplication::processEvents();
    view_.setEnabled(false);
}

WaitScope::~WaitScope()
{
    view_.setEnabled(true);
}
