#pragma once

#include "CR4700RecordData.h"

#include <map>
#include <memory>
#include <string>

class FileOps;

// The Message Tool's document: one voice message (recorded, imported or read from a file)
// and the current system's own messages, title -> file, which live in the folder "Message"
// of the system's folder.
class R4000MessageDoc
{
public:
    // codePage: the code page of the names in the model, which a message's name is kept in.
    R4000MessageDoc(FileOps& files, int codePage);
    ~R4000MessageDoc();

    // A new, empty message. When systemName is not the system the list was read for (and not
    // empty) the list is read again for it; true then.
    bool newDocument(const std::string& dataFolder, const std::string& systemName);
    // Reads the list of the system's own messages again.
    void refreshMessages();

    // A ".pmf" file becomes the message; a ".wav" file is imported, named after the file, and
    // takes the path of the system's own message of that name (written only by a save). A
    // failure keeps the message as it was; the MessageError code, or None. A ".pmf" file that
    // cannot be read gives FileNotFound, one that is refused InvalidArgument with problem().
    int open(const std::string& path);
    // A ".pmf" path is written with the message; a ".wav" path gets its wideband track.
    bool save(const std::string& path);
    // Writes record as the message file at path; only when written does it become the
    // document's message, saved.
    bool saveRecord(std::unique_ptr<CR4700RecordData> record, const std::string& path);
    // Gives the system's own message title (written into its file) the name newTitle.
    bool rename(const std::string& title, const std::string& newTitle);
    bool remove(const std::string& title);

    CR4700RecordData& record() { return *record_; }
    const CR4700RecordData& record() const { return *record_; }
    // The message replaced by one taken from elsewhere (a recording), not yet saved.
    void replaceRecord(std::unique_ptr<CR4700RecordData> record);
    const std::string& path() const { return path_; }
    // The title of path(): its file name without ".pmf".
    std::string title() const;
    // A recording or an import not yet saved.
    bool isModified() const { return modified_; }
    // Why the last ".pmf" was refused.
    const std::string& problem() const { return problem_; }

    const std::map<std::string, std::string>& messages() const { return messages_; }
    const std::string& systemName() const { return systemName_; }
    std::string ownFolder() const;
    std::string ownPath(const std::string& title) const;

private:
    FileOps& files_;
    int codePage_;
    std::unique_ptr<CR4700RecordData> record_;
    std::map<std::string, std::string> messages_;
    std::string dataFolder_;
    std::string systemName_;
    std::string path_;
    std::string problem_;
    bool modified_ = false;
};
