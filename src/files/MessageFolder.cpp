#include "MessageFolder.h"

#include "FileOps.h"
#include "SystemFolder.h"
#include "TextRules.h"

#include <unistd.h>

namespace {

constexpr const char* kMessageSuffix = ".pmf";
constexpr std::size_t kSuffixSize = 4;

} // namespace

namespace MessageFolder {

std::string ownFolder(const std::string& dataFolder, const std::string& systemName)
{
    return SystemFolder::folderFor(dataFolder, systemName) + "/Message";
}

std::string ownPath(const std::string& dataFolder, const std::string& systemName,
                    const std::string& title)
{
    return ownFolder(dataFolder, systemName) + "/" + title + kMessageSuffix;
}

std::string listPath(const std::string& dataFolder, const std::string& systemName)
{
    return SystemFolder::folderFor(dataFolder, systemName) + "/msglist.csv";
}

std::string standardFolder()
{
    char exe[4096];
    const ssize_t size = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (size <= 0)
        return "Message";
    const std::string program(exe, std::size_t(size));
    return program.substr(0, program.rfind('/')) + "/Message";
}

bool isMessageFile(const std::string& path)
{
    return path.size() > kSuffixSize &&
           TextRules::equalsIgnoreCase(std::string_view(path).substr(path.size() - kSuffixSize),
                                       kMessageSuffix);
}

std::string titleOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    if (isMessageFile(title))
        title.resize(title.size() - kSuffixSize);
    return title;
}

bool isMessageTitle(const std::string& title)
{
    if (title.empty())
        return false;
    for (const char c : title) {
        if (TextRules::isControl(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::map<std::string, std::string> messagesIn(FileOps& files, const std::string& folder)
{
    std::map<std::string, std::string> messages;
    std::vector<std::string> names;
    if (!files.list(folder, names))
        return messages;
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        const std::string title = titleOf(name);
        if (isMessageFile(name) && isMessageTitle(title) && !files.isLink(path) &&
            !files.isDirectory(path))
            messages.emplace(title, path);
    }
    return messages;
}

} // namespace MessageFolder
