#include "DlgExConfig.h"

#include "DlgExClock.h"
#include "DlgExFunction.h"
#include "DlgExNetwork.h"
#include "Exchange.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

namespace {

enum Text { NetworkTab = 4, ClockTab, FunctionTab };

} // namespace

DlgExConfig::DlgExConfig(const ResourceChain& resources, const UserMessages& messages,
                         Locale locale, QWidget* parent)
    : UnitSelectionPage(resources, std::move(locale), DialogId::ExConfig, parent),
      network_(new DlgExNetwork(resources, messages)), clock_(new DlgExClock(resources, messages)),
      function_(new DlgExFunction(resources, messages))
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::ExConfig, control);
    };
    addPage(network_, text(NetworkTab));
    addPage(clock_, text(ClockTab));
    addPage(function_, text(FunctionTab));
}

bool DlgExConfig::lists(const Exchange& unit) const
{
    return unit.isExchange();
}
