#pragma once

#include "BlockGroupMember.h"
#include "Observable.h"

#include <string>
#include <string_view>

class Paging;

// One audio input line of a multi-interface unit: PBX trunk, tie line, auxiliary paging
// input or background-music source.
class AudioIn : public BlockGroupMember, public Observable
{
public:
    enum Mode { None = 0, Pbx = 1, TieLine = 2, AuxInputPag = 3, Bgm = 4 };
    enum LineAttribute { PB = 0, DP10 = 1, DP20 = 2 };
    enum LineStart { WinkStart = 0, SecondDialTone = 1, TimingStart = 2 };

    AudioIn(ExchangeImpl& owner, int number);

    ExchangeImpl& owner() const { return owner_; }
    bool setNumber(int number);
    int number() const { return number_; }

    // Keyword setters ignore case; an unknown keyword is refused and resets the field to
    // its first value. Every accepted mode is announced as "audio_in_mode".
    bool setMode(std::string_view keyword);
    // The keywords of the values, as settings files write them.
    static std::string_view keyword(Mode mode);
    static std::string_view keyword(LineAttribute attribute);
    static std::string_view keyword(LineStart start);
    Mode mode() const { return mode_; }
    std::string_view modeName() const;
    bool setLineAttribute(std::string_view keyword);
    LineAttribute lineAttribute() const { return lineAttribute_; }
    std::string_view lineAttributeName() const;
    bool setLineStart(std::string_view keyword);
    LineStart lineStart() const { return lineStart_; }
    std::string_view lineStartName() const;

    // Empty or 1-2 digits; "NONE" and the present value are accepted without change.
    bool setAccessNumber(std::string_view text);
    const std::string& accessNumber() const { return accessNumber_; }

    void setPagingZone(Paging* zone) { pagingZone_ = zone; }
    Paging* pagingZone() const { return pagingZone_; }

    bool setInputLevel(int level);
    int inputLevel() const { return inputLevel_; }

    // Before writing: PBX and tie-line inputs give their mode to the output of the same
    // number; other modes take the input out of its blocking group.
    void applyModeRules();

    Kind memberKind() const override { return Kind::AudioIn; }
    ExchangeImpl& memberOwner() const override { return owner_; }
    int memberNumber() const override { return number_; }

private:
    ExchangeImpl& owner_;
    int number_;
    Mode mode_ = None;
    LineAttribute lineAttribute_ = PB;
    LineStart lineStart_ = WinkStart;
    std::string accessNumber_;
    Paging* pagingZone_ = nullptr;
    int inputLevel_ = 0;
};
