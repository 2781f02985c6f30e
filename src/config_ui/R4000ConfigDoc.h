#pragma once

#include "AllUnitRun.h"
#include "SystemDocument.h"
#include "UnitClient.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class CredentialsPrompt;
class SystemFolder;
class ToolHost;

// The System Setting Tool's document, and the program's document of the current system:
// the one system model, the name of the current system, the path of the system file it was
// loaded from ("<data folder>/<name>/<name>.sys"; empty for a system never saved or not yet
// opened) and its title, the system's name.
class R4000ConfigDoc : public SystemDocument
{
    Q_OBJECT

public:
    R4000ConfigDoc(ToolHost& host, R4000System& system, QObject* parent = nullptr);

    R4000System& system() const override { return system_; }
    const std::string& currentSystemName() const override { return currentName_; }
    // Makes name the current system without loading it (the choice at start-up).
    void setCurrentSystemName(const std::string& name);
    // "<data folder>/<name>/<name>.sys"
    std::string systemFilePath(const std::string& name) const;
    // True when name is a system of the data folder now.
    bool isKnownSystem(const std::string& name) const;

    // A new, default system; the current system name becomes empty.
    void newDocument();
    // Loads the system file at path and makes its system current. Opening the path that is
    // already open (case ignored) changes nothing. False, after telling the user, when the
    // system cannot be read; the document is then a new system.
    bool openDocument(const std::string& path);
    // Saves to the document's path; a system never saved asks for its name first.
    bool save() override;
    bool reload() override;
    bool adopt(const std::string& name) override;
    void forgetFile() override;
    // Asks for a name and password and saves the system under them.
    bool saveAs();

    // Fetches every unit's settings file into the system's folder and loads the system
    // from it again (also when units failed: they keep their local files). While it runs,
    // the window goes on painting and no other program saves the folder. Nothing, with
    // error, when the folder cannot be taken; else the units' report, with error when the
    // folder could not be read again.
    std::optional<AllUnitRun::Report> download(CredentialsPrompt& prompt,
                                               const UnitClient::Options& options,
                                               long restartWaitMs, std::string& error);

    const std::string& path() const { return path_; }
    QString title() const { return title_; }

private:
    bool saveTo(const std::string& path);
    void setPath(const std::string& path);

    // The digest of the files the model was last loaded from (every save loads again), and
    // their path.
    void remember(SystemFolder& folder, const std::string& path);

    ToolHost& host_;
    R4000System& system_;
    std::uint64_t digest_ = 0;
    std::string digestPath_;
    std::string currentName_;
    std::string path_;
    QString title_;
};
