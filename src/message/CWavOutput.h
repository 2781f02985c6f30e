#pragma once

#include <cstddef>
#include <cstdint>

struct pa_simple;

// Sound output to the default PulseAudio sink: 16-bit mono at a chosen rate. The server
// keeps about three blocks queued; Write() blocks while that queue is full.
class CWavOutput
{
public:
    CWavOutput() = default;
    ~CWavOutput();
    CWavOutput(const CWavOutput&) = delete;
    CWavOutput& operator=(const CWavOutput&) = delete;

    // False when no server or sink is available.
    bool Open(int rate, std::size_t blockSize);
    void Close();
    bool Write(const std::uint8_t* data, std::size_t length);
    // Waits until everything written has been played.
    bool Drain();
    // Drops what is queued but not yet played.
    void Flush();
    bool IsOpen() const { return stream_ != nullptr; }

private:
    pa_simple* stream_ = nullptr;
};
