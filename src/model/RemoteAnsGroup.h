#pragma once

#include "ExchangeListener.h"

#include <vector>

class Station;
class StationImpl;

// Stations that answer for one another. The first station added is the head; its number
// names the group. A station belongs to at most one such group.
class RemoteAnsGroup : public ExchangeListener
{
public:
    static constexpr std::size_t kMaxMembers = 16;

    RemoteAnsGroup() = default;
    ~RemoteAnsGroup() override;
    RemoteAnsGroup(const RemoteAnsGroup&) = delete;
    RemoteAnsGroup& operator=(const RemoteAnsGroup&) = delete;

    Station* head() const;
    std::vector<Station*> members() const;
    bool empty() const { return members_.empty(); }

    // Refused for a missing station, one already in a group, or a seventeenth member.
    bool addStation(Station* station);
    bool removeStation(Station* station);

    // Before writing: members must be numbered stations that are not door stations, on
    // equipment that takes part in remote response, in a valid slot. False when the group
    // has to go: its head is not such a station, or no member is left.
    bool dropInvalidMembers();

    void onExchangeReplaced(const Exchange& old, const Exchange* replacement) override;

private:
    void remove(StationImpl* member);

    StationImpl* head_ = nullptr;
    std::vector<StationImpl*> members_;
};
