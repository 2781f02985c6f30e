#include "CG722.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTaps = CG722::kFilterPairs + 1;
constexpr std::size_t kChunkPairs = 256;

// The 24-tap quadrature mirror filter, by its 12 distinct coefficients.
constexpr std::int16_t kMirror[kTaps] = {3, -11, 12, 32, -210, 951, 3876, -805, 362, -156, 53, -11};

// The analysis filters as rows over 24 consecutive input samples, oldest first, so that each
// sub-band sample is one dot product the compiler can vectorise.
struct AnalysisRows {
    std::int16_t low[2 * kTaps];
    std::int16_t high[2 * kTaps];
};

constexpr AnalysisRows MakeAnalysisRows()
{
    AnalysisRows rows{};
    for (int k = 0; k < kTaps; ++k) {
        rows.low[2 * k] = kMirror[k];
        rows.low[2 * k + 1] = kMirror[kTaps - 1 - k];
        rows.high[2 * k] = static_cast<std::int16_t>(-kMirror[k]);
        rows.high[2 * k + 1] = kMirror[kTaps - 1 - k];
    }
    return rows;
}

constexpr AnalysisRows kAnalysis = MakeAnalysisRows();

// Lower sub-band: the 29 decision levels of the 6-bit quantizer (in units of step / 4096),
// the codes by how many levels the error's magnitude reaches, and the 4-bit reconstruction
// levels the predictor works with.
constexpr int kLevels[29] = {35,   72,   110,  150,  190,  233,  276,  323,  370,  422,
                             473,  530,  587,  650,  714,  786,  858,  940,  1023, 1121,
                             1219, 1339, 1458, 1612, 1765, 1980, 2195, 2557, 2919};
constexpr std::uint8_t kNegativeCode[30] = {63, 62, 31, 30, 29, 28, 27, 26, 25, 24,
                                            23, 22, 21, 20, 19, 18, 17, 16, 15, 14,
                                            13, 12, 11, 10, 9,  8,  7,  6,  5,  4};
constexpr std::uint8_t kPositiveCode[30] = {61, 60, 59, 58, 57, 56, 55, 54, 53, 52,
                                            51, 50, 49, 48, 47, 46, 45, 44, 43, 42,
                                            41, 40, 39, 38, 37, 36, 35, 34, 33, 32};
constexpr std::int16_t kLow4Levels[16] = {0,     -20456, -12896, -8968, -6288, -4240, -2584, -1200,
                                          20456, 12896,  8968,   6288,  4240,  2584,  1200,  0};
constexpr std::int16_t kLow6Levels[64] = {
    -136,   -136,   -136,  -136,  -24808, -21904, -19008, -16704, -14984, -13512, -12280,
    -11192, -10232, -9360, -8576, -7856,  -7192,  -6576,  -6000,  -5456,  -4944,  -4464,
    -4008,  -3576,  -3168, -2776, -2400,  -2032,  -1688,  -1360,  -1040,  -728,   24808,
    21904,  19008,  16704, 14984, 13512,  12280,  11192,  10232,  9360,   8576,   7856,
    7192,   6576,   6000,  5456,  4944,   4464,   4008,   3576,   3168,   2776,   2400,
    2032,   1688,   1360,  1040,  728,    432,    136,    -432,   -136};
constexpr int kLowWeights[8] = {-60, -30, 58, 172, 334, 538, 1198, 3042};
constexpr std::uint8_t kLowWeightIndex[16] = {0, 7, 6, 5, 4, 3, 2, 1, 7, 6, 5, 4, 3, 2, 1, 0};
constexpr int kLowCeiling = 18432;
constexpr int kLowShift = 8;

// Higher sub-band: one decision level, 2-bit codes, their levels and scale weights.
constexpr int kHighLevel = 564;
constexpr std::int16_t kHighLevels[4] = {-7408, -1616, 7408, 1616};
constexpr int kHighWeights[4] = {798, -214, 798, -214};
constexpr int kHighCeiling = 22528;
constexpr int kHighShift = 10;

// The step sizes the bands start a track with.
constexpr int kLowStart = 32;
constexpr int kHighStart = 8;

int Scaled(int step, int level)
{
    return (step * level) >> 15;
}

// The 6-bit code of the lower sub-band's prediction error. The decision levels rise with
// their index, so the count of those the magnitude reaches is the index of the first it
// does not; counting them all avoids a branch per level.
int QuantizeLow(int error, int step)
{
    const int magnitude = error >= 0 ? error : ~error;
    int reached = 0;
    for (int level : kLevels)
        reached += magnitude >= ((level * step) >> 12);
    return error < 0 ? kNegativeCode[reached] : kPositiveCode[reached];
}

int QuantizeHigh(int error, int step)
{
    const int magnitude = error >= 0 ? error : ~error;
    const bool large = magnitude >= ((kHighLevel * step) >> 12);
    if (error < 0)
        return large ? 0 : 1;
    return large ? 2 : 3;
}

int Dot(const std::int16_t* samples, const std::int16_t* row, int taps)
{
    int sum = 0;
    for (int k = 0; k < taps; ++k)
        sum += samples[k] * row[k];
    return sum;
}

} // namespace

CG722::CG722()
{
    Reset();
}

void CG722::Reset()
{
    encodeLow_.Reset(kLowStart);
    encodeHigh_.Reset(kHighStart);
    decodeLow_.Reset(kLowStart);
    decodeHigh_.Reset(kHighStart);
    std::memset(inputHistory_, 0, sizeof inputHistory_);
    std::memset(sumHistory_, 0, sizeof sumHistory_);
    std::memset(differenceHistory_, 0, sizeof differenceHistory_);
}

std::size_t CG722::Encode(const std::int16_t* pcm, std::size_t samples, std::uint8_t* codes)
{
    if (!pcm || !codes)
        return 0;
    constexpr std::size_t kHistory = 2 * kFilterPairs;
    std::int16_t window[kHistory + 2 * kChunkPairs];
    std::int16_t low[kChunkPairs];
    std::int16_t high[kChunkPairs];
    const std::size_t pairs = samples / 2;
    for (std::size_t done = 0; done < pairs;) {
        const std::size_t chunk = std::min(kChunkPairs, pairs - done);
        std::memcpy(window, inputHistory_, sizeof inputHistory_);
        std::memcpy(window + kHistory, pcm + 2 * done, 2 * chunk * sizeof *pcm);
        // The filter bank needs no coder state, so it runs over the whole chunk first.
        for (std::size_t n = 0; n < chunk; ++n) {
            low[n] = static_cast<std::int16_t>(Dot(window + 2 * n, kAnalysis.low, 2 * kTaps) >> 14);
            high[n] =
                static_cast<std::int16_t>(Dot(window + 2 * n, kAnalysis.high, 2 * kTaps) >> 14);
        }
        std::memcpy(inputHistory_, window + 2 * chunk, sizeof inputHistory_);

        // Local copies: the stores of code bytes could alias the members, which would make
        // the compiler reload the whole state after each one.
        G722Band lowBand = encodeLow_;
        G722Band highBand = encodeHigh_;
        for (std::size_t n = 0; n < chunk; ++n) {
            const int lowCode =
                QuantizeLow(G722Band::Saturate(low[n] - lowBand.Estimate()), lowBand.Step());
            const int lowDifference = Scaled(lowBand.Step(), kLow4Levels[lowCode >> 2]);
            lowBand.Rescale(kLowWeights[kLowWeightIndex[lowCode >> 2]], kLowCeiling, kLowShift);
            lowBand.Adapt(lowDifference);

            const int highCode =
                QuantizeHigh(G722Band::Saturate(high[n] - highBand.Estimate()), highBand.Step());
            const int highDifference = Scaled(highBand.Step(), kHighLevels[highCode]);
            highBand.Rescale(kHighWeights[highCode], kHighCeiling, kHighShift);
            highBand.Adapt(highDifference);

            codes[done + n] = static_cast<std::uint8_t>(highCode << 6 | lowCode);
        }
        encodeLow_ = lowBand;
        encodeHigh_ = highBand;
        done += chunk;
    }
    return pairs;
}

std::size_t CG722::Decode(const std::uint8_t* codes, std::size_t count, std::int16_t* pcm)
{
    if (!codes || !pcm)
        return 0;
    std::int16_t sums[kFilterPairs + kChunkPairs];
    std::int16_t differences[kFilterPairs + kChunkPairs];
    for (std::size_t done = 0; done < count;) {
        const std::size_t chunk = std::min(kChunkPairs, count - done);
        std::memcpy(sums, sumHistory_, sizeof sumHistory_);
        std::memcpy(differences, differenceHistory_, sizeof differenceHistory_);
        G722Band lowBand = decodeLow_;
        G722Band highBand = decodeHigh_;
        for (std::size_t n = 0; n < chunk; ++n) {
            const int code = codes[done + n];
            const int lowCode = code & 0x3F;
            const int lowSignal = std::clamp(
                lowBand.Estimate() + Scaled(lowBand.Step(), kLow6Levels[lowCode]), -16384, 16383);
            const int lowDifference = Scaled(lowBand.Step(), kLow4Levels[lowCode >> 2]);
            lowBand.Rescale(kLowWeights[kLowWeightIndex[lowCode >> 2]], kLowCeiling, kLowShift);
            lowBand.Adapt(lowDifference);

            const int highCode = code >> 6;
            const int highDifference = Scaled(highBand.Step(), kHighLevels[highCode]);
            const int highSignal = std::clamp(highBand.Estimate() + highDifference, -16384, 16383);
            highBand.Rescale(kHighWeights[highCode], kHighCeiling, kHighShift);
            highBand.Adapt(highDifference);

            sums[kFilterPairs + n] = static_cast<std::int16_t>(lowSignal + highSignal);
            differences[kFilterPairs + n] = static_cast<std::int16_t>(lowSignal - highSignal);
        }
        decodeLow_ = lowBand;
        decodeHigh_ = highBand;
        // The synthesis filters. Their output can leave 16 bits on loud input; it is clipped,
        // where spandsp lets it wrap round into a crack of the opposite sign.
        std::int16_t* out = pcm + 2 * done;
        for (std::size_t n = 0; n < chunk; ++n) {
            int even = 0;
            int odd = 0;
            for (int k = 0; k < kTaps; ++k) {
                even += differences[n + k] * kMirror[kTaps - 1 - k];
                odd += sums[n + k] * kMirror[k];
            }
            out[2 * n] = static_cast<std::int16_t>(G722Band::Saturate(even >> 11));
            out[2 * n + 1] = static_cast<std::int16_t>(G722Band::Saturate(odd >> 11));
        }
        std::memcpy(sumHistory_, sums + chunk, sizeof sumHistory_);
        std::memcpy(differenceHistory_, differences + chunk, sizeof differenceHistory_);
        done += chunk;
    }
    return 2 * count;
}
