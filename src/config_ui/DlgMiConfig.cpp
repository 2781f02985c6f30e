#include "DlgMiConfig.h"

#include "DlgExClock.h"
#include "DlgExFunction.h"
#include "DlgExNetwork.h"
#include "DlgMiAudio.h"
#include "DlgMiContactInput.h"
#include "DlgMiContactOutput.h"
#include "Exchange.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

namespace {

enum Text { NetworkTab = 4, ClockTab, FunctionTab, AudioTab, ContactInputTab, ContactOutputTab };

} // namespace

DlgMiConfig::DlgMiConfig(const ResourceChain& resources, const UserMessages& messages,
                         Locale locale, QWidget* parent)
    : UnitSelectionPage(resources, std::move(locale), DialogId::MiConfig, parent),
      network_(new DlgExNetwork(resources, messages)), clock_(new DlgExClock(resources, messages)),
      function_(new DlgExFunction(resources, messages)),
      audio_(new DlgMiAudio(resources, messages)),
      contactInput_(new DlgMiContactInput(resources, messages)),
      contactOutput_(new DlgMiContactOutput(resources, messages))
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::MiConfig, control);
    };
    addPage(network_, text(NetworkTab));
    addPage(clock_, text(ClockTab));
    addPage(function_, text(FunctionTab));
    addPage(audio_, text(AudioTab));
    addPage(contactInput_, text(ContactInputTab));
    addPage(contactOutput_, text(ContactOutputTab));
}

bool DlgMiConfig::lists(const Exchange& unit) const
{
    return unit.isMultiInterface();
}
