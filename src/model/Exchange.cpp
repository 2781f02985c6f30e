#include "Exchange.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Keyword.h"
#include "LineLoss.h"
#include "Station.h"
#include "System.h"
#include "TextRules.h"

namespace {

constexpr Keyword kOnOff[] = {{"OFF", 0}, {"ON", 1}};
constexpr Keyword kPagingAnswerModes[] = {{"MANUAL", 0}, {"AUTO", 1}};
constexpr Keyword kPagingPriorityModes[] = {{"CONVERSATION", 0}, {"PAGING", 1}};
constexpr Keyword kCallingPartyModes[] = {{"RESPONSE_ACTIVATED", 0}, {"CALL_ACTIVATED", 1}};
constexpr Keyword kSynModes[] = {{"AUTO", 0}, {"SOURCE", 1}, {"DESTINATION", 2}};
constexpr Keyword kDsOutModes[] = {
    {"DS_REMOTE", 0}, {"DS_BUSY", 1}, {"DS_CALLING", 2}, {"DS_CONVERS", 3}};

// "H:M" with digits and colons only; an empty part counts as 0.
bool isTransferTime(std::string_view text)
{
    for (char c : text) {
        if (c != ':' && (c < '0' || c > '9'))
            return false;
    }
    const std::size_t colon = text.find(':');
    const unsigned long hour = TextRules::leadingNumber(text.substr(0, colon));
    const unsigned long minute =
        colon == std::string_view::npos ? 0 : TextRules::leadingNumber(text.substr(colon + 1));
    return hour <= 23 && minute <= 59;
}

bool isTensLimit(int value)
{
    return value >= 0 && value <= 99;
}

} // namespace

Exchange::Exchange(ExchangeImpl& record, System& system) : record_(record), system_(system) {}

Exchange::~Exchange()
{
    if (record_.exchange_ == this)
        record_.exchange_ = nullptr;
}

template <class T> bool Exchange::assign(T& field, const T& value, bool valid, bool alwaysFlag)
{
    if (!valid)
        return false;
    if (alwaysFlag || !(field == value)) {
        field = value;
        setChanged();
    }
    return true;
}

bool Exchange::isNone() const
{
    return modelName() == "NONE";
}

Station* Exchange::station(int line) const
{
    return line >= 1 && line <= stationCount() ? record_.stationObject(line) : nullptr;
}

AudioIn* Exchange::audioIn(int n) const
{
    return n >= 1 && n <= audioInCount() ? record_.audioInLine(n) : nullptr;
}

AudioOut* Exchange::audioOut(int n) const
{
    return n >= 1 && n <= audioOutCount() ? record_.audioOutLine(n) : nullptr;
}

ContactIn* Exchange::contactIn(int n) const
{
    return n >= 1 && n <= contactInCount() ? record_.contactInLine(n) : nullptr;
}

ContactOut* Exchange::contactOut(int n) const
{
    return n >= 1 && n <= contactOutCount() ? record_.contactOutLine(n) : nullptr;
}

bool Exchange::acceptsStation(const Station& station) const
{
    return !station.isIPStation();
}

std::unique_ptr<Station> Exchange::replaceStation(int line, std::unique_ptr<Station> station)
{
    if (!station || line < 1 || line > stationCount() ||
        &station->settings() != record_.stationSettings(line) || !acceptsStation(*station))
        return nullptr;
    std::unique_ptr<Station> old = std::move(record_.stations_[line - 1]);
    record_.stations_[line - 1] = std::move(station);
    Station& replacement = *record_.stations_[line - 1];
    replacement.settings().station_ = &replacement;
    old->notifyListeners(replacement);
    return old;
}

bool Exchange::changeStationModel(int line, std::string_view model)
{
    StationImpl* settings = line <= stationCount() ? record_.stationSettings(line) : nullptr;
    if (!settings)
        return false;
    return replaceStation(line, system_.staManager().create(model, *settings, system_)) != nullptr;
}

void Exchange::replaceIPStationsByEmpty()
{
    for (int line = 1; line <= stationCount(); ++line) {
        if (!record_.stationObject(line)->isIPStation())
            continue;
        if (replaceStation(
                line, system_.staManager().create("NONE", *record_.stationSettings(line), system_)))
            record_.stationObject(line)->setNumber("");
    }
}

void Exchange::installOwnStation(std::string_view stationModel)
{
    replaceStation(1,
                   system_.staManager().create(stationModel, *record_.stationSettings(1), system_));
    for (int line = 2; line <= ExchangeImpl::kStations; ++line)
        record_.stationObject(line)->setNumber("");
}

void Exchange::setAudioOutputModes(std::string_view mode)
{
    for (int n = 1; n <= ExchangeImpl::kAudioLines; ++n)
        record_.audioOutLine(n)->setMode(mode);
}

void Exchange::clearTransferFunctions()
{
    setCallForwarding(false);
    setTimeForwarding(false);
    setGroupHunting(false);
    setAbsenceTransfer(false);
    setTransferStartTime("00:00");
    setTransferEndTime("00:00");
    setNoAnswerTime(10);
}

bool Exchange::setExchangeNumber(int number)
{
    return assign(record_.number_, number, number >= 0 && number <= 0xffff, true);
}

bool Exchange::setExchangeName(std::string_view name)
{
    const bool valid = !name.empty() && TextRules::isShortLabel(name, 8, system_.locale());
    if (!assign(record_.name_, std::string(name), valid, true))
        return false;
    // An IP station and its one station carry one name.
    if (isIPStation())
        record_.stationObject(1)->takeEquipmentName(record_.name_);
    return true;
}

bool Exchange::setSystemName(std::string_view name)
{
    return assign(record_.systemName_, std::string(name), !name.empty() && name.size() <= 15, true);
}

bool Exchange::setPassword(std::string_view stored)
{
    return assign(record_.password_, std::string(stored), stored.size() == 40, true);
}

bool Exchange::setIpAddress(Ipv4Address address)
{
    return assign(record_.ip_, address, address.isHostFor(record_.mask_));
}

bool Exchange::setIpAddressText(std::string_view text)
{
    Ipv4Address address;
    return Ipv4Address::fromText(text, address) && setIpAddress(address);
}

bool Exchange::setSubnetMask(Ipv4Address mask)
{
    return assign(record_.mask_, mask, mask.isValidMask() && record_.ip_.isHostFor(mask), true);
}

bool Exchange::setSubnetMaskText(std::string_view text)
{
    Ipv4Address mask;
    return Ipv4Address::fromText(text, mask) && setSubnetMask(mask);
}

bool Exchange::setGatewayAddress(Ipv4Address address)
{
    return assign(record_.gateway_, address, address.isZero() || address.isHostFor(record_.mask_),
                  true);
}

bool Exchange::setGatewayAddressText(std::string_view text)
{
    Ipv4Address address;
    return Ipv4Address::fromText(text, address) && setGatewayAddress(address);
}

bool Exchange::setMulticastAddress(Ipv4Address address)
{
    return assign(record_.multicast_, address, address.isMulticast(), true);
}

bool Exchange::setMulticastAddressText(std::string_view text)
{
    Ipv4Address address;
    return Ipv4Address::fromText(text, address) && setMulticastAddress(address);
}

int Exchange::multicastPort() const
{
    return system_.multicastPort() + kPagingPorts * (record_.number_ - 1);
}

bool Exchange::setWebsPort(int port)
{
    return assign(record_.websPort_, port, port >= 1 && port <= 65535);
}

bool Exchange::setTcpPort(int port)
{
    return assign(record_.tcpPort_, port, port >= 1 && port <= 65532);
}

bool Exchange::setUdpPort(int port)
{
    // The unit uses 20 ports from here on; 14981..15000 would reach the discovery port.
    const bool valid =
        port >= 1 && port <= 65516 && port % 2 == 0 && (port < 14981 || port > 15000);
    return assign(record_.udpPort_, port, valid);
}

bool Exchange::setNetworkId(int id)
{
    return assign(record_.networkId_, id, id >= 0 && id <= 0xffff, true);
}

bool Exchange::setWanIpAddress(Ipv4Address address)
{
    return assign(record_.wanIp_, address, address.isUnicast());
}

bool Exchange::setWanIpAddressText(std::string_view text)
{
    Ipv4Address address;
    return Ipv4Address::fromText(text, address) && setWanIpAddress(address);
}

bool Exchange::setWanWebsPort(int port)
{
    return assign(record_.wanWebsPort_, port, port >= 1 && port <= 65535);
}

bool Exchange::setWanTcpPort(int port)
{
    return assign(record_.wanTcpPort_, port, port >= 1 && port <= 65532);
}

bool Exchange::setWanUdpPort(int port)
{
    return assign(record_.wanUdpPort_, port, port >= 1 && port <= 65516);
}

void Exchange::setNapt(bool on)
{
    record_.napt_ = on;
    if (on)
        return;
    record_.networkId_ = 1;
    mirrorWanValues();
    for (std::string_view key :
         {"network_id", "wan_ip_addr", "wan_webs_port", "wan_tcp_port", "wan_udp_port"}) {
        setChanged();
        notifyObservers(key);
    }
}

bool Exchange::reachedAcrossRouter() const
{
    return record_.wanIp_ != record_.ip_ && record_.networkId_ != 1;
}

Ipv4Address Exchange::targetAddress() const
{
    return reachedAcrossRouter() ? record_.wanIp_ : record_.ip_;
}

int Exchange::targetWebPort() const
{
    return reachedAcrossRouter() ? record_.wanWebsPort_ : record_.websPort_;
}

int Exchange::tcpPortPlusOne() const
{
    return (reachedAcrossRouter() ? record_.wanTcpPort_ : record_.tcpPort_) + 1;
}

void Exchange::updateNaptFromValues()
{
    record_.napt_ = record_.wanIp_ != record_.ip_ || record_.wanWebsPort_ != record_.websPort_ ||
                    record_.wanTcpPort_ != record_.tcpPort_ ||
                    record_.wanUdpPort_ != record_.udpPort_;
}

void Exchange::mirrorWanValues()
{
    if (record_.napt_)
        return;
    record_.wanIp_ = record_.ip_;
    record_.wanWebsPort_ = record_.websPort_;
    record_.wanTcpPort_ = record_.tcpPort_;
    record_.wanUdpPort_ = record_.udpPort_;
}

bool Exchange::setStreamSpec(int fs, int len)
{
    const bool valid = (fs == 16 && len == 64) || (fs == 8 && (len == 32 || len == 128));
    if (!valid)
        return false;
    record_.fs_ = fs;
    record_.len_ = len;
    setChanged();
    return true;
}

bool Exchange::setRange(std::string_view text)
{
    return assign(record_.range_, std::string(text), TextRules::leadingNumber(text) != 0, true);
}

bool Exchange::setSynMode(std::string_view mode)
{
    int value = 0;
    return assign(record_.synMode_, std::string(mode), findKeyword(kSynModes, mode, value), true);
}

bool Exchange::addSynDestination(std::string_view address, int port)
{
    Ipv4Address parsed;
    if (!Ipv4Address::fromText(address, parsed) || parsed == record_.ip_ ||
        !(parsed.isHostFor(record_.mask_) || parsed.isMulticast()))
        return false;
    record_.synDestinations_.insert(std::string(address) + ":" + std::to_string(port));
    setChanged();
    return true;
}

bool Exchange::addSynDestinationText(std::string_view entry)
{
    if (entry.empty())
        return false;
    record_.synDestinations_.insert(std::string(entry));
    setChanged();
    return true;
}

bool Exchange::removeSynDestination(std::string_view address, int port)
{
    return removeSynDestinationText(std::string(address) + ":" + std::to_string(port));
}

bool Exchange::removeSynDestinationText(std::string_view entry)
{
    if (record_.synDestinations_.erase(std::string(entry)) == 0)
        return false;
    setChanged();
    return true;
}

bool Exchange::setSynSource(std::string_view text)
{
    Ipv4Address address;
    const bool valid = Ipv4Address::fromText(text, address) && address != record_.ip_ &&
                       address.isHostFor(record_.mask_);
    return assign(record_.synSource_, address, valid, true);
}

void Exchange::clearSynSource()
{
    record_.synSource_ = Ipv4Address();
    setChanged();
}

bool Exchange::setSynMulti(std::string_view text)
{
    Ipv4Address address;
    const bool valid =
        Ipv4Address::fromText(text, address) && (address.isZero() || address.isMulticast());
    if (!assign(record_.synMulti_, address, valid, true))
        return false;
    record_.multicastReceive_ = !address.isZero();
    return true;
}

void Exchange::applyMulticastReceiveRule()
{
    if (!record_.multicastReceive_)
        record_.synMulti_ = Ipv4Address();
    else
        record_.multicastReceive_ = !record_.synMulti_.isZero();
}

bool Exchange::isReceiveMulticast(int exchange) const
{
    return exchange >= 1 && exchange <= system_.maxEquipment() &&
           record_.receiveMulticast_[exchange];
}

bool Exchange::setReceiveMulticast(int exchange, bool on)
{
    if (exchange < 1 || exchange > system_.maxEquipment())
        return false;
    record_.receiveMulticast_[exchange] = on;
    setChanged();
    return true;
}

bool Exchange::isConnectable(int exchange) const
{
    return exchange >= 1 && exchange <= system_.maxEquipment() && record_.connectable_[exchange];
}

bool Exchange::setConnectable(int exchange, bool on)
{
    if (exchange < 1 || exchange > system_.maxEquipment())
        return false;
    record_.connectable_[exchange] = on;
    setChanged();
    // A connection is allowed both ways or neither.
    Exchange* peer = system_.equipment(exchange);
    const int self = record_.number_;
    if (peer && peer != this && peer->isConnectable(self) != on)
        peer->setConnectable(self, on);
    return true;
}

void Exchange::peerInserted(int n, int count)
{
    for (auto* table : {&record_.receiveMulticast_, &record_.connectable_}) {
        for (int j = count; j > n; --j)
            (*table)[j] = (*table)[j - 1];
        (*table)[n] = true;
    }
}

void Exchange::peerRemoved(int n, int count)
{
    const int last = system_.maxEquipment();
    for (auto* table : {&record_.receiveMulticast_, &record_.connectable_}) {
        for (int j = n; j <= count && j < last; ++j)
            (*table)[j] = (*table)[j + 1];
    }
}

void Exchange::peerMoved(int from, int to)
{
    for (auto* table : {&record_.receiveMulticast_, &record_.connectable_}) {
        const bool moved = (*table)[from];
        (*table)[from] = (*table)[to];
        (*table)[to] = moved;
    }
}

bool Exchange::setSwitchText(bool (Exchange::*setter)(bool), std::string_view onOff)
{
    int value = 0;
    return findKeyword(kOnOff, onOff, value) && (this->*setter)(value != 0);
}

bool Exchange::setCallForwarding(bool on)
{
    return assign(record_.callForwarding_, on, true);
}

bool Exchange::setCallForwardingText(std::string_view onOff)
{
    return setSwitchText(&Exchange::setCallForwarding, onOff);
}

bool Exchange::setTimeForwarding(bool on)
{
    return assign(record_.timeForwarding_, on, true);
}

bool Exchange::setTimeForwardingText(std::string_view onOff)
{
    return setSwitchText(&Exchange::setTimeForwarding, onOff);
}

bool Exchange::setTransferStartTime(std::string_view time)
{
    return assign(record_.transferStart_, std::string(time), isTransferTime(time));
}

bool Exchange::setTransferEndTime(std::string_view time)
{
    return assign(record_.transferEnd_, std::string(time), isTransferTime(time));
}

bool Exchange::setGroupHunting(bool on)
{
    return assign(record_.groupHunting_, on, true);
}

bool Exchange::setGroupHuntingText(std::string_view onOff)
{
    return setSwitchText(&Exchange::setGroupHunting, onOff);
}

bool Exchange::setAbsenceTransfer(bool on)
{
    return assign(record_.absenceTransfer_, on, true);
}

bool Exchange::setAbsenceTransferText(std::string_view onOff)
{
    return setSwitchText(&Exchange::setAbsenceTransfer, onOff);
}

bool Exchange::setNoAnswerTime(int seconds)
{
    return assign(record_.noAnswerTime_, seconds, seconds >= 1 && seconds <= 99);
}

bool Exchange::setCallTimeLimit(int tens)
{
    return assign(record_.callTimeLimit_, tens, isTensLimit(tens));
}

bool Exchange::setConversationTimeLimit(int tens)
{
    return assign(record_.conversationTimeLimit_, tens, isTensLimit(tens));
}

bool Exchange::setPagingAnswerMode(int mode)
{
    return assign(record_.pagingAnswerMode_, mode, mode == Manual || mode == Auto);
}

bool Exchange::setPagingAnswerModeText(std::string_view keyword)
{
    int value = 0;
    return findKeyword(kPagingAnswerModes, keyword, value) && setPagingAnswerMode(value);
}

std::string_view Exchange::pagingAnswerModeText() const
{
    return keywordOf(kPagingAnswerModes, pagingAnswerMode());
}

bool Exchange::setPagingPriorityMode(int mode)
{
    return assign(record_.pagingPriorityMode_, mode, mode == Conversation || mode == PagingFirst);
}

bool Exchange::setPagingPriorityModeText(std::string_view keyword)
{
    int value = 0;
    return findKeyword(kPagingPriorityModes, keyword, value) && setPagingPriorityMode(value);
}

std::string_view Exchange::pagingPriorityModeText() const
{
    return keywordOf(kPagingPriorityModes, pagingPriorityMode());
}

bool Exchange::setCallingPartyIndicationMode(int mode)
{
    return assign(record_.callingPartyIndicationMode_, mode,
                  mode == ResponseActivated || mode == CallActivated);
}

bool Exchange::setCallingPartyIndicationModeText(std::string_view keyword)
{
    int value = 0;
    return findKeyword(kCallingPartyModes, keyword, value) && setCallingPartyIndicationMode(value);
}

std::string_view Exchange::callingPartyIndicationModeText() const
{
    return keywordOf(kCallingPartyModes, callingPartyIndicationMode());
}

bool Exchange::setPagingTimeLimit(int tens)
{
    return assign(record_.pagingTimeLimit_, tens, isTensLimit(tens));
}

bool Exchange::setOneShotTime(int value)
{
    return assign(record_.oneShotTime_, value, value >= 0 && value <= 9);
}

AudioIn* Exchange::bgmSource(int channel) const
{
    return channel >= 1 && channel <= bgmChannelCount() ? record_.bgmSources_[channel - 1]
                                                        : nullptr;
}

bool Exchange::setBgmSource(int channel, AudioIn* input)
{
    if (channel < 1 || channel > bgmChannelCount())
        return false;
    return assign(record_.bgmSources_[channel - 1], input, true);
}

void Exchange::dropInvalidBgmSources()
{
    const int inUse = system_.registeredCount();
    for (AudioIn*& source : record_.bgmSources_) {
        if (!source)
            continue;
        const Exchange& owner = source->owner().exchange();
        if (source->mode() != AudioIn::Bgm || owner.isNone() ||
            source->number() > owner.audioInCount() || owner.exchangeNumber() > inUse)
            source = nullptr;
    }
}

bool Exchange::setDsOutMode(std::string_view mode)
{
    int value = 0;
    return assign(record_.dsOutMode_, std::string(mode), findKeyword(kDsOutModes, mode, value));
}

void Exchange::onExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    const LineLoss lost(old, replacement);
    for (AudioIn*& source : record_.bgmSources_) {
        if (lost.audioIn(source))
            source = nullptr;
    }
}
