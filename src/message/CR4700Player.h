#pragma once

#include "CPlayThread.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class CR4700RecordData;

// Plays either track of a voice message on the default sound output, with a gain step
// from the gain table applied to each block. Operations return false after storing one
// of the MessageError codes.
class CR4700Player : public CPlayThread
{
public:
    CR4700Player() = default;
    ~CR4700Player() override;

    // Resumes when paused. Otherwise copies both tracks of `record` and plays the wideband
    // (16 kHz) or narrowband (8 kHz) one; `notify` is called on the worker thread at the end,
    // so it must hand over to another thread (a queued signal, say) before calling this
    // player again.
    bool Play(CR4700RecordData* record, bool wideband, Notify notify);
    bool Pause();
    bool Stop();
    bool SetVolume(int dB);

    std::size_t TotalLength() const override;
    bool IsLoaded() const { return loaded_; }
    bool IsPaused() const { return paused_; }
    int LastError() const { return error_; }

protected:
    void OnEnd() override;
    void SetPosition(std::size_t position) override;
    std::size_t GetPosition() const override;
    std::size_t ReadBlock(std::uint8_t* destination, std::size_t length) override;

private:
    bool Fail(int error);
    void Unload();

    std::atomic<bool> loaded_{false};
    bool paused_ = false;
    std::vector<std::uint8_t> wideband_;
    std::vector<std::uint8_t> narrowband_;
    bool playWideband_ = true;
    std::size_t position_ = 0;
    std::atomic<int> gain_{0};
    int error_ = 0;
};
