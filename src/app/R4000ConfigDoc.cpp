#include "R4000ConfigDoc.h"

#include "ModelText.h"
#include "R4000App.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "SystemFolder.h"
#include "Timestamp.h"
#include "UserDialogs.h"

#include <filesystem>

namespace {

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

R4000ConfigDoc::R4000ConfigDoc(R4000App& app, QObject* parent)
    : QObject(parent), app_(app), title_(app.resources().stringField(129, 1))
{
}

void R4000ConfigDoc::setPath(const std::string& path)
{
    path_ = path;
    if (path.empty()) {
        title_ = app_.resources().stringField(129, 1);
        return;
    }
    // The title is the file name without ".sys".
    std::string name = std::filesystem::path(path).filename().string();
    if (const auto at = name.find(".sys"); at != std::string::npos && at > 0)
        name.erase(at);
    title_ = ModelText::toUi(name, app_.locale().codePage());
}

void R4000ConfigDoc::newDocument()
{
    app_.setCurrentSystemName({});
    app_.system().clear();
    app_.system().init();
    setPath({});
    emit changed();
}

bool R4000ConfigDoc::openDocument(const std::string& path)
{
    if (!path_.empty() && sameText(path, path_))
        return true;
    std::string error;
    SystemFolder folder = folderOf(app_.files(), path);
    if (!folder.load(app_.system(), error)) {
        app_.tell(5121, {QString::fromStdString(error)});
        newDocument();
        return false;
    }
    setPath(path);
    app_.setCurrentSystemName(ModelText::fromUi(title_, app_.locale().codePage()));
    emit changed();
    return true;
}

bool R4000ConfigDoc::save()
{
    return path_.empty() ? saveAs() : saveTo(path_);
}

bool R4000ConfigDoc::saveAs()
{
    std::string name;
    if (!app_.dialogs().nameSystem(app_.system(), name))
        return false;
    const std::string path = app_.systemFilePath(name);
    // Saving under the name of another system would replace it: only when the user says so.
    if (!sameText(path, path_) && app_.isKnownSystem(name)) {
        const ResourceChain& resources = app_.resources();
        const QString text =
            resources.string(5122).arg(ModelText::toUi(name, app_.locale().codePage()));
        if (!app_.dialogs().question(resources.string(5003), text))
            return false;
    }
    setPath(path);
    app_.setCurrentSystemName(name);
    return saveTo(path);
}

bool R4000ConfigDoc::saveTo(const std::string& path)
{
    std::string stamp;
    std::string error;
    SystemFolder folder = folderOf(app_.files(), path);
    // The model is rebuilt from what was written, so memory and disk agree.
    const bool saved = Timestamp::current(stamp, error) &&
                       folder.save(app_.system(), stamp, error) &&
                       folder.load(app_.system(), error);
    if (!saved)
        app_.tell(5120, {QString::fromStdString(error)});
    emit changed();
    return saved;
}
