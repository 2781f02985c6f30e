#include "CPlayThread.h"

#include <chrono>

CPlayThread::~CPlayThread()
{
    // The source is gone by now; only the worker and the output are ended here.
    Halt();
}

bool CPlayThread::Start(int rate, Notify notify)
{
    StopThread();
    blockSize_ = static_cast<std::size_t>(rate) * 2 * 320 / 1000;
    if (!output_.Open(rate, blockSize_)) {
        blockSize_ = 0;
        return false;
    }
    block_.assign(blockSize_, 0);
    notify_ = std::move(notify);
    SetPosition(0);
    state_ = Playing;
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
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    output_.Flush();
    output_.Close();
    state_ = Stopped;
    block_ = std::vector<std::uint8_t>();
    notify_ = nullptr;
}

void CPlayThread::PauseThread()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == Playing) {
        state_ = Paused;
    }
}

void CPlayThread::ResumeThread()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ == Paused) {
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
        if (length > 0) {
            // Blocks while the server already holds three blocks; pausing takes effect
            // once those have played.
            if (!output_.Write(block_.data(), length)) {
                length = 0;
            } else {
                continue;
            }
        }
        output_.Drain();
        if (!run_) {
            break;
        }
        state_ = Stopped;
        OnEnd();
        if (notify_) {
            notify_(1, 0);
        }
        break;
    }
}
