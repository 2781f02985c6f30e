#include "CR4700Player.h"

#include "CR4700RecordData.h"
#include "GainTable.h"
#include "MessageError.h"

#include <algorithm>
#include <cstring>

CR4700Player::~CR4700Player()
{
    // The worker calls back into this object, so it has to end before the members go.
    StopThread();
}

void CR4700Player::Unload()
{
    // Released, not just emptied: a message holds up to 1.9 MB.
    wideband_ = std::vector<std::uint8_t>();
    narrowband_ = std::vector<std::uint8_t>();
}

bool CR4700Player::Fail(int error)
{
    error_ = error;
    return false;
}

bool CR4700Player::Play(CR4700RecordData* record, bool wideband, Notify notify)
{
    if (paused_ && loaded_) {
        paused_ = false;
        ResumeThread();
        error_ = MessageError::None;
        return true;
    }
    if (loaded_) {
        return Fail(MessageError::AlreadyPlaying);
    }
    // Reaps a worker that ended by itself before the copies are replaced.
    StopThread();
    paused_ = false;
    CR4700RecordData* source = record;
    if (source == nullptr || !source->HasData()) {
        return Fail(MessageError::InvalidArgument);
    }
    std::size_t length = 0;
    wideband_.resize(CR4700RecordData::kWidebandCapacity);
    narrowband_.resize(CR4700RecordData::kNarrowbandCapacity);
    if (!source->GetWideband(wideband_.data(), wideband_.size(), length)) {
        Unload();
        return Fail(MessageError::InvalidArgument);
    }
    wideband_.resize(length);
    if (!source->GetNarrowband(narrowband_.data(), narrowband_.size(), length)) {
        Unload();
        return Fail(MessageError::InvalidArgument);
    }
    narrowband_.resize(length);
    playWideband_ = wideband;
    loaded_ = true;
    if (!Start(wideband ? 16000 : 8000, std::move(notify))) {
        loaded_ = false;
        Unload();
        return Fail(MessageError::DeviceUnavailable);
    }
    error_ = MessageError::None;
    return true;
}

bool CR4700Player::Pause()
{
    if (!loaded_) {
        return Fail(MessageError::NotPlaying);
    }
    if (paused_) {
        return Fail(MessageError::AlreadyPaused);
    }
    PauseThread();
    paused_ = true;
    error_ = MessageError::None;
    return true;
}

bool CR4700Player::Stop()
{
    if (!loaded_) {
        return Fail(MessageError::NotPlaying);
    }
    StopThread();
    loaded_ = false;
    paused_ = false;
    Unload();
    error_ = MessageError::None;
    return true;
}

bool CR4700Player::SetVolume(int dB)
{
    double factor = 1.0;
    if (!GainTable::Factor(dB, factor)) {
        return Fail(MessageError::InvalidArgument);
    }
    gain_ = dB;
    error_ = MessageError::None;
    return true;
}

std::size_t CR4700Player::TotalLength() const
{
    return playWideband_ ? wideband_.size() : narrowband_.size();
}

void CR4700Player::OnEnd()
{
    loaded_ = false;
}

void CR4700Player::SetPosition(std::size_t position)
{
    position_ = position;
}

std::size_t CR4700Player::GetPosition() const
{
    return position_;
}

std::size_t CR4700Player::ReadBlock(std::uint8_t* destination, std::size_t length)
{
    const std::vector<std::uint8_t>& track = playWideband_ ? wideband_ : narrowband_;
    std::size_t count = std::min(length, track.size() - std::min(position_, track.size()));
    count -= count % 2;
    if (count == 0) {
        return 0;
    }
    std::memcpy(destination, track.data() + position_, count);
    double factor = 1.0;
    GainTable::Factor(gain_, factor);
    GainTable::ApplyBytes(destination, count / 2, factor);
    position_ += count;
    return count;
}
