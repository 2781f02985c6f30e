#pragma once

#include <algorithm>
#include <cstdint>

// R4000_G722_SCALAR builds the portable path on x86-64 too, for the tests to hold it to the
// same results.
#if defined(__SSE2__) && !defined(R4000_G722_SCALAR)
#define R4000_G722_SSE2 1
#include <emmintrin.h>
#endif

// The adaptive half of one G.722 sub-band: the step size of its quantizer and the pole-zero
// predictor that estimates its next sample. The coder and every decoder keep a band each,
// fed with the same quantized differences, and so stay in step without side information.
//
// The coder runs this once per band for every code byte, so it is defined here to be inlined
// into the coding loops, and the six-zero section, the bulk of the work, is done in SSE2
// where the processor has it (every x86-64 does) with exactly the results of the scalar
// rules, which the other processors use.
class G722Band
{
public:
    // The state at the start of a track; `step` is the quantizer's first step size.
    void Reset(int step)
    {
        *this = G722Band();
        step_ = static_cast<std::int16_t>(step);
    }

    // The predictor's estimate of the next sample, which the quantizer codes the error of.
    int Estimate() const { return estimate_; }
    int Step() const { return step_; }

    // Moves the logarithmic scale factor by `weight` (kept within 0..`ceiling`) and derives the
    // step size from it; `shift` places the step range of the band (8 lower, 10 higher).
    void Rescale(int weight, int ceiling, int shift);

    // Takes the quantized difference of this sample, adapts the predictor's two pole and six
    // zero coefficients and computes the estimate of the next sample.
    void Adapt(int difference);

    // Every sum of the coder is kept within 16 bits this way.
    static int Saturate(int value) { return std::clamp(value, -32768, 32767); }

private:
    static bool SignsDiffer(int a, int b) { return (a < 0) != (b < 0); }
    int AdaptZeros(int difference);

    // The step size for each of the 32 fractional parts of the logarithmic scale factor.
    static constexpr std::int16_t kSteps[32] = {2048, 2093, 2139, 2186, 2233, 2282, 2332, 2383,
                                                2435, 2489, 2543, 2599, 2656, 2714, 2774, 2834,
                                                2896, 2960, 3025, 3091, 3158, 3228, 3298, 3371,
                                                3444, 3520, 3597, 3676, 3756, 3838, 3922, 4008};

    // Six coefficients and the six differences they weigh (newest first), in eight lanes
    // whose last two stay zero.
    alignas(16) std::int16_t zeros_[8] = {};
    alignas(16) std::int16_t differences_[8] = {};
    std::int16_t estimate_ = 0;
    std::int16_t zeroEstimate_ = 0; // the six-zero section's share of the estimate
    std::int16_t lastSignal_ = 0;   // reconstructed signal of the previous sample
    std::int16_t partial_[2] = {};  // the last two partially reconstructed signals
    std::int16_t poles_[2] = {};
    std::int16_t logScale_ = 0;
    std::int16_t step_ = 0;
};

inline void G722Band::Rescale(int weight, int ceiling, int shift)
{
    logScale_ =
        static_cast<std::int16_t>(std::clamp(((logScale_ * 127) >> 7) + weight, 0, ceiling));
    const int mantissa = kSteps[(logScale_ >> 6) & 31];
    const int exponent = shift - (logScale_ >> 11);
    const int scaled = exponent < 0 ? mantissa << -exponent : mantissa >> exponent;
    step_ = static_cast<std::int16_t>(scaled << 2);
}

inline void G722Band::Adapt(int difference)
{
    const int signal = Saturate(estimate_ + difference);
    const int partial = Saturate(zeroEstimate_ + difference);

    // Second pole first: it bounds the first.
    const int pole1Times4 = Saturate(poles_[0] * 4);
    const int pole1Term =
        std::min(SignsDiffer(partial, partial_[0]) ? pole1Times4 : -pole1Times4, 32767);
    const int pole2 = std::clamp((SignsDiffer(partial, partial_[1]) ? -128 : 128) +
                                     (pole1Term >> 7) + ((poles_[1] * 32512) >> 15),
                                 -12288, 12288);
    const int pole1Limit = 15360 - pole2;
    const int pole1 = std::clamp(
        Saturate((SignsDiffer(partial, partial_[0]) ? -192 : 192) + ((poles_[0] * 32640) >> 15)),
        -pole1Limit, pole1Limit);

    const int poleEstimate = Saturate(((pole1 * Saturate(signal + signal)) >> 15) +
                                      ((pole2 * Saturate(lastSignal_ + lastSignal_)) >> 15));
    lastSignal_ = static_cast<std::int16_t>(signal);
    poles_[0] = static_cast<std::int16_t>(pole1);
    poles_[1] = static_cast<std::int16_t>(pole2);
    partial_[1] = partial_[0];
    partial_[0] = static_cast<std::int16_t>(partial);

    zeroEstimate_ = static_cast<std::int16_t>(Saturate(AdaptZeros(difference)));
    estimate_ = static_cast<std::int16_t>(Saturate(poleEstimate + zeroEstimate_));
}

// Each zero coefficient leaks by 1/256 (b * 32640 >> 15, that is b - ceil(b / 256)) and is
// nudged by 128 towards agreeing in sign with its difference; the estimate is then the sum of
// (b * 2d) >> 15 over the differences shifted by this sample's.
inline int G722Band::AdaptZeros(int difference)
{
#ifdef R4000_G722_SSE2
    const __m128i used = _mm_setr_epi16(-1, -1, -1, -1, -1, -1, 0, 0);
    const __m128i older = _mm_load_si128(reinterpret_cast<const __m128i*>(differences_));
    const __m128i zeros = _mm_load_si128(reinterpret_cast<const __m128i*>(zeros_));

    const __m128i differ =
        _mm_srai_epi16(_mm_xor_si128(older, _mm_set1_epi16(static_cast<short>(difference))), 15);
    const __m128i nudge = _mm_and_si128(_mm_set1_epi16(difference == 0 ? 0 : 128), used);
    const __m128i towards = _mm_sub_epi16(_mm_xor_si128(nudge, differ), differ);
    const __m128i whole =
        _mm_cmpeq_epi16(_mm_and_si128(zeros, _mm_set1_epi16(255)), _mm_setzero_si128());
    const __m128i leak =
        _mm_add_epi16(_mm_add_epi16(_mm_srai_epi16(zeros, 8), _mm_set1_epi16(1)), whole);
    const __m128i adapted = _mm_adds_epi16(towards, _mm_sub_epi16(zeros, leak));
    _mm_store_si128(reinterpret_cast<__m128i*>(zeros_), adapted);

    const __m128i newer =
        _mm_and_si128(_mm_insert_epi16(_mm_slli_si128(older, 2), difference, 0), used);
    _mm_store_si128(reinterpret_cast<__m128i*>(differences_), newer);

    const __m128i doubled = _mm_adds_epi16(newer, newer);
    const __m128i low = _mm_mullo_epi16(adapted, doubled);
    const __m128i high = _mm_mulhi_epi16(adapted, doubled);
    __m128i sum = _mm_add_epi32(_mm_srai_epi32(_mm_unpacklo_epi16(low, high), 15),
                                _mm_srai_epi32(_mm_unpackhi_epi16(low, high), 15));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0x4E));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0xB1));
    return _mm_cvtsi128_si32(sum);
#else
    const int nudge = difference == 0 ? 0 : 128;
    int estimate = 0;
    for (int i = 5; i >= 0; --i) {
        const int towards = SignsDiffer(differences_[i], difference) ? -nudge : nudge;
        zeros_[i] = static_cast<std::int16_t>(Saturate(towards + ((zeros_[i] * 32640) >> 15)));
        const int newer = i > 0 ? differences_[i - 1] : difference;
        estimate += (zeros_[i] * Saturate(newer + newer)) >> 15;
        differences_[i] = static_cast<std::int16_t>(newer);
    }
    return estimate;
#endif
}
