#pragma once

// Error codes kept by the message record, the recorder and the player; the message
// list turns them into texts, so the numbers are fixed.
namespace MessageError {
constexpr int None = 0;
constexpr int DeviceUnavailable = 1; // no sound server or device
constexpr int FileNotFound = 2;
constexpr int AlreadyRecording = 4;
constexpr int StillRecording = 5;
constexpr int NotRecording = 6; // also: nothing recorded
constexpr int NameTooLong = 7;
constexpr int WaveWriteFailed = 9;
constexpr int NotWave = 10;
constexpr int BadSampleRate = 12;
constexpr int BadSampleWidth = 13;
constexpr int AlreadyPlaying = 14;
constexpr int NotPlaying = 15;
constexpr int AlreadyPaused = 16;
constexpr int InvalidArgument = 87;
constexpr int NoData = 232;
} // namespace MessageError
