#pragma once

#include "CWavInput.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

class CR4700RecordData;

// Records one voice message from the default sound input: up to the chosen number of
// seconds of 16 kHz PCM, softened at both ends, plus the derived 8 kHz track.
// Operations return false after storing one of the MessageError codes.
class CR4700Recorder : public CWavInput
{
public:
    // Called with (1, 0) when recording ends by itself (capacity reached or input lost).
    // It runs on the capture thread, so it must not call back into the recorder.
    using Notify = std::function<void(int, int)>;

    static constexpr std::size_t kBytesPerSecond = 32000;
    static constexpr std::size_t kShapeThreshold = 5000; // bytes; shorter takes stay raw

    CR4700Recorder() = default;
    ~CR4700Recorder() override;

    bool Start(Notify notify, int seconds);
    bool Stop();
    bool BuildRecord(CR4700RecordData* record);

    // Fades the first 600 samples in (-15..0 dB) and the last 2,500 bytes out (-3..-15 dB),
    // only when `length` bytes exceed kShapeThreshold.
    static void Shape(std::uint8_t* data, std::size_t length);

    bool IsRecording() const;
    // Whether the last take ended because the input failed (the sound server went away)
    // rather than full or stopped; what came before is kept either way.
    bool InputFailed() const;
    std::size_t Capacity() const { return capacity_; }
    std::size_t WidebandLength() const;
    std::size_t NarrowbandLength() const;
    int LastError() const { return error_; }

protected:
    bool OnData(const std::uint8_t* data, std::size_t length) override;

private:
    bool Fail(int error);
    void Finish(); // with mutex_ held

    mutable std::mutex mutex_;
    Notify notify_;
    bool recording_ = false;
    bool inputFailed_ = false;
    std::size_t capacity_ = 0;
    std::vector<std::uint8_t> wideband_;
    std::vector<std::uint8_t> narrowband_;
    int error_ = 0;
};
