#pragma once

#include "CR4700RecordData.h"

#include <cstddef>
#include <string>

class FileOps;

// A voice message on disk, as the Message Tool reads and writes it.
namespace MessageFile {

// The most of a file that is read: room for the header and both tracks uncoded. A larger
// file is refused unread; the record's Parse checks the size of the rest.
constexpr std::size_t kLargestFile = 204 + 1280000 + 640000;

// Reads a ".pmf" file into record. False when the file cannot be read or is larger than
// kLargestFile (the record untouched), or when Parse refuses it (its LastProblem says why).
bool read(FileOps& files, const std::string& path, CR4700RecordData& record);
// Reads only what a ".pmf" file's header says, after the whole file is checked as read()
// checks it; false when it cannot be read or is refused.
bool readHeader(FileOps& files, const std::string& path, CR4700RecordData::Header& header);
// Writes the record's ".pmf" image, all or nothing.
bool write(FileOps& files, CR4700RecordData& record, const std::string& path);

// A track's length as the tool shows it: "%d.%03d sec." for bytes of PCM at bytesPerSecond.
std::string lengthText(std::size_t bytes, std::size_t bytesPerSecond);

} // namespace MessageFile
