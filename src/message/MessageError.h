#pragma once

// Error codes kept by the message record (and later the recorder and player); the message
// list turns them into texts, so the numbers are fixed.
namespace MessageError {
constexpr int None = 0;
constexpr int FileNotFound = 2;
constexpr int NameTooLong = 7;
constexpr int WaveWriteFailed = 9;
constexpr int NotWave = 10;
constexpr int BadSampleRate = 12;
constexpr int BadSampleWidth = 13;
constexpr int InvalidArgument = 87;
constexpr int NoData = 232;
} // namespace MessageError
