#pragma once

class Exchange;

// Told when the equipment object of a slot is replaced by one of another model, or removed
// (replacement null). A listener drops every reference it holds to a line of that slot that
// the replacement no longer has.
class ExchangeListener
{
public:
    virtual ~ExchangeListener() = default;
    virtual void onExchangeReplaced(const Exchange& old, const Exchange* replacement) = 0;
};
