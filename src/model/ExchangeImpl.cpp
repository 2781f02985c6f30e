#include "ExchangeImpl.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "PasswordCodec.h"
#include "Station.h"
#include "System.h"

ExchangeImpl::ExchangeImpl(System& system)
    : system_(system), password_(PasswordCodec::kDefaultStored),
      receiveMulticast_(std::size_t(system.maxEquipment()) + 1, true),
      connectable_(std::size_t(system.maxEquipment()) + 1, true)
{
    for (int i = 0; i < kStations; ++i) {
        stationSettings_[i] = std::make_unique<StationImpl>(*this, i + 1);
        stations_[i] = system.staManager().create("NONE", *stationSettings_[i], system);
        stationSettings_[i]->station_ = stations_[i].get();
    }
    for (int i = 0; i < kAudioLines; ++i) {
        audioIns_[i] = std::make_unique<AudioIn>(*this, i + 1);
        audioOuts_[i] = std::make_unique<AudioOut>(*this, i + 1);
    }
    for (int i = 0; i < kContacts; ++i) {
        contactIns_[i] = std::make_unique<ContactIn>(*this, i + 1);
        contactOuts_[i] = std::make_unique<ContactOut>(*this, i + 1);
    }
}

// Lines still in a blocking group leave it. When the whole system goes, its groups have
// already let go of them.
ExchangeImpl::~ExchangeImpl()
{
    for (auto& settings : stationSettings_)
        settings->leaveBlockGroup();
    for (auto& input : audioIns_)
        input->leaveBlockGroup();
    for (auto& output : contactOuts_)
        output->leaveBlockGroup();
}

StationImpl* ExchangeImpl::stationSettings(int id) const
{
    return id >= 1 && id <= kStations ? stationSettings_[id - 1].get() : nullptr;
}

Station* ExchangeImpl::stationObject(int id) const
{
    return id >= 1 && id <= kStations ? stations_[id - 1].get() : nullptr;
}

AudioIn* ExchangeImpl::audioInLine(int n) const
{
    return n >= 1 && n <= kAudioLines ? audioIns_[n - 1].get() : nullptr;
}

AudioOut* ExchangeImpl::audioOutLine(int n) const
{
    return n >= 1 && n <= kAudioLines ? audioOuts_[n - 1].get() : nullptr;
}

ContactIn* ExchangeImpl::contactInLine(int n) const
{
    return n >= 1 && n <= kContacts ? contactIns_[n - 1].get() : nullptr;
}

ContactOut* ExchangeImpl::contactOutLine(int n) const
{
    return n >= 1 && n <= kContacts ? contactOuts_[n - 1].get() : nullptr;
}
