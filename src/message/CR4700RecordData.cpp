#include "CR4700RecordData.h"

#include "CG722.h"
#include "CWavFile.h"
#include "GainTable.h"
#include "MessageError.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <thread>

namespace {

constexpr char kMagic[] = "R-4000 message";
constexpr std::size_t kMagicLength = 14;
constexpr std::size_t kMagicField = 0;
constexpr std::size_t kNameField = 32;
constexpr std::size_t kDateField = 160;
constexpr std::size_t kDateFieldSize = 32;
constexpr std::size_t kWidebandLengthField = 192;
constexpr std::size_t kNarrowbandLengthField = 196;
constexpr std::size_t kChecksumField = 200;

constexpr std::size_t kFadeThreshold = 5000; // bytes
constexpr std::size_t kFadeBlock = 50;       // samples per fade step
constexpr int kFadeSteps[] = {-15, -12, -9, -6, -3, 0};

std::uint32_t ReadBe32(const std::uint8_t* p)
{
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

void PutBe32(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

std::uint32_t ByteSum(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < size; ++i)
        sum += data[i];
    return sum;
}

bool ValidDate(const RecordTime& t)
{
    return t.year >= 100 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
           t.second >= 0 && t.second <= 59;
}

// Decimal value of `count` characters; false when one of them is not a digit.
bool ReadDecimal(const std::uint8_t* p, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        value = value * 10 + (p[i] - '0');
    }
    return true;
}

// Runs `aside` on a thread of its own while `here` runs on this one, or both here when the
// system has no thread to give.
template <typename Aside, typename Here> void AtTheSameTime(Aside aside, Here here)
{
    std::thread worker;
    try {
        worker = std::thread(aside);
    } catch (const std::system_error&) {
        aside();
    }
    here();
    if (worker.joinable())
        worker.join();
}

// One code byte per two samples: a track of n PCM bytes codes to n / 4 bytes.
std::vector<std::uint8_t> EncodeTrack(CG722& coder, const std::vector<std::uint8_t>& pcm)
{
    const std::size_t samples = pcm.size() / 4 * 2;
    std::vector<std::int16_t> input(samples);
    if (samples > 0)
        std::memcpy(input.data(), pcm.data(), samples * 2);
    std::vector<std::uint8_t> codes(samples / 2);
    coder.Reset();
    codes.resize(coder.Encode(input.data(), samples, codes.data()));
    return codes;
}

std::vector<std::uint8_t> DecodeTrack(CG722& coder, const std::uint8_t* codes, std::size_t count)
{
    std::vector<std::int16_t> output(count * 2);
    coder.Reset();
    const std::size_t samples = coder.Decode(codes, count, output.data());
    std::vector<std::uint8_t> pcm(samples * 2);
    if (samples > 0)
        std::memcpy(pcm.data(), output.data(), pcm.size());
    return pcm;
}

// The file's title: after the last path separator, before the last dot, cut to the name
// field without splitting a UTF-8 sequence.
std::string TitleOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = title.rfind('.');
    if (dot != std::string::npos)
        title.erase(dot);
    if (title.size() > CR4700RecordData::kMaxNameSize) {
        std::size_t cut = CR4700RecordData::kMaxNameSize;
        while (cut > 0 && (static_cast<unsigned char>(title[cut]) & 0xC0) == 0x80)
            --cut;
        title.erase(cut);
    }
    return title;
}

} // namespace

bool CR4700RecordData::Fail(int error)
{
    error_ = error;
    return false;
}

bool CR4700RecordData::SetSamples(const std::string& name, const RecordTime& date,
                                  const std::uint8_t* wideband, std::size_t widebandLength,
                                  const std::uint8_t* narrowband, std::size_t narrowbandLength)
{
    if (!wideband || !narrowband || widebandLength == 0 || narrowbandLength == 0 ||
        widebandLength > kWidebandCapacity || narrowbandLength > kNarrowbandCapacity ||
        !ValidDate(date))
        return Fail(MessageError::InvalidArgument);
    if (name.size() > kMaxNameSize)
        return Fail(MessageError::NameTooLong);
    name_ = name;
    date_ = date;
    wideband_.assign(wideband, wideband + widebandLength);
    narrowband_.assign(narrowband, narrowband + narrowbandLength);
    hasData_ = true;
    error_ = MessageError::None;
    return true;
}

bool CR4700RecordData::SetName(const std::string& name)
{
    if (name.size() > kMaxNameSize)
        return Fail(MessageError::NameTooLong);
    name_ = name;
    return true;
}

bool CR4700RecordData::CopyTrack(const std::vector<std::uint8_t>& track, std::uint8_t* buffer,
                                 std::size_t capacity, std::size_t& length)
{
    if (!hasData_)
        return Fail(MessageError::NoData);
    if (!buffer || capacity < track.size())
        return Fail(MessageError::InvalidArgument);
    if (!track.empty())
        std::memcpy(buffer, track.data(), track.size());
    length = track.size();
    return true;
}

bool CR4700RecordData::GetWideband(std::uint8_t* buffer, std::size_t capacity, std::size_t& length)
{
    return CopyTrack(wideband_, buffer, capacity, length);
}

bool CR4700RecordData::GetNarrowband(std::uint8_t* buffer, std::size_t capacity,
                                     std::size_t& length)
{
    return CopyTrack(narrowband_, buffer, capacity, length);
}

std::size_t CR4700RecordData::GetFileSize()
{
    if (!hasData_) {
        error_ = MessageError::NoData;
        return 0;
    }
    // The coder gives exactly one byte per two samples, so the coded lengths follow from the
    // PCM lengths without running it.
    widebandCode_ = wideband_.size() / 4;
    narrowbandCode_ = narrowband_.size() / 4;
    return widebandCode_ + narrowbandCode_ + kHeaderSize;
}

bool CR4700RecordData::Serialize(std::uint8_t* buffer, std::size_t capacity, std::size_t& size)
{
    if (!hasData_)
        return Fail(MessageError::NoData);
    if (!buffer || capacity < GetFileSize())
        return Fail(MessageError::InvalidArgument);

    // The two tracks are coded at the same time, each by a coder of its own.
    CG722 wideCoder;
    CG722 narrowCoder;
    std::vector<std::uint8_t> narrow;
    std::vector<std::uint8_t> wide;
    AtTheSameTime([&] { narrow = EncodeTrack(narrowCoder, narrowband_); },
                  [&] { wide = EncodeTrack(wideCoder, wideband_); });
    widebandCode_ = wide.size();
    narrowbandCode_ = narrow.size();
    const std::size_t total = kHeaderSize + wide.size() + narrow.size();
    if (capacity < total)
        return Fail(MessageError::InvalidArgument);

    std::memset(buffer, 0, kHeaderSize);
    std::memcpy(buffer + kMagicField, kMagic, kMagicLength);
    buffer[kMagicField + kMagicLength] = '\r';
    buffer[kMagicField + kMagicLength + 1] = '\n';
    // A name of exactly 128 bytes fills the field without a terminating zero.
    std::memcpy(buffer + kNameField, name_.data(), name_.size());
    const std::string date = date_.Text();
    std::memcpy(buffer + kDateField, date.data(), std::min(date.size(), kDateFieldSize));
    PutBe32(buffer + kWidebandLengthField, static_cast<std::uint32_t>(wide.size()));
    PutBe32(buffer + kNarrowbandLengthField, static_cast<std::uint32_t>(narrow.size()));
    PutBe32(buffer + kChecksumField,
            ByteSum(wide.data(), wide.size()) + ByteSum(narrow.data(), narrow.size()));
    if (!wide.empty())
        std::memcpy(buffer + kHeaderSize, wide.data(), wide.size());
    if (!narrow.empty())
        std::memcpy(buffer + kHeaderSize + wide.size(), narrow.data(), narrow.size());
    size = total;
    return true;
}

bool CR4700RecordData::Refuse(const char* problem)
{
    problem_ = problem;
    return Fail(MessageError::InvalidArgument);
}

const char* CR4700RecordData::CheckImage(const std::uint8_t* image, std::size_t size,
                                         Header& header)
{
    if (!image || size < kHeaderSize)
        return "it is shorter than the header of a message file";
    if (std::memcmp(image + kMagicField, kMagic, kMagicLength))
        return "it is no message file (its first bytes are wrong)";

    const std::uint32_t wideLength = ReadBe32(image + kWidebandLengthField);
    const std::uint32_t narrowLength = ReadBe32(image + kNarrowbandLengthField);
    if (static_cast<std::uint64_t>(wideLength) + narrowLength + kHeaderSize != size)
        return "its size is not the header and the two track lengths it gives";
    if (wideLength > kMaxWidebandCode || narrowLength > kMaxNarrowbandCode)
        return "a track is longer than a message can be";

    // "YYYY-MM-DD hh:mm:ss"; the separators are not examined.
    const std::uint8_t* text = image + kDateField;
    RecordTime date;
    if (!ReadDecimal(text, 4, date.year) || !ReadDecimal(text + 5, 2, date.month) ||
        !ReadDecimal(text + 8, 2, date.day) || !ReadDecimal(text + 11, 2, date.hour) ||
        !ReadDecimal(text + 14, 2, date.minute) || !ReadDecimal(text + 17, 2, date.second) ||
        !ValidDate(date))
        return "its recording date is no date";

    const std::uint8_t* wide = image + kHeaderSize;
    if (ByteSum(wide, wideLength) + ByteSum(wide + wideLength, narrowLength) !=
        ReadBe32(image + kChecksumField))
        return "its checksum does not hold";

    const char* name = reinterpret_cast<const char*>(image + kNameField);
    header.name.assign(name, strnlen(name, kMaxNameSize));
    header.date = date;
    header.widebandCode = wideLength;
    header.narrowbandCode = narrowLength;
    return nullptr;
}

bool CR4700RecordData::Parse(const std::uint8_t* image, std::size_t size)
{
    Header header;
    if (const char* problem = CheckImage(image, size, header))
        return Refuse(problem);
    const std::size_t wideLength = header.widebandCode;
    const std::size_t narrowLength = header.narrowbandCode;
    const std::uint8_t* wide = image + kHeaderSize;
    const std::uint8_t* narrow = wide + wideLength;

    CG722 wideCoder;
    CG722 narrowCoder;
    std::vector<std::uint8_t> narrowPcm;
    std::vector<std::uint8_t> widePcm;
    AtTheSameTime([&] { narrowPcm = DecodeTrack(narrowCoder, narrow, narrowLength); },
                  [&] { widePcm = DecodeTrack(wideCoder, wide, wideLength); });

    name_ = std::move(header.name);
    date_ = header.date;
    wideband_ = std::move(widePcm);
    narrowband_ = std::move(narrowPcm);
    widebandCode_ = wideLength;
    narrowbandCode_ = narrowLength;
    hasData_ = true;
    error_ = MessageError::None;
    problem_.clear();
    return true;
}

bool CR4700RecordData::ImportWave(const std::string& path)
{
    CWavFile wav;
    const int opened = wav.OpenRead(path);
    if (opened != MessageError::None)
        return Fail(opened);
    if (wav.format().sampleRate != 16000)
        return Fail(MessageError::BadSampleRate);
    if (wav.format().bitsPerSample != 16)
        return Fail(MessageError::BadSampleWidth);

    // The channel count is not examined: the data are taken as mono samples.
    std::size_t want = kMaxImportSize;
    if (wav.DataSize() < want)
        want = static_cast<std::size_t>(wav.DataSize());
    std::vector<std::uint8_t> pcm(want);
    pcm.resize(wav.ReadData(pcm.data(), want) / 2 * 2);
    // A data chunk without one whole sample gives nothing to hold.
    if (pcm.empty())
        return Fail(MessageError::NotWave);

    if (pcm.size() > kFadeThreshold)
        GainTable::Fade(pcm.data(), kFadeBlock, kFadeSteps, std::size(kFadeSteps));

    name_ = TitleOf(path);
    date_ = RecordTime::now();
    wideband_ = std::move(pcm);
    DeriveNarrowband();
    widebandCode_ = narrowbandCode_ = 0;
    hasData_ = true;
    error_ = MessageError::None;
    return true;
}

bool CR4700RecordData::ExportWave(const std::string& path, bool wideband)
{
    if (!hasData_)
        return Fail(MessageError::NoData);
    std::error_code ignored;
    // A folder of that name, even an empty one, stays; an old file is replaced only by a
    // whole new one.
    if (std::filesystem::is_directory(path, ignored))
        return Fail(MessageError::WaveWriteFailed);

    CWavFile::Format format;
    format.sampleRate = wideband ? 16000 : 8000;
    format.avgBytesPerSecond = format.sampleRate * 2;
    const std::vector<std::uint8_t>& track = wideband ? wideband_ : narrowband_;
    CWavFile wav;
    bool ok = wav.OpenWrite(path, format);
    ok = ok && wav.WriteData(track.data(), track.size());
    ok = wav.Close() && ok;
    if (!ok)
        return Fail(MessageError::WaveWriteFailed);
    return true;
}

bool CR4700RecordData::ApplyGain(int dB)
{
    if (!hasData_)
        return Fail(MessageError::NoData);
    double factor = 1.0;
    if (!GainTable::Factor(dB, factor))
        return Fail(MessageError::InvalidArgument);
    GainTable::ApplyBytes(wideband_.data(), wideband_.size() / 2, factor);
    DeriveNarrowband();
    return true;
}

void CR4700RecordData::DeriveNarrowband()
{
    narrowband_.resize(wideband_.size() / 2);
    narrowband_.resize(
        KeepEverySecondSample(wideband_.data(), wideband_.size(), 16, narrowband_.data()));
}

std::size_t CR4700RecordData::KeepEverySecondSample(const std::uint8_t* source, std::size_t length,
                                                    int bitsPerSample, std::uint8_t* target)
{
    const std::size_t width = bitsPerSample == 8 ? 1 : 2;
    const std::size_t kept = length / (2 * width);
    for (std::size_t i = 0; i < kept; ++i)
        std::memcpy(target + i * width, source + 2 * i * width, width);
    return kept * width;
}
