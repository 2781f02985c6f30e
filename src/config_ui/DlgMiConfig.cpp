#include "DlgMiConfig.h"

#include "DlgMiAudio.h"
#include "DlgMiContactInput.h"
#include "DlgMiContactOutput.h"
#include "Exchange.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

namespace {

enum Text { AudioTab = 7, ContactInputTab, ContactOutputTab };

} // namespace

DlgMiConfig::DlgMiConfig(const ResourceChain& resources, const UserMessages& messages,
                         Locale locale, QWidget* parent)
    : UnitSelectionPage(resources, messages, std::move(locale), DialogId::MiConfig, parent),
      audio_(new DlgMiAudio(resources, messages)),
      contactInput_(new DlgMiContactInput(resources, messages)),
      contactOutput_(new DlgMiContactOutput(resources, messages))
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::MiConfig, control);
    };
    addPage(audio_, text(AudioTab));
    addPage(contactInput_, text(ContactInputTab));
    addPage(contactOutput_, text(ContactOutputTab));
}

bool DlgMiConfig::lists(const Exchange& unit) const
{
    return unit.isMultiInterface();
}
