#include "CG722.h"

#include <cstdint>
// telephony.h defines what the coder's header declares with, so it comes first.
// clang-format off
#include <spandsp/telephony.h>
#include <spandsp/g722.h>
// clang-format on

namespace {

constexpr int kBitRate = 64000;
// Keeps each call to the coder well inside the range of its int lengths.
constexpr std::size_t kBlockPairs = 1 << 16;

} // namespace

CG722::CG722()
    : encoder_(g722_encode_init(nullptr, kBitRate, 0)),
      decoder_(g722_decode_init(nullptr, kBitRate, 0))
{
}

CG722::~CG722()
{
    if (encoder_)
        g722_encode_free(encoder_);
    if (decoder_)
        g722_decode_free(decoder_);
}

void CG722::Reset()
{
    // Initialising an existing state clears it in place.
    if (encoder_)
        g722_encode_init(encoder_, kBitRate, 0);
    if (decoder_)
        g722_decode_init(decoder_, kBitRate, 0);
}

std::size_t CG722::Encode(const std::int16_t* pcm, std::size_t samples, std::uint8_t* codes)
{
    if (!encoder_ || !pcm || !codes)
        return 0;
    std::size_t pairs = samples / 2;
    std::size_t written = 0;
    while (pairs > 0) {
        const std::size_t block = pairs < kBlockPairs ? pairs : kBlockPairs;
        const int n =
            g722_encode(encoder_, codes + written, pcm + 2 * written, static_cast<int>(2 * block));
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
        pairs -= block;
    }
    return written;
}

std::size_t CG722::Decode(const std::uint8_t* codes, std::size_t count, std::int16_t* pcm)
{
    if (!decoder_ || !codes || !pcm)
        return 0;
    std::size_t done = 0;
    std::size_t written = 0;
    while (done < count) {
        const std::size_t block = count - done < kBlockPairs ? count - done : kBlockPairs;
        const int n = g722_decode(decoder_, pcm + written, codes + done, static_cast<int>(block));
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
        done += block;
    }
    return written;
}
