#include "Observable.h"

#include "Observer.h"

#include <algorithm>

void Observable::addObserver(Observer* observer)
{
    if (observer && !hasObserver(observer))
        observers_.push_back(observer);
}

void Observable::deleteObserver(Observer* observer)
{
    auto it = std::find(observers_.begin(), observers_.end(), observer);
    if (it != observers_.end())
        observers_.erase(it);
}

bool Observable::hasObserver(const Observer* observer) const
{
    return std::find(observers_.begin(), observers_.end(), observer) != observers_.end();
}

void Observable::notifyObservers(std::string_view hint)
{
    if (!changed_)
        return;
    changed_ = false;
    // An observer may detach itself while it is told; walk a copy.
    const std::vector<Observer*> observers = observers_;
    for (Observer* observer : observers)
        observer->update(*this, hint);
}
