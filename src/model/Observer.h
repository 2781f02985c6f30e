#pragma once

#include <string_view>

class Observable;

// Receives change notifications. The hint names the settings key of the value that
// changed ("sta_no", "network_id", ...), so an observer can ignore what it does not show.
class Observer
{
public:
    virtual ~Observer() = default;
    virtual void update(Observable& source, std::string_view hint) = 0;
};
