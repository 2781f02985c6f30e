#pragma once

#include "DlgMsg.h"

class QWidget;
class ResourceChain;

// The wait window over a view that takes no input while a job runs: the window shows the
// text of textId at once, and the view is disabled until the scope ends. The main window
// itself stays enabled, for the wait window and a unit's login prompt over it.
class WaitScope
{
public:
    WaitScope(const ResourceChain& resources, int textId, QWidget& view);
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    DlgMsg wait_;
    QWidget& view_;
};
