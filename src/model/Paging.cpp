#include "Paging.h"

#include "AudioOut.h"
#include "Exchange.h"
#include "LineLoss.h"
#include "Station.h"
#include "System.h"
#include "TextRules.h"

#include <algorithm>

namespace {

// Inserts unless present; refuses past the bound.
template <class T> bool addBounded(std::vector<T*>& set, T* item, std::size_t bound)
{
    if (std::find(set.begin(), set.end(), item) != set.end())
        return true;
    if (set.size() >= bound)
        return false;
    set.push_back(item);
    return true;
}

template <class T> bool eraseItem(std::vector<T*>& set, const T* item)
{
    auto it = std::find(set.begin(), set.end(), item);
    if (it == set.end())
        return false;
    set.erase(it);
    return true;
}

} // namespace

Paging::Paging(System& system, int number)
    : system_(system), number_(number), name_("pag " + std::to_string(number))
{
}

bool Paging::setNumber(int number)
{
    if (number < 0 || number > system_.maxPagingNo())
        return false;
    number_ = number;
    return true;
}

bool Paging::setName(std::string_view name)
{
    if (name.empty() || !TextRules::isShortLabel(name, 8, system_.locale()))
        return false;
    name_ = name;
    return true;
}

bool Paging::addStation(Station* station)
{
    return station && addBounded(stations_, &station->settings(), kMaxStations);
}

bool Paging::removeStation(Station* station)
{
    return station && eraseItem(stations_, &station->settings());
}

std::vector<Station*> Paging::stations() const
{
    std::vector<Station*> result;
    result.reserve(stations_.size());
    for (StationImpl* s : stations_)
        result.push_back(&s->station());
    return result;
}

bool Paging::addAudioOutput(AudioOut* output)
{
    return output && addBounded(audioOutputs_, output, kMaxAudioOutputs);
}

bool Paging::removeAudioOutput(AudioOut* output)
{
    return output && eraseItem(audioOutputs_, output);
}

void Paging::dropInvalidMembers()
{
    stations_.erase(std::remove_if(stations_.begin(), stations_.end(),
                                   [](const StationImpl* s) {
                                       return s->number.empty() || !Station::isValidTarget(s);
                                   }),
                    stations_.end());
    audioOutputs_.erase(std::remove_if(audioOutputs_.begin(), audioOutputs_.end(),
                                       [](const AudioOut* output) {
                                           const Exchange& owner = output->owner().exchange();
                                           return output->mode() != AudioOut::PaPag ||
                                                  owner.isNone() ||
                                                  output->number() > owner.audioOutCount() ||
                                                  owner.exchangeNumber() >
                                                      owner.system().maxEquipment();
                                       }),
                        audioOutputs_.end());
}

void Paging::onExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    const LineLoss lost(old, replacement);
    stations_.erase(std::remove_if(stations_.begin(), stations_.end(),
                                   [&](const StationImpl* s) { return lost.station(s); }),
                    stations_.end());
    audioOutputs_.erase(std::remove_if(audioOutputs_.begin(), audioOutputs_.end(),
                                       [&](const AudioOut* o) { return lost.audioOut(o); }),
                        audioOutputs_.end());
}
