#pragma once

#include "G722Band.h"

#include <cstddef>
#include <cstdint>

// ITU-T G.722 at 64 kbit/s, one coder and one decoder state.
//
// Every pair of 16-bit input samples gives one code byte: the 6-bit lower sub-band code in
// bits 0-5 and the 2-bit higher sub-band code in bits 6-7, the layout the units play. The
// coding is bit for bit that of spandsp's g722_encode and g722_decode at 64000 bit/s without
// options (the tests hold it to that); it is our own because a 40-second message has to be
// coded and decoded within a fraction of a second, and the library takes twice as long. The
// coder is never told the sample rate: narrowband PCM goes through it exactly like wideband PCM.
class CG722
{
public:
    CG722();

    // Puts both states back to their initial values; done before each track.
    void Reset();

    // Codes `samples` samples (an odd last one is dropped) into samples / 2 bytes of `codes`.
    // Returns the number of code bytes written.
    std::size_t Encode(const std::int16_t* pcm, std::size_t samples, std::uint8_t* codes);

    // Decodes `count` code bytes into 2 * count samples of `pcm`; returns the samples written.
    std::size_t Decode(const std::uint8_t* codes, std::size_t count, std::int16_t* pcm);

    // Sample pairs of the past that the two filter banks still reach.
    static constexpr int kFilterPairs = 11;

private:
    G722Band encodeLow_;
    G722Band encodeHigh_;
    G722Band decodeLow_;
    G722Band decodeHigh_;
    std::int16_t inputHistory_[2 * kFilterPairs] = {};
    std::int16_t sumHistory_[kFilterPairs] = {};
    std::int16_t differenceHistory_[kFilterPairs] = {};
};
