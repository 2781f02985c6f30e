#pragma once

class BlockGroup;
class ExchangeImpl;

// Something that belongs to exactly one blocking group at a time: a station, an audio
// input or a contact output. The group keeps the member set; this side only remembers it.
class BlockGroupMember
{
public:
    enum class Kind { Station, AudioIn, ContactOut };

    BlockGroupMember() = default;
    BlockGroupMember(const BlockGroupMember&) = delete;
    BlockGroupMember& operator=(const BlockGroupMember&) = delete;
    virtual ~BlockGroupMember() = default;

    BlockGroup* blockGroup() const { return group_; }
    // Leaves the current group, if any.
    void leaveBlockGroup();

    virtual Kind memberKind() const = 0;
    virtual ExchangeImpl& memberOwner() const = 0;
    virtual int memberNumber() const = 0;

private:
    friend class BlockGroup;
    BlockGroup* group_ = nullptr;
};
