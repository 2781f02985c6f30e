#pragma once

#include "Ipv4Address.h"

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

class AudioIn;
class AudioOut;
class ContactIn;
class ContactOut;
class Exchange;
class Station;
class StationImpl;
class System;

// The settings of one equipment slot. It outlives changes of model: a new Exchange object
// is built on the same record, so values the new model does not use come back when the
// slot returns to a model that does. The record owns every line object and the 16
// station settings with the station objects standing on them.
class ExchangeImpl
{
public:
    static constexpr int kStations = 16;
    static constexpr int kAudioLines = 2;
    static constexpr int kContacts = 16;
    static constexpr int kBgmChannels = 8;

    explicit ExchangeImpl(System& system);
    ~ExchangeImpl();
    ExchangeImpl(const ExchangeImpl&) = delete;
    ExchangeImpl& operator=(const ExchangeImpl&) = delete;

    System& system() const { return system_; }
    // The equipment object now standing on this record.
    Exchange& exchange() const { return *exchange_; }
    int number() const { return number_; }

    // Lines by 1-based number regardless of the model; null outside the record.
    StationImpl* stationSettings(int id) const;
    Station* stationObject(int id) const;
    AudioIn* audioInLine(int n) const;
    AudioOut* audioOutLine(int n) const;
    ContactIn* contactInLine(int n) const;
    ContactOut* contactOutLine(int n) const;

private:
    friend class Exchange;
    friend class System;

    System& system_;
    Exchange* exchange_ = nullptr;

    int number_ = 1;
    std::string name_;
    std::string systemName_ = "R-4000";
    std::string password_;
    Ipv4Address ip_;
    Ipv4Address mask_;
    Ipv4Address gateway_;
    Ipv4Address multicast_{225, 0, 0, 1};
    int websPort_ = 80;
    int tcpPort_ = 5000;
    int udpPort_ = 5006;
    int networkId_ = 1;
    Ipv4Address wanIp_;
    int wanWebsPort_ = 80;
    int wanTcpPort_ = 5000;
    int wanUdpPort_ = 5006;
    bool napt_ = false;
    bool multicastReceive_ = false;
    int fs_ = 16;
    int len_ = 64;
    std::string range_ = "2990";
    std::string synMode_ = "AUTO";
    std::set<std::string> synDestinations_;
    Ipv4Address synSource_;
    Ipv4Address synMulti_;
    std::vector<bool> receiveMulticast_;
    std::vector<bool> connectable_;
    bool callForwarding_ = false;
    bool timeForwarding_ = false;
    std::string transferStart_ = "00:00";
    std::string transferEnd_ = "00:00";
    bool groupHunting_ = false;
    bool absenceTransfer_ = false;
    int noAnswerTime_ = 10;
    int callTimeLimit_ = 0;
    int conversationTimeLimit_ = 0;
    int pagingAnswerMode_ = 0;
    int pagingPriorityMode_ = 1;
    int callingPartyIndicationMode_ = 1;
    int pagingTimeLimit_ = 0;
    int oneShotTime_ = 1;
    std::string dsOutMode_ = "DS_REMOTE";
    std::string firmwareVersion_;

    std::array<std::unique_ptr<StationImpl>, kStations> stationSettings_;
    std::array<std::unique_ptr<Station>, kStations> stations_;
    std::array<std::unique_ptr<AudioIn>, kAudioLines> audioIns_;
    std::array<std::unique_ptr<AudioOut>, kAudioLines> audioOuts_;
    std::array<std::unique_ptr<ContactIn>, kContacts> contactIns_;
    std::array<std::unique_ptr<ContactOut>, kContacts> contactOuts_;
    std::array<AudioIn*, kBgmChannels> bgmSources_{};
};
