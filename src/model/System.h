#pragma once

#include "ExManager.h"
#include "Ipv4Address.h"
#include "Locale.h"
#include "Observable.h"
#include "Observer.h"
#include "StaManager.h"
#include "StationListener.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class AudioIn;
class AudioOut;
class BlockGroup;
class ContactIn;
class ContactOut;
class Exchange;
class ExchangeImpl;
class Paging;
class RemoteAnsGroup;
class Station;
class StationImpl;

// The in-memory model of one intercom system: equipment slots 1..maxEquipment, paging
// zones, blocking groups, remote-response groups and the system-wide settings. Limits come
// from the concrete system class. Equipment in use always fills slots 1..registeredCount.
class System : public Observable, public Observer, public StationListener
{
public:
    ~System() override;

    virtual int maxEquipment() const = 0;
    virtual int minStationDigits() const = 0;
    virtual int maxStationDigits() const = 0;
    virtual int defaultStationDigits() const = 0;
    virtual int maxPagingNo() const = 0;
    virtual int defaultPagingDigits() const = 0;
    virtual int minPagingDigits() const = 0;
    virtual int maxPagingDigits() const = 0;
    virtual int minControlDigits() const = 0;
    virtual int maxControlDigits() const = 0;
    virtual int defaultControlDigits() const = 0;
    virtual int maxBlockGroupNo() const = 0;
    virtual std::string_view defaultExchangeModel() const = 0;
    virtual std::string_view defaultIPStationModel() const = 0;
    virtual std::string_view defaultMultiInterfaceModel() const = 0;

    const Locale& locale() const { return locale_; }
    const ExManager& exManager() const { return exManager_; }
    const StaManager& staManager() const { return staManager_; }

    // Destroys everything, then builds the empty model: placeholders in every slot,
    // default names, zones and groups.
    void clear();
    void init();

    Exchange* equipment(int n) const;
    // Installs e in slot n and hands back the previous object after every holder of a
    // reference into the slot has followed. Null (and nothing changes) when n is out of
    // range or e stands on another slot's record. A settings merge may leave gaps this
    // way; compactEquipment closes them.
    std::unique_ptr<Exchange> setEquipment(int n, std::unique_ptr<Exchange> e);
    // Gives slot n another model on the same settings; false for an unknown model or a
    // change that would leave a gap in the slots in use.
    bool changeEquipmentModel(int n, std::string_view model);
    int registeredCount() const { return registeredCount_; }
    // Inserts new equipment at n (1..count+1), moving n.. up; null when full or invalid.
    Exchange* insertEquipment(int n, std::string_view model);
    // Removes the equipment at n, moving those above down. Every reference to it goes and
    // its slot settings start afresh.
    bool removeEquipment(int n);
    // Moves equipment down into empty slots below it, keeping its order, so that the units
    // in use fill slots 1..count again (settings files may leave gaps).
    void compactEquipment();

    // Lines named as files name them, unit number and line number ("3:2"): taken from the
    // slot's settings whatever its model; null when either number is out of range.
    Station* stationAt(int unit, int id) const;
    AudioIn* audioInAt(int unit, int n) const;
    AudioOut* audioOutAt(int unit, int n) const;
    ContactIn* contactInAt(int unit, int n) const;
    ContactOut* contactOutAt(int unit, int n) const;

    Paging* paging(int n) const;
    BlockGroup* blockGroup(int n) const;

    // The group headed by station, created with the station as head on first request;
    // null for no station or one that already belongs to another group.
    RemoteAnsGroup* remoteAnsGroup(Station* station);
    RemoteAnsGroup* findRemoteAnsGroup(const Station* head) const;
    void removeRemoteAnsGroup(RemoteAnsGroup* group);
    std::vector<RemoteAnsGroup*> remoteAnsGroups() const;

    // The first station (in index order) carrying number, among the stations in use on
    // units whose model has them.
    Station* stationByNumber(std::string_view number) const;
    // Enters a station under its present number, or takes it out when it has none; for
    // numbers set without notification (settings merge).
    void indexStation(Station& station);

    const std::string& systemName() const { return systemName_; }
    // 1..15 ASCII characters, none of them a control character or \ / : , ; * ? " < > |
    bool setSystemName(std::string_view name);
    const std::string& password() const { return password_; }
    // The stored form; accepted when it decodes under the current name to 1..15 ASCII
    // non-control characters.
    bool setPassword(std::string_view stored);
    // The plain password, decoded under the current name (empty when it cannot be).
    std::string plainPassword() const;
    const std::string& maintenancePassword() const { return maintenancePassword_; }
    bool setMaintenancePassword(std::string_view digits);

    int stationDigits() const { return stationDigits_; }
    bool setStationDigits(int digits);
    int pagingDigits() const { return pagingDigits_; }
    bool setPagingDigits(int digits);
    int controlDigits() const { return controlDigits_; }
    bool setControlDigits(int digits);
    // The highest zone number the paging digits can dial (9, 99 or the table size).
    int highestDialableZone() const;

    Ipv4Address multicastAddress() const { return multicastAddress_; }
    std::string multicastAddressText() const { return multicastAddress_.toText(); }
    // First octet 225..238; passed on to every slot.
    bool setMulticastAddress(Ipv4Address address);
    int multicastPort() const { return multicastPort_; }
    bool setMulticastPort(int port); // 0 means 6000

    Ipv4Address scanStartAddress() const { return scanStartAddress_; }
    std::string scanStartAddressText() const { return scanStartAddress_.toText(); }
    void setScanStartAddress(Ipv4Address address);
    std::uint32_t scanAssignCount() const { return scanAssignCount_; }
    void setScanAssignCount(std::uint32_t count);

    // The sound the IP master stations play before a message: 1 zone-paging chime, 0
    // all-call chime, 32..36 sirens 1 to 5, 255 none.
    int siren() const { return siren_; }
    void setSiren(int siren);
    static bool isSiren(int value);

    // A value of the system or of one of its units was changed by the user: every observer
    // of the system hears the value's settings key (empty: anything may have changed).
    void announce(std::string_view key);

    // Every repair the settings writer relies on, in the order the sections need them:
    // after it, what is written and what stays in memory agree.
    void applyModelRules();

    // The station number index follows "sta_no" notifications of every station.
    void update(Observable& source, std::string_view hint) override;
    void onStationReplaced(Station& old, Station& replacement) override;

protected:
    explicit System(Locale locale);
    // Sizes the tables from the limits and fills the empty model; called once by the
    // concrete class when its limits are in place.
    void build();
    ExManager& exManagerForRegistration() { return exManager_; }
    StaManager& staManagerForRegistration() { return staManager_; }

private:
    std::unique_ptr<ExchangeImpl> makeRecord(int number);
    void attachStation(Station& station);
    void unindex(const StationImpl* station);
    void notifyExchangeReplaced(const Exchange& old, const Exchange* replacement);
    void countRegistration(const Exchange* previous, const Exchange* next);

    Locale locale_;
    ExManager exManager_;
    StaManager staManager_;

    std::vector<std::unique_ptr<ExchangeImpl>> records_;
    std::vector<std::unique_ptr<Exchange>> slots_; // index 0 unused
    int registeredCount_ = 0;

    std::multimap<std::string, StationImpl*> numberIndex_;
    std::unordered_map<const StationImpl*, std::multimap<std::string, StationImpl*>::iterator>
        indexEntries_;

    std::vector<std::unique_ptr<Paging>> pagings_;
    std::vector<std::unique_ptr<BlockGroup>> blockGroups_;
    std::vector<std::unique_ptr<RemoteAnsGroup>> remoteGroups_;

    std::uint32_t scanAssignCount_ = 1;
    Ipv4Address scanStartAddress_;
    Ipv4Address multicastAddress_{225, 0, 0, 1};
    int multicastPort_ = 6000;
    int stationDigits_ = 2;
    int pagingDigits_ = 1;
    int controlDigits_ = 2;
    std::string systemName_ = "R-4000";
    std::string password_;
    std::string maintenancePassword_ = "8629";
    int siren_ = 1;
};
