#include "R4000MessageDoc.h"

#include "CodePageText.h"
#include "FileOps.h"
#include "MessageError.h"
#include "MessageFile.h"
#include "MessageFolder.h"
#include "TextRules.h"

namespace {

bool endsWith(const std::string& path, std::string_view suffix)
{
    return path.size() >= suffix.size() &&
           TextRules::equalsIgnoreCase(std::string_view(path).substr(path.size() - suffix.size()),
                                       suffix);
}

} // namespace

R4000MessageDoc::R4000MessageDoc(FileOps& files, int codePage)
    : files_(files), codePage_(codePage), record_(std::make_unique<CR4700RecordData>())
{
}

R4000MessageDoc::~R4000MessageDoc() = default;

bool R4000MessageDoc::newDocument(const std::string& dataFolder, const std::string& systemName)
{
    bool reread = false;
    if (!systemName.empty() && (systemName != systemName_ || dataFolder != dataFolder_)) {
        dataFolder_ = dataFolder;
        systemName_ = systemName;
        refreshMessages();
        reread = true;
    }
    record_ = std::make_unique<CR4700RecordData>();
    path_.clear();
    modified_ = false;
    return reread;
}

void R4000MessageDoc::refreshMessages()
{
    messages_ = systemName_.empty() ? std::map<std::string, std::string>()
                                    : MessageFolder::messagesIn(files_, ownFolder());
}

int R4000MessageDoc::open(const std::string& path)
{
    auto record = std::make_unique<CR4700RecordData>();
    problem_.clear();
    if (endsWith(path, ".wav")) {
        if (!record->ImportWave(path))
            return record->LastError();
        // The file's name is the file system's (UTF-8); the message keeps the code page's.
        std::string name;
        if (!CodePageText::fromUtf8(record->Name(), codePage_, name) ||
            !MessageFolder::isMessageTitle(name) || !record->SetName(name))
            record->SetName({});
        path_ = ownPath(record->Name());
        modified_ = true;
    } else {
        if (!MessageFile::read(files_, path, *record)) {
            problem_ = record->LastProblem();
            return problem_.empty() ? MessageError::FileNotFound : MessageError::InvalidArgument;
        }
        path_ = path;
        modified_ = false;
    }
    record_ = std::move(record);
    return MessageError::None;
}

bool R4000MessageDoc::save(const std::string& path)
{
    if (endsWith(path, ".wav")) {
        files_.makeDirectory(ownFolder());
        return record_->ExportWave(path, true);
    }
    return saveRecord(std::make_unique<CR4700RecordData>(*record_), path);
}

bool R4000MessageDoc::saveRecord(std::unique_ptr<CR4700RecordData> record, const std::string& path)
{
    if (!files_.makeDirectory(path.substr(0, path.rfind('/'))) ||
        !MessageFile::write(files_, *record, path))
        return false;
    record_ = std::move(record);
    path_ = path;
    modified_ = false;
    refreshMessages();
    return true;
}

bool R4000MessageDoc::rename(const std::string& title, const std::string& newTitle)
{
    const std::string from = ownPath(title);
    const std::string to = ownPath(newTitle);
    if (title == newTitle)
        return true;
    // Renaming never replaces another message.
    if (files_.exists(to) || !files_.rename(from, to))
        return false;
    if (path_ == from)
        path_ = to;
    refreshMessages();
    return true;
}

bool R4000MessageDoc::remove(const std::string& title)
{
    const std::string path = ownPath(title);
    const bool removed = files_.removeFile(path);
    if (removed && path_ == path)
        newDocument(dataFolder_, systemName_);
    refreshMessages();
    return removed;
}

void R4000MessageDoc::replaceRecord(std::unique_ptr<CR4700RecordData> record)
{
    record_ = std::move(record);
    path_.clear();
    modified_ = true;
}

std::string R4000MessageDoc::title() const
{
    return MessageFolder::titleOf(path_);
}

std::string R4000MessageDoc::ownFolder() const
{
    return MessageFolder::ownFolder(dataFolder_, systemName_);
}

std::string R4000MessageDoc::ownPath(const std::string& title) const
{
    return MessageFolder::ownPath(dataFolder_, systemName_, title);
}
