#pragma once

#include "ExchangeListener.h"

#include <set>
#include <vector>

class BlockGroupMember;
class System;

// A blocking group: a part of the stations, audio inputs and contact outputs, with the
// groups it is related to for calls and the zones it is related to for paging. Group 0 is
// the default every member starts in.
class BlockGroup : public ExchangeListener
{
public:
    static constexpr std::size_t kMaxCallBlocks = 32;
    static constexpr std::size_t kMaxPagingBlocks = 161;

    BlockGroup(System& system, int number);
    ~BlockGroup() override;

    bool setNumber(int number); // 0..31
    int number() const { return number_; }

    bool addCallBlock(int group);
    bool removeCallBlock(int group);
    const std::set<int>& callBlocks() const { return callBlocks_; }
    bool addPagingBlock(int zone);
    bool removePagingBlock(int zone);
    const std::set<int>& pagingBlocks() const { return pagingBlocks_; }
    // Before writing: zones beyond what the paging digits can dial are dropped.
    void dropPagingBlocksAbove(int highestZone);

    // Takes the member out of its previous group first.
    void addMember(BlockGroupMember* member);
    bool removeMember(BlockGroupMember* member);
    const std::vector<BlockGroupMember*>& members() const { return members_; }

    // Members whose line the replacement does not have go back to group 0.
    void onExchangeReplaced(const Exchange& old, const Exchange* replacement) override;

private:
    System& system_;
    int number_;
    std::set<int> callBlocks_;
    std::set<int> pagingBlocks_;
    std::vector<BlockGroupMember*> members_;
};
