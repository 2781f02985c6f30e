#pragma once

#include "UnitSelectionPage.h"

// The "Exchange" page: one exchange chosen by number or by name, and its settings in three
// tabs.
class DlgExConfig : public UnitSelectionPage
{
    Q_OBJECT

public:
    enum Tab { Network, Clock, Function, TabCount };

    DlgExConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                QWidget* parent = nullptr);

protected:
    bool lists(const Exchange& unit) const override;
};
