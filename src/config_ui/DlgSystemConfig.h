#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>
#include <vector>

class DlgMulticast;
class DlgNetworkEntry;
class DlgStationList;
class DlgSystemList;
class QTabWidget;
class ResourceChain;
class UserMessages;

// The "General" page: the system-wide settings in tabs of their own, the list of units
// first.
class DlgSystemConfig : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Tab { EquipmentRegistration, StationTable, NetworkCommunication, MulticastRegistration };

    DlgSystemConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                    QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // Fields are committed by the tab that holds them.
    bool commitField(int) override { return true; }

    QTabWidget& tabs() const { return *tabs_; }
    DlgSystemList& systemList() const { return *systemList_; }
    DlgStationList& stationList() const { return *stationList_; }
    DlgNetworkEntry& networkEntry() const { return *networkEntry_; }
    DlgMulticast& multicast() const { return *multicast_; }

private:
    QTabWidget* tabs_;
    DlgSystemList* systemList_;
    DlgStationList* stationList_;
    DlgNetworkEntry* networkEntry_;
    DlgMulticast* multicast_;
    std::vector<ModelPage*> pages_;
};
