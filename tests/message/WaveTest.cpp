// WAVE import into the message record and export of either track.
#include "CR4700RecordData.h"
#include "FileSizeLimit.h"
#include "MessageError.h"
#include "MessageTestData.h"
#include "TempFolder.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using msgtest::WaveLayout;

// A constant level, so the fade-in shows as steps.
std::vector<std::uint8_t> Level(std::size_t samples, std::int16_t value)
{
    return msgtest::Bytes(std::vector<std::int16_t>(samples, value));
}

class WaveFixture : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.ok()); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = folder.path() + "/" + name;
        msgtest::WriteFile(path, bytes);
        return path;
    }

    std::vector<std::int16_t> Wideband()
    {
        std::vector<std::uint8_t> pcm(CR4700RecordData::kWidebandCapacity);
        std::size_t length = 0;
        EXPECT_TRUE(record.GetWideband(pcm.data(), pcm.size(), length));
        pcm.resize(length);
        return msgtest::Samples(pcm);
    }

    TempFolder folder;
    CR4700RecordData record;
};

TEST_F(WaveFixture, TenSecondsGiveBothTracksWithFadeIn)
{
    WaveLayout layout;
    layout.data = Level(160000, 10001);
    ASSERT_TRUE(record.ImportWave(Write("Evacuation.v2.wav", msgtest::Wave(layout))));
    EXPECT_EQ(record.WidebandLength(), 320000u);
    EXPECT_EQ(record.NarrowbandLength(), 160000u);
    EXPECT_EQ(record.Name(), "Evacuation.v2");
    EXPECT_GE(record.Date().year, 2024);

    const std::vector<std::int16_t> wide = Wideband();
    // Six blocks of 50 samples at -15 ... 0 dB, then the sound as it was.
    const std::int16_t expected[] = {1778, 2512, 3548, 5012, 7079, 10001, 10001};
    for (std::size_t block = 0; block < 7; ++block) {
        EXPECT_EQ(wide[block * 50], expected[block]) << block;
        EXPECT_EQ(wide[block * 50 + 49], expected[block]) << block;
    }
    std::vector<std::uint8_t> narrow(160000);
    std::size_t length = 0;
    ASSERT_TRUE(record.GetNarrowband(narrow.data(), narrow.size(), length));
    const std::vector<std::int16_t> n = msgtest::Samples(narrow);
    for (std::size_t i = 0; i < n.size(); ++i)
        ASSERT_EQ(n[i], wide[2 * i]) << i;
}

TEST_F(WaveFixture, ThirtySecondsAreCutToTwenty)
{
    WaveLayout layout;
    layout.data = Level(480000, 100);
    ASSERT_TRUE(record.ImportWave(Write("long.wav", msgtest::Wave(layout))));
    EXPECT_EQ(record.WidebandLength(), 640000u);
    EXPECT_EQ(record.NarrowbandLength(), 320000u);
}

TEST_F(WaveFixture, ShortSoundIsNotFaded)
{
    WaveLayout layout;
    layout.data = Level(2500, 10000); // exactly 5,000 bytes
    ASSERT_TRUE(record.ImportWave(Write("short", msgtest::Wave(layout))));
    EXPECT_EQ(record.Name(), "short");
    EXPECT_EQ(Wideband(), std::vector<std::int16_t>(2500, 10000));
}

// Chunk layout the reader must cope with: an odd-sized chunk before "fmt ", and a data
// chunk that claims more than the file holds (only what is there is read).
TEST_F(WaveFixture, ChunksAreWalkedAndSizesNotTrusted)
{
    WaveLayout layout;
    layout.listChunkFirst = true;
    layout.data = Level(1000, 5);
    layout.dataSizeExtra = 0x7FFFFFFF;
    ASSERT_TRUE(record.ImportWave(Write("odd.wav", msgtest::Wave(layout))));
    EXPECT_EQ(record.WidebandLength(), 2000u);
}

struct RefusedCase {
    const char* what;
    std::vector<std::uint8_t> file;
    int error;
};

class RefusedWave : public WaveFixture, public ::testing::WithParamInterface<RefusedCase>
{
};

std::vector<std::uint8_t> WithRate(std::uint32_t rate)
{
    WaveLayout layout;
    layout.rate = rate;
    layout.data = Level(100, 1);
    return msgtest::Wave(layout);
}

std::vector<std::uint8_t> WithBits(std::uint16_t bits)
{
    WaveLayout layout;
    layout.bits = bits;
    layout.data = Level(100, 1);
    return msgtest::Wave(layout);
}

// A valid file with one byte range overwritten or the file cut.
std::vector<std::uint8_t> Damaged(std::size_t offset, const char* bytes, std::size_t keep = 0)
{
    WaveLayout layout;
    layout.data = Level(100, 1);
    std::vector<std::uint8_t> file = msgtest::Wave(layout);
    std::memcpy(file.data() + offset, bytes, std::strlen(bytes));
    if (keep)
        file.resize(keep);
    return file;
}

// A failed import keeps what the record held before.
TEST_P(RefusedWave, KeepsPreviousData)
{
    const std::vector<std::uint8_t> pcm(600, 1);
    ASSERT_TRUE(record.SetSamples("old", RecordTime{}, pcm.data(), 600, pcm.data(), 300));
    EXPECT_FALSE(record.ImportWave(Write("in.wav", GetParam().file))) << GetParam().what;
    EXPECT_EQ(record.LastError(), GetParam().error) << GetParam().what;
    EXPECT_EQ(record.Name(), "old");
    EXPECT_EQ(record.WidebandLength(), 600u);
}

const std::string kText = "This is a text file, not a sound.\n";

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedWave,
    ::testing::Values(RefusedCase{"44,100 Hz", WithRate(44100), MessageError::BadSampleRate},
                      RefusedCase{"8 kHz", WithRate(8000), MessageError::BadSampleRate},
                      RefusedCase{"8-bit", WithBits(8), MessageError::BadSampleWidth},
                      RefusedCase{"text", std::vector<std::uint8_t>(kText.begin(), kText.end()),
                                  MessageError::NotWave},
                      RefusedCase{"empty", {}, MessageError::NotWave},
                      RefusedCase{"not WAVE form", Damaged(8, "AVI "), MessageError::NotWave},
                      RefusedCase{"no fmt chunk", Damaged(12, "junk"), MessageError::NotWave},
                      RefusedCase{"no data chunk", Damaged(36, "junk"), MessageError::NotWave},
                      RefusedCase{"fmt chunk cut", Damaged(0, "", 30), MessageError::NotWave},
                      RefusedCase{"fmt chunk huge", Damaged(16, "\xff\xff\xff\x7f"),
                                  MessageError::NotWave},
                      RefusedCase{"data chunk empty", Damaged(0, "", 44), MessageError::NotWave}));

TEST_F(WaveFixture, MissingFileIsNotFound)
{
    EXPECT_FALSE(record.ImportWave(folder.path() + "/absent.wav"));
    EXPECT_EQ(record.LastError(), MessageError::FileNotFound);
}

TEST_F(WaveFixture, ExportWritesEitherTrackAndReplacesTheFile)
{
    const std::vector<std::int16_t> wide = msgtest::Sine(2000, 440, 16000, 5000);
    const std::vector<std::int16_t> narrow = msgtest::Sine(1000, 440, 8000, 5000);
    const auto wb = msgtest::Bytes(wide);
    const auto nb = msgtest::Bytes(narrow);
    ASSERT_TRUE(record.SetSamples("x", RecordTime{}, wb.data(), wb.size(), nb.data(), nb.size()));

    for (const bool wideband : {true, false}) {
        SCOPED_TRACE(wideband);
        const std::string path = Write("out.wav", std::vector<std::uint8_t>(20000, 0xEE));
        ASSERT_TRUE(record.ExportWave(path, wideband));
        const std::vector<std::uint8_t> file = msgtest::ReadFile(path);
        const std::vector<std::uint8_t>& pcm = wideband ? wb : nb;
        const std::uint32_t rate = wideband ? 16000 : 8000;
        ASSERT_EQ(file.size(), 46 + pcm.size());

        std::vector<std::uint8_t> header = {'R', 'I', 'F', 'F'};
        msgtest::PutLe(header, std::uint32_t(38 + pcm.size()), 4);
        const char* rest = "WAVEfmt ";
        header.insert(header.end(), rest, rest + 8);
        msgtest::PutLe(header, 18, 4);
        msgtest::PutLe(header, 1, 2); // PCM
        msgtest::PutLe(header, 1, 2); // mono
        msgtest::PutLe(header, rate, 4);
        msgtest::PutLe(header, rate * 2, 4);
        msgtest::PutLe(header, 2, 2);
        msgtest::PutLe(header, 16, 2);
        msgtest::PutLe(header, 0, 2);
        header.insert(header.end(), {'d', 'a', 't', 'a'});
        msgtest::PutLe(header, std::uint32_t(pcm.size()), 4);
        EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 46), header);
        EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 46, file.end()), pcm);
    }

    // The wideband export reads back through the importer (short enough not to be faded).
    const std::string path = folder.path() + "/again.wav";
    ASSERT_TRUE(record.ExportWave(path, true));
    CR4700RecordData again;
    ASSERT_TRUE(again.ImportWave(path));
    EXPECT_EQ(again.Name(), "again");
    std::vector<std::uint8_t> pcm(wb.size());
    std::size_t length = 0;
    ASSERT_TRUE(again.GetWideband(pcm.data(), pcm.size(), length));
    EXPECT_EQ(pcm, wb);
}

// On a disk that cannot take the new file, the old one stays whole and nothing else is left.
TEST_F(WaveFixture, ExportOnAFullDiskKeepsTheOldFile)
{
    const std::vector<std::uint8_t> pcm(64000, 1);
    ASSERT_TRUE(record.SetSamples("x", RecordTime{}, pcm.data(), pcm.size(), pcm.data(), 32000));
    const std::vector<std::uint8_t> old(20000, 0xEE);
    const std::string path = Write("out.wav", old);
    {
        const FileSizeLimit full(30000);
        EXPECT_FALSE(record.ExportWave(path, true));
    }
    EXPECT_EQ(record.LastError(), MessageError::WaveWriteFailed);
    EXPECT_EQ(msgtest::ReadFile(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(WaveFixture, ExportFailureIsReported)
{
    const std::vector<std::uint8_t> pcm(600, 1);
    ASSERT_TRUE(record.SetSamples("x", RecordTime{}, pcm.data(), 600, pcm.data(), 300));
    EXPECT_FALSE(record.ExportWave(folder.path() + "/no/such/folder/out.wav", true));
    EXPECT_EQ(record.LastError(), MessageError::WaveWriteFailed);
    // A folder of that name is no old file to replace, empty or not.
    const struct {
        const char* name;
        bool holdsAnother;
    } folders[] = {{"/busy.wav", true}, {"/empty.wav", false}};
    for (const auto& [name, holdsAnother] : folders) {
        const std::string taken = folder.path() + name;
        std::filesystem::create_directories(holdsAnother ? taken + "/inside" : taken);
        EXPECT_FALSE(record.ExportWave(taken, true)) << name;
        EXPECT_EQ(record.LastError(), MessageError::WaveWriteFailed);
        EXPECT_TRUE(std::filesystem::is_directory(taken)) << name;
    }
}

} // namespace
