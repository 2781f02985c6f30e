#pragma once

#include "Locale.h"
#include "TabbedPages.h"

class DlgMulticast;
class DlgNetworkEntry;
class DlgStationList;
class DlgSystemList;
class ResourceChain;
class UserMessages;

// The "General" page: the system-wide settings in tabs of their own, the list of units
// first.
class DlgSystemConfig : public TabbedPages
{
    Q_OBJECT

public:
    enum Tab { EquipmentRegistration, StationTable, NetworkCommunication, MulticastRegistration };

    DlgSystemConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                    QWidget* parent = nullptr);

    DlgSystemList& systemList() const { return *systemList_; }
    DlgStationList& stationList() const { return *stationList_; }
    DlgNetworkEntry& networkEntry() const { return *networkEntry_; }
    DlgMulticast& multicast() const { return *multicast_; }

private:
    DlgSystemList* systemList_;
    DlgStationList* stationList_;
    DlgNetworkEntry* networkEntry_;
    DlgMulticast* multicast_;
};
