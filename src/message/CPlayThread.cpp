#include "CPlayThread.h"

#include <chrono>

namespace {

// Blocks the server queues ahead of what is heard.
constexpr std::size_t kQueuedBlocks = 3;

} // namespace

CPlayThread::~CPlayThread()
{
    // The source is gone by now; only the worker and the output are ended here.
    Halt();
}

bool CPlayThread::Start(int rate, Notify notify)
{
    StopThread();
    blockSize_ = static_cast<std::size_t>(rate) * 2 * 320 / 1000;
    if (!output_.Open(rate, kQueuedBlocks * blockSize_)) {
        blockSize_ = 0;
        return false;
    }
    block_.assign(blockSize_, 0);
    notify_ = std::move(notify);
    SetPosition(0);
    state_ = Playing;
    failed_ = false;
    run_ = true;
    thread_ = std::thread(&CPlayThread::Run, this);
    return true;
}

void CPlayThread::StopThread()
{
    Halt();
    SetPosition(0);
}

void CPlayThread::Halt()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        run_ = false;
    }
    output_.Interrupt();
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    output_.Close(); // drops what the server still holds
    state_ = Stopped;
    block_ = std::vector<std::uint8_t>();
    notify_ = nullptr;
}

void CPlayThread::PauseThread()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == Playing) {
        state_ = Paused;
        output_.Pause(true);
    }
}

void CPlayThread::ResumeThread()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ == Paused) {
            output_.Pause(false);
            state_ = Playing;
        }
    }
    wake_.notify_all();
}

void CPlayThread::Run()
{
    while (run_) {
        std::size_t length = 0;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            if (state_ != Playing) {
                wake_.wait_for(lock, std::chrono::milliseconds(200));
                continue;
            }
            length = ReadBlock(block_.data(), blockSize_);
        }
        // Blocks while the server holds three blocks, and while the output is paused; false
        // once the output fails or is stopped.
        if (length > 0 && output_.Write(block_.data(), length)) {
            continue;
        }
        // Here at the end of the track, or when the output failed.
        const bool played = length == 0 && output_.Drain();
        if (!run_) {
            break;
        }
        failed_ = !played;
        // Paused, so that the sink can idle until the next play or stop.
        output_.Pause(true);
        state_ = Stopped;
        OnEnd();
        if (notify_) {
            notify_(1, 0);
        }
        break;
    }
}
