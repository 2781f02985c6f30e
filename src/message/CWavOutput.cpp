#include "CWavOutput.h"

#include <algorithm>
#include <pulse/pulseaudio.h>

namespace {

// Every event of the server wakes whoever waits on the loop; each callback gets the loop.
void Wake(void* loop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}
void OnContextChange(pa_context*, void* loop)
{
    Wake(loop);
}
void OnStreamChange(pa_stream*, void* loop)
{
    Wake(loop);
}
void OnStreamRequest(pa_stream*, std::size_t, void* loop)
{
    Wake(loop);
}
void OnDone(pa_stream*, int, void* loop)
{
    Wake(loop);
}

} // namespace

CWavOutput::~CWavOutput()
{
    Close();
}

bool CWavOutput::StreamGood() const
{
    return PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) &&
           PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
}

bool CWavOutput::Open(int rate, std::size_t queued)
{
    Close();
    interrupted_ = false;
    mainloop_ = pa_threaded_mainloop_new();
    if (mainloop_ == nullptr)
        return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "R4000");
    if (context_ == nullptr) {
        Close();
        return false;
    }
    pa_context_set_state_callback(context_, &OnContextChange, mainloop_);
    pa_threaded_mainloop_lock(mainloop_);
    bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0 &&
                 pa_threaded_mainloop_start(mainloop_) >= 0;
    while (ready && pa_context_get_state(context_) != PA_CONTEXT_READY) {
        ready = PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
        if (ready)
            pa_threaded_mainloop_wait(mainloop_);
    }
    if (ready) {
        pa_sample_spec sampleFormat{};
        sampleFormat.format = PA_SAMPLE_S16NE;
        sampleFormat.rate = static_cast<std::uint32_t>(rate);
        sampleFormat.channels = 1;
        stream_ = pa_stream_new(context_, "message playback", &sampleFormat, nullptr);
        ready = stream_ != nullptr;
    }
    if (ready) {
        pa_stream_set_state_callback(stream_, &OnStreamChange, mainloop_);
        pa_stream_set_write_callback(stream_, &OnStreamRequest, mainloop_);
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength = static_cast<std::uint32_t>(queued);
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = static_cast<std::uint32_t>(-1);
        attr.fragsize = static_cast<std::uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(
            PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE);
        ready = pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) >= 0;
        while (ready && pa_stream_get_state(stream_) != PA_STREAM_READY) {
            ready = StreamGood();
            if (ready)
                pa_threaded_mainloop_wait(mainloop_);
        }
    }
    pa_threaded_mainloop_unlock(mainloop_);
    if (!ready)
        Close();
    return ready;
}

void CWavOutput::Close()
{
    if (mainloop_ == nullptr)
        return;
    pa_threaded_mainloop_lock(mainloop_);
    if (stream_ != nullptr) {
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_threaded_mainloop_unlock(mainloop_);
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
    mainloop_ = nullptr;
}

bool CWavOutput::Await(pa_operation* operation, bool interruptible)
{
    if (operation == nullptr)
        return false;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING && StreamGood() &&
           !(interruptible && interrupted_))
        pa_threaded_mainloop_wait(mainloop_);
    const bool done = pa_operation_get_state(operation) == PA_OPERATION_DONE;
    if (!done)
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return done;
}

bool CWavOutput::Write(const std::uint8_t* data, std::size_t length)
{
    if (stream_ == nullptr)
        return false;
    pa_threaded_mainloop_lock(mainloop_);
    bool good = true;
    while (good && length > 0) {
        std::size_t room = 0;
        while (!interrupted_ && StreamGood() && (room = pa_stream_writable_size(stream_)) == 0)
            pa_threaded_mainloop_wait(mainloop_);
        good = !interrupted_ && StreamGood() && room != static_cast<std::size_t>(-1);
        if (good) {
            const std::size_t piece = std::min(room, length);
            good = pa_stream_write(stream_, data, piece, nullptr, 0, PA_SEEK_RELATIVE) >= 0;
            data += piece;
            length -= piece;
        }
    }
    pa_threaded_mainloop_unlock(mainloop_);
    return good;
}

bool CWavOutput::Drain()
{
    if (stream_ == nullptr)
        return false;
    pa_threaded_mainloop_lock(mainloop_);
    const bool done = !interrupted_ && Await(pa_stream_drain(stream_, &OnDone, mainloop_), true);
    pa_threaded_mainloop_unlock(mainloop_);
    return done;
}

void CWavOutput::Pause(bool paused)
{
    if (stream_ == nullptr)
        return;
    pa_threaded_mainloop_lock(mainloop_);
    Await(pa_stream_cork(stream_, paused ? 1 : 0, &OnDone, mainloop_), false);
    pa_threaded_mainloop_unlock(mainloop_);
}

void CWavOutput::Interrupt()
{
    if (mainloop_ == nullptr)
        return;
    pa_threaded_mainloop_lock(mainloop_);
    interrupted_ = true;
    Wake(mainloop_);
    pa_threaded_mainloop_unlock(mainloop_);
}
