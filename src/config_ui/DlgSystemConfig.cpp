#include "DlgSystemConfig.h"

#include "DlgMulticast.h"
#include "DlgNetworkEntry.h"
#include "DlgStationList.h"
#include "DlgSystemList.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

DlgSystemConfig::DlgSystemConfig(const ResourceChain& resources, const UserMessages& messages,
                                 Locale locale, QWidget* parent)
    : TabbedPages(QStringLiteral("systemTabs"), parent),
      systemList_(new DlgSystemList(resources, messages, locale)),
      stationList_(new DlgStationList(resources, messages, locale)),
      networkEntry_(new DlgNetworkEntry(locale)),
      multicast_(new DlgMulticast(resources, messages, locale))
{
    // The tabs' titles are the texts 1.. of the page, in tab order.
    addPage(systemList_, systemList_, resources.dialogText(DialogId::SystemConfig, 1));
    addPage(stationList_, stationList_, resources.dialogText(DialogId::SystemConfig, 2));
    addPage(networkEntry_, networkEntry_, resources.dialogText(DialogId::SystemConfig, 3));
    addPage(multicast_, multicast_, resources.dialogText(DialogId::SystemConfig, 4));
}
