#pragma once

#include "Exchange.h"

// The exchange without paging priority: conversations always come first.
class R4120EX : public Exchange
{
public:
    using Exchange::Exchange;

    static const ExchangeTraits& modelTraits();
    const ExchangeTraits& traits() const override { return modelTraits(); }
    void applyCreationSteps() override;
    // Reports "CONVERSATION" and takes nothing else; the record's own value stays for
    // the day the slot returns to a model with the choice.
    bool setPagingPriorityMode(int mode) override;
    int pagingPriorityMode() const override { return Conversation; }
};
