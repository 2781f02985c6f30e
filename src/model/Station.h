#pragma once

#include "ExchangeListener.h"
#include "Observable.h"
#include "StationImpl.h"
#include "StationTraits.h"

#include <memory>
#include <string_view>
#include <vector>

class Exchange;
class StationListener;
class System;

// One station slot of an equipment, as a model object standing on the slot's settings
// record. Subclasses fix the model; the record carries the values across model changes.
class Station : public Observable, public ExchangeListener
{
public:
    Station(StationImpl& settings, System& system);
    ~Station() override;

    virtual const StationTraits& traits() const = 0;

    std::string_view modelName() const { return traits().modelName; }
    std::string_view displayName() const { return traits().displayName; }
    bool isIPStation() const { return traits().isIPStation; }
    bool isDoorStation() const { return traits().isDoorStation; }
    bool isNone() const;

    StationImpl& settings() const { return settings_; }
    Exchange& exchange() const;
    System& system() const { return system_; }

    // Stations that hold on to this object and must follow when it is replaced.
    void addListener(StationListener* listener);
    void removeListener(StationListener* listener);
    void removeAllListeners() { listeners_.clear(); }
    void notifyListeners(Station& replacement);

    // The settings-file keys "sta_id" (only the station's own id), "sta_no" (digits, any
    // length, no notification) and "sta_name"; any other key is refused.
    bool setByKey(std::string_view key, std::string_view value);

    int id() const { return settings_.id; }
    // "NONE" or "" clears; otherwise exactly the system's station-number digits.
    bool setNumber(std::string_view number);
    const std::string& number() const { return settings_.number; }
    bool inUse() const { return !settings_.number.empty(); }
    // At most 8 bytes, no control and no double-byte character. The station of an IP
    // station carries its equipment's name, so it cannot be empty and renames the equipment.
    bool setName(std::string_view name);
    // The equipment's new name, taken over by the station of an IP station.
    void takeEquipmentName(std::string_view name);
    const std::string& name() const { return settings_.name; }

    bool setPagingReception(bool on);
    bool pagingReception() const { return settings_.pagingReception; }
    bool setControl(bool on);
    bool control() const { return settings_.control; }
    bool setDoorTimer(bool on);
    bool doorTimer() const { return settings_.doorTimer; }
    bool setReceiptMode(int mode); // 1 automatic, 0 manual
    int receiptMode() const { return settings_.receiptMode; }
    bool setAutoCallSignal(bool on);
    bool autoCallSignal() const { return settings_.autoCallSignal; }
    bool setManualCallSignal(bool on);
    bool manualCallSignal() const { return settings_.manualCallSignal; }
    void setDoorRemote(ContactOut* output) { settings_.doorRemote = output; }
    ContactOut* doorRemote() const { return settings_.doorRemote; }
    void setCallingContact(ContactOut* output) { settings_.callingContact = output; }
    ContactOut* callingContact() const { return settings_.callingContact; }

    // Sets of at most 15 stations. The called set quietly keeps 15 when full (only a
    // missing station is refused); the group-member set refuses the sixteenth.
    std::vector<Station*> calledStations() const;
    bool addCalledStation(Station* station);
    bool removeCalledStation(Station* station);
    std::vector<Station*> groupMembers() const;
    bool addGroupMember(Station* station);
    bool removeGroupMember(Station* station);

    bool setMonitoringTime(int seconds); // 1..10
    int monitoringTime() const { return settings_.monitoringTime; }
    // group 1..4, position 1..16
    Station* monitoringEntry(int group, int position) const;
    bool setMonitoringEntry(int group, int position, Station* station);
    bool clearMonitoringEntry(int group, int position);

    bool setMicLevel(int level); // 1..3
    int micLevel() const { return settings_.micLevel; }
    bool setSpeakerLevel(int level); // 1..5
    int speakerLevel() const { return settings_.speakerLevel; }
    bool setSignalLevel(int level); // 1..5
    int signalLevel() const { return settings_.signalLevel; }
    bool setPriorityStation(bool on);
    bool priorityStation() const { return settings_.priorityStation; }
    bool setPriorityLimit(bool on);
    bool priorityLimit() const { return settings_.priorityLimit; }

    // which: StationImpl::XferTime .. XferBusy
    bool setTransfer(int which, Station* target);
    Station* transfer(int which) const;

    // The one-touch keys, from "dial 7" to "offhook".
    static constexpr std::string_view kOneTouchKeys[] = {"onetouch_7", "onetouch_8", "onetouch_9",
                                                         "onetouch_0", "onetouch_oh"};
    // Keys "onetouch_7".."onetouch_0", "onetouch_oh": up to 20 of "0123456789*#PFRHT".
    bool setOneTouch(std::string_view key, std::string_view dial);
    std::string oneTouch(std::string_view key) const;
    // Keys "autodial_1".."autodial_8": up to 20 of "0123456789*#PF".
    bool setAutoDial(std::string_view key, std::string_view dial);
    std::string autoDial(std::string_view key) const;

    void setBgmMode(int mode) { settings_.bgmMode = mode; }
    bool setBgmModeText(std::string_view text);
    int bgmMode() const { return settings_.bgmMode; }

    RemoteAnsGroup* remoteAnsGroup() const { return settings_.remoteGroup; }

    // Message paging exists on IP master stations only; elsewhere it reads as disabled and
    // its setters refuse everything.
    bool setMessagePaging(bool on);
    bool setMessagePagingText(std::string_view text);
    bool messagePaging() const;
    bool setStartMode(std::string_view mode);
    std::string startMode() const;
    bool setRepeat(int repeat);
    int repeat() const { return settings_.repeat; }
    bool setMessagePagingZone(Paging* zone);
    Paging* messagePagingZone() const { return settings_.messagePagingZone; }
    bool setInterlockMode(std::string_view mode);
    const std::string& interlockMode() const { return settings_.interlockMode; }
    bool setInterlockContact(ContactOut* output);
    ContactOut* interlockContact() const { return settings_.interlockContact; }
    int sirenNumber() const;

    // Before writing: a station not in use is reset, master and door stations lose what
    // their model cannot use, and message paging stays only on IP master stations.
    void applyModelRules();
    // Before writing: drops references to stations and contact outputs of unused slots,
    // beyond a unit's capacity or above the equipment limit.
    void dropInvalidReferences();

    void onExchangeReplaced(const Exchange& old, const Exchange* replacement) override;

    // A reference target is valid when its slot holds equipment whose capacity includes it.
    static bool isValidTarget(const StationImpl* station);
    static bool isValidTarget(const ContactOut* output);

protected:
    // Called when an IP station's name changes, so its equipment carries the same name.
    virtual void onNameChanged() {}

private:
    bool messagePagingSupported() const;
    void changed(std::string_view key);

    StationImpl& settings_;
    System& system_;
    std::vector<StationListener*> listeners_;
};
