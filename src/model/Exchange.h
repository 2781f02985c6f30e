#pragma once

#include "ExchangeImpl.h"
#include "ExchangeListener.h"
#include "ExchangeTraits.h"
#include "Ipv4Address.h"
#include "Observable.h"

#include <memory>
#include <set>
#include <string>
#include <string_view>

class AudioIn;
class AudioOut;
class ContactIn;
class ContactOut;
class Station;

// One piece of equipment in a slot: an exchange, a multi-interface unit or an IP station,
// as a model object standing on the slot's settings record. Every setter validates,
// returns false and keeps the old value on refusal, and raises the changed flag; the
// caller notifies observers with the key of the setting when it is done.
class Exchange : public Observable, public ExchangeListener
{
public:
    enum PagingAnswerMode { Manual = 0, Auto = 1 };
    enum PagingPriorityMode { Conversation = 0, PagingFirst = 1 };
    enum CallingPartyIndication { ResponseActivated = 0, CallActivated = 1 };

    Exchange(ExchangeImpl& record, System& system);
    ~Exchange() override;

    virtual const ExchangeTraits& traits() const = 0;
    // The model's creation steps on the record (audio-output modes, station models, name);
    // the registry runs them on every object it creates.
    virtual void applyCreationSteps() {}

    ExchangeImpl& settingsRecord() const { return record_; }
    System& system() const { return system_; }

    std::string_view modelName() const { return traits().modelName; }
    std::string_view displayName() const { return traits().displayName; }
    bool isNone() const;
    bool isExchange() const { return traits().isExchange; }
    bool isIPStation() const { return traits().isIPStation; }
    bool isMultiInterface() const { return traits().isMultiInterface; }
    bool hasSamplingCorrection() const { return traits().hasSamplingCorrection; }
    bool hasPagingPriority() const { return traits().hasPagingPriority; }
    bool hasRemoteAnswerGroups() const { return traits().hasRemoteAnswerGroups; }
    bool hasPriorityCallRefusal() const { return traits().hasPriorityCallRefusal; }
    bool acceptsMessages() const { return traits().acceptsMessages; }
    int stationCount() const { return traits().stationCount; }
    int audioInCount() const { return traits().audioInCount; }
    int audioOutCount() const { return traits().audioOutCount; }
    int contactInCount() const { return traits().contactInCount; }
    int contactOutCount() const { return traits().contactOutCount; }
    int bgmChannelCount() const { return traits().bgmChannelCount; }

    // Lines within the model's counts; null otherwise.
    Station* station(int line) const;
    AudioIn* audioIn(int n) const;
    AudioOut* audioOut(int n) const;
    ContactIn* contactIn(int n) const;
    ContactOut* contactOut(int n) const;

    // Puts a station object on the slot's settings and hands back the previous one, after
    // telling its listeners; null (and nothing changes) for a line outside the model, a
    // station on other settings, or one this model does not take.
    std::unique_ptr<Station> replaceStation(int line, std::unique_ptr<Station> station);
    // Changes the model of the station in a slot, keeping its settings; false when the
    // registry does not know the model or the slot is outside the model.
    bool changeStationModel(int line, std::string_view model);

    bool setExchangeNumber(int number);
    int exchangeNumber() const { return record_.number_; }
    bool setExchangeName(std::string_view name);
    const std::string& exchangeName() const { return record_.name_; }
    bool setSystemName(std::string_view name);
    const std::string& systemName() const { return record_.systemName_; }
    bool setPassword(std::string_view stored);
    const std::string& password() const { return record_.password_; }

    bool setIpAddress(Ipv4Address address);
    bool setIpAddressText(std::string_view text);
    Ipv4Address ipAddress() const { return record_.ip_; }
    std::string ipAddressText() const { return record_.ip_.toText(); }
    bool setSubnetMask(Ipv4Address mask);
    bool setSubnetMaskText(std::string_view text);
    Ipv4Address subnetMask() const { return record_.mask_; }
    std::string subnetMaskText() const { return record_.mask_.toText(); }
    bool setGatewayAddress(Ipv4Address address);
    bool setGatewayAddressText(std::string_view text);
    Ipv4Address gatewayAddress() const { return record_.gateway_; }
    std::string gatewayAddressText() const { return record_.gateway_.toText(); }
    bool setMulticastAddress(Ipv4Address address);
    bool setMulticastAddressText(std::string_view text);
    Ipv4Address multicastAddress() const { return record_.multicast_; }
    std::string multicastAddressText() const { return record_.multicast_.toText(); }
    // How many consecutive ports from the first each kind of traffic takes.
    static constexpr int kTcpPorts = 4;
    static constexpr int kUdpPorts = 20;
    static constexpr int kPagingPorts = 4;
    // The system's base port plus the paging ports of every exchange number before this one.
    int multicastPort() const;

    bool setWebsPort(int port);
    int websPort() const { return record_.websPort_; }
    bool setTcpPort(int port);
    int tcpPort() const { return record_.tcpPort_; }
    bool setUdpPort(int port);
    int udpPort() const { return record_.udpPort_; }
    bool setNetworkId(int id);
    int networkId() const { return record_.networkId_; }

    bool setWanIpAddress(Ipv4Address address);
    bool setWanIpAddressText(std::string_view text);
    Ipv4Address wanIpAddress() const { return record_.wanIp_; }
    std::string wanIpAddressText() const { return record_.wanIp_.toText(); }
    bool setWanWebsPort(int port);
    int wanWebsPort() const { return record_.wanWebsPort_; }
    bool setWanTcpPort(int port);
    int wanTcpPort() const { return record_.wanTcpPort_; }
    bool setWanUdpPort(int port);
    int wanUdpPort() const { return record_.wanUdpPort_; }

    // Where the program reaches the unit: across a router (the WAN address and ports) when
    // the WAN address differs from the LAN one and the network ID is not 1, else on the LAN.
    bool reachedAcrossRouter() const;
    Ipv4Address targetAddress() const;
    std::string targetAddressText() const { return targetAddress().toText(); }
    int targetWebPort() const;
    int tcpPortPlusOne() const;

    // "NAPT compatible": WAN values are kept apart from the LAN ones. Switching it off
    // copies the LAN values over the WAN ones and resets the network ID.
    void setNapt(bool on);
    bool napt() const { return record_.napt_; }
    // On when any WAN value differs from its LAN counterpart (after a settings merge).
    void updateNaptFromValues();
    // Before writing, without NAPT: WAN values := LAN values.
    void mirrorWanValues();

    bool setStreamSpec(int fs, int len);
    int samplingFrequency() const { return record_.fs_; }
    int packetLength() const { return record_.len_; }
    bool setRange(std::string_view text);
    const std::string& rangeValue() const { return record_.range_; }

    bool setSynMode(std::string_view mode);
    const std::string& synMode() const { return record_.synMode_; }
    const std::set<std::string>& synDestinations() const { return record_.synDestinations_; }
    bool addSynDestination(std::string_view address, int port);
    bool addSynDestinationText(std::string_view entry);
    bool removeSynDestination(std::string_view address, int port);
    bool removeSynDestinationText(std::string_view entry);
    bool setSynSource(std::string_view text);
    void clearSynSource();
    Ipv4Address synSource() const { return record_.synSource_; }
    std::string synSourceText() const { return record_.synSource_.toText(); }
    bool setSynMulti(std::string_view text);
    Ipv4Address synMulti() const { return record_.synMulti_; }
    std::string synMultiText() const { return record_.synMulti_.toText(); }
    bool multicastReceive() const { return record_.multicastReceive_; }
    void setMulticastReceive(bool on) { record_.multicastReceive_ = on; }
    // Before writing: without multicast reception no correction multicast address is
    // kept; with it, reception follows whether one is set.
    void applyMulticastReceiveRule();

    // Per peer equipment number 1..maxEquipment; the connection table is kept symmetric.
    bool isReceiveMulticast(int exchange) const;
    bool setReceiveMulticast(int exchange, bool on);
    bool isConnectable(int exchange) const;
    bool setConnectable(int exchange, bool on);
    // A peer was inserted at n (flags above shift up, n becomes reachable) or removed.
    void peerInserted(int n, int count);
    void peerRemoved(int n, int count);
    // The peer in slot from now stands in slot to (and the empty slot to in from).
    void peerMoved(int from, int to);

    bool setCallForwarding(bool on);
    bool setCallForwardingText(std::string_view onOff);
    bool callForwarding() const { return record_.callForwarding_; }
    bool setTimeForwarding(bool on);
    bool setTimeForwardingText(std::string_view onOff);
    bool timeForwarding() const { return record_.timeForwarding_; }
    bool setTransferStartTime(std::string_view time);
    const std::string& transferStartTime() const { return record_.transferStart_; }
    bool setTransferEndTime(std::string_view time);
    const std::string& transferEndTime() const { return record_.transferEnd_; }
    bool setGroupHunting(bool on);
    bool setGroupHuntingText(std::string_view onOff);
    bool groupHunting() const { return record_.groupHunting_; }
    bool setAbsenceTransfer(bool on);
    bool setAbsenceTransferText(std::string_view onOff);
    bool absenceTransfer() const { return record_.absenceTransfer_; }
    bool setNoAnswerTime(int seconds);
    int noAnswerTime() const { return record_.noAnswerTime_; }
    bool setCallTimeLimit(int tens);
    int callTimeLimit() const { return record_.callTimeLimit_; }
    bool setConversationTimeLimit(int tens);
    int conversationTimeLimit() const { return record_.conversationTimeLimit_; }

    bool setPagingAnswerMode(int mode);
    bool setPagingAnswerModeText(std::string_view keyword);
    int pagingAnswerMode() const { return record_.pagingAnswerMode_; }
    std::string_view pagingAnswerModeText() const;
    virtual bool setPagingPriorityMode(int mode);
    bool setPagingPriorityModeText(std::string_view keyword);
    virtual int pagingPriorityMode() const { return record_.pagingPriorityMode_; }
    std::string_view pagingPriorityModeText() const;
    bool setCallingPartyIndicationMode(int mode);
    bool setCallingPartyIndicationModeText(std::string_view keyword);
    int callingPartyIndicationMode() const { return record_.callingPartyIndicationMode_; }
    std::string_view callingPartyIndicationModeText() const;

    bool setPagingTimeLimit(int tens);
    int pagingTimeLimit() const { return record_.pagingTimeLimit_; }
    bool setOneShotTime(int value);
    int oneShotTime() const { return record_.oneShotTime_; }

    // BGM channels 1..bgmChannelCount take an audio input of a multi-interface unit.
    AudioIn* bgmSource(int channel) const;
    bool setBgmSource(int channel, AudioIn* input);
    // Before writing: a source that is not a BGM input of equipment in use is dropped.
    void dropInvalidBgmSources();

    bool setDsOutMode(std::string_view mode);
    const std::string& dsOutMode() const { return record_.dsOutMode_; }

    const std::string& firmwareVersion() const { return record_.firmwareVersion_; }
    void setFirmwareVersion(std::string_view version) { record_.firmwareVersion_ = version; }

    // Before writing the functions: models without call transfer switch it off.
    virtual void applyFunctionRules() {}

    void onExchangeReplaced(const Exchange& old, const Exchange* replacement) override;

protected:
    // Exchanges take stations attached to them, not IP stations; an IP station takes only
    // a station of its own model.
    virtual bool acceptsStation(const Station& station) const;

    // Creation step of the exchanges: stations of an IP model give way to empty ones.
    void replaceIPStationsByEmpty();
    // Creation step of the IP stations: slot 1 holds a station of the given model and the
    // other slots are not in use.
    void installOwnStation(std::string_view stationModel);
    void setAudioOutputModes(std::string_view mode);
    void clearTransferFunctions();

private:
    // Stores value when it passes; raises the changed flag when the value changed, or on
    // every accepted call when alwaysFlag is set.
    template <class T> bool assign(T& field, const T& value, bool valid, bool alwaysFlag = false);
    bool setSwitchText(bool (Exchange::*setter)(bool), std::string_view onOff);

    ExchangeImpl& record_;
    System& system_;
};
