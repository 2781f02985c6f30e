#pragma once

#include "ExchangeListener.h"

#include <string>
#include <string_view>
#include <vector>

class AudioOut;
class Locale;
class Station;
class StationImpl;
class System;

// A paging zone: the stations and public-address outputs a paging call reaches.
class Paging : public ExchangeListener
{
public:
    static constexpr std::size_t kMaxStations = 160;
    static constexpr std::size_t kMaxAudioOutputs = 160;

    Paging(System& system, int number);

    bool setNumber(int number); // up to the system's highest zone number
    int number() const { return number_; }
    bool setName(std::string_view name); // 1..8 bytes, no control or double-byte character
    const std::string& name() const { return name_; }

    bool addStation(Station* station);
    bool removeStation(Station* station);
    std::vector<Station*> stations() const;
    bool addAudioOutput(AudioOut* output);
    bool removeAudioOutput(AudioOut* output);
    const std::vector<AudioOut*>& audioOutputs() const { return audioOutputs_; }

    // Before writing: members need a number and a valid slot; outputs the PA paging mode.
    void dropInvalidMembers();

    void onExchangeReplaced(const Exchange& old, const Exchange* replacement) override;

private:
    System& system_;
    int number_;
    std::string name_;
    std::vector<StationImpl*> stations_;
    std::vector<AudioOut*> audioOutputs_;
};
