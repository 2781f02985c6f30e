#pragma once

#include <cstdint>
#include <vector>

// Sounds made from sine tones, as 16 kHz 16-bit PCM: struck chime notes that ring out, and
// the steady, swept and switched tones of sirens.
class SoundSynth
{
public:
    static constexpr int kRate = 16000;

    // A chime note of frequency hz struck at seconds from the start, ringing for ring s.
    void chime(double at, double hz, double ring);
    // A tone whose frequency follows from..to and back every period s, for length s.
    void sweep(double at, double length, double from, double to, double period);
    // A tone that switches between two frequencies every half period.
    void twoTone(double at, double length, double low, double high, double period);
    // A tone on for half of every period and off for the other half.
    void pulses(double at, double length, double hz, double period);
    // Rising sweeps from..to, each period s long, one after the other.
    void whoops(double at, double length, double from, double to, double period);

    // The mix, scaled so that its loudest sample is at peak of full scale.
    std::vector<std::int16_t> samples(double peak = 0.7) const;

private:
    std::vector<double>& reach(double seconds);
    static double ramp(double t, double length);

    std::vector<double> mix_;
};
