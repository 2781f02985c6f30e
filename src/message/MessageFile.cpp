#include "MessageFile.h"

#include "CR4700RecordData.h"
#include "FileOps.h"

#include <cstdio>
#include <vector>

static_assert(MessageFile::kLargestFile == CR4700RecordData::kHeaderSize +
                                               CR4700RecordData::kWidebandCapacity +
                                               CR4700RecordData::kNarrowbandCapacity);

namespace MessageFile {

bool read(FileOps& files, const std::string& path, CR4700RecordData& record)
{
    // The size is checked before anything is read: a huge (or sparse) file is never loaded.
    std::string image;
    return files.readFile(path, image, kLargestFile) &&
           record.Parse(reinterpret_cast<const std::uint8_t*>(image.data()), image.size());
}

bool readHeader(FileOps& files, const std::string& path, CR4700RecordData::Header& header)
{
    std::string image;
    return files.readFile(path, image, kLargestFile) &&
           !CR4700RecordData::CheckImage(reinterpret_cast<const std::uint8_t*>(image.data()),
                                         image.size(), header);
}

bool write(FileOps& files, CR4700RecordData& record, const std::string& path)
{
    std::vector<std::uint8_t> image(record.GetFileSize());
    std::size_t size = 0;
    return record.Serialize(image.data(), image.size(), size) &&
           files.writeFile(path,
                           std::string_view(reinterpret_cast<const char*>(image.data()), size));
}

std::string lengthText(std::size_t bytes, std::size_t bytesPerSecond)
{
    const std::size_t ms = bytes * 1000 / bytesPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d sec.", int(ms / 1000), int(ms % 1000));
    return text;
}

} // namespace MessageFile
