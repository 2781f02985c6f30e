#pragma once

#include <string>
#include <string_view>
#include <vector>

class FileOps;

// "msglist.csv": which message each IP master station is given. A header line, then one
// line per station, "<equipment number>,<message title>,<message file>", CR LF line ends,
// values as they are (code-page bytes). The header is Japanese ("No.,メッセージ名,パス") in
// code page 932, whatever the language.
namespace MessageListFile {

struct Entry {
    std::string number;
    std::string title;
    std::string path;
};

std::string write(const std::vector<Entry>& entries);
// Every line after the header with at least two fields; LF alone also ends a line. A title
// may hold commas: the path that ends in "/<title>.pmf" tells where it ends.
std::vector<Entry> read(std::string_view text);

// The entries of the file at path; none when there is no such file, or one too large to be
// one (a line per station).
std::vector<Entry> load(FileOps& files, const std::string& path);
// Writes the file at path, all or nothing.
bool save(FileOps& files, const std::string& path, const std::vector<Entry>& entries);

} // namespace MessageListFile
