#include "DlgSystemConfig.h"

#include "DlgMulticast.h"
#include "DlgNetworkEntry.h"
#include "DlgSystemList.h"
#include "DlgStationList.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QTabWidget>
#include <QVBoxLayout>

DlgSystemConfig::DlgSystemConfig(const ResourceChain& resources, const UserMessages& messages,
                                 Locale locale, QWidget* parent)
    : QWidget(parent), tabs_(new QTabWidget(this)),
      systemList_(new DlgSystemList(resources, messages, locale)),
      stationList_(new DlgStationList(resources, messages, locale)),
      networkEntry_(new DlgNetworkEntry(locale)),
      multicast_(new DlgMulticast(resources, messages, locale))
{

    tabs_->setObjectName(QStringLiteral("systemTabs"));
    tabs_->addTab(systemList_, resources.dialogText(DialogId::SystemConfig, 1));
    tabs_->addTab(stationList_, resources.dialogText(DialogId::SystemConfig, 2));
    tabs_->addTab(networkEntry_, resources.dialogText(DialogId::SystemConfig, 3));
    tabs_->addTab(multicast_, resources.dialogText(DialogId::SystemConfig, 4));
    pages_ = {systemList_, stationList_, networkEntry_, multicast_};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
}

void DlgSystemConfig::attach(System& system)
{
    for (ModelPage* page : pages_)
        page->attach(system);
}

void DlgSystemConfig::detach()
{
    for (ModelPage* page : pages_)
        page->detach();
}

void DlgSystemConfig::refresh()
{
    for (ModelPage* page : pages_)
        page->refresh();
}
