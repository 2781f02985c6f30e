#include "AudioIn.h"

#include "AudioOut.h"
#include "ExchangeImpl.h"
#include "Keyword.h"

namespace {

constexpr Keyword kModes[] = {{"NONE", AudioIn::None},
                              {"PBX", AudioIn::Pbx},
                              {"TIE_LINE", AudioIn::TieLine},
                              {"AUX_INPUT_PAG", AudioIn::AuxInputPag},
                              {"BGM", AudioIn::Bgm}};
constexpr Keyword kLineAttributes[] = {
    {"PB", AudioIn::PB}, {"DP10", AudioIn::DP10}, {"DP20", AudioIn::DP20}};
constexpr Keyword kLineStarts[] = {{"WINK_START", AudioIn::WinkStart},
                                   {"SECOND_DIAL_TONE", AudioIn::SecondDialTone},
                                   {"TIMING_START", AudioIn::TimingStart}};

// An unknown keyword resets the field to the table's first value.
template <std::size_t N, class Field>
bool setKeyword(const Keyword (&table)[N], std::string_view keyword, Field& field)
{
    int value = table[0].value;
    const bool known = findKeyword(table, keyword, value);
    field = Field(value);
    return known;
}

} // namespace

AudioIn::AudioIn(ExchangeImpl& owner, int number) : owner_(owner), number_(number) {}

bool AudioIn::setNumber(int number)
{
    if (number < 0 || number > ExchangeImpl::kAudioLines)
        return false;
    number_ = number;
    return true;
}

bool AudioIn::setMode(std::string_view keyword)
{
    if (!setKeyword(kModes, keyword, mode_))
        return false;
    setChanged();
    notifyObservers("audio_in_mode");
    return true;
}

std::string_view AudioIn::keyword(Mode mode)
{
    return keywordOf(kModes, mode);
}

std::string_view AudioIn::keyword(LineAttribute attribute)
{
    return keywordOf(kLineAttributes, attribute);
}

std::string_view AudioIn::keyword(LineStart start)
{
    return keywordOf(kLineStarts, start);
}

std::string_view AudioIn::modeName() const
{
    return keywordOf(kModes, mode_);
}

bool AudioIn::setLineAttribute(std::string_view keyword)
{
    return setKeyword(kLineAttributes, keyword, lineAttribute_);
}

std::string_view AudioIn::lineAttributeName() const
{
    return keywordOf(kLineAttributes, lineAttribute_);
}

bool AudioIn::setLineStart(std::string_view keyword)
{
    return setKeyword(kLineStarts, keyword, lineStart_);
}

std::string_view AudioIn::lineStartName() const
{
    return keywordOf(kLineStarts, lineStart_);
}

bool AudioIn::setAccessNumber(std::string_view text)
{
    if (TextRules::equalsIgnoreCase(text, accessNumber_) || text == "NONE")
        return true;
    if (text.size() > 2 || (!text.empty() && !TextRules::isDigits(text)))
        return false;
    accessNumber_ = text;
    return true;
}

bool AudioIn::setInputLevel(int level)
{
    if (level < 0 || level > 3)
        return false;
    inputLevel_ = level;
    return true;
}

void AudioIn::applyModeRules()
{
    if (mode_ == Pbx || mode_ == TieLine) {
        if (AudioOut* output = owner_.audioOutLine(number_))
            output->setMode(modeName());
    } else {
        leaveBlockGroup();
    }
}
