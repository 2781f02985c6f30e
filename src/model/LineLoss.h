#pragma once

class AudioIn;
class AudioOut;
class BlockGroupMember;
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
    bool anyStation() const { return removed_ || stations_ < oldStations_; }
    bool anyContactOut() const { return removed_ || contactOuts_ < oldContactOuts_; }

    bool station(const StationImpl* station) const;
    bool audioIn(const AudioIn* input) const;
    bool audioOut(const AudioOut* output) const;
    bool contactOut(const ContactOut* output) const;
    bool member(const BlockGroupMember* member) const;

private:
    bool lost(const ExchangeImpl& owner, int number, int newCount) const
    {
        return &owner == &record_ && (removed_ || number > newCount);
    }

    const ExchangeImpl& record_;
    bool removed_;
    // What the slot keeps; a removed unit keeps nothing.
    int stations_, audioIns_, audioOuts_, contactOuts_;
    int oldStations_, oldAudioIns_, oldAudioOuts_, oldContactOuts_;
};
