#pragma once

#include "AudioOutputImpl.h"
#include "Observable.h"

#include <string_view>

class ExchangeImpl;

// One audio output line: PBX trunk, tie line or public-address amplifier.
class AudioOut : public Observable
{
public:
    enum Mode { None = 0, Pbx = 1, TieLine = 2, PaPag = 5 };

    AudioOut(ExchangeImpl& owner, int number);

    ExchangeImpl& owner() const { return owner_; }
    const AudioOutputImpl& outputSettings() const { return settings_; }

    bool setNumber(int number);
    int number() const { return settings_.number; }
    // Ignores case; an unknown keyword is refused and resets the mode to "NONE".
    bool setMode(std::string_view keyword);
    // The mode's keyword, as settings files write it.
    static std::string_view keyword(Mode mode);
    Mode mode() const { return Mode(settings_.mode); }
    std::string_view modeName() const;
    bool setOutputLevel(int level);
    int outputLevel() const { return settings_.outputLevel; }

private:
    ExchangeImpl& owner_;
    AudioOutputImpl settings_;
};
