#pragma once

#include <cstddef>
#include <cstdint>

struct g722_encode_state_s;
struct g722_decode_state_s;

// ITU-T G.722 at 64 kbit/s, one encoder and one decoder state (spandsp underneath).
//
// Every pair of 16-bit input samples gives one code byte: the 6-bit lower sub-band code in
// bits 0-5 and the 2-bit higher sub-band code in bits 6-7, the layout the units play. This is
// what spandsp writes when it runs at 64000 bit/s without G722_PACKED (code = high << 6 | low),
// and what its decoder reads back. The coder is never told the sample rate: narrowband PCM
// goes through it exactly like wideband PCM.
class CG722
{
public:
    CG722();
    ~CG722();
    CG722(const CG722&) = delete;
    CG722& operator=(const CG722&) = delete;

    // False when the states could not be made; the coder then codes nothing.
    bool IsValid() const { return encoder_ != nullptr && decoder_ != nullptr; }

    // Puts both states back to their initial values; done before each track.
    void Reset();

    // Codes `samples` samples (an odd last one is dropped) into samples / 2 bytes of `codes`.
    // Returns the number of code bytes written.
    std::size_t Encode(const std::int16_t* pcm, std::size_t samples, std::uint8_t* codes);

    // Decodes `count` code bytes into 2 * count samples of `pcm`; returns the samples written.
    std::size_t Decode(const std::uint8_t* codes, std::size_t count, std::int16_t* pcm);

private:
    g722_encode_state_s* encoder_ = nullptr;
    g722_decode_state_s* decoder_ = nullptr;
};
