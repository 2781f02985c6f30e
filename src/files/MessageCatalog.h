#pragma once

#include <map>
#include <string>
#include <vector>

class FileOps;

// The messages a station can be given: the standard messages that come with the program (a
// folder whose sub-folders group them) and the system's own. A title is looked for among the
// system's own messages first.
class MessageCatalog
{
public:
    // A sub-folder of the standard messages (children filled) or a message in it.
    struct Node {
        std::string name; // a folder's name, or a message's title
        std::string path;
        bool folder = false;
        std::vector<Node> children;
    };

    MessageCatalog() = default;
    // Reads both folders; one that is missing holds no messages. Links are not followed.
    static MessageCatalog read(FileOps& files, const std::string& standardFolder,
                               const std::string& ownFolder);

    // The standard folder's sub-folders (first, by name) and messages (by title).
    const std::vector<Node>& standard() const { return standard_; }
    // Title -> path of the system's own messages.
    const std::map<std::string, std::string>& own() const { return own_; }
    // The file of the message with that title: the system's own, else the first standard
    // one in the order shown; empty when there is none.
    std::string find(const std::string& title) const;

private:
    std::vector<Node> standard_;
    std::map<std::string, std::string> own_;
};
