#include "MessageCatalog.h"

#include "FileOps.h"
#include "MessageFolder.h"

#include <algorithm>

namespace {

// Sub-folders deeper than this are left out: the standard messages group a few levels at
// most, and a bound keeps a strange folder from taking the walk anywhere.
constexpr int kDeepest = 8;

std::vector<MessageCatalog::Node> nodesIn(FileOps& files, const std::string& folder, int depth)
{
    std::vector<MessageCatalog::Node> folders;
    std::vector<MessageCatalog::Node> messages;
    std::vector<std::string> names;
    if (depth > kDeepest || !files.list(folder, names))
        return folders;
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        if (files.isLink(path))
            continue;
        if (files.isDirectory(path)) {
            folders.push_back({name, path, true, nodesIn(files, path, depth + 1)});
        } else if (MessageFolder::isMessageFile(name)) {
            const std::string title = MessageFolder::titleOf(name);
            if (MessageFolder::isMessageTitle(title))
                messages.push_back({title, path, false, {}});
        }
    }
    folders.insert(folders.end(), messages.begin(), messages.end());
    return folders;
}

const MessageCatalog::Node* findIn(const std::vector<MessageCatalog::Node>& nodes,
                                   const std::string& title)
{
    for (const MessageCatalog::Node& node : nodes) {
        if (!node.folder && node.name == title)
            return &node;
        if (const MessageCatalog::Node* found = findIn(node.children, title))
            return found;
    }
    return nullptr;
}

} // namespace

MessageCatalog MessageCatalog::read(FileOps& files, const std::string& standardFolder,
                                    const std::string& ownFolder)
{
    MessageCatalog catalog;
    catalog.standard_ = nodesIn(files, standardFolder, 0);
    catalog.own_ = MessageFolder::messagesIn(files, ownFolder);
    return catalog;
}

std::string MessageCatalog::find(const std::string& title) const
{
    const auto own = own_.find(title);
    if (own != own_.end())
        return own->second;
    const Node* standard = findIn(standard_, title);
    return standard ? standard->path : std::string();
}
