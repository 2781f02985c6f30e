#include "CWavInput.h"

#include <pulse/simple.h>

CWavInput::~CWavInput()
{
    Close();
}

bool CWavInput::Open()
{
    Close();
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_S16NE;
    sampleFormat.rate = kRate;
    sampleFormat.channels = 1;
    // Fragments of one buffer keep the capture latency at 20 ms.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(kBufferSize);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "R4000", PA_STREAM_RECORD, nullptr, "message recording",
                            &sampleFormat, nullptr, &attr, &error);
    if (stream_ == nullptr) {
        return false;
    }
    stopping_ = false;
    thread_ = std::thread(&CWavInput::Run, this);
    return true;
}

void CWavInput::Close()
{
    stopping_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (stream_ != nullptr) {
        pa_simple_free(stream_);
        stream_ = nullptr;
    }
}

void CWavInput::Run()
{
    std::uint8_t buffer[kBufferSize];
    while (!stopping_) {
        int error = 0;
        std::size_t length = kBufferSize;
        if (pa_simple_read(stream_, buffer, kBufferSize, &error) < 0) {
            length = 0;
        }
        if (stopping_ || !OnData(buffer, length) || length == 0) {
            break;
        }
    }
}
