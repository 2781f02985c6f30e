#pragma once

#include "ExchangeListener.h"

#include <string>
#include <string_view>

class AudioIn;
class ContactOut;
class ExchangeImpl;
class Paging;
class Station;
class StationImpl;

// One contact input of a multi-interface unit: it drives an interlocked output, starts
// auxiliary-input paging, signals paging busy, or dials for a remote station.
class ContactIn : public ExchangeListener
{
public:
    enum Mode {
        None = 0,
        Level = 5,
        Edge = 6,
        AuxInputPag = 7,
        BusyInput1 = 8,
        BusyInput2 = 9,
        RemoteControl = 10
    };

    ContactIn(ExchangeImpl& owner, int number);

    ExchangeImpl& owner() const { return owner_; }
    bool setNumber(int number);
    int number() const { return number_; }

    // Ignores case; an unknown keyword is refused and resets the mode to "NONE".
    bool setMode(std::string_view keyword);
    // The mode's keyword, as settings files write it.
    static std::string_view keyword(Mode mode);
    Mode mode() const { return mode_; }
    std::string_view modeName() const;

    void setAudioInLink(AudioIn* input) { audioInLink_ = input; }
    AudioIn* audioInLink() const { return audioInLink_; }
    void setPagingZone(Paging* zone) { pagingZone_ = zone; }
    Paging* pagingZone() const { return pagingZone_; }
    void setBridgeOutput(ContactOut* output) { bridgeOutput_ = output; }
    ContactOut* bridgeOutput() const { return bridgeOutput_; }
    void setRemoteStation(Station* station);
    Station* remoteStation() const;

    // Empty, or at most 20 tokens: a digit, "*", "#", "C", or a two-letter function code.
    bool setRemoteDial(std::string_view text);
    const std::string& remoteDial() const { return remoteDial_; }

    // Before writing: links to lines of unused slots, beyond a unit's counts or above the
    // units in use are dropped; a mode whose link is missing falls back to "NONE"; an
    // unused or busy-signalling input loses every link.
    void applyLinkRules(int equipmentInUse);

    void onExchangeReplaced(const Exchange& old, const Exchange* replacement) override;

private:
    ExchangeImpl& owner_;
    int number_;
    Mode mode_ = None;
    Paging* pagingZone_ = nullptr;
    AudioIn* audioInLink_ = nullptr;
    ContactOut* bridgeOutput_ = nullptr;
    StationImpl* remoteStation_ = nullptr;
    std::string remoteDial_;
};
