#include "MessageCommands.h"

#include "CR4700Player.h"
#include "CR4700RecordData.h"
#include "CR4700Recorder.h"
#include "CommandError.h"
#include "FileOps.h"
#include "MessageError.h"
#include "MessageFile.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>

namespace {

constexpr const char* kGainSteps = ": --gain must be one of -15, -12, ..., 12, 15 (dB)";

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

// The gain option: a step of the gain table, or bad usage.
int gainStep(const std::string& action, const std::string& text)
{
    char* end = nullptr;
    const long dB = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || dB != static_cast<int>(dB))
        throw CommandError(action + kGainSteps);
    return int(dB);
}

// Blocks until the audio worker says it is done, or the time is up.
class Finished
{
public:
    CR4700Player::Notify notify()
    {
        return [this](int, int) {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
            changed_.notify_all();
        };
    }
    bool wait(std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, limit, [this] { return done_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
};

void writeMessage(FileOps& files, CR4700RecordData& record, const std::string& path,
                  const std::string& action)
{
    if (!MessageFile::write(files, record, path))
        throw CommandError(action + ": cannot write " + path);
}

CR4700RecordData readMessage(FileOps& files, const std::string& path)
{
    CR4700RecordData record;
    if (!MessageFile::read(files, path, record))
        throw CommandError("msg: " + path +
                           (record.LastProblem().empty()
                                ? " cannot be read (no file, or larger than a "
                                  "message file can be)"
                                : ": " + record.LastProblem()));
    return record;
}

} // namespace

MessageCommands::MessageCommands(FileOps& files, std::ostream& out) : files_(files), out_(out) {}

int MessageCommands::importWave(const std::string& wave, const std::string& to,
                                const std::optional<std::string>& name,
                                const std::optional<std::string>& gain)
{
    CR4700RecordData record;
    if (!record.ImportWave(wave))
        throw CommandError("msg import: " + wave + " " + waveProblem(record.LastError()));
    if (name && !record.SetName(*name))
        throw CommandError("msg import: a name has at most 128 bytes");
    if (gain && !record.ApplyGain(gainStep("msg import", *gain)))
        throw CommandError(std::string("msg import") + kGainSteps);
    writeMessage(files_, record, to, "msg import");
    out_ << "wrote " << to << ": \"" << record.Name() << "\", "
         << MessageFile::lengthText(record.WidebandLength(), 32000) << '\n';
    return 0;
}

int MessageCommands::exportWave(const std::string& message, const std::string& to, bool narrowband)
{
    CR4700RecordData record = readMessage(files_, message);
    if (!record.ExportWave(to, !narrowband))
        throw CommandError("msg export: cannot write " + to);
    out_ << "wrote " << to << '\n';
    return 0;
}

int MessageCommands::info(const std::string& message)
{
    const CR4700RecordData record = readMessage(files_, message);
    out_ << "name: " << record.Name() << '\n'
         << "date: " << record.Date().Text() << '\n'
         << "wideband: " << MessageFile::lengthText(record.WidebandLength(), 32000) << " (L1 "
         << record.WidebandCodeLength() << " bytes)\n"
         << "narrowband: " << MessageFile::lengthText(record.NarrowbandLength(), 16000) << " (L2 "
         << record.NarrowbandCodeLength() << " bytes)\n"
         << "checksum: holds\n";
    return 0;
}

int MessageCommands::record(const std::string& seconds, const std::string& to,
                            const std::string& name)
{
    char* end = nullptr;
    const long length = std::strtol(seconds.c_str(), &end, 10);
    if (seconds.empty() || *end || length < 1 || length > 20)
        throw CommandError("msg record: --seconds must be 1 to 20");
    CR4700Recorder recorder;
    Finished finished;
    if (!recorder.Start(finished.notify(), int(length)))
        throw CommandError("msg record: no sound input (is a PulseAudio server running?)");
    // The recorder ends by itself when its time is full.
    finished.wait(std::chrono::seconds(length + 5));
    recorder.Stop();
    if (recorder.InputFailed())
        throw CommandError("msg record: the sound input failed before the time was up");
    CR4700RecordData message;
    if (!recorder.BuildRecord(&message) || !message.SetName(name))
        throw CommandError("msg record: nothing was recorded, or the name is over 128 bytes");
    writeMessage(files_, message, to, "msg record");
    out_ << "wrote " << to << ": \"" << message.Name() << "\", "
         << MessageFile::lengthText(message.WidebandLength(), 32000) << '\n';
    return 0;
}

int MessageCommands::play(const std::string& message, bool narrowband,
                          const std::optional<std::string>& gain)
{
    CR4700RecordData record = readMessage(files_, message);
    CR4700Player player;
    if (gain && !player.SetVolume(gainStep("msg play", *gain)))
        throw CommandError(std::string("msg play") + kGainSteps);
    Finished finished;
    if (!player.Play(&record, !narrowband, finished.notify()))
        throw CommandError("msg play: no sound output (is a PulseAudio server running?)");
    const std::size_t bytes = narrowband ? record.NarrowbandLength() : record.WidebandLength();
    const auto length = std::chrono::milliseconds(bytes * 1000 / (narrowband ? 16000 : 32000));
    if (!finished.wait(length + std::chrono::seconds(10))) {
        player.Stop();
        throw CommandError("msg play: the sound output did not finish playing");
    }
    if (player.Failed())
        throw CommandError("msg play: the sound output failed before the end");
    out_ << "played " << message << '\n';
    return 0;
}
