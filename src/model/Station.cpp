#include "Station.h"

#include "ContactOut.h"
#include "Exchange.h"
#include "LineLoss.h"
#include "StationListener.h"
#include "System.h"
#include "TextRules.h"

#include <algorithm>

namespace {

constexpr std::string_view kAutoDialKeys[] = {"autodial_1", "autodial_2", "autodial_3",
                                              "autodial_4", "autodial_5", "autodial_6",
                                              "autodial_7", "autodial_8"};
constexpr std::string_view kOneTouchCharacters = "0123456789*#PFRHT";
constexpr std::string_view kAutoDialCharacters = "0123456789*#PF";
constexpr std::size_t kMaxDialLength = 20;
constexpr int kOneTouchZero = 3;

template <std::size_t N> int keyIndex(const std::string_view (&keys)[N], std::string_view key)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (TextRules::equalsIgnoreCase(keys[i], key))
            return int(i);
    }
    return -1;
}

bool isDialString(std::string_view text, std::string_view allowed)
{
    return text.size() <= kMaxDialLength &&
           text.find_first_not_of(allowed) == std::string_view::npos;
}

std::vector<Station*> objectsOf(const std::vector<StationImpl*>& settings)
{
    std::vector<Station*> stations;
    stations.reserve(settings.size());
    for (StationImpl* s : settings)
        stations.push_back(&s->station());
    return stations;
}

bool contains(const std::vector<StationImpl*>& set, const StationImpl* s)
{
    return std::find(set.begin(), set.end(), s) != set.end();
}

bool erase(std::vector<StationImpl*>& set, const StationImpl* s)
{
    auto it = std::find(set.begin(), set.end(), s);
    if (it == set.end())
        return false;
    set.erase(it);
    return true;
}

} // namespace

Station::Station(StationImpl& settings, System& system) : settings_(settings), system_(system) {}

Station::~Station() = default;

bool Station::isNone() const
{
    return modelName() == "NONE";
}

Exchange& Station::exchange() const
{
    return settings_.owner().exchange();
}

void Station::addListener(StationListener* listener)
{
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void Station::removeListener(StationListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void Station::notifyListeners(Station& replacement)
{
    const std::vector<StationListener*> listeners = listeners_;
    for (StationListener* listener : listeners)
        listener->onStationReplaced(*this, replacement);
}

void Station::changed(std::string_view key)
{
    setChanged();
    notifyObservers(key);
}

bool Station::setByKey(std::string_view key, std::string_view value)
{
    if (TextRules::equalsIgnoreCase(key, "sta_id")) {
        // The id is the slot's place on its unit: a record can only confirm it.
        unsigned long id = 0;
        return TextRules::parseNumber(value, 0xff, id) && int(id) == settings_.id;
    }
    if (TextRules::equalsIgnoreCase(key, "sta_no")) {
        if (value == "NONE")
            value = {};
        if (!value.empty() && !TextRules::isDigits(value))
            return false;
        settings_.number = value;
        return true;
    }
    if (TextRules::equalsIgnoreCase(key, "sta_name"))
        return setName(value);
    return false;
}

bool Station::setNumber(std::string_view number)
{
    if (number == "NONE")
        number = {};
    if (!number.empty() && int(number.size()) != system_.stationDigits())
        return false;
    if (number == settings_.number)
        return true;
    if (!number.empty() && !TextRules::isDigits(number))
        return false;
    settings_.number = number;
    changed("sta_no");
    return true;
}

bool Station::setName(std::string_view name)
{
    const bool namesEquipment = id() == 1 && exchange().isIPStation();
    if (!TextRules::isShortLabel(name, 8, system_.locale()) || (namesEquipment && name.empty()))
        return false;
    if (name == settings_.name)
        return true;
    settings_.name = name;
    changed("sta_name");
    if (namesEquipment)
        exchange().setExchangeName(name);
    return true;
}

void Station::takeEquipmentName(std::string_view name)
{
    if (name == settings_.name)
        return;
    settings_.name = name;
    changed("sta_name");
}

bool Station::setPagingReception(bool on)
{
    settings_.pagingReception = on;
    return true;
}

bool Station::setControl(bool on)
{
    settings_.control = on;
    return true;
}

bool Station::setDoorTimer(bool on)
{
    settings_.doorTimer = on;
    return true;
}

bool Station::setReceiptMode(int mode)
{
    if (mode != 0 && mode != 1)
        return false;
    settings_.receiptMode = mode;
    return true;
}

bool Station::setAutoCallSignal(bool on)
{
    settings_.autoCallSignal = on;
    return true;
}

bool Station::setManualCallSignal(bool on)
{
    settings_.manualCallSignal = on;
    return true;
}

std::vector<Station*> Station::calledStations() const
{
    return objectsOf(settings_.called);
}

bool Station::addCalledStation(Station* station)
{
    if (!station)
        return false;
    // A full set keeps its fifteen and the call still counts as done.
    if (!contains(settings_.called, &station->settings()) &&
        settings_.called.size() < std::size_t(StationImpl::kMaxSetSize))
        settings_.called.push_back(&station->settings());
    return true;
}

bool Station::removeCalledStation(Station* station)
{
    return station && erase(settings_.called, &station->settings());
}

std::vector<Station*> Station::groupMembers() const
{
    return objectsOf(settings_.groupMembers);
}

bool Station::addGroupMember(Station* station)
{
    if (!station)
        return false;
    if (contains(settings_.groupMembers, &station->settings()))
        return true;
    if (settings_.groupMembers.size() >= std::size_t(StationImpl::kMaxSetSize))
        return false;
    settings_.groupMembers.push_back(&station->settings());
    return true;
}

bool Station::removeGroupMember(Station* station)
{
    return station && erase(settings_.groupMembers, &station->settings());
}

bool Station::setMonitoringTime(int seconds)
{
    if (seconds < 1 || seconds > 10)
        return false;
    settings_.monitoringTime = seconds;
    return true;
}

Station* Station::monitoringEntry(int group, int position) const
{
    if (group < 1 || group > StationImpl::kMonitorGroups || position < 1 ||
        position > StationImpl::kMonitorPositions)
        return nullptr;
    StationImpl* entry = settings_.monitoring[group - 1][position - 1];
    return entry ? &entry->station() : nullptr;
}

bool Station::setMonitoringEntry(int group, int position, Station* station)
{
    if (group < 1 || group > StationImpl::kMonitorGroups || position < 1 ||
        position > StationImpl::kMonitorPositions)
        return false;
    settings_.monitoring[group - 1][position - 1] = station ? &station->settings() : nullptr;
    return true;
}

bool Station::clearMonitoringEntry(int group, int position)
{
    return setMonitoringEntry(group, position, nullptr);
}

bool Station::setMicLevel(int level)
{
    if (level < 1 || level > 3)
        return false;
    settings_.micLevel = level;
    return true;
}

bool Station::setSpeakerLevel(int level)
{
    if (level < 1 || level > 5)
        return false;
    settings_.speakerLevel = level;
    return true;
}

bool Station::setSignalLevel(int level)
{
    if (level < 1 || level > 5)
        return false;
    settings_.signalLevel = level;
    return true;
}

bool Station::setPriorityStation(bool on)
{
    settings_.priorityStation = on;
    return true;
}

bool Station::setPriorityLimit(bool on)
{
    settings_.priorityLimit = on;
    return true;
}

bool Station::setTransfer(int which, Station* target)
{
    if (which < 0 || which >= StationImpl::kTransfers)
        return false;
    settings_.transfers[which] = target ? &target->settings() : nullptr;
    return true;
}

Station* Station::transfer(int which) const
{
    if (which < 0 || which >= StationImpl::kTransfers)
        return nullptr;
    StationImpl* target = settings_.transfers[which];
    return target ? &target->station() : nullptr;
}

bool Station::setOneTouch(std::string_view key, std::string_view dial)
{
    const int index = keyIndex(Station::kOneTouchKeys, key);
    if (index < 0 || !isDialString(dial, kOneTouchCharacters))
        return false;
    settings_.oneTouch[index] = dial;
    return true;
}

std::string Station::oneTouch(std::string_view key) const
{
    const int index = keyIndex(Station::kOneTouchKeys, key);
    return index < 0 ? std::string() : settings_.oneTouch[index];
}

bool Station::setAutoDial(std::string_view key, std::string_view dial)
{
    const int index = keyIndex(kAutoDialKeys, key);
    if (index < 0 || !isDialString(dial, kAutoDialCharacters))
        return false;
    settings_.autoDial[index] = dial;
    return true;
}

std::string Station::autoDial(std::string_view key) const
{
    const int index = keyIndex(kAutoDialKeys, key);
    return index < 0 ? std::string() : settings_.autoDial[index];
}

bool Station::setBgmModeText(std::string_view text)
{
    unsigned long mode = 0;
    if (!TextRules::parseNumber(text, 0xff, mode))
        return false;
    settings_.bgmMode = int(mode);
    return true;
}

bool Station::messagePagingSupported() const
{
    return traits().messagePaging != StationTraits::MessagePaging::None;
}

bool Station::setMessagePaging(bool on)
{
    if (!messagePagingSupported())
        return false;
    settings_.messagePaging = on;
    return true;
}

bool Station::setMessagePagingText(std::string_view text)
{
    if (TextRules::equalsIgnoreCase(text, "ENABLE"))
        return setMessagePaging(true);
    if (TextRules::equalsIgnoreCase(text, "DISABLE"))
        return setMessagePaging(false);
    return false;
}

bool Station::messagePaging() const
{
    return messagePagingSupported() && settings_.messagePaging;
}

bool Station::setStartMode(std::string_view mode)
{
    switch (traits().messagePaging) {
    case StationTraits::MessagePaging::None:
        return false;
    case StationTraits::MessagePaging::DialOperationOnly:
        if (!TextRules::equalsIgnoreCase(mode, "DIAL_OPERATION"))
            return false;
        settings_.startMode = "DIAL_OPERATION";
        return true;
    case StationTraits::MessagePaging::AllStartModes:
        for (std::string_view known : {"BOTH", "DIAL_OPERATION", "EXTERNAL_INPUT"}) {
            if (TextRules::equalsIgnoreCase(mode, known)) {
                settings_.startMode = known;
                return true;
            }
        }
        return false;
    }
    return false;
}

std::string Station::startMode() const
{
    if (traits().messagePaging == StationTraits::MessagePaging::DialOperationOnly)
        return "DIAL_OPERATION";
    return settings_.startMode;
}

bool Station::setRepeat(int repeat)
{
    if (repeat < 0 || repeat > 0xff)
        return false;
    settings_.repeat = repeat;
    return true;
}

bool Station::setMessagePagingZone(Paging* zone)
{
    if (!messagePagingSupported())
        return false;
    settings_.messagePagingZone = zone;
    return true;
}

bool Station::setInterlockMode(std::string_view mode)
{
    if (!messagePagingSupported())
        return false;
    for (std::string_view known : {"BUSY", "ONESHOT"}) {
        if (TextRules::equalsIgnoreCase(mode, known)) {
            settings_.interlockMode = known;
            return true;
        }
    }
    return false;
}

bool Station::setInterlockContact(ContactOut* output)
{
    if (!messagePagingSupported())
        return false;
    settings_.interlockContact = output;
    return true;
}

int Station::sirenNumber() const
{
    return system_.siren();
}

void Station::applyModelRules()
{
    StationImpl& s = settings_;
    if (!inUse()) {
        s.resetAttributes();
        s.leaveBlockGroup();
    }
    if (traits().isMasterStation)
        s.doorTimer = false;
    if (isDoorStation()) {
        s.pagingReception = false;
        s.control = false;
        s.receiptMode = 1;
        s.groupMembers.clear();
        s.priorityStation = false;
        s.monitoring = {};
        // Only the 0 key may keep a dial string: the number of a master station.
        const Station* target = system_.stationByNumber(s.oneTouch[kOneTouchZero]);
        const std::string zero =
            target && !target->isDoorStation() ? s.oneTouch[kOneTouchZero] : std::string();
        s.oneTouch = {};
        s.oneTouch[kOneTouchZero] = zero;
    }
    if (!messagePagingSupported())
        s.messagePaging = false;
}

bool Station::isValidTarget(const StationImpl* station)
{
    if (!station)
        return false;
    const Exchange& owner = station->owner().exchange();
    return !owner.isNone() && station->id <= owner.stationCount() &&
           owner.exchangeNumber() <= owner.system().maxEquipment();
}

bool Station::isValidTarget(const ContactOut* output)
{
    if (!output)
        return false;
    const Exchange& owner = output->owner().exchange();
    return !owner.isNone() && output->number() <= owner.contactOutCount() &&
           owner.exchangeNumber() <= owner.system().maxEquipment();
}

namespace {

// Drops every station and contact-output reference the predicates do not keep.
template <class KeepStation, class KeepContact>
void filterReferences(StationImpl& s, KeepStation keepStation, KeepContact keepContact)
{
    auto dropFrom = [&](std::vector<StationImpl*>& set) {
        set.erase(std::remove_if(set.begin(), set.end(),
                                 [&](const StationImpl* t) { return !keepStation(t); }),
                  set.end());
    };
    dropFrom(s.called);
    dropFrom(s.groupMembers);
    for (auto& group : s.monitoring) {
        for (StationImpl*& entry : group) {
            if (entry && !keepStation(entry))
                entry = nullptr;
        }
    }
    for (StationImpl*& target : s.transfers) {
        if (target && !keepStation(target))
            target = nullptr;
    }
    for (ContactOut** contact : {&s.doorRemote, &s.callingContact, &s.interlockContact}) {
        if (*contact && !keepContact(*contact))
            *contact = nullptr;
    }
}

} // namespace

void Station::dropInvalidReferences()
{
    filterReferences(
        settings_, [](const StationImpl* t) { return isValidTarget(t); },
        [](const ContactOut* c) { return isValidTarget(c); });
}

void Station::onExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    const LineLoss lost(old, replacement);
    if (!lost.anyStation() && !lost.anyContactOut())
        return;
    filterReferences(
        settings_, [&](const StationImpl* t) { return !lost.station(t); },
        [&](const ContactOut* c) { return !lost.contactOut(c); });
}
