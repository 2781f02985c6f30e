#include "CR4700Recorder.h"

#include "CR4700RecordData.h"
#include "GainTable.h"
#include "MessageError.h"

#include <iterator>

CR4700Recorder::~CR4700Recorder()
{
    Close();
}

bool CR4700Recorder::Fail(int error)
{
    error_ = error;
    return false;
}

bool CR4700Recorder::Start(Notify notify, int seconds)
{
    if (seconds < 1 || seconds > 20) {
        return Fail(MessageError::InvalidArgument);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (recording_) {
            return Fail(MessageError::AlreadyRecording);
        }
        capacity_ = static_cast<std::size_t>(seconds) * kBytesPerSecond;
        wideband_.clear();
        wideband_.shrink_to_fit();
        narrowband_.clear();
        narrowband_.shrink_to_fit();
        wideband_.reserve(capacity_);
        notify_ = std::move(notify);
        recording_ = true;
        inputFailed_ = false;
    }
    // The capture thread may deliver as soon as Open() returns, so the state is set first.
    if (!Open()) {
        std::lock_guard<std::mutex> lock(mutex_);
        recording_ = false;
        notify_ = nullptr;
        wideband_ = std::vector<std::uint8_t>();
        return Fail(MessageError::DeviceUnavailable);
    }
    error_ = MessageError::None;
    return true;
}

bool CR4700Recorder::Stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (recording_) {
            Finish();
        } else {
            error_ = MessageError::NotRecording;
        }
    }
    // Also releases the input after recording ended by itself.
    Close();
    if (error_ == MessageError::NotRecording) {
        return false;
    }
    error_ = MessageError::None;
    return true;
}

void CR4700Recorder::Finish()
{
    recording_ = false;
    Shape(wideband_.data(), wideband_.size());
    narrowband_.resize(wideband_.size() / 2 + 1);
    narrowband_.resize(CR4700RecordData::KeepEverySecondSample(wideband_.data(), wideband_.size(),
                                                               16, narrowband_.data()));
    notify_ = nullptr;
}

bool CR4700Recorder::OnData(const std::uint8_t* data, std::size_t length)
{
    Notify notify;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!recording_) {
            return false;
        }
        if (length != 0 && wideband_.size() + length <= capacity_) {
            wideband_.insert(wideband_.end(), data, data + length);
            return true;
        }
        // Full, or the input is gone: stop here without storing these bytes.
        inputFailed_ = length == 0;
        notify = notify_;
        Finish();
    }
    if (notify) {
        notify(1, 0);
    }
    return false;
}

void CR4700Recorder::Shape(std::uint8_t* data, std::size_t length)
{
    if (length <= kShapeThreshold) {
        return;
    }
    static constexpr int kFadeIn[] = {-15, -12, -9, -6, -3, 0};
    static constexpr int kFadeOut[] = {-3, -6, -9, -12, -15};
    const std::size_t count = length / 2;
    GainTable::Fade(data, 100, kFadeIn, std::size(kFadeIn));
    GainTable::Fade(data + 2 * (count - 1250), 250, kFadeOut, std::size(kFadeOut));
}

bool CR4700Recorder::BuildRecord(CR4700RecordData* record)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (record == nullptr) {
        return Fail(MessageError::InvalidArgument);
    }
    if (recording_) {
        return Fail(MessageError::StillRecording);
    }
    if (wideband_.empty()) {
        return Fail(MessageError::NotRecording);
    }
    if (!record->SetSamples("", RecordTime::now(), wideband_.data(), wideband_.size(),
                            narrowband_.data(), narrowband_.size())) {
        return Fail(record->LastError());
    }
    error_ = MessageError::None;
    return true;
}

bool CR4700Recorder::InputFailed() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return inputFailed_;
}

bool CR4700Recorder::IsRecording() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return recording_;
}

std::size_t CR4700Recorder::WidebandLength() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return wideband_.size();
}

std::size_t CR4700Recorder::NarrowbandLength() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return narrowband_.size();
}
