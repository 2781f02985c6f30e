#pragma once

#include <cstddef>
#include <cstdint>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

// Sound output to the default PulseAudio sink: 16-bit mono at a chosen rate, on a playback
// stream of the server's asynchronous interface, so that a pause takes hold at once (the
// stream is corked) instead of after what the server has queued. Write() and Drain() block
// the calling thread; Pause() and Interrupt() may be called from any other.
class CWavOutput
{
public:
    CWavOutput() = default;
    ~CWavOutput();
    CWavOutput(const CWavOutput&) = delete;
    CWavOutput& operator=(const CWavOutput&) = delete;

    // The server queues up to `queued` bytes. False when no server or sink is available.
    bool Open(int rate, std::size_t queued);
    void Close();
    // Blocks while the queue is full, the paused output included; false when the stream
    // failed or Interrupt() was called.
    bool Write(const std::uint8_t* data, std::size_t length);
    // Waits until everything written has been played; false as for Write().
    bool Drain();
    // Holds or releases the sound where it is.
    void Pause(bool paused);
    // Makes a blocked Write() or Drain(), and every later one, return false.
    void Interrupt();

private:
    bool StreamGood() const;
    // Waits, with the loop locked, for an operation; true when it ran to its end.
    bool Await(pa_operation* operation, bool interruptible);

    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool interrupted_ = false; // guarded by the loop's lock, like everything the loop touches
};
