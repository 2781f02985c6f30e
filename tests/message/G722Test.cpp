// The coder wrapper against spandsp used directly, and the code-byte layout the units play.
#include "CG722.h"
#include "MessageTestData.h"

#include <cstdint>
#include <gtest/gtest.h>
// telephony.h defines what the coder's header declares with, so it comes first.
// clang-format off
#include <spandsp/telephony.h>
#include <spandsp/g722.h>
// clang-format on

namespace {

// A tone with a little pseudo-random noise, so both sub-bands carry something.
std::vector<std::int16_t> TestSignal(std::size_t samples)
{
    std::vector<std::int16_t> signal = msgtest::Sine(samples, 1000, 16000, 9000);
    std::uint32_t seed = 12345;
    for (std::int16_t& s : signal) {
        seed = seed * 1103515245u + 12345u;
        s = static_cast<std::int16_t>(s + static_cast<int>((seed >> 16) % 2001) - 1000);
    }
    return signal;
}

std::vector<std::uint8_t> EncodeDirect(const std::vector<std::int16_t>& pcm)
{
    g722_encode_state_t* state = g722_encode_init(nullptr, 64000, 0);
    std::vector<std::uint8_t> codes(pcm.size() / 2);
    codes.resize(g722_encode(state, codes.data(), pcm.data(), int(pcm.size())));
    g722_encode_free(state);
    return codes;
}

std::vector<std::int16_t> DecodeDirect(const std::vector<std::uint8_t>& codes)
{
    g722_decode_state_t* state = g722_decode_init(nullptr, 64000, 0);
    std::vector<std::int16_t> pcm(codes.size() * 2);
    pcm.resize(g722_decode(state, pcm.data(), codes.data(), int(codes.size())));
    g722_decode_free(state);
    return pcm;
}

TEST(G722, MatchesSpandspAndResetsBetweenTracks)
{
    const std::vector<std::int16_t> pcm = TestSignal(4000);
    const std::vector<std::uint8_t> expected = EncodeDirect(pcm);
    ASSERT_EQ(expected.size(), 2000u);

    CG722 coder;
    ASSERT_TRUE(coder.IsValid());
    for (int track = 0; track < 2; ++track) {
        SCOPED_TRACE(track);
        coder.Reset(); // without it the second track would start from the first one's state
        std::vector<std::uint8_t> codes(pcm.size() / 2);
        ASSERT_EQ(coder.Encode(pcm.data(), pcm.size(), codes.data()), codes.size());
        EXPECT_EQ(codes, expected);

        std::vector<std::int16_t> decoded(codes.size() * 2);
        ASSERT_EQ(coder.Decode(codes.data(), codes.size(), decoded.data()), decoded.size());
        EXPECT_EQ(decoded, DecodeDirect(expected));
    }
}

TEST(G722, OddLastSampleIsDropped)
{
    const std::vector<std::int16_t> pcm = TestSignal(5);
    CG722 coder;
    std::uint8_t codes[3] = {0xAA, 0xAA, 0xAA};
    EXPECT_EQ(coder.Encode(pcm.data(), pcm.size(), codes), 2u);
    EXPECT_EQ(codes[2], 0xAA);
}

// Bits 0-5 carry the lower sub-band: a 500 Hz tone survives when bits 6-7 are taken from
// coded silence, and is lost when bits 0-5 are.
TEST(G722, LowerSubBandIsInBitsZeroToFive)
{
    const std::vector<std::int16_t> tone = msgtest::Sine(8000, 500, 16000, 10000);
    const std::vector<std::uint8_t> toneCodes = EncodeDirect(tone);
    const std::vector<std::uint8_t> silenceCodes = EncodeDirect(std::vector<std::int16_t>(8000));

    std::vector<std::uint8_t> lowFromTone(toneCodes.size());
    std::vector<std::uint8_t> highFromTone(toneCodes.size());
    for (std::size_t i = 0; i < toneCodes.size(); ++i) {
        lowFromTone[i] = std::uint8_t((toneCodes[i] & 0x3F) | (silenceCodes[i] & 0xC0));
        highFromTone[i] = std::uint8_t((toneCodes[i] & 0xC0) | (silenceCodes[i] & 0x3F));
    }
    CG722 coder;
    std::vector<std::int16_t> decoded(tone.size());
    coder.Decode(lowFromTone.data(), lowFromTone.size(), decoded.data());
    EXPECT_GT(msgtest::SnrDb(tone, decoded), 20.0);
    coder.Reset();
    coder.Decode(highFromTone.data(), highFromTone.size(), decoded.data());
    EXPECT_LT(msgtest::SnrDb(tone, decoded), 3.0);
}

} // namespace
