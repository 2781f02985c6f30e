#include "MessageCommands.h"

#include "CR4700RecordData.h"
#include "CommandError.h"
#include "FileOps.h"
#include "MessageError.h"

#include <cstdio>
#include <ostream>
#include <vector>

namespace {

// The most a message file can hold: the header and both tracks at their longest.
constexpr std::size_t kLargestFile = 1920204;

std::string waveProblem(int error)
{
    switch (error) {
    case MessageError::FileNotFound:
        return "cannot be opened";
    case MessageError::BadSampleRate:
        return "is not sampled at 16,000 Hz";
    case MessageError::BadSampleWidth:
        return "does not have 16-bit samples";
    default:
        return "is not a mono PCM WAVE file";
    }
}

// "%d.%03d sec." of a track of PCM bytes at bytesPerSecond.
std::string seconds(std::size_t bytes, std::size_t bytesPerSecond)
{
    const std::size_t ms = bytes * 1000 / bytesPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d sec.", int(ms / 1000), int(ms % 1000));
    return text;
}

CR4700RecordData readMessage(FileOps& files, const std::string& path)
{
    std::string image;
    if (!files.readFile(path, image))
        throw CommandError("msg: " + path + " cannot be read");
    if (image.size() > kLargestFile)
        throw CommandError("msg: " + path + " is larger than a message file can be");
    CR4700RecordData record;
    if (!record.Parse(reinterpret_cast<const std::uint8_t*>(image.data()), image.size()))
        throw CommandError("msg: " + path + ": " + record.LastProblem());
    return record;
}

} // namespace

MessageCommands::MessageCommands(FileOps& files, std::ostream& out) : files_(files), out_(out) {}

int MessageCommands::importWave(const std::string& wave, const std::optional<std::string>& to,
                                const std::optional<std::string>& name,
                                const std::optional<std::string>& gain)
{
    if (!to)
        throw CommandError("msg import: give --to FILE.pmf");
    CR4700RecordData record;
    if (!record.ImportWave(wave))
        throw CommandError("msg import: " + wave + " " + waveProblem(record.LastError()));
    if (name && !record.SetName(*name))
        throw CommandError("msg import: a name has at most 128 bytes");
    if (gain) {
        char* end = nullptr;
        const long dB = std::strtol(gain->c_str(), &end, 10);
        if (gain->empty() || *end || !record.ApplyGain(int(dB)))
            throw CommandError("msg import: --gain must be one of -15, -12, ..., 12, 15 (dB)");
    }
    std::vector<std::uint8_t> image(record.GetFileSize());
    std::size_t size = 0;
    if (!record.Serialize(image.data(), image.size(), size) ||
        !files_.writeFile(*to, std::string(image.begin(), image.begin() + long(size))))
        throw CommandError("msg import: cannot write " + *to);
    out_ << "wrote " << *to << ": \"" << record.Name() << "\", "
         << seconds(record.WidebandLength(), 32000) << '\n';
    return 0;
}

int MessageCommands::exportWave(const std::string& message, const std::optional<std::string>& to,
                                bool narrowband)
{
    if (!to)
        throw CommandError("msg export: give --to FILE.wav");
    CR4700RecordData record = readMessage(files_, message);
    if (!record.ExportWave(*to, !narrowband))
        throw CommandError("msg export: cannot write " + *to);
    out_ << "wrote " << *to << '\n';
    return 0;
}

int MessageCommands::info(const std::string& message)
{
    const CR4700RecordData record = readMessage(files_, message);
    const RecordTime& d = record.Date();
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    out_ << "name: " << record.Name() << '\n'
         << "date: " << date << '\n'
         << "wideband: " << seconds(record.WidebandLength(), 32000) << " (L1 "
         << record.WidebandCodeLength() << " bytes)\n"
         << "narrowband: " << seconds(record.NarrowbandLength(), 16000) << " (L2 "
         << record.NarrowbandCodeLength() << " bytes)\n"
         << "checksum: holds\n";
    return 0;
}
