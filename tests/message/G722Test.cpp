// The coder against spandsp's G.722 used directly, and the code-byte layout the units play.
#include "CG722.h"
#include "MessageTestData.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
// telephony.h defines what the coder's header declares with, so it comes first.
// clang-format off
#include <spandsp/telephony.h>
#include <spandsp/g722.h>
// clang-format on

namespace {

std::uint32_t NextRandom(std::uint32_t& seed)
{
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
}

// A tone with a little pseudo-random noise, so both sub-bands carry something.
std::vector<std::int16_t> TestSignal(std::size_t samples)
{
    std::vector<std::int16_t> signal = msgtest::Sine(samples, 1000, 16000, 9000);
    std::uint32_t seed = 12345;
    for (std::int16_t& s : signal)
        s = static_cast<std::int16_t>(s + static_cast<int>(NextRandom(seed) % 2001) - 1000);
    return signal;
}

std::vector<std::int16_t> FullScaleNoise(std::size_t samples)
{
    std::vector<std::int16_t> signal(samples);
    std::uint32_t seed = 777;
    for (std::int16_t& s : signal)
        s = static_cast<std::int16_t>(NextRandom(seed) & 0xFFFF);
    return signal;
}

// Alternating runs at both ends of the range: drives every saturation and both predictor
// limits.
std::vector<std::int16_t> SquareAtTheRails(std::size_t samples)
{
    std::vector<std::int16_t> signal(samples);
    for (std::size_t i = 0; i < samples; ++i)
        signal[i] = (i / 37) % 2 ? std::int16_t(-32768) : std::int16_t(32767);
    return signal;
}

// A tone that fades in from silence and out again, so the scale factors climb and fall.
std::vector<std::int16_t> Swell(std::size_t samples)
{
    std::vector<std::int16_t> signal = msgtest::Sine(samples, 3100, 16000, 30000);
    for (std::size_t i = 0; i < samples; ++i)
        signal[i] = static_cast<std::int16_t>(signal[i] * std::sin(M_PI * i / samples));
    return signal;
}

std::vector<std::uint8_t> RandomCodes(std::size_t count)
{
    std::vector<std::uint8_t> codes(count);
    std::uint32_t seed = 4242;
    for (std::uint8_t& c : codes)
        c = static_cast<std::uint8_t>(NextRandom(seed));
    return codes;
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

// Our decoder clips where spandsp's lets the filter output wrap round to the other sign;
// everywhere else the two agree.
void ExpectSameUnlessSpandspWraps(const std::vector<std::int16_t>& ours,
                                  const std::vector<std::int16_t>& spandsp)
{
    ASSERT_EQ(ours.size(), spandsp.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        if (ours[i] == spandsp[i])
            continue;
        const bool clipped = ours[i] == 32767 || ours[i] == -32768;
        const bool wrapped = (ours[i] < 0) != (spandsp[i] < 0);
        ASSERT_TRUE(clipped && wrapped)
            << "sample " << i << ": " << ours[i] << ", spandsp " << spandsp[i];
    }
}

// A tone turned up until it clips, as a gain step can leave it.
std::vector<std::int16_t> ClippedTone(std::size_t samples)
{
    std::vector<std::int16_t> signal(samples);
    for (std::size_t i = 0; i < samples; ++i)
        signal[i] = static_cast<std::int16_t>(
            std::clamp(67000 * std::sin(2 * M_PI * 1000 * i / 16000.0), -32768.0, 32767.0));
    return signal;
}

// Our coder gives spandsp's codes bit for bit, for ordinary and for extreme input, and its
// samples but for the clipping, also for code bytes no coder would write and across the
// coder's internal blocks.
TEST(G722, MatchesSpandspBitForBit)
{
    const struct {
        const char* name;
        std::vector<std::int16_t> pcm;
    } signals[] = {
        {"tone and noise", TestSignal(40000)},
        {"full-scale noise", FullScaleNoise(40000)},
        {"square at the rails", SquareAtTheRails(40000)},
        {"swell", Swell(40000)},
        {"silence", std::vector<std::int16_t>(1000)},
        {"clipped tone", ClippedTone(40000)},
    };
    for (const auto& [name, pcm] : signals) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> expected = EncodeDirect(pcm);
        CG722 coder;
        std::vector<std::uint8_t> codes(pcm.size() / 2);
        ASSERT_EQ(coder.Encode(pcm.data(), pcm.size(), codes.data()), codes.size());
        EXPECT_EQ(codes, expected);

        std::vector<std::int16_t> decoded(codes.size() * 2);
        ASSERT_EQ(coder.Decode(codes.data(), codes.size(), decoded.data()), decoded.size());
        ExpectSameUnlessSpandspWraps(decoded, DecodeDirect(expected));
    }

    const std::vector<std::uint8_t> noise = RandomCodes(20000);
    CG722 coder;
    std::vector<std::int16_t> decoded(noise.size() * 2);
    coder.Decode(noise.data(), noise.size(), decoded.data());
    ExpectSameUnlessSpandspWraps(decoded, DecodeDirect(noise));
}

// A clipped tone comes back as a clipped tone, not with cracks where the output would
// have wrapped round.
TEST(G722, LoudInputDecodesWithoutCracks)
{
    const std::vector<std::int16_t> pcm = ClippedTone(32000);
    CG722 coder;
    std::vector<std::uint8_t> codes(pcm.size() / 2);
    coder.Encode(pcm.data(), pcm.size(), codes.data());
    std::vector<std::int16_t> decoded(pcm.size());
    coder.Decode(codes.data(), codes.size(), decoded.data());
    EXPECT_GT(msgtest::SnrDb(pcm, decoded), 20.0); // spandsp's decoder: about 0 dB
}

// A track coded in uneven pieces is the track coded at once: the filters and the predictors
// carry over between calls. Reset starts the next track afresh.
TEST(G722, StateCarriesOverBetweenCallsAndResets)
{
    const std::vector<std::int16_t> pcm = TestSignal(6002);
    const std::vector<std::uint8_t> expected = EncodeDirect(pcm);
    CG722 coder;
    for (int track = 0; track < 2; ++track) {
        SCOPED_TRACE(track);
        coder.Reset(); // without it the second track would start from the first one's state
        std::vector<std::uint8_t> codes(pcm.size() / 2);
        std::vector<std::int16_t> decoded(pcm.size());
        std::size_t coded = 0;
        for (std::size_t piece : {2u, 6u, 1000u, 22u, 2000u, 2972u}) {
            ASSERT_EQ(coder.Encode(pcm.data() + coded, piece, codes.data() + coded / 2), piece / 2);
            ASSERT_EQ(coder.Decode(codes.data() + coded / 2, piece / 2, decoded.data() + coded),
                      piece);
            coded += piece;
        }
        ASSERT_EQ(coded, pcm.size());
        EXPECT_EQ(codes, expected);
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
