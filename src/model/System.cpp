#include "System.h"

#include "AudioIn.h"
#include "BlockGroup.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "LineLoss.h"
#include "Paging.h"
#include "PasswordCodec.h"
#include "RemoteAnsGroup.h"
#include "Station.h"
#include "TextRules.h"

#include <algorithm>

namespace {

constexpr std::string_view kDefaultSystemName = "R-4000";
constexpr std::string_view kForbiddenInSystemName = "\\/:,;*?\"<>|";
constexpr int kDefaultMulticastPort = 6000;

// Plain text of 1..15 printable ASCII characters.
bool isPlainAscii(std::string_view text)
{
    if (text.empty() || text.size() > PasswordCodec::kMaxPlainLength)
        return false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 127 || TextRules::isControl(byte))
            return false;
    }
    return true;
}

} // namespace

System::System(Locale locale)
    : locale_(locale), exManager_(locale), staManager_(locale),
      password_(PasswordCodec::kDefaultStored)
{
}

System::~System()
{
    clear();
}

void System::build()
{
    init();
}

void System::clear()
{
    // Groups refer to station settings and line objects, so they go before the records.
    // A blocking group lets go of its members as it goes, which spares every record
    // taking its lines out of the large default group one by one.
    remoteGroups_.clear();
    numberIndex_.clear();
    indexEntries_.clear();
    slots_.clear();
    blockGroups_.clear();
    pagings_.clear();
    records_.clear();
    registeredCount_ = 0;
}

void System::init()
{
    clear();
    systemName_ = kDefaultSystemName;
    password_ = PasswordCodec::kDefaultStored;
    maintenancePassword_ = "8629";
    stationDigits_ = defaultStationDigits();
    pagingDigits_ = defaultPagingDigits();
    controlDigits_ = defaultControlDigits();
    scanStartAddress_ = Ipv4Address();
    scanAssignCount_ = 1;

    for (int n = 0; n <= maxBlockGroupNo(); ++n)
        blockGroups_.push_back(std::make_unique<BlockGroup>(*this, n));
    BlockGroup& defaultGroup = *blockGroups_[0];
    for (int n = 0; n <= maxBlockGroupNo(); ++n) {
        defaultGroup.addCallBlock(n);
        blockGroups_[n]->addCallBlock(0);
    }
    for (int n = 0; n <= maxPagingNo(); ++n) {
        pagings_.push_back(std::make_unique<Paging>(*this, n));
        defaultGroup.addPagingBlock(n);
    }

    slots_.resize(std::size_t(maxEquipment()) + 1);
    for (int n = 1; n <= maxEquipment(); ++n)
        records_.push_back(makeRecord(n));

    setMulticastPort(kDefaultMulticastPort);
    setMulticastAddress(Ipv4Address(225, 0, 0, 1));
    siren_ = 1;
    setChanged();
}

std::unique_ptr<ExchangeImpl> System::makeRecord(int number)
{
    auto record = std::make_unique<ExchangeImpl>(*this);
    std::unique_ptr<Exchange> placeholder = exManager_.create("NONE", *record, *this);
    placeholder->setExchangeNumber(number);
    placeholder->setSystemName(systemName_);
    placeholder->setPassword(password_);
    placeholder->setMulticastAddress(multicastAddress_);
    record->exchange_ = placeholder.get();
    slots_[number] = std::move(placeholder);

    BlockGroup& defaultGroup = *blockGroups_[0];
    for (int id = 1; id <= ExchangeImpl::kStations; ++id) {
        attachStation(*record->stationObject(id));
        defaultGroup.addMember(record->stationSettings(id));
    }
    for (int n = 1; n <= ExchangeImpl::kAudioLines; ++n)
        defaultGroup.addMember(record->audioInLine(n));
    for (int n = 1; n <= ExchangeImpl::kContacts; ++n)
        defaultGroup.addMember(record->contactOutLine(n));
    return record;
}

void System::attachStation(Station& station)
{
    station.addObserver(this);
    station.addListener(this);
}

Exchange* System::equipment(int n) const
{
    return n >= 1 && n <= maxEquipment() && std::size_t(n) < slots_.size() ? slots_[n].get()
                                                                           : nullptr;
}

void System::countRegistration(const Exchange* previous, const Exchange* next)
{
    if (previous && !previous->isNone())
        --registeredCount_;
    if (next && !next->isNone())
        ++registeredCount_;
}

std::unique_ptr<Exchange> System::setEquipment(int n, std::unique_ptr<Exchange> e)
{
    Exchange* current = equipment(n);
    if (!current || !e || &e->settingsRecord() != &current->settingsRecord())
        return nullptr;
    std::unique_ptr<Exchange> previous = std::move(slots_[n]);
    slots_[n] = std::move(e);
    slots_[n]->settingsRecord().exchange_ = slots_[n].get();
    countRegistration(previous.get(), slots_[n].get());
    setChanged();
    notifyExchangeReplaced(*previous, slots_[n].get());
    return previous;
}

bool System::changeEquipmentModel(int n, std::string_view model)
{
    Exchange* current = equipment(n);
    if (!current)
        return false;
    // Equipment in use stays in slots 1..count: only the last one may become a placeholder,
    // and only the first free slot may take equipment.
    const bool freeing = !current->isNone() && model == "NONE";
    const bool taking = current->isNone() && model != "NONE";
    if ((freeing && n != registeredCount_) || (taking && n != registeredCount_ + 1))
        return false;
    std::unique_ptr<Exchange> replacement =
        exManager_.create(model, current->settingsRecord(), *this);
    return replacement && setEquipment(n, std::move(replacement)) != nullptr;
}

Exchange* System::insertEquipment(int n, std::string_view model)
{
    const int count = registeredCount_;
    if (count >= maxEquipment() || n < 1 || n > count + 1 || model == "NONE" ||
        !exManager_.knows(model) || !slots_[count + 1]->isNone())
        return nullptr;

    std::unique_ptr<Exchange> placeholder = std::move(slots_[count + 1]);
    for (int k = count; k >= n; --k) {
        slots_[k + 1] = std::move(slots_[k]);
        slots_[k + 1]->setExchangeNumber(k + 1);
    }
    ExchangeImpl& record = placeholder->settingsRecord();
    std::unique_ptr<Exchange> created = exManager_.create(model, record, *this);
    created->setExchangeNumber(n);
    created->setSystemName(systemName_);
    created->setPassword(password_);
    slots_[n] = std::move(created);
    record.exchange_ = slots_[n].get();
    placeholder.reset();
    ++registeredCount_;

    for (int i = 1; i <= registeredCount_; ++i) {
        if (i != n)
            slots_[i]->peerInserted(n, registeredCount_);
    }
    setChanged();
    return slots_[n].get();
}

bool System::removeEquipment(int n)
{
    const int count = registeredCount_;
    if (n < 1 || n > count)
        return false;

    // Everything that refers into the slot lets go before the settings are destroyed.
    std::unique_ptr<Exchange> removed = std::move(slots_[n]);
    ExchangeImpl& record = removed->settingsRecord();
    for (int id = 1; id <= ExchangeImpl::kStations; ++id)
        unindex(record.stationSettings(id));
    slots_[n] = nullptr;
    notifyExchangeReplaced(*removed, nullptr);

    for (int k = n; k < count; ++k) {
        slots_[k] = std::move(slots_[k + 1]);
        slots_[k]->setExchangeNumber(k);
    }
    removed.reset();
    records_.erase(std::find_if(records_.begin(), records_.end(),
                                [&](const auto& r) { return r.get() == &record; }));
    records_.push_back(makeRecord(count));
    --registeredCount_;

    for (int i = 1; i <= registeredCount_; ++i)
        slots_[i]->peerRemoved(n, registeredCount_);
    setChanged();
    return true;
}

void System::compactEquipment()
{
    int used = 0; // slots 1..used hold equipment
    for (int n = 1; n <= maxEquipment(); ++n) {
        if (slots_[n]->isNone())
            continue;
        ++used;
        if (n == used)
            continue;
        // Move the unit down into the first gap; the placeholder takes its old slot.
        std::swap(slots_[used], slots_[n]);
        slots_[used]->setExchangeNumber(used);
        slots_[n]->setExchangeNumber(n);
        for (int i = 1; i <= maxEquipment(); ++i)
            slots_[i]->peerMoved(n, used);
        setChanged();
    }
}

void System::announce(std::string_view key)
{
    setChanged();
    notifyObservers(key);
}

void System::notifyExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    if (!LineLoss(old, replacement).any())
        return;
    for (int n = 1; n <= maxEquipment(); ++n) {
        Exchange* holder = slots_[n].get();
        if (!holder)
            continue;
        holder->onExchangeReplaced(old, replacement);
        ExchangeImpl& record = holder->settingsRecord();
        for (int id = 1; id <= ExchangeImpl::kStations; ++id)
            record.stationObject(id)->onExchangeReplaced(old, replacement);
        for (int line = 1; line <= ExchangeImpl::kContacts; ++line)
            record.contactInLine(line)->onExchangeReplaced(old, replacement);
    }
    for (auto& zone : pagings_)
        zone->onExchangeReplaced(old, replacement);
    for (auto& group : blockGroups_)
        group->onExchangeReplaced(old, replacement);
    for (auto& group : remoteGroups_)
        group->onExchangeReplaced(old, replacement);
}

Station* System::stationAt(int unit, int id) const
{
    const Exchange* e = equipment(unit);
    return e ? e->settingsRecord().stationObject(id) : nullptr;
}

AudioIn* System::audioInAt(int unit, int n) const
{
    const Exchange* e = equipment(unit);
    return e ? e->settingsRecord().audioInLine(n) : nullptr;
}

AudioOut* System::audioOutAt(int unit, int n) const
{
    const Exchange* e = equipment(unit);
    return e ? e->settingsRecord().audioOutLine(n) : nullptr;
}

ContactIn* System::contactInAt(int unit, int n) const
{
    const Exchange* e = equipment(unit);
    return e ? e->settingsRecord().contactInLine(n) : nullptr;
}

ContactOut* System::contactOutAt(int unit, int n) const
{
    const Exchange* e = equipment(unit);
    return e ? e->settingsRecord().contactOutLine(n) : nullptr;
}

Paging* System::paging(int n) const
{
    return n >= 0 && std::size_t(n) < pagings_.size() ? pagings_[n].get() : nullptr;
}

BlockGroup* System::blockGroup(int n) const
{
    return n >= 0 && std::size_t(n) < blockGroups_.size() ? blockGroups_[n].get() : nullptr;
}

RemoteAnsGroup* System::remoteAnsGroup(Station* station)
{
    if (!station)
        return nullptr;
    if (RemoteAnsGroup* existing = findRemoteAnsGroup(station))
        return existing;
    auto group = std::make_unique<RemoteAnsGroup>();
    if (!group->addStation(station))
        return nullptr;
    remoteGroups_.push_back(std::move(group));
    return remoteGroups_.back().get();
}

RemoteAnsGroup* System::findRemoteAnsGroup(const Station* head) const
{
    for (const auto& group : remoteGroups_) {
        if (head && group->head() == head)
            return group.get();
    }
    return nullptr;
}

void System::removeRemoteAnsGroup(RemoteAnsGroup* group)
{
    remoteGroups_.erase(std::remove_if(remoteGroups_.begin(), remoteGroups_.end(),
                                       [&](const auto& g) { return g.get() == group; }),
                        remoteGroups_.end());
}

std::vector<RemoteAnsGroup*> System::remoteAnsGroups() const
{
    std::vector<RemoteAnsGroup*> groups;
    groups.reserve(remoteGroups_.size());
    for (const auto& group : remoteGroups_)
        groups.push_back(group.get());
    return groups;
}

Station* System::stationByNumber(std::string_view number) const
{
    // Stations that their unit's model hides keep their numbers for the day it comes back,
    // but are not found meanwhile.
    const auto [first, last] = numberIndex_.equal_range(std::string(number));
    for (auto it = first; it != last; ++it) {
        if (Station::isValidTarget(it->second))
            return &it->second->station();
    }
    return nullptr;
}

void System::unindex(const StationImpl* station)
{
    auto entry = indexEntries_.find(station);
    if (entry == indexEntries_.end())
        return;
    numberIndex_.erase(entry->second);
    indexEntries_.erase(entry);
}

void System::indexStation(Station& station)
{
    StationImpl& settings = station.settings();
    unindex(&settings);
    if (!settings.number.empty())
        indexEntries_[&settings] = numberIndex_.emplace(settings.number, &settings);
}

void System::update(Observable& source, std::string_view hint)
{
    if (hint != "sta_no")
        return;
    if (auto* station = dynamic_cast<Station*>(&source))
        indexStation(*station);
}

void System::onStationReplaced(Station& old, Station& replacement)
{
    old.deleteObserver(this);
    old.removeListener(this);
    attachStation(replacement);
}

bool System::setSystemName(std::string_view name)
{
    if (!isPlainAscii(name) || name.find_first_of(kForbiddenInSystemName) != std::string_view::npos)
        return false;
    systemName_ = name;
    setChanged();
    return true;
}

bool System::setPassword(std::string_view stored)
{
    std::string plain;
    if (!PasswordCodec::decode(stored, systemName_, plain) || !isPlainAscii(plain))
        return false;
    password_ = stored;
    setChanged();
    return true;
}

std::string System::plainPassword() const
{
    std::string plain;
    return PasswordCodec::decode(password_, systemName_, plain) ? plain : std::string();
}

bool System::setMaintenancePassword(std::string_view digits)
{
    if (digits.size() != 4 || !TextRules::isDigits(digits))
        return false;
    maintenancePassword_ = digits;
    setChanged();
    return true;
}

bool System::setStationDigits(int digits)
{
    if (digits < minStationDigits() || digits > maxStationDigits())
        return false;
    stationDigits_ = digits;
    setChanged();
    return true;
}

bool System::setPagingDigits(int digits)
{
    if (digits < minPagingDigits() || digits > maxPagingDigits())
        return false;
    if (digits != pagingDigits_) {
        pagingDigits_ = digits;
        setChanged();
    }
    return true;
}

bool System::setControlDigits(int digits)
{
    if (digits < minControlDigits() || digits > maxControlDigits())
        return false;
    controlDigits_ = digits;
    setChanged();
    return true;
}

int System::highestDialableZone() const
{
    switch (pagingDigits_) {
    case 1:
        return 9;
    case 2:
        return 99;
    default:
        return maxPagingNo();
    }
}

bool System::setMulticastAddress(Ipv4Address address)
{
    if (!address.isMulticast())
        return false;
    multicastAddress_ = address;
    for (int n = 1; n <= maxEquipment(); ++n) {
        if (Exchange* e = equipment(n))
            e->setMulticastAddress(address);
    }
    setChanged();
    return true;
}

bool System::setMulticastPort(int port)
{
    if (port < 0 || port > 0xffff)
        return false;
    multicastPort_ = port == 0 ? kDefaultMulticastPort : port;
    setChanged();
    return true;
}

void System::setScanStartAddress(Ipv4Address address)
{
    scanStartAddress_ = address;
    setChanged();
}

void System::setScanAssignCount(std::uint32_t count)
{
    scanAssignCount_ = count;
    setChanged();
}

void System::setSiren(int siren)
{
    siren_ = siren;
    setChanged();
}

bool System::isSiren(int value)
{
    for (int siren : {0, 1, 32, 33, 34, 35, 36, 255}) {
        if (value == siren)
            return true;
    }
    return false;
}

void System::applyModelRules()
{
    const int inUse = registeredCount_;
    auto forEachStation = [&](auto&& action) {
        for (int n = 1; n <= maxEquipment(); ++n) {
            for (int id = 1; id <= ExchangeImpl::kStations; ++id)
                action(*slots_[n]->settingsRecord().stationObject(id));
        }
    };

    // A station outside its equipment's capacity is not in use, whatever it held.
    forEachStation([](Station& s) {
        if (!Station::isValidTarget(&s.settings()))
            s.setNumber("");
    });
    forEachStation([](Station& s) { s.applyModelRules(); });
    forEachStation([](Station& s) { s.dropInvalidReferences(); });

    for (int n = 1; n <= maxEquipment(); ++n) {
        Exchange& e = *slots_[n];
        e.mirrorWanValues();
        e.applyMulticastReceiveRule();
        e.applyFunctionRules();
        e.dropInvalidBgmSources();
        if (!e.isMultiInterface())
            continue;
        for (int line = 1; line <= e.audioInCount(); ++line)
            e.audioIn(line)->applyModeRules();
        for (int line = 1; line <= e.contactInCount(); ++line)
            e.contactIn(line)->applyLinkRules(inUse);
        for (int line = 1; line <= e.contactOutCount(); ++line)
            e.contactOut(line)->applyRules(inUse);
    }

    for (auto& zone : pagings_)
        zone->dropInvalidMembers();
    for (auto& group : blockGroups_)
        group->dropPagingBlocksAbove(highestDialableZone());
    std::vector<RemoteAnsGroup*> doomed;
    for (auto& group : remoteGroups_) {
        if (!group->dropInvalidMembers())
            doomed.push_back(group.get());
    }
    for (RemoteAnsGroup* group : doomed)
        removeRemoteAnsGroup(group);
}
