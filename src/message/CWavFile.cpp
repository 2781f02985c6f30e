#include "CWavFile.h"

#include "MessageError.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr std::size_t kFmtSize = 18;
// Offsets of the size fields in a file written by this class.
constexpr long kRiffSizeOffset = 4;
constexpr long kDataSizeOffset = 12 + 8 + kFmtSize + 4;
constexpr std::uint32_t kMinFmtSize = 16;
// Longer format chunks exist (extensible format) but not by kilobytes.
constexpr std::uint32_t kMaxFmtSize = 1024;

std::uint16_t ReadLe16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadLe32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void PutLe16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

bool ReadAt(std::FILE* file, std::uint64_t offset, std::uint8_t* buffer, std::size_t size)
{
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(buffer, 1, size, file) == size;
}

} // namespace

CWavFile::~CWavFile()
{
    Close();
}

int CWavFile::OpenRead(const std::string& path)
{
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return MessageError::FileNotFound;
    mode_ = Mode::Reading;

    std::uint64_t fileSize = 0;
    if (fseeko(file_, 0, SEEK_END) == 0) {
        const off_t end = ftello(file_);
        if (end > 0)
            fileSize = static_cast<std::uint64_t>(end);
    }

    std::uint8_t header[12];
    if (fileSize < sizeof header || !ReadAt(file_, 0, header, sizeof header) ||
        std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) {
        Close();
        return MessageError::NotWave;
    }

    // The RIFF size is not trusted: the chunks are walked up to the real end of the file.
    bool haveFmt = false;
    bool haveData = false;
    std::uint64_t offset = sizeof header;
    while (!(haveFmt && haveData) && offset + 8 <= fileSize) {
        std::uint8_t chunk[8];
        if (!ReadAt(file_, offset, chunk, sizeof chunk))
            break;
        const std::uint32_t size = ReadLe32(chunk + 4);
        const std::uint64_t body = offset + 8;
        const std::uint64_t bodyEnd = body + size;
        if (!haveFmt && std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < kMinFmtSize || size > kMaxFmtSize || bodyEnd > fileSize)
                break;
            std::uint8_t fmt[kMaxFmtSize];
            if (!ReadAt(file_, body, fmt, size))
                break;
            format_.formatTag = ReadLe16(fmt);
            format_.channels = ReadLe16(fmt + 2);
            format_.sampleRate = ReadLe32(fmt + 4);
            format_.avgBytesPerSecond = ReadLe32(fmt + 8);
            format_.blockAlign = ReadLe16(fmt + 12);
            format_.bitsPerSample = ReadLe16(fmt + 14);
            format_.extraSize = size >= 18 ? ReadLe16(fmt + 16) : 0;
            haveFmt = true;
        } else if (!haveData && std::memcmp(chunk, "data", 4) == 0) {
            dataOffset_ = body;
            dataSize_ = bodyEnd <= fileSize ? size : fileSize - body;
            haveData = true;
        }
        // Chunk bodies are padded to an even length.
        offset = bodyEnd + (size & 1u);
    }
    if (!haveFmt || !haveData) {
        Close();
        return MessageError::NotWave;
    }
    dataPosition_ = 0;
    return MessageError::None;
}

std::size_t CWavFile::ReadData(std::uint8_t* buffer, std::size_t size)
{
    if (mode_ != Mode::Reading || !buffer || dataPosition_ >= dataSize_)
        return 0;
    const std::uint64_t left = dataSize_ - dataPosition_;
    const std::size_t want = left < size ? static_cast<std::size_t>(left) : size;
    if (fseeko(file_, static_cast<off_t>(dataOffset_ + dataPosition_), SEEK_SET) != 0)
        return 0;
    const std::size_t got = std::fread(buffer, 1, want, file_);
    dataPosition_ += got;
    return got;
}

bool CWavFile::OpenWrite(const std::string& path, const Format& format)
{
    Close();
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    }
    path_ = path;
    writtenPath_ = temporary;
    mode_ = Mode::Writing;
    format_ = format;
    dataSize_ = 0;
    writeFailed_ = false;

    std::uint8_t header[12 + 8 + kFmtSize + 8] = {};
    std::memcpy(header, "RIFF", 4);
    std::memcpy(header + 8, "WAVE", 4);
    std::memcpy(header + 12, "fmt ", 4);
    PutLe32(header + 16, kFmtSize);
    std::uint8_t* fmt = header + 20;
    PutLe16(fmt, format.formatTag);
    PutLe16(fmt + 2, format.channels);
    PutLe32(fmt + 4, format.sampleRate);
    PutLe32(fmt + 8, format.avgBytesPerSecond);
    PutLe16(fmt + 12, format.blockAlign);
    PutLe16(fmt + 14, format.bitsPerSample);
    PutLe16(fmt + 16, format.extraSize);
    std::memcpy(header + 20 + kFmtSize, "data", 4);
    // Both sizes stay zero until Close().
    if (std::fwrite(header, 1, sizeof header, file_) != sizeof header)
        writeFailed_ = true;
    return !writeFailed_;
}

bool CWavFile::WriteData(const std::uint8_t* data, std::size_t size)
{
    if (mode_ != Mode::Writing || writeFailed_ || (!data && size > 0))
        return false;
    // The RIFF size must stay a 32-bit number.
    if (size > 0xFFFFFF00u - dataSize_) {
        writeFailed_ = true;
        return false;
    }
    if (std::fwrite(data, 1, size, file_) != size) {
        writeFailed_ = true;
        return false;
    }
    dataSize_ += size;
    return true;
}

bool CWavFile::Close()
{
    if (!file_)
        return true;
    bool ok = true;
    if (mode_ == Mode::Writing) {
        ok = !writeFailed_;
        if (ok && (dataSize_ & 1u)) {
            const std::uint8_t pad = 0;
            ok = std::fwrite(&pad, 1, 1, file_) == 1;
        }
        std::uint8_t size[4];
        const std::uint64_t padded = dataSize_ + (dataSize_ & 1u);
        PutLe32(size, static_cast<std::uint32_t>(4 + 8 + kFmtSize + 8 + padded));
        ok = ok && std::fseek(file_, kRiffSizeOffset, SEEK_SET) == 0 &&
             std::fwrite(size, 1, 4, file_) == 4;
        PutLe32(size, static_cast<std::uint32_t>(dataSize_));
        ok = ok && std::fseek(file_, kDataSizeOffset, SEEK_SET) == 0 &&
             std::fwrite(size, 1, 4, file_) == 4;
        ok = (std::fflush(file_) == 0) && ok;
        ok = ::fsync(::fileno(file_)) == 0 && ok;
    }
    if (std::fclose(file_) != 0 && mode_ == Mode::Writing)
        ok = false;
    if (mode_ == Mode::Writing) {
        ok = ok && ::rename(writtenPath_.c_str(), path_.c_str()) == 0;
        if (!ok)
            ::unlink(writtenPath_.c_str());
    }
    file_ = nullptr;
    mode_ = Mode::Closed;
    dataOffset_ = dataSize_ = dataPosition_ = 0;
    return ok;
}
