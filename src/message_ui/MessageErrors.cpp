#include "MessageErrors.h"

#include "MessageError.h"
#include "ResourceIds.h"

namespace MessageErrors {

using namespace StringId;

Box import(int code)
{
    switch (code) {
    case MessageError::FileNotFound:
        return {ImportErrorCaption, ImportNoFile};
    case MessageError::NotWave:
        return {ImportErrorCaption, ImportNotWave};
    case MessageError::BadSampleRate:
    case MessageError::BadSampleWidth:
        return {ImportErrorCaption, ImportBadFormat};
    default:
        return {ImportErrorCaption, ImportFailed};
    }
}

Box recordStart(int code)
{
    switch (code) {
    case MessageError::DeviceUnavailable:
        return {RecordErrorCaption, RecordNoDevice};
    case MessageError::InvalidArgument:
        return {RecordErrorCaption, RecordBadArgument};
    case MessageError::AlreadyRecording:
        return {RecordErrorCaption, RecordAlready};
    default:
        return {RecordErrorCaption, RecordNotStarted};
    }
}

Box play(int code)
{
    switch (code) {
    case MessageError::InvalidArgument:
        return {PlayErrorCaption, PlayBadArgument};
    case MessageError::AlreadyPlaying:
        return {PlayErrorCaption, PlayAlready};
    default:
        return {PlayErrorCaption, PlayNotStarted};
    }
}

Box pause(int code)
{
    switch (code) {
    case MessageError::NotPlaying:
        return {PauseErrorCaption, PauseNotPlaying};
    case MessageError::AlreadyPaused:
        return {PauseErrorCaption, PauseAlready};
    default:
        return {PauseErrorCaption, PauseFailed};
    }
}

Box stopPlay(int code)
{
    return {StopErrorCaption,
            code == MessageError::NotPlaying ? StopPlayNotPlaying : StopPlayFailed};
}

Box stopRecord(int code)
{
    return {StopErrorCaption,
            code == MessageError::NotRecording ? StopRecordNotRecording : StopRecordFailed};
}

} // namespace MessageErrors
