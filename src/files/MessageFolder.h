#pragma once

#include <map>
#include <string>

class FileOps;

// Where a system's voice messages live: its own messages are "<title>.pmf" files in the
// folder "Message" of the system's folder, and "msglist.csv" beside the system file says
// which message each IP master station is given.
namespace MessageFolder {

std::string ownFolder(const std::string& dataFolder, const std::string& systemName);
std::string ownPath(const std::string& dataFolder, const std::string& systemName,
                    const std::string& title);
std::string listPath(const std::string& dataFolder, const std::string& systemName);
// The standard messages that come with the program: the folder "Message" beside it.
std::string standardFolder();

// The file title of a path: the name after the last "/", with a ".pmf" (any case) cut off.
std::string titleOf(const std::string& path);
// Whether path names a message file (".pmf", any case).
bool isMessageFile(const std::string& path);
// Whether a file title may name a message: not empty and free of control characters, so it
// stands in one line of msglist.csv. (The title is code-page bytes: a second byte of a
// double-byte character may look like any printable ASCII character.)
bool isMessageTitle(const std::string& title);

// Title -> path of every message file directly in folder (links and odd names left out).
std::map<std::string, std::string> messagesIn(FileOps& files, const std::string& folder);

} // namespace MessageFolder
