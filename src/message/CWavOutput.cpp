#include "CWavOutput.h"

#include <pulse/simple.h>

CWavOutput::~CWavOutput()
{
    Close();
}

bool CWavOutput::Open(int rate, std::size_t blockSize)
{
    Close();
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_S16NE;
    sampleFormat.rate = static_cast<std::uint32_t>(rate);
    sampleFormat.channels = 1;
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(blockSize * 3);
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "R4000", PA_STREAM_PLAYBACK, nullptr, "message playback",
                            &sampleFormat, nullptr, &attr, &error);
    return stream_ != nullptr;
}

void CWavOutput::Close()
{
    if (stream_ != nullptr) {
        pa_simple_free(stream_);
        stream_ = nullptr;
    }
}

bool CWavOutput::Write(const std::uint8_t* data, std::size_t length)
{
    int error = 0;
    return stream_ != nullptr && pa_simple_write(stream_, data, length, &error) == 0;
}

bool CWavOutput::Drain()
{
    int error = 0;
    return stream_ != nullptr && pa_simple_drain(stream_, &error) == 0;
}

void CWavOutput::Flush()
{
    int error = 0;
    if (stream_ != nullptr) {
        pa_simple_flush(stream_, &error);
    }
}
