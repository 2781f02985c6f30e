#pragma once

#include "UnitSelectionPage.h"

class DlgExClock;
class DlgExFunction;
class DlgExNetwork;
class UserMessages;

// The "Exchange" page: one exchange chosen by number or by name, and its settings in three
// tabs.
class DlgExConfig : public UnitSelectionPage
{
    Q_OBJECT

public:
    enum Tab { Network, Clock, Function, TabCount };

    DlgExConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                QWidget* parent = nullptr);

    DlgExNetwork& network() const { return *network_; }
    DlgExClock& clock() const { return *clock_; }
    DlgExFunction& function() const { return *function_; }

protected:
    bool lists(const Exchange& unit) const override;

private:
    DlgExNetwork* network_;
    DlgExClock* clock_;
    DlgExFunction* function_;
};
