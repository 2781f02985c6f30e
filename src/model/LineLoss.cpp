#include "LineLoss.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "StationImpl.h"

LineLoss::LineLoss(const Exchange& old, const Exchange* replacement)
    : record_(old.settingsRecord()), removed_(!replacement),
      stations_(replacement ? replacement->stationCount() : 0),
      audioIns_(replacement ? replacement->audioInCount() : 0),
      audioOuts_(replacement ? replacement->audioOutCount() : 0),
      contactOuts_(replacement ? replacement->contactOutCount() : 0),
      oldStations_(old.stationCount()), oldAudioIns_(old.audioInCount()),
      oldAudioOuts_(old.audioOutCount()), oldContactOuts_(old.contactOutCount())
{
}

bool LineLoss::any() const
{
    return anyStation() || audioIns_ < oldAudioIns_ || audioOuts_ < oldAudioOuts_ ||
           anyContactOut();
}

bool LineLoss::station(const StationImpl* station) const
{
    return station && lost(station->owner(), station->id, stations_);
}

bool LineLoss::audioIn(const AudioIn* input) const
{
    return input && lost(input->owner(), input->number(), audioIns_);
}

bool LineLoss::audioOut(const AudioOut* output) const
{
    return output && lost(output->owner(), output->number(), audioOuts_);
}

bool LineLoss::contactOut(const ContactOut* output) const
{
    return output && lost(output->owner(), output->number(), contactOuts_);
}

bool LineLoss::member(const BlockGroupMember* member) const
{
    if (!member)
        return false;
    switch (member->memberKind()) {
    case BlockGroupMember::Kind::Station:
        return lost(member->memberOwner(), member->memberNumber(), stations_);
    case BlockGroupMember::Kind::AudioIn:
        return lost(member->memberOwner(), member->memberNumber(), audioIns_);
    case BlockGroupMember::Kind::ContactOut:
        return lost(member->memberOwner(), member->memberNumber(), contactOuts_);
    }
    return false;
}
