#include "R4000ConfigDoc.h"

#include "SettingsTransfer.h"

#include "DataFolder.h"
#include "FolderLock.h"
#include "Locale.h"
#include "ModelText.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "Timestamp.h"
#include "ToolHost.h"
#include "UserDialogs.h"
#include "UserMessages.h"

#include <filesystem>

namespace {

// How long a save waits for another program that is saving the same system.
constexpr int kLockWaitMs = 10000;

bool sameText(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

// The system folder and name of a system file path.
SystemFolder folderOf(FileOps& files, const std::string& path)
{
    const std::filesystem::path file(path);
    return SystemFolder(files, file.parent_path().string(), file.stem().string());
}

} // namespace

R4000ConfigDoc::R4000ConfigDoc(ToolHost& host, R4000System& system, QObject* parent)
    : SystemDocument(parent), host_(host), system_(system),
      title_(host.resources().stringField(MenuId::Config, 1))
{
}

void R4000ConfigDoc::setCurrentSystemName(const std::string& name)
{
    if (name == currentName_)
        return;
    currentName_ = name;
    emit currentSystemChanged();
}

std::string R4000ConfigDoc::systemFilePath(const std::string& name) const
{
    return SystemFolder(host_.files(), SystemFolder::folderFor(host_.dataFolder(), name), name)
        .systemFilePath();
}

bool R4000ConfigDoc::isKnownSystem(const std::string& name) const
{
    return DataFolder::knownSystems(host_.files(), host_.dataFolder()).count(name) > 0;
}

void R4000ConfigDoc::setPath(const std::string& path)
{
    path_ = path;
    if (path.empty()) {
        title_ = host_.resources().stringField(MenuId::Config, 1);
        return;
    }
    // The title is the file name without ".sys".
    std::string name = std::filesystem::path(path).filename().string();
    if (const auto at = name.find(".sys"); at != std::string::npos && at > 0)
        name.erase(at);
    title_ = ModelText::toUi(name, host_.locale().codePage());
}

void R4000ConfigDoc::newDocument()
{
    setCurrentSystemName({});
    {
        const Rebuild rebuild(*this);
        system_.clear();
        system_.init();
    }
    setPath({});
    emit changed();
}

bool R4000ConfigDoc::openDocument(const std::string& path)
{
    if (!path_.empty() && sameText(path, path_))
        return true;
    std::string error;
    SystemFolder folder = folderOf(host_.files(), path);
    bool loaded = false;
    {
        const Rebuild rebuild(*this);
        loaded = folder.load(system_, error);
    }
    if (!loaded) {
        host_.messages().fail(StringId::ReadFailed, {QString::fromStdString(error)});
        newDocument();
        return false;
    }
    setPath(path);
    remember(folder, path);
    setCurrentSystemName(folder.systemName());
    emit changed();
    return true;
}

bool R4000ConfigDoc::reload()
{
    if (currentName_.empty())
        return true;
    // Opening the path that is open would change nothing.
    path_.clear();
    return openDocument(systemFilePath(currentName_));
}

bool R4000ConfigDoc::adopt(const std::string& name)
{
    path_.clear();
    return openDocument(systemFilePath(name));
}

void R4000ConfigDoc::forgetFile()
{
    setPath({});
    digest_ = 0;
    digestPath_.clear();
    setCurrentSystemName({});
    emit changed();
}

bool R4000ConfigDoc::save()
{
    return path_.empty() ? saveAs() : saveTo(path_);
}

bool R4000ConfigDoc::saveAs()
{
    // The dialog names the model; a system the user does not want to replace after all
    // leaves it as it was.
    const SystemCredentials::Kept kept = SystemCredentials::keep(system_);
    std::string name;
    if (!host_.dialogs().nameSystem(system_, name))
        return false;
    const std::string path = systemFilePath(name);
    // Saving under the name of another system would replace it: only when the user says so.
    if (!sameText(path, path_) && isKnownSystem(name)) {
        const QString text = host_.resources()
                                 .string(StringId::ReplaceSystem)
                                 .arg(ModelText::toUi(name, host_.locale().codePage()));
        if (!host_.messages().ask(text)) {
            SystemCredentials::restore(system_, kept);
            return false;
        }
    }
    setPath(path);
    setCurrentSystemName(name);
    return saveTo(path);
}

std::optional<AllUnitRun::Report> R4000ConfigDoc::download(CredentialsPrompt& prompt,
                                                           const UnitClient::Options& options,
                                                           long restartWaitMs, std::string& error)
{
    SystemFolder folder(host_.files(),
                        SystemFolder::folderFor(host_.dataFolder(), system_.systemName()),
                        system_.systemName());
    FolderLock lock;
    if (!lock.acquire(folder.folder(), kLockWaitMs, error))
        return std::nullopt;
    AllUnitRun::Report report;
    {
        const Rebuild rebuild(*this);
        report = SettingsTransfer::downloadAll(system_, {system_, &prompt, options}, host_.files(),
                                               host_.dataFolder(),
                                               AllUnitRun::WaitMode::ProcessingEvents,
                                               restartWaitMs, error);
    }
    // The folder now holds what the units sent: a later save overwrites it without asking.
    if (error.empty() && folder.systemFilePath() == digestPath_)
        digest_ = folder.digest();
    emit changed();
    return report;
}

void R4000ConfigDoc::remember(SystemFolder& folder, const std::string& path)
{
    digest_ = folder.loadedDigest();
    digestPath_ = path;
}

bool R4000ConfigDoc::saveTo(const std::string& path)
{
    std::string stamp;
    std::string error;
    SystemFolder folder = folderOf(host_.files(), path);
    // One writer at a time; another program's save since this one loaded is overwritten
    // only when the user says so.
    FolderLock lock;
    if (!lock.acquire(folder.folder(), kLockWaitMs, error)) {
        host_.messages().fail(StringId::SaveFailed, {QString::fromStdString(error)});
        return false;
    }
    if (path == digestPath_ && folder.digest() != digest_ &&
        !host_.messages().ask(
            host_.resources()
                .string(StringId::ChangedOnDisk)
                .arg(ModelText::toUi(folder.systemName(), host_.locale().codePage()))))
        return false;
    bool saved = false;
    {
        // The model is rebuilt from what was written, so memory and disk agree.
        const Rebuild rebuild(*this);
        saved = Timestamp::current(stamp, error) && folder.save(system_, stamp, error) &&
                folder.load(system_, error);
    }
    if (saved)
        remember(folder, path);
    else
        host_.messages().fail(StringId::SaveFailed, {QString::fromStdString(error)});
    emit changed();
    return saved;
}
