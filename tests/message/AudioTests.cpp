// Recorder and player. AudioArgs needs no sound server; AudioServer runs under
// with-pulse.sh, which plays into a null sink whose monitor is the default source.
#include "CR4700Player.h"
#include "CR4700RecordData.h"
#include "CR4700Recorder.h"
#include "GainTable.h"
#include "MessageError.h"
#include "MessageTestData.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// `seconds` of a tone at `rate`.
std::vector<std::int16_t> Tone(double hz, int rate, double seconds, double amplitude)
{
    return msgtest::Sine(static_cast<std::size_t>(rate * seconds), hz, rate, amplitude);
}

// A record holding `wide` as its wideband track and every second sample as narrowband.
bool MakeRecord(CR4700RecordData& record, const std::vector<std::int16_t>& wide)
{
    std::vector<std::uint8_t> wb = msgtest::Bytes(wide);
    std::vector<std::uint8_t> nb(wb.size() / 2 + 2);
    nb.resize(CR4700RecordData::KeepEverySecondSample(wb.data(), wb.size(), 16, nb.data()));
    return record.SetSamples("tone", RecordTime{2024, 5, 6, 7, 8, 9}, wb.data(), wb.size(),
                             nb.data(), nb.size());
}

// Power of one frequency (Goertzel).
double Power(const std::vector<std::int16_t>& samples, double hz, int rate)
{
    double coeff = 2 * std::cos(2 * M_PI * hz / rate);
    double s1 = 0;
    double s2 = 0;
    for (std::int16_t x : samples) {
        double s0 = x + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coeff * s1 * s2;
}

// Stops the recorder and returns the wideband track it recorded; empty after a failure.
std::vector<std::int16_t> StopAndTake(CR4700Recorder& recorder)
{
    CR4700RecordData built;
    if (!recorder.Stop() || !recorder.BuildRecord(&built)) {
        ADD_FAILURE() << "recorder error " << recorder.LastError();
        return {};
    }
    std::vector<std::uint8_t> wb(CR4700RecordData::kWidebandCapacity);
    std::size_t length = 0;
    if (!built.GetWideband(wb.data(), wb.size(), length)) {
        ADD_FAILURE() << "no wideband track";
        return {};
    }
    wb.resize(length);
    return msgtest::Samples(wb);
}

// Whether a playback stream of ours is open and not paused on the sound server, which then
// keeps its sink busy.
bool OurStreamIsRunning()
{
    FILE* pipe = popen("pactl list sink-inputs 2>/dev/null", "r");
    if (pipe == nullptr)
        return false;
    std::string listing;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        listing.append(buffer, n);
    pclose(pipe);
    for (std::size_t at = listing.find("Sink Input #"); at != std::string::npos;) {
        const std::size_t next = listing.find("Sink Input #", at + 1);
        const std::string input = listing.substr(at, next - at);
        if (input.find("application.name = \"R4000\"") != std::string::npos &&
            input.find("Corked: no") != std::string::npos)
            return true;
        at = next;
    }
    return false;
}

// Waits for the (1, 0) completion call from a worker thread.
class Completion
{
public:
    std::function<void(int, int)> Callback()
    {
        return [this](int w, int l) {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
            w_ = w;
            l_ = l;
            when_ = Clock::now();
            cv_.notify_all();
        };
    }
    bool Wait(std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return cv_.wait_for(lock, limit, [this] { return done_; });
    }
    Clock::time_point When() const { return when_; }
    int W() const { return w_; }
    int L() const { return l_; }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    int w_ = -1;
    int l_ = -1;
    Clock::time_point when_;
};

// Points libpulse at a socket where nothing listens, for the life of the object.
class NoServer
{
public:
    NoServer()
    {
        const char* old = std::getenv("PULSE_SERVER");
        if (old != nullptr) {
            saved_ = old;
            had_ = true;
        }
        setenv("PULSE_SERVER", "unix:/nonexistent/r4000/native", 1);
    }
    ~NoServer()
    {
        if (had_) {
            setenv("PULSE_SERVER", saved_.c_str(), 1);
        } else {
            unsetenv("PULSE_SERVER");
        }
    }

private:
    std::string saved_;
    bool had_ = false;
};

} // namespace

TEST(AudioArgs, StartRejectsLengthsOutsideOneToTwentySeconds)
{
    NoServer noServer;
    struct Case {
        int seconds;
        int error;
        std::size_t capacity;
    };
    // Valid lengths get as far as the missing server (1) and set the capacity.
    for (const Case& c : {Case{0, 87, 0}, Case{21, 87, 0}, Case{-1, 87, 0}, Case{1, 1, 32000},
                          Case{20, 1, 640000}}) {
        SCOPED_TRACE(c.seconds);
        CR4700Recorder recorder;
        EXPECT_FALSE(recorder.Start(nullptr, c.seconds));
        EXPECT_EQ(recorder.LastError(), c.error);
        EXPECT_EQ(recorder.Capacity(), c.capacity);
        EXPECT_FALSE(recorder.IsRecording());
    }
}

TEST(AudioArgs, WithoutServerNothingStartsAndStateStaysIdle)
{
    NoServer noServer;
    CR4700Recorder recorder;
    EXPECT_FALSE(recorder.Start(nullptr, 5));
    EXPECT_EQ(recorder.LastError(), MessageError::DeviceUnavailable);
    EXPECT_FALSE(recorder.Stop());
    EXPECT_EQ(recorder.LastError(), MessageError::NotRecording);
    CR4700RecordData record;
    EXPECT_FALSE(recorder.BuildRecord(&record));
    EXPECT_EQ(recorder.LastError(), MessageError::NotRecording);
    EXPECT_FALSE(recorder.BuildRecord(nullptr));
    EXPECT_EQ(recorder.LastError(), MessageError::InvalidArgument);

    CR4700RecordData tone;
    ASSERT_TRUE(MakeRecord(tone, Tone(440, 16000, 0.5, 8000)));
    CR4700Player player;
    EXPECT_FALSE(player.Play(&tone, true, nullptr));
    EXPECT_EQ(player.LastError(), MessageError::DeviceUnavailable);
    EXPECT_FALSE(player.IsLoaded());
    // A failed Play leaves nothing to pause or stop.
    EXPECT_FALSE(player.Pause());
    EXPECT_EQ(player.LastError(), MessageError::NotPlaying);
    EXPECT_FALSE(player.Stop());
    EXPECT_EQ(player.LastError(), MessageError::NotPlaying);
}

TEST(AudioArgs, PlayerRejectsMissingRecordAndOffTableVolume)
{
    CR4700Player player;
    CR4700RecordData empty;
    EXPECT_FALSE(player.Play(nullptr, true, nullptr));
    EXPECT_EQ(player.LastError(), MessageError::InvalidArgument);
    EXPECT_FALSE(player.Play(&empty, false, nullptr));
    EXPECT_EQ(player.LastError(), MessageError::InvalidArgument);
    for (int dB : {4, -18, 18, 1}) {
        SCOPED_TRACE(dB);
        EXPECT_FALSE(player.SetVolume(dB));
        EXPECT_EQ(player.LastError(), MessageError::InvalidArgument);
    }
    for (int dB : {-15, 0, 15}) {
        EXPECT_TRUE(player.SetVolume(dB)) << dB;
    }
}

// Shaping on a constant signal: each fade block must carry its own gain step, the middle
// stays untouched, and takes of 5,000 bytes or less are left as recorded.
TEST(AudioArgs, ShapeFadesBothEndsOnlyAboveFiveThousandBytes)
{
    const std::int16_t level = 10000;
    auto scaled = [&](int dB) {
        double factor = 1.0;
        GainTable::Factor(dB, factor);
        std::int16_t one = level;
        GainTable::Apply(&one, 1, factor);
        return one;
    };
    for (std::size_t bytes : {std::size_t{640}, std::size_t{5000}}) {
        std::vector<std::uint8_t> data =
            msgtest::Bytes(std::vector<std::int16_t>(bytes / 2, level));
        CR4700Recorder::Shape(data.data(), data.size());
        EXPECT_EQ(msgtest::Samples(data), std::vector<std::int16_t>(bytes / 2, level)) << bytes;
    }

    const std::size_t count = 7500;
    std::vector<std::uint8_t> data = msgtest::Bytes(std::vector<std::int16_t>(count, level));
    CR4700Recorder::Shape(data.data(), data.size());
    std::vector<std::int16_t> s = msgtest::Samples(data);
    const int fadeIn[] = {-15, -12, -9, -6, -3, 0};
    for (int block = 0; block < 6; ++block) {
        for (int i : {0, 99}) {
            EXPECT_EQ(s[block * 100 + i], scaled(fadeIn[block])) << "in " << block;
        }
    }
    EXPECT_EQ(s[600], level);
    EXPECT_EQ(s[count - 1251], level);
    const int fadeOut[] = {-3, -6, -9, -12, -15};
    for (int block = 0; block < 5; ++block) {
        for (int i : {0, 249}) {
            EXPECT_EQ(s[count - 1250 + block * 250 + i], scaled(fadeOut[block])) << "out " << block;
        }
    }
}

TEST(AudioArgs, ShapeJustAboveThresholdTouchesOnlyTheEnds)
{
    // 2,501 samples: the fade-out starts at sample 1,251, the fade-in ends at 599.
    std::vector<std::uint8_t> data = msgtest::Bytes(std::vector<std::int16_t>(2501, 10000));
    CR4700Recorder::Shape(data.data(), data.size());
    std::vector<std::int16_t> s = msgtest::Samples(data);
    EXPECT_LT(s[0], 10000);
    EXPECT_EQ(s[600], 10000);
    EXPECT_EQ(s[1250], 10000);
    EXPECT_LT(s[1251], 10000);
    EXPECT_LT(s[2500], s[1251]);
}

TEST(AudioServer, RecordsTheTonePlayedIntoTheSink)
{
    CR4700Recorder recorder;
    Completion recordDone;
    ASSERT_TRUE(recorder.Start(recordDone.Callback(), 3)) << recorder.LastError();
    EXPECT_FALSE(recorder.Start(nullptr, 3));
    EXPECT_EQ(recorder.LastError(), MessageError::AlreadyRecording);
    CR4700RecordData built;
    EXPECT_FALSE(recorder.BuildRecord(&built));
    EXPECT_EQ(recorder.LastError(), MessageError::StillRecording);

    CR4700RecordData tone;
    ASSERT_TRUE(MakeRecord(tone, Tone(1000, 16000, 1.0, 12000)));
    CR4700Player player;
    Completion playDone;
    ASSERT_TRUE(player.Play(&tone, true, playDone.Callback())) << player.LastError();
    EXPECT_EQ(player.TotalLength(), 32000u);
    ASSERT_TRUE(playDone.Wait(std::chrono::seconds(4)));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_TRUE(recorder.Stop());
    EXPECT_FALSE(recordDone.Wait(std::chrono::milliseconds(0))); // stopped, not completed
    ASSERT_TRUE(recorder.BuildRecord(&built)) << recorder.LastError();

    std::vector<std::uint8_t> wb(CR4700RecordData::kWidebandCapacity);
    std::size_t length = 0;
    ASSERT_TRUE(built.GetWideband(wb.data(), wb.size(), length));
    wb.resize(length);
    EXPECT_GT(length, 32000u);
    EXPECT_EQ(built.NarrowbandLength(), length / 2);
    std::vector<std::int16_t> got = msgtest::Samples(wb);
    double at = Power(got, 1000, 16000);
    for (double other : {700.0, 1500.0, 2300.0, 3100.0}) {
        EXPECT_GT(at, 100 * Power(got, other, 16000)) << other;
    }
}

TEST(AudioServer, RecorderStopsAtCapacityAndNotifies)
{
    CR4700Recorder recorder;
    Completion done;
    auto start = Clock::now();
    ASSERT_TRUE(recorder.Start(done.Callback(), 1));
    ASSERT_TRUE(done.Wait(std::chrono::seconds(4)));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(done.When() - start);
    EXPECT_GT(took.count(), 700);
    EXPECT_LT(took.count(), 2000);
    EXPECT_EQ(done.W(), 1);
    EXPECT_EQ(done.L(), 0);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_FALSE(recorder.InputFailed());
    EXPECT_LE(recorder.WidebandLength(), 32000u);
    EXPECT_GT(recorder.WidebandLength(), 32000u - 2 * 640);
    EXPECT_EQ(recorder.NarrowbandLength(), recorder.WidebandLength() / 2);
    EXPECT_FALSE(recorder.Stop());
    EXPECT_EQ(recorder.LastError(), MessageError::NotRecording);
    CR4700RecordData record;
    EXPECT_TRUE(recorder.BuildRecord(&record)) << recorder.LastError();
}

// Each track plays at its own rate: half a second of sound ends after about half a second
// whichever track is chosen (plus the sink's latency).
TEST(AudioServer, EndOfPlayAfterAboutTheTrackLength)
{
    CR4700RecordData tone;
    ASSERT_TRUE(MakeRecord(tone, Tone(500, 16000, 0.5, 8000)));
    for (bool wideband : {false, true}) {
        SCOPED_TRACE(wideband);
        CR4700Player player;
        Completion done;
        auto start = Clock::now();
        ASSERT_TRUE(player.Play(&tone, wideband, done.Callback())) << player.LastError();
        EXPECT_EQ(player.BlockSize(), wideband ? 10240u : 5120u);
        EXPECT_EQ(player.TotalLength(), wideband ? 16000u : 8000u);
        EXPECT_FALSE(player.Play(&tone, wideband, nullptr));
        EXPECT_EQ(player.LastError(), MessageError::AlreadyPlaying);
        ASSERT_TRUE(done.Wait(std::chrono::seconds(4)));
        const auto took =
            std::chrono::duration_cast<std::chrono::milliseconds>(done.When() - start);
        EXPECT_GT(took.count(), 400);
        EXPECT_LT(took.count(), 1500);
        EXPECT_EQ(done.W(), 1);
        EXPECT_EQ(done.L(), 0);
        EXPECT_FALSE(player.Failed());
        // The end leaves the output paused, so the sink may idle, and clears the loaded state.
        EXPECT_FALSE(OurStreamIsRunning());
        EXPECT_FALSE(player.Stop());
        EXPECT_EQ(player.LastError(), MessageError::NotPlaying);
    }
}

// Pausing holds the sound at once, not after what the server has queued, and resuming goes
// on from where it held: a 1.5 s tone paused for 1.2 s comes back as 1.5 s of tone around a
// gap of about 1.2 s (had the queued second played on, the gap would be a second shorter).
TEST(AudioServer, PauseHoldsAtOnceAndPlayResumesWhereItHeld)
{
    CR4700Recorder recorder;
    ASSERT_TRUE(recorder.Start(nullptr, 10));
    CR4700RecordData tone;
    ASSERT_TRUE(MakeRecord(tone, Tone(1000, 16000, 1.5, 12000)));
    CR4700Player player;
    Completion done;
    ASSERT_TRUE(player.Play(&tone, true, done.Callback()));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_TRUE(player.Pause());
    EXPECT_FALSE(player.Pause());
    EXPECT_EQ(player.LastError(), MessageError::AlreadyPaused);
    EXPECT_FALSE(done.Wait(std::chrono::milliseconds(1200)));
    EXPECT_TRUE(player.Play(&tone, true, nullptr)); // resumes
    ASSERT_TRUE(done.Wait(std::chrono::seconds(4)));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::vector<std::int16_t> got = StopAndTake(recorder);

    // 10 ms frames, sounding or silent: the sounding ones, and the longest silence after the
    // sound began.
    constexpr std::size_t kFrame = 160;
    int soundingFrames = 0;
    int longestGap = 0;
    int gap = 0;
    for (std::size_t at = 0; at + kFrame <= got.size(); at += kFrame) {
        double energy = 0;
        for (std::size_t i = at; i < at + kFrame; ++i)
            energy += double(got[i]) * got[i];
        if (std::sqrt(energy / kFrame) > 2000) {
            ++soundingFrames;
            gap = 0;
        } else if (soundingFrames > 0) {
            longestGap = std::max(longestGap, ++gap);
        }
    }
    EXPECT_NEAR(soundingFrames, 150, 15);
    EXPECT_GT(longestGap, 100);
}

TEST(AudioServer, StopEndsPlaybackWithoutNotice)
{
    CR4700RecordData tone;
    ASSERT_TRUE(MakeRecord(tone, Tone(500, 16000, 3.0, 8000)));
    CR4700Player player;
    Completion done;
    ASSERT_TRUE(player.Play(&tone, true, done.Callback()));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto start = Clock::now();
    ASSERT_TRUE(player.Stop());
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_FALSE(done.Wait(std::chrono::milliseconds(300)));
    EXPECT_FALSE(player.Stop());
    EXPECT_EQ(player.LastError(), MessageError::NotPlaying);
    // Loadable again after a stop.
    ASSERT_TRUE(player.Play(&tone, false, nullptr));
    EXPECT_TRUE(player.Stop());
}

// The gain step applies to what is read after it is set: a 1 kHz tone at 0 dB and then a
// 2 kHz tone of the same level at -15 dB come back about 15 dB apart.
TEST(AudioServer, VolumeStepScalesLaterPlayback)
{
    CR4700Recorder recorder;
    ASSERT_TRUE(recorder.Start(nullptr, 10));
    CR4700Player player;
    CR4700RecordData loud;
    CR4700RecordData soft;
    ASSERT_TRUE(MakeRecord(loud, Tone(1000, 16000, 0.5, 12000)));
    ASSERT_TRUE(MakeRecord(soft, Tone(2000, 16000, 0.5, 12000)));
    for (CR4700RecordData* tone : {&loud, &soft}) {
        Completion done;
        ASSERT_TRUE(player.Play(tone, true, done.Callback()));
        ASSERT_TRUE(done.Wait(std::chrono::seconds(4)));
        ASSERT_TRUE(player.SetVolume(-15));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::vector<std::int16_t> got = StopAndTake(recorder);
    double difference = 10 * std::log10(Power(got, 2000, 16000) / Power(got, 1000, 16000));
    EXPECT_NEAR(difference, -15.0, 2.0);
}

// Runs alone, under a server of its own (see CMakeLists.txt): a server that goes away
// mid-take ends both the play and the recording, each reported as a failure, and what was
// recorded before is kept.
TEST(AudioServerLoss, PlayAndRecordingReportTheServerGoingAway)
{
    const char* server = std::getenv("R4000_PULSE_PID");
    ASSERT_NE(server, nullptr) << "run under with-pulse.sh";
    CR4700Recorder recorder;
    Completion recorded;
    ASSERT_TRUE(recorder.Start(recorded.Callback(), 10));
    CR4700RecordData tone;
    ASSERT_TRUE(MakeRecord(tone, Tone(1000, 16000, 3.0, 8000)));
    CR4700Player player;
    Completion played;
    ASSERT_TRUE(player.Play(&tone, true, played.Callback()));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(kill(std::atoi(server), SIGKILL), 0);

    ASSERT_TRUE(played.Wait(std::chrono::seconds(3)));
    EXPECT_TRUE(player.Failed());
    ASSERT_TRUE(recorded.Wait(std::chrono::seconds(3)));
    EXPECT_TRUE(recorder.InputFailed());
    CR4700RecordData kept;
    EXPECT_TRUE(recorder.BuildRecord(&kept));
    EXPECT_GT(kept.WidebandLength(), 0u);
}
