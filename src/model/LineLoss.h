#pragma once

class AudioIn;
class BlockGroupMember;
class AudioOut;
class ContactOut;
class Exchange;
class ExchangeImpl;
class StationImpl;

// Which lines of a slot disappear when its equipment gives way to another model (fewer
// stations, inputs or outputs) or is removed (replacement null: every line goes).
class LineLoss
{
public:
    LineLoss(const Exchange& old, const Exchange* replacement);

    // True when the replacement has fewer lines of some kind than the old model.
    bool any() const;

    bool station(const StationImpl* station) const;
    bool audioIn(const AudioIn* input) const;
    bool audioOut(const AudioOut* output) const;
    bool contactOut(const ContactOut* output) const;
    bool member(const BlockGroupMember* member) const;

private:
    bool lost(const ExchangeImpl& owner, int number, int newCount) const;

    const ExchangeImpl& record_;
    const Exchange& old_;
    const Exchange* replacement_;
};
