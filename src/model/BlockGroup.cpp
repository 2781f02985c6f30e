#include "BlockGroup.h"

#include "BlockGroupMember.h"
#include "LineLoss.h"
#include "System.h"

#include <algorithm>

BlockGroup::BlockGroup(System& system, int number) : system_(system), number_(number) {}

BlockGroup::~BlockGroup()
{
    for (BlockGroupMember* member : members_)
        member->group_ = nullptr;
}

bool BlockGroup::setNumber(int number)
{
    if (number < 0 || number > system_.maxBlockGroupNo())
        return false;
    number_ = number;
    return true;
}

bool BlockGroup::addCallBlock(int group)
{
    if (group < 0 || group > system_.maxBlockGroupNo())
        return false;
    if (callBlocks_.count(group) == 0 && callBlocks_.size() >= kMaxCallBlocks)
        return false;
    callBlocks_.insert(group);
    return true;
}

bool BlockGroup::removeCallBlock(int group)
{
    return callBlocks_.erase(group) > 0;
}

bool BlockGroup::addPagingBlock(int zone)
{
    if (zone < 0 || zone > system_.maxPagingNo())
        return false;
    if (pagingBlocks_.count(zone) == 0 && pagingBlocks_.size() >= kMaxPagingBlocks)
        return false;
    pagingBlocks_.insert(zone);
    return true;
}

bool BlockGroup::removePagingBlock(int zone)
{
    return pagingBlocks_.erase(zone) > 0;
}

void BlockGroup::dropPagingBlocksAbove(int highestZone)
{
    pagingBlocks_.erase(pagingBlocks_.upper_bound(highestZone), pagingBlocks_.end());
}

void BlockGroup::addMember(BlockGroupMember* member)
{
    if (!member || member->group_ == this)
        return;
    member->leaveBlockGroup();
    members_.push_back(member);
    member->group_ = this;
}

bool BlockGroup::removeMember(BlockGroupMember* member)
{
    auto it = std::find(members_.begin(), members_.end(), member);
    if (it == members_.end())
        return false;
    members_.erase(it);
    member->group_ = nullptr;
    return true;
}

void BlockGroup::onExchangeReplaced(const Exchange& old, const Exchange* replacement)
{
    const LineLoss lost(old, replacement);
    std::vector<BlockGroupMember*> leaving;
    for (BlockGroupMember* member : members_) {
        if (lost.member(member))
            leaving.push_back(member);
    }
    // Lines the new model lacks wait in the default group; lines of removed equipment go.
    BlockGroup* fallback = replacement ? system_.blockGroup(0) : nullptr;
    for (BlockGroupMember* member : leaving) {
        if (fallback && fallback != this)
            fallback->addMember(member);
        else if (!fallback)
            removeMember(member);
    }
}
