#include "MessageListFile.h"

#include "FileOps.h"
#include "MessageFolder.h"

namespace {

// A line per station: a larger file is none of this program's.
constexpr std::size_t kLargestFile = 1 << 20;

// "No.,メッセージ名,パス" in code page 932.
constexpr std::string_view kHeader = "No.,\x83\x81\x83\x62\x83\x5a\x81\x5b\x83\x57\x96\xbc,"
                                     "\x83\x70\x83\x58";

MessageListFile::Entry entryOf(std::string_view line)
{
    MessageListFile::Entry entry;
    const std::size_t first = line.find(',');
    entry.number = std::string(line.substr(0, first));
    const std::string_view rest = line.substr(first + 1);
    // The first comma after which the path names the title's own file; else the first.
    std::size_t split = rest.find(',');
    for (std::size_t at = split; at != std::string_view::npos; at = rest.find(',', at + 1)) {
        const std::string title(rest.substr(0, at));
        if (MessageFolder::titleOf(std::string(rest.substr(at + 1))) == title) {
            split = at;
            break;
        }
    }
    entry.title = std::string(rest.substr(0, split));
    if (split != std::string_view::npos)
        entry.path = std::string(rest.substr(split + 1));
    return entry;
}

} // namespace

namespace MessageListFile {

std::string write(const std::vector<Entry>& entries)
{
    std::string out(kHeader);
    out += "\r\n";
    for (const Entry& entry : entries)
        out += entry.number + "," + entry.title + "," + entry.path + "\r\n";
    return out;
}

std::vector<Entry> read(std::string_view text)
{
    std::vector<Entry> entries;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (header) {
            header = false;
            continue;
        }
        if (line.find(',') != std::string_view::npos)
            entries.push_back(entryOf(line));
    }
    return entries;
}

std::vector<Entry> load(FileOps& files, const std::string& path)
{
    std::string text;
    return files.readFile(path, text, kLargestFile) ? read(text) : std::vector<Entry>();
}

bool save(FileOps& files, const std::string& path, const std::vector<Entry>& entries)
{
    return files.writeFile(path, write(entries));
}

} // namespace MessageListFile
