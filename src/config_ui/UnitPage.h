#pragma once

#include "SettingsPage.h"

#include <functional>

class Exchange;

// A page of the settings of one unit, the unit the page above it selected. Its text fields
// commit into the unit as the user leaves them; an accepted value is announced to the
// system's observers with its settings key.
class UnitPage : public SettingsPage
{
    Q_OBJECT

public:
    UnitPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
             QWidget* parent = nullptr);

    // The unit shown; null shows nothing. The page is disabled while it has no unit or
    // the unit does not have what the page sets.
    void setUnit(Exchange* unit);
    Exchange* unit() const { return unit_; }
    // Shows the unit's values again.
    virtual void refresh();

protected:
    using Show = std::function<QString(const Exchange&)>;
    using Commit = std::function<Refusal(Exchange&, const QString&)>;

    // Whether the page edits this unit.
    virtual bool appliesTo(const Exchange&) const { return true; }
    // Shows what a field does not: check boxes, choices, read-only values.
    virtual void refreshControls() {}

    // A text field, number field in the page's numbering.
    QLineEdit* addField(int field, const QString& objectName, int maxLength, Show show,
                        Commit commit);
    // A number field whose value lies within min..max and goes to the unit through apply.
    QLineEdit* addNumberField(int field, const QString& objectName, int min, int max,
                              std::function<int(const Exchange&)> value,
                              std::function<bool(Exchange&, int)> apply, const char* key);

private:
    Exchange* unit_ = nullptr;
};
