#include "AudioOut.h"

#include "ExchangeImpl.h"
#include "Keyword.h"

namespace {

constexpr Keyword kModes[] = {{"NONE", AudioOut::None},
                              {"PBX", AudioOut::Pbx},
                              {"TIE_LINE", AudioOut::TieLine},
                              {"PA_PAG", AudioOut::PaPag}};

} // namespace

AudioOut::AudioOut(ExchangeImpl& owner, int number) : owner_(owner)
{
    settings_.number = number;
}

bool AudioOut::setNumber(int number)
{
    if (number < 0 || number > ExchangeImpl::kAudioLines)
        return false;
    settings_.number = number;
    return true;
}

bool AudioOut::setMode(std::string_view keyword)
{
    int value = None;
    const bool known = findKeyword(kModes, keyword, value);
    settings_.mode = known ? value : None;
    return known;
}

std::string_view AudioOut::keyword(Mode mode)
{
    return keywordOf(kModes, mode);
}

std::string_view AudioOut::modeName() const
{
    return keywordOf(kModes, settings_.mode);
}

bool AudioOut::setOutputLevel(int level)
{
    if (level < 0 || level > 3)
        return false;
    settings_.outputLevel = level;
    return true;
}
