#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

struct pa_simple;

// Sound input from the default PulseAudio source: 16,000 Hz, 16-bit, mono, read in 20 ms
// buffers (640 bytes) on a capture thread that hands each buffer to OnData().
class CWavInput
{
public:
    static constexpr int kRate = 16000;
    static constexpr std::size_t kBufferSize = 640;

    CWavInput() = default;
    virtual ~CWavInput();
    CWavInput(const CWavInput&) = delete;
    CWavInput& operator=(const CWavInput&) = delete;

protected:
    // Connects to the source and starts the capture thread; false when no server or source.
    bool Open();
    // Ends capture and disconnects. Safe to call repeatedly; not from the capture thread.
    void Close();
    // Runs on the capture thread with each filled buffer (length 0 after a read error).
    // Returning false ends capture; the connection stays until Close().
    virtual bool OnData(const std::uint8_t* data, std::size_t length) = 0;

private:
    void Run();

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
};
