#pragma once

#include "CWavOutput.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Plays a PCM source on one worker thread: the worker reads blocks of 320 ms from the
// source and writes them to the output until the source runs dry, then reports the end.
class CPlayThread
{
public:
    // Called with (1, 0) after the last block has been played. It runs on the worker
    // thread, so it must not call Start() or StopThread() of the same object.
    using Notify = std::function<void(int, int)>;

    enum State { Stopped = 0, Playing = 1, Paused = 2 };

    CPlayThread() = default;
    virtual ~CPlayThread();
    CPlayThread(const CPlayThread&) = delete;
    CPlayThread& operator=(const CPlayThread&) = delete;

    // Opens the output at `rate` (16,000 or 8,000 Hz) and starts playing; false when the
    // output does not open.
    bool Start(int rate, Notify notify);
    // Ends the worker, drops what the output still holds and closes it.
    void StopThread();
    // Holds the sound where it is, at once; ResumeThread() goes on from there.
    void PauseThread();
    void ResumeThread();

    State GetState() const { return state_; }
    // Whether the last play ended because the output failed (the sound server went away)
    // rather than at the end of the track; the end call comes either way.
    bool Failed() const { return failed_; }
    // Bytes per block: 320 ms of sound at the rate.
    std::size_t BlockSize() const { return blockSize_; }

protected:
    virtual void OnEnd() = 0;
    virtual void SetPosition(std::size_t position) = 0;
    virtual std::size_t GetPosition() const = 0;
    virtual std::size_t TotalLength() const = 0;
    // Fills up to `length` bytes of `destination`; returns the bytes delivered, 0 at the end.
    virtual std::size_t ReadBlock(std::uint8_t* destination, std::size_t length) = 0;

    std::mutex mutex_; // serialises the worker's turn against pause, resume and stop

private:
    void Run();
    void Halt();

    CWavOutput output_;
    std::thread thread_;
    std::condition_variable wake_;
    std::atomic<bool> run_{false};
    std::atomic<State> state_{Stopped};
    std::atomic<bool> failed_{false};
    Notify notify_;
    std::size_t blockSize_ = 0;
    std::vector<std::uint8_t> block_;
};
