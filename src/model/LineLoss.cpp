#include "LineLoss.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "StationImpl.h"

LineLoss::LineLoss(const Exchange& old, const Exchange* replacement)
    : record_(old.settingsRecord()), old_(old), replacement_(replacement)
{
}

bool LineLoss::any() const
{
    return !replacement_ || replacement_->stationCount() < old_.stationCount()
           || replacement_->audioInCount() < old_.audioInCount()
           || replacement_->audioOutCount() < old_.audioOutCount()
           || replacement_->contactOutCount() < old_.contactOutCount();
}

bool LineLoss::lost(const ExchangeImpl& owner, int number, int newCount) const
{
    return &owner == &record_ && (!replacement_ || number > newCount);
}

bool LineLoss::station(const StationImpl* station) const
{
    return station
           && lost(station->owner(), station->id,
                   replacement_ ? replacement_->stationCount() : 0);
}

bool LineLoss::audioIn(const AudioIn* input) const
{
    return input
           && lost(input->owner(), input->number(),
                   replacement_ ? replacement_->audioInCount() : 0);
}

bool LineLoss::audioOut(const AudioOut* output) const
{
    return output
           && lost(output->owner(), output->number(),
                   replacement_ ? replacement_->audioOutCount() : 0);
}

bool LineLoss::contactOut(const ContactOut* output) const
{
    return output
           && lost(output->owner(), output->number(),
                   replacement_ ? replacement_->contactOutCount() : 0);
}

bool LineLoss::member(const BlockGroupMember* member) const
{
    if (!member)
        return false;
    int count = 0;
    if (replacement_) {
        switch (member->memberKind()) {
        case BlockGroupMember::Kind::Station:
            count = replacement_->stationCount();
            break;
        case BlockGroupMember::Kind::AudioIn:
            count = replacement_->audioInCount();
            break;
        case BlockGroupMember::Kind::ContactOut:
            count = replacement_->contactOutCount();
            break;
        }
    }
    return lost(member->memberOwner(), member->memberNumber(), count);
}
