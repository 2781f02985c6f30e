#pragma once

#include "CAsyncSocketExListener.h"

// A listener that ignores every event; derive from it and override what matters.
class CAsyncSocketExAdapter : public CAsyncSocketExListener
{
public:
    void onConnect(CAsyncSocketEx&, int) override {}
    void onClose(CAsyncSocketEx&, int) override {}
    void onReceive(CAsyncSocketEx&, int) override {}
    void onSend(CAsyncSocketEx&, int) override {}
    void onAccept(CAsyncSocketEx&, int) override {}
    void onOutOfBandData(CAsyncSocketEx&, int) override {}
};
