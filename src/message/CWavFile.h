#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// A RIFF "WAVE" file opened for reading or for writing.
//
// Reading finds the "fmt " and "data" chunks by walking the chunk list; every size in the
// file is checked against the real file size, so a damaged or hostile file gives a refusal
// or a shorter data chunk, never a read past the end or a huge allocation. Writing puts an
// 18-byte "fmt " chunk and a "data" chunk whose sizes are fixed up by Close(). The file is
// written beside its place and put there by Close() only when every write succeeded, so an
// old file of that name stays whole until then.
class CWavFile
{
public:
    struct Format {
        std::uint16_t formatTag = 1; // 1 = PCM
        std::uint16_t channels = 1;
        std::uint32_t sampleRate = 16000;
        std::uint32_t avgBytesPerSecond = 32000;
        std::uint16_t blockAlign = 2;
        std::uint16_t bitsPerSample = 16;
        std::uint16_t extraSize = 0;
    };

    enum class Mode { Closed, Reading, Writing };

    CWavFile() = default;
    ~CWavFile();
    CWavFile(const CWavFile&) = delete;
    CWavFile& operator=(const CWavFile&) = delete;

    // 0, or MessageError::FileNotFound when the file does not open, or MessageError::NotWave
    // when it is not RIFF "WAVE" with a whole "fmt " chunk and a "data" chunk.
    int OpenRead(const std::string& path);
    const Format& format() const { return format_; }
    // Bytes of the data chunk that are really in the file.
    std::uint64_t DataSize() const { return dataSize_; }
    // Reads on from the current place in the data chunk; returns the bytes read.
    std::size_t ReadData(std::uint8_t* buffer, std::size_t size);

    // Starts the file and writes the header; false on failure.
    bool OpenWrite(const std::string& path, const Format& format);
    bool WriteData(const std::uint8_t* data, std::size_t size);

    // Fixes the chunk sizes when writing, closes and puts the file in its place; false, with
    // nothing in its place changed, when any write of the file failed.
    bool Close();

    Mode mode() const { return mode_; }

private:
    std::FILE* file_ = nullptr;
    Mode mode_ = Mode::Closed;
    Format format_;
    std::uint64_t dataOffset_ = 0;
    std::uint64_t dataSize_ = 0;
    std::uint64_t dataPosition_ = 0;
    bool writeFailed_ = false;
    std::string path_;        // where a written file goes
    std::string writtenPath_; // where it is written first
};
