// The message record: its ".pmf" image, the checks on reading one, its setters and getters
// and the gain table.
#include "CG722.h"
#include "CR4700RecordData.h"
#include "GainTable.h"
#include "MessageError.h"
#include "MessageTestData.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

const RecordTime kDate{2026, 12, 10, 6, 45, 7};

std::uint32_t Be32(const std::vector<std::uint8_t>& image, std::size_t offset)
{
    return std::uint32_t(image[offset]) << 24 | std::uint32_t(image[offset + 1]) << 16 |
           std::uint32_t(image[offset + 2]) << 8 | image[offset + 3];
}

void PutBe32(std::vector<std::uint8_t>& image, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        image[offset + i] = std::uint8_t(value >> (24 - 8 * i));
}

// Recomputes the checksum after the tracks were changed.
void FixChecksum(std::vector<std::uint8_t>& image)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 204; i < image.size(); ++i)
        sum += image[i];
    PutBe32(image, 200, sum);
}

void SetDateText(std::vector<std::uint8_t>& image, const char* text)
{
    std::memcpy(image.data() + 160, text, std::strlen(text));
}

// A record holding one second of a 1 kHz tone at 16 kHz and the same tone at 8 kHz.
class RecordFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wide = msgtest::Sine(16000, 1000, 16000, 8000);
        narrow = msgtest::Sine(8000, 1000, 8000, 8000);
        const auto wb = msgtest::Bytes(wide);
        const auto nb = msgtest::Bytes(narrow);
        ASSERT_TRUE(
            record.SetSamples("Fire drill", kDate, wb.data(), wb.size(), nb.data(), nb.size()));
        image.resize(record.GetFileSize());
        std::size_t size = 0;
        ASSERT_TRUE(record.Serialize(image.data(), image.size(), size));
        ASSERT_EQ(size, image.size());
    }

    std::vector<std::int16_t> wide, narrow;
    CR4700RecordData record;
    std::vector<std::uint8_t> image;
};

TEST_F(RecordFixture, ImageHeaderIsByteExact)
{
    ASSERT_EQ(image.size(), 204u + 8000 + 4000);
    const char magic[] = "R-4000 message\r\n";
    EXPECT_EQ(std::memcmp(image.data(), magic, 16), 0);
    for (std::size_t i = 16; i < 32; ++i)
        EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + 32)), "Fire drill");
    EXPECT_EQ(image[32 + 10], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + 160)),
              "2026-12-10 06:45:07");
    for (std::size_t i = 160 + 19; i < 192; ++i)
        EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(Be32(image, 192), 8000u);
    EXPECT_EQ(Be32(image, 196), 4000u);
    std::uint32_t sum = 0;
    for (std::size_t i = 204; i < image.size(); ++i)
        sum += image[i];
    EXPECT_EQ(Be32(image, 200), sum);
    EXPECT_EQ(record.WidebandCodeLength(), 8000u);
    EXPECT_EQ(record.NarrowbandCodeLength(), 4000u);
}

// Each track is coded from a fresh coder state, as a unit decodes it.
TEST_F(RecordFixture, TracksAreCodedIndependently)
{
    for (const auto& [pcm, offset] : {std::pair{&wide, 204u}, std::pair{&narrow, 204u + 8000}}) {
        CG722 fresh;
        std::vector<std::uint8_t> codes(pcm->size() / 2);
        fresh.Encode(pcm->data(), pcm->size(), codes.data());
        EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + offset,
                                            image.begin() + offset + codes.size()),
                  codes)
            << offset;
    }
}

TEST_F(RecordFixture, RoundTripDecodesBothTracks)
{
    CR4700RecordData read;
    ASSERT_TRUE(read.Parse(image.data(), image.size()));
    EXPECT_TRUE(read.HasData());
    EXPECT_EQ(read.Name(), "Fire drill");
    EXPECT_EQ(read.Date(), kDate);
    ASSERT_EQ(read.WidebandLength(), 4 * 8000u);
    ASSERT_EQ(read.NarrowbandLength(), 4 * 4000u);

    std::vector<std::uint8_t> pcm(CR4700RecordData::kWidebandCapacity);
    std::size_t length = 0;
    ASSERT_TRUE(read.GetWideband(pcm.data(), pcm.size(), length));
    pcm.resize(length);
    EXPECT_GT(msgtest::SnrDb(wide, msgtest::Samples(pcm)), 20.0);

    pcm.assign(CR4700RecordData::kNarrowbandCapacity, 0);
    ASSERT_TRUE(read.GetNarrowband(pcm.data(), pcm.size(), length));
    pcm.resize(length);
    EXPECT_GT(msgtest::SnrDb(narrow, msgtest::Samples(pcm)), 20.0);
}

struct ParseCase {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> change;
    bool accepted;
};

class ParseCases : public RecordFixture, public ::testing::WithParamInterface<ParseCase>
{
};

// Each image is offered to a record that already holds other data: a rejection must leave
// that data as it was.
TEST_P(ParseCases, AcceptsOrKeepsPreviousData)
{
    std::vector<std::uint8_t> changed = image;
    GetParam().change(changed);

    CR4700RecordData target;
    const std::vector<std::uint8_t> pcm(600, 7);
    ASSERT_TRUE(target.SetSamples("old", RecordTime{}, pcm.data(), pcm.size(), pcm.data(), 300));
    const bool parsed = target.Parse(changed.empty() ? nullptr : changed.data(), changed.size());
    EXPECT_EQ(parsed, GetParam().accepted) << GetParam().what;
    if (parsed) {
        EXPECT_EQ(target.WidebandLength(), 4u * Be32(changed, 192));
        EXPECT_TRUE(target.ApplyGain(3)); // empty tracks included
        return;
    }
    EXPECT_EQ(target.LastError(), MessageError::InvalidArgument);
    EXPECT_EQ(target.Name(), "old");
    EXPECT_EQ(target.Date(), RecordTime{});
    EXPECT_EQ(target.WidebandLength(), 600u);
    EXPECT_EQ(target.NarrowbandLength(), 300u);
}

// L1 and L2 set to the given values with the image resized and checksummed to match.
std::function<void(std::vector<std::uint8_t>&)> Lengths(std::uint32_t l1, std::uint32_t l2)
{
    return [l1, l2](std::vector<std::uint8_t>& image) {
        image.resize(204 + std::size_t(l1) + l2, 0x5A);
        PutBe32(image, 192, l1);
        PutBe32(image, 196, l2);
        FixChecksum(image);
    };
}

// L1 + L2 + 204 equals the image size only when the sum wraps at 32 bits.
void Wrapping(std::vector<std::uint8_t>& image)
{
    image.resize(408, 0);
    PutBe32(image, 192, 0xFFFFFFFFu);
    PutBe32(image, 196, 205);
    FixChecksum(image);
}

std::function<void(std::vector<std::uint8_t>&)> Date(const char* text)
{
    return [text](std::vector<std::uint8_t>& image) { SetDateText(image, text); };
}

INSTANTIATE_TEST_SUITE_P(
    Image, ParseCases,
    ::testing::Values(ParseCase{"unchanged", [](auto&) {}, true},
                      ParseCase{"empty", [](auto& i) { i.clear(); }, false},
                      ParseCase{"header only, short", [](auto& i) { i.resize(203); }, false},
                      ParseCase{"magic", [](auto& i) { i[7] = 'x'; }, false},
                      ParseCase{"bytes after the magic are free", [](auto& i) { i[14] = 'x'; },
                                true},
                      ParseCase{"one byte short", [](auto& i) { i.pop_back(); }, false},
                      ParseCase{"one byte long", [](auto& i) { i.push_back(0); }, false},
                      ParseCase{"largest tracks", Lengths(320000, 160000), true},
                      ParseCase{"wideband too long", Lengths(320001, 0), false},
                      ParseCase{"narrowband too long", Lengths(0, 160001), false},
                      ParseCase{"lengths wrapping 32 bits", Wrapping, false},
                      ParseCase{"empty tracks", Lengths(0, 0), true},
                      ParseCase{"month 13", Date("2026-13-10"), false},
                      ParseCase{"month 0", Date("2026-00-10"), false},
                      ParseCase{"day 32", Date("2026-12-32"), false},
                      ParseCase{"hour 24", Date("2026-12-10 24"), false},
                      ParseCase{"minute 60", Date("2026-12-10 06:60"), false},
                      ParseCase{"second 60", Date("2026-12-10 06:45:60"), false},
                      ParseCase{"year 99", Date("0099-12-31 23:59:59"), false},
                      ParseCase{"not digits", Date("20x6"), false},
                      ParseCase{"year 100, first moment", Date("0100-01-01 00:00:00"), true},
                      ParseCase{"year 9999, last moment", Date("9999-12-31 23:59:59"), true},
                      ParseCase{"checksum", [](auto& i) { i[204 + 17] ^= 1; }, false},
                      ParseCase{"checksum field", [](auto& i) { i[203] ^= 1; }, false}));

TEST_F(RecordFixture, FullLengthNameHasNoTerminator)
{
    const std::string name(128, 'N');
    ASSERT_TRUE(record.SetName(name));
    std::vector<std::uint8_t> full(record.GetFileSize());
    std::size_t size = 0;
    ASSERT_TRUE(record.Serialize(full.data(), full.size(), size));
    EXPECT_EQ(full[32 + 127], 'N');
    EXPECT_EQ(full[160], '2'); // the date follows at once

    CR4700RecordData read;
    ASSERT_TRUE(read.Parse(full.data(), size));
    EXPECT_EQ(read.Name(), name);

    EXPECT_FALSE(record.SetName(name + "N"));
    EXPECT_EQ(record.LastError(), MessageError::NameTooLong);
    EXPECT_EQ(record.Name(), name);
}

TEST_F(RecordFixture, CopiesAndBuffersAreChecked)
{
    std::vector<std::uint8_t> buffer(32000);
    std::size_t length = 0;
    EXPECT_TRUE(record.GetWideband(buffer.data(), 32000, length));
    EXPECT_EQ(length, 32000u);
    EXPECT_EQ(msgtest::Samples(buffer), wide);
    EXPECT_FALSE(record.GetWideband(buffer.data(), 31999, length));
    EXPECT_EQ(record.LastError(), MessageError::InvalidArgument);
    EXPECT_FALSE(record.GetNarrowband(nullptr, 32000, length));
    EXPECT_EQ(record.LastError(), MessageError::InvalidArgument);

    std::size_t size = 0;
    EXPECT_FALSE(record.Serialize(image.data(), image.size() - 1, size));
    EXPECT_EQ(record.LastError(), MessageError::InvalidArgument);
    EXPECT_FALSE(record.Serialize(nullptr, image.size(), size));
}

TEST(RecordData, EmptyRecordHasNoData)
{
    CR4700RecordData record;
    EXPECT_FALSE(record.HasData());
    EXPECT_EQ(record.Date(), (RecordTime{100, 1, 1, 0, 0, 0}));
    std::vector<std::uint8_t> buffer(1000);
    std::size_t length = 0;
    EXPECT_FALSE(record.GetWideband(buffer.data(), buffer.size(), length));
    EXPECT_EQ(record.LastError(), MessageError::NoData);
    EXPECT_FALSE(record.Serialize(buffer.data(), buffer.size(), length));
    EXPECT_EQ(record.LastError(), MessageError::NoData);
    EXPECT_FALSE(record.ApplyGain(0));
    EXPECT_EQ(record.LastError(), MessageError::NoData);
    EXPECT_FALSE(record.ExportWave("/tmp/never-written.wav", true));
    EXPECT_EQ(record.LastError(), MessageError::NoData);
}

TEST(RecordData, SetSamplesRejectsBadLengthsAndBuffers)
{
    const std::vector<std::uint8_t> pcm(CR4700RecordData::kWidebandCapacity + 1);
    const std::uint8_t* p = pcm.data();
    struct Case {
        const std::uint8_t* wide;
        std::size_t wideLength;
        const std::uint8_t* narrow;
        std::size_t narrowLength;
    };
    const Case cases[] = {
        {nullptr, 100, p, 50}, {p, 100, nullptr, 50}, {p, 0, p, 50},
        {p, 100, p, 0},        {p, 1280001, p, 50},   {p, 100, p, 640001},
    };
    for (const Case& c : cases) {
        CR4700RecordData record;
        EXPECT_FALSE(record.SetSamples("", kDate, c.wide, c.wideLength, c.narrow, c.narrowLength));
        EXPECT_EQ(record.LastError(), MessageError::InvalidArgument);
        EXPECT_FALSE(record.HasData());
    }
    CR4700RecordData record;
    EXPECT_TRUE(record.SetSamples("", kDate, p, 1280000, p, 640000));
    EXPECT_EQ(record.GetFileSize(), 480204u);
}

TEST(GainTable, StepsAndRefusals)
{
    const std::pair<int, double> steps[] = {
        {-15, 0.1778}, {-12, 0.2512}, {-9, 0.3548}, {-6, 0.5012}, {-3, 0.7079}, {0, 1.0},
        {3, 1.413},    {6, 1.995},    {9, 2.813},   {12, 3.981},  {15, 5.623}};
    for (const auto& [dB, expected] : steps) {
        double factor = 0;
        EXPECT_TRUE(GainTable::Factor(dB, factor)) << dB;
        EXPECT_DOUBLE_EQ(factor, expected) << dB;
    }
    for (int dB : {2, -1, 18, -18}) {
        double factor = 0;
        EXPECT_FALSE(GainTable::Factor(dB, factor)) << dB;
    }
}

TEST(RecordData, GainClampsTruncatesAndDerivesNarrowband)
{
    const std::vector<std::int16_t> samples = {30000, -30000, 3, -3, 1001, 7, -1001, 9};
    const auto wb = msgtest::Bytes(samples);
    const std::vector<std::uint8_t> nb(8);
    CR4700RecordData record;
    ASSERT_TRUE(record.SetSamples("", kDate, wb.data(), wb.size(), nb.data(), nb.size()));

    EXPECT_FALSE(record.ApplyGain(2));
    EXPECT_EQ(record.LastError(), MessageError::InvalidArgument);

    ASSERT_TRUE(record.ApplyGain(15));
    std::vector<std::uint8_t> out(16);
    std::size_t length = 0;
    ASSERT_TRUE(record.GetWideband(out.data(), out.size(), length));
    EXPECT_EQ(msgtest::Samples(out),
              (std::vector<std::int16_t>{32767, -32768, 16, -16, 5628, 39, -5628, 50}));
    ASSERT_TRUE(record.GetNarrowband(out.data(), out.size(), length));
    out.resize(length);
    EXPECT_EQ(msgtest::Samples(out), (std::vector<std::int16_t>{32767, 16, 5628, -5628}));

    ASSERT_TRUE(record.ApplyGain(-3));
    ASSERT_TRUE(record.GetNarrowband(out.data(), out.size(), length));
    // 32767 * 0.7079 = 23195.8, 16 * 0.7079 = 11.3, -5628 * 0.7079 = -3984.1: toward zero.
    EXPECT_EQ(msgtest::Samples(out), (std::vector<std::int16_t>{23195, 11, 3984, -3984}));
}

TEST(RecordData, KeepEverySecondSample)
{
    const std::uint8_t bytes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::uint8_t out[5] = {};
    EXPECT_EQ(CR4700RecordData::KeepEverySecondSample(bytes, 10, 8, out), 5u);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 5), (std::vector<std::uint8_t>{0, 2, 4, 6, 8}));
    EXPECT_EQ(CR4700RecordData::KeepEverySecondSample(bytes, 8, 16, out), 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 4), (std::vector<std::uint8_t>{0, 1, 4, 5}));
}

} // namespace
