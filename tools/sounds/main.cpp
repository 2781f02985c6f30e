// r4000_sounds DIR: writes DIR/Message/<group>/<title>.pmf, the standard messages, and
// DIR/sounds/siren<value>.pmf, the preview of each siren choice but "none" (255).
#include "CR4700RecordData.h"
#include "MessageFile.h"
#include "PosixFileOps.h"
#include "SoundSynth.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct Sound {
    std::string path; // below DIR, without ".pmf"
    std::function<void(SoundSynth&)> make;
};

// Notes of the chimes, in Hz.
constexpr double G4 = 392.0, C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.5;

// Notes struck one after the other, every spacing s; the last rings longer.
void notes(SoundSynth& s, std::initializer_list<double> hz, double spacing, double lastRing)
{
    int i = 0;
    for (const double note : hz) {
        const bool last = i + 1 == int(hz.size());
        s.chime(spacing * i, note, last ? lastRing : 0.9);
        ++i;
    }
}

const std::vector<Sound>& sounds()
{
    static const std::vector<Sound> all = {
        // The chime before a zone paging: four notes up.
        {"sounds/siren1",
         [](SoundSynth& s) {
             notes(s, {G4, C5, E5, G5}, 0.35, 1.6);
         }},
        // The chime before an all-call paging: four notes down.
        {"sounds/siren0",
         [](SoundSynth& s) {
             notes(s, {G5, E5, C5, G4}, 0.35, 1.6);
         }},
        {"sounds/siren32", [](SoundSynth& s) { s.sweep(0, 4.0, 600, 1250, 4.0); }},  // wail
        {"sounds/siren33", [](SoundSynth& s) { s.sweep(0, 3.0, 700, 1400, 0.25); }}, // yelp
        {"sounds/siren34", [](SoundSynth& s) { s.twoTone(0, 3.0, 660, 880, 1.0); }}, // hi-lo
        {"sounds/siren35", [](SoundSynth& s) { s.pulses(0, 3.0, 1000, 0.4); }},      // pulse
        {"sounds/siren36", [](SoundSynth& s) { s.whoops(0, 3.0, 500, 1400, 1.0); }}, // whoop
        {"Message/Chimes/Chime 2-tone",
         [](SoundSynth& s) {
             notes(s, {E5, C5}, 0.5, 1.6);
         }},
        {"Message/Chimes/Chime 4-tone up",
         [](SoundSynth& s) {
             notes(s, {C5, E5, G5, C6}, 0.3, 1.8);
         }},
        {"Message/Chimes/Chime 4-tone down",
         [](SoundSynth& s) {
             notes(s, {C6, G5, E5, C5}, 0.3, 1.8);
         }},
        {"Message/Tones/Test tone 1 kHz", [](SoundSynth& s) { s.pulses(0, 2.0, 1000, 4.0); }},
        {"Message/Tones/Sweep 300 Hz - 3 kHz",
         [](SoundSynth& s) { s.sweep(0, 3.0, 300, 3000, 6.0); }},
    };
    return all;
}

// A file's name as the Message Tool shows it: its title.
std::string titleOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: r4000_sounds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    PosixFileOps files;
    // A fixed date: the same build makes the same files.
    const RecordTime date{2026, 1, 1, 9, 0, 0};
    for (const Sound& sound : sounds()) {
        SoundSynth synth;
        sound.make(synth);
        const std::vector<std::int16_t> pcm = synth.samples();
        const auto* wideband = reinterpret_cast<const std::uint8_t*>(pcm.data());
        const std::size_t length = pcm.size() * sizeof(std::int16_t);
        std::vector<std::uint8_t> narrowband(length / 2 + 2);
        const std::size_t narrowLength =
            CR4700RecordData::KeepEverySecondSample(wideband, length, 16, narrowband.data());
        const std::string path = dir + "/" + sound.path + ".pmf";
        CR4700RecordData record;
        if (!files.makeDirectory(path.substr(0, path.rfind('/'))) ||
            !record.SetSamples(titleOf(sound.path), date, wideband, length, narrowband.data(),
                               narrowLength) ||
            !MessageFile::write(files, record, path)) {
            std::fprintf(stderr, "r4000_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
