#include "DlgExConfig.h"

#include "Exchange.h"
#include "ResourceIds.h"

DlgExConfig::DlgExConfig(const ResourceChain& resources, const UserMessages& messages,
                         Locale locale, QWidget* parent)
    : UnitSelectionPage(resources, messages, std::move(locale), DialogId::ExConfig, parent)
{
}

bool DlgExConfig::lists(const Exchange& unit) const
{
    return unit.isExchange();
}
