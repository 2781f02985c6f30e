#pragma once

#include "RecordTime.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One voice message for message paging: the same sound as a wideband track (16 kHz) and a
// narrowband track (8 kHz), 16-bit mono PCM in memory, G.722-coded in a ".pmf" file.
//
// The ".pmf" image is a 204-byte header (magic, name, date text, both coded lengths and a
// byte-sum checksum, numbers big-endian) followed by the coded wideband and narrowband
// tracks. Operations return false after storing one of the MessageError codes.
class CR4700RecordData
{
public:
    static constexpr std::size_t kWidebandCapacity = 1280000;  // 40 s at 16 kHz
    static constexpr std::size_t kNarrowbandCapacity = 640000; // 40 s at 8 kHz
    static constexpr std::size_t kMaxNameSize = 128;
    static constexpr std::size_t kHeaderSize = 204;
    static constexpr std::size_t kMaxWidebandCode = kWidebandCapacity / 4;
    static constexpr std::size_t kMaxNarrowbandCode = kNarrowbandCapacity / 4;
    static constexpr std::size_t kMaxImportSize = 640000; // 20 s at 16 kHz

    CR4700RecordData() = default;

    bool SetSamples(const std::string& name, const RecordTime& date, const std::uint8_t* wideband,
                    std::size_t widebandLength, const std::uint8_t* narrowband,
                    std::size_t narrowbandLength);
    bool SetName(const std::string& name);
    bool GetWideband(std::uint8_t* buffer, std::size_t capacity, std::size_t& length);
    bool GetNarrowband(std::uint8_t* buffer, std::size_t capacity, std::size_t& length);

    // Size of the image Serialize() will build (L1 + L2 + 204); 0 without data.
    std::size_t GetFileSize();
    bool Serialize(std::uint8_t* buffer, std::size_t capacity, std::size_t& size);
    // Reads a ".pmf" image; a rejected image leaves the record as it was.
    bool Parse(const std::uint8_t* image, std::size_t size);

    // What the header of a ".pmf" image says.
    struct Header {
        std::string name;
        RecordTime date;
        std::size_t widebandCode = 0; // L1: a quarter of the wideband PCM bytes
        std::size_t narrowbandCode = 0;
    };
    // Checks an image as Parse does (size, magic, date, checksum) without decoding it: null
    // when it holds, else why it is refused.
    static const char* CheckImage(const std::uint8_t* image, std::size_t size, Header& header);

    bool ImportWave(const std::string& path);
    bool ExportWave(const std::string& path, bool wideband);
    bool ApplyGain(int dB);

    // Writes every second 16-bit (or 8-bit) sample of `length` bytes of `source` to `target`;
    // returns the byte length written, half the given one (less a trailing part
    // sample). No filtering is applied.
    static std::size_t KeepEverySecondSample(const std::uint8_t* source, std::size_t length,
                                             int bitsPerSample, std::uint8_t* target);

    bool HasData() const { return hasData_; }
    const std::string& Name() const { return name_; }
    const RecordTime& Date() const { return date_; }
    std::size_t WidebandLength() const { return wideband_.size(); }
    std::size_t NarrowbandLength() const { return narrowband_.size(); }
    std::size_t WidebandCodeLength() const { return widebandCode_; }
    std::size_t NarrowbandCodeLength() const { return narrowbandCode_; }
    int LastError() const { return error_; }
    // Why the last Parse refused its image, in words; empty after a good one.
    const std::string& LastProblem() const { return problem_; }

private:
    bool Fail(int error);
    bool Refuse(const char* problem);
    bool CopyTrack(const std::vector<std::uint8_t>& track, std::uint8_t* buffer,
                   std::size_t capacity, std::size_t& length);
    void DeriveNarrowband();

    bool hasData_ = false;
    std::string name_;
    RecordTime date_;
    std::vector<std::uint8_t> wideband_;   // PCM bytes, native order
    std::vector<std::uint8_t> narrowband_; // PCM bytes, native order
    std::size_t widebandCode_ = 0;
    std::size_t narrowbandCode_ = 0;
    int error_ = 0;
    std::string problem_;
};
