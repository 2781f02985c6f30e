#include "ContactIn.h"

#include "AudioIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Keyword.h"
#include "LineLoss.h"
#include "Station.h"

namespace {

constexpr Keyword kModes[] = {{"NONE", ContactIn::None},
                              {"LEVEL", ContactIn::Level},
                              {"EDGE", ContactIn::Edge},
                              {"AUX_INPUT_PAG", ContactIn::AuxInputPag},
                              {"BUSY_INPUT1", ContactIn::BusyInput1},
                              {"BUSY_INPUT2", ContactIn::BusyInput2},
                              {"REMOTE_CONTROL", ContactIn::RemoteControl}};

constexpr std::size_t kMaxDialTokens = 20;
constexpr const char* kFunctionCodes[] = {"DC", "LC", "UC", "FN", "MN", "HD", "HF", "HN",
                                          "PC", "PF", "PN", "PR", "RC", "RD", "SL", "TR"};

bool isFunctionCode(std::string_view pair)
{
    for (const char* code : kFunctionCodes) {
        if (pair == code)
            return true;
    }
    return false;
}

// A line of equipment in use, within that equipment's count of such lines.
bool isLiveLine(const ExchangeImpl& owner, int number, int count, int equipmentInUse)
{
    const Exchange& unit = owner.exchange();
    return !unit.isNone() && number <= count && unit.exchangeNumber() <= equipmentInUse;
}

} // namespace

ContactIn::ContactIn(ExchangeImpl& owner, int number) : owner_(owner), number_(number) {}

bool ContactIn::setNumber(int number)
{
    if (number < 0 || number > ExchangeImpl::kContacts)
        return false;
    number_ = number;
    return true;
}

bool ContactIn::setMode(std::string_view keyword)
{
    int value = None;
    const bool known = findKeyword(kModes, keyword, value);
    mode_ = known ? Mode(value) : None;
    return known;
}

std::string_view ContactIn::keyword(Mode mode)
{
    return keywordOf(kModes, mode);
}

std::string_view ContactIn::modeName() const
{
    return keywordOf(kModes, mode_);
}

void ContactIn::setRemoteStation(Station* station)
{
    remoteStation_ = station ? &station->settings() : nullptr;
}

Station* ContactIn::remoteStation() const
{
    return remoteStation_ ? &remoteStation_->station() : nullptr;
}

bool ContactIn::setRemoteDial(std::string_view text)
{
    std::size_t tokens = 0;
    for (std::size_t i = 0; i < text.size(); ++tokens) {
        if (tokens == kMaxDialTokens)
            return false;
        const char c = text[i];
        if ((c >= '0' && c <= '9') || c == '*' || c == '#' || c == 'C') {
            ++i;
        } else if (i + 1 < text.size() && isFunctionCode(text.substr(i, 2))) {
            i += 2;
        } else {
            return false;
        }
    }
    remoteDial_ = text;
    return true;
}

void ContactIn::applyLinkRules(int equipmentInUse)
{
    if (audioInLink_ &&
        !isLiveLine(audioInLink_->owner(), audioInLink_->number(),
                    audioInLink_->owner().exchange().audioInCount(), equipmentInUse))
        audioInLink_ = nullptr;
    if (bridgeOutput_ &&
        !isLiveLine(bridgeOutput_->owner(), bridgeOutput_->number(),
                    bridgeOutput_->owner().exchange().contactOutCount(), equipmentInUse))
        bridgeOutput_ = nullptr;
    if (remoteStation_ &&
        !isLiveLine(remoteStation_->owner(), remoteStation_->id,
                    remoteStation_->owner().exchange().stationCount(), equipmentInUse))
        remoteStation_ = nullptr;

    switch (mode_) {
    case AuxInputPag:
        if (!audioInLink_ || audioInLink_->mode() != AudioIn::AuxInputPag || !pagingZone_)
            mode_ = None;
        break;
    case Level:
    case Edge:
        if (!bridgeOutput_)
            mode_ = None;
        break;
    case RemoteControl:
        if (!remoteStation_)
            mode_ = None;
        break;
    default:
        break;
    }

    // Links of another mode stay for the day the input goes back to it; an input that
    // ends up unused or signalling busy keeps none.
    if (mode_ == None || mode_ == BusyInput1 || mode_ == BusyInput2) {
        audioInLink_ = nullptr;
        pagingZone_ = nullptr;
        bridgeOutput_ = nullptr;
        remoteStation_ = nullptr;
        remoteDial_.clear();
    }
}

void ContactIn::onExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    const LineLoss lost(old, replacement);
    if (lost.station(remoteStation_))
        remoteStation_ = nullptr;
    if (lost.audioIn(audioInLink_))
        audioInLink_ = nullptr;
    if (lost.contactOut(bridgeOutput_))
        bridgeOutput_ = nullptr;
}
