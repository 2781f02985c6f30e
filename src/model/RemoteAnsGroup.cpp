#include "RemoteAnsGroup.h"

#include "Exchange.h"
#include "LineLoss.h"
#include "Station.h"

#include <algorithm>

RemoteAnsGroup::~RemoteAnsGroup()
{
    for (StationImpl* member : members_)
        member->remoteGroup = nullptr;
}

Station* RemoteAnsGroup::head() const
{
    return head_ ? &head_->station() : nullptr;
}

std::vector<Station*> RemoteAnsGroup::members() const
{
    std::vector<Station*> result;
    result.reserve(members_.size());
    for (StationImpl* member : members_)
        result.push_back(&member->station());
    return result;
}

bool RemoteAnsGroup::addStation(Station* station)
{
    if (!station || station->settings().remoteGroup || members_.size() >= kMaxMembers)
        return false;
    StationImpl* member = &station->settings();
    members_.push_back(member);
    member->remoteGroup = this;
    if (!head_)
        head_ = member;
    return true;
}

bool RemoteAnsGroup::removeStation(Station* station)
{
    if (!station || station->settings().remoteGroup != this)
        return false;
    remove(&station->settings());
    return true;
}

void RemoteAnsGroup::remove(StationImpl* member)
{
    members_.erase(std::remove(members_.begin(), members_.end(), member), members_.end());
    member->remoteGroup = nullptr;
    // The next member heads the group and names it.
    if (head_ == member)
        head_ = members_.empty() ? nullptr : members_.front();
}

bool RemoteAnsGroup::dropInvalidMembers()
{
    auto valid = [](const StationImpl* s) {
        return !s->number.empty() && !s->station().isDoorStation() &&
               s->owner().exchange().hasRemoteAnswerGroups() && Station::isValidTarget(s);
    };
    if (!head_ || !valid(head_))
        return false;
    std::vector<StationImpl*> invalid;
    for (StationImpl* member : members_) {
        if (!valid(member))
            invalid.push_back(member);
    }
    for (StationImpl* member : invalid)
        remove(member);
    return !members_.empty();
}

void RemoteAnsGroup::onExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    const LineLoss lost(old, replacement);
    std::vector<StationImpl*> leaving;
    for (StationImpl* member : members_) {
        if (lost.station(member))
            leaving.push_back(member);
    }
    for (StationImpl* member : leaving)
        remove(member);
}
