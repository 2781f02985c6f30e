#pragma once

#include <string_view>
#include <vector>

class Observer;

// A list of observers (each once, in registration order) and a changed flag. Setters only
// raise the flag; the caller decides when to notify, so a dialog that sets ten values
// redraws its views once.
class Observable
{
public:
    Observable() = default;
    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;
    virtual ~Observable() = default;

    void addObserver(Observer* observer);
    void deleteObserver(Observer* observer);
    bool hasObserver(const Observer* observer) const;

    void setChanged() { changed_ = true; }
    void clearChanged() { changed_ = false; }
    bool hasChanged() const { return changed_; }

    // Clears the flag, then tells every observer; does nothing when nothing changed.
    void notifyObservers(std::string_view hint);

private:
    std::vector<Observer*> observers_;
    bool changed_ = false;
};
