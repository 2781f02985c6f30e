#pragma once

#include "BlockGroupMember.h"

#include <array>
#include <string>
#include <vector>

class ContactOut;
class Paging;
class RemoteAnsGroup;
class Station;

// The settings of one station slot. The record belongs to its equipment's settings and
// lives as long as the slot; the model object on top of it (a Station) is replaced when
// the station's model changes. References to other stations point at their records, so a
// model change never leaves anybody holding a stale object.
class StationImpl : public BlockGroupMember
{
public:
    static constexpr int kMaxSetSize = 15;
    static constexpr int kMonitorGroups = 4;
    static constexpr int kMonitorPositions = 16;
    static constexpr int kOneTouchKeys = 5;
    static constexpr int kAutoDialKeys = 8;
    enum Transfer { XferTime = 0, XferAbs = 1, XferNoAns = 2, XferBusy = 3, kTransfers = 4 };

    StationImpl(ExchangeImpl& owner, int id);

    ExchangeImpl& owner() const { return owner_; }
    // The model object now standing on this record.
    Station& station() const { return *station_; }

    Kind memberKind() const override { return Kind::Station; }
    ExchangeImpl& memberOwner() const override { return owner_; }
    int memberNumber() const override { return id; }

    // Back to the settings of a slot that is not in use (number excepted).
    void resetAttributes();

    int id;
    std::string number;
    std::string name;
    bool pagingReception = true;
    bool control = false;
    bool doorTimer = false;
    int receiptMode = 1;
    bool autoCallSignal = true;
    bool manualCallSignal = true;
    ContactOut* doorRemote = nullptr;
    ContactOut* callingContact = nullptr;
    std::vector<StationImpl*> called;
    std::vector<StationImpl*> groupMembers;
    int monitoringTime = 3;
    std::array<std::array<StationImpl*, kMonitorPositions>, kMonitorGroups> monitoring{};
    int micLevel = 2;
    int speakerLevel = 3;
    int signalLevel = 3;
    bool priorityStation = false;
    bool priorityLimit = false;
    std::array<StationImpl*, kTransfers> transfers{};
    std::array<std::string, kOneTouchKeys> oneTouch;
    std::array<std::string, kAutoDialKeys> autoDial;
    int bgmMode = 0;
    bool messagePaging = false;
    std::string startMode = "BOTH";
    int repeat = 0;
    Paging* messagePagingZone = nullptr;
    std::string interlockMode = "BUSY";
    ContactOut* interlockContact = nullptr;
    RemoteAnsGroup* remoteGroup = nullptr;

private:
    friend class Exchange;
    friend class ExchangeImpl;
    ExchangeImpl& owner_;
    Station* station_ = nullptr;
};
