#pragma once

#include <QObject>
#include <string>

class R4000System;

// The current system and its document, as every tool sees it. The document is the one owner
// of "the current system": the name of the system the program works on, and the model it
// is loaded into.
//
// A load destroys every equipment and station of the model, and every save loads the model
// again from what was written. Whatever holds pointers into the model lets go of them on
// aboutToRebuild() and takes the model again on rebuilt(); nothing sees it half-loaded.
class SystemDocument : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual R4000System& system() const = 0;
    // The system the program works on; empty for a new system that was never saved.
    virtual const std::string& currentSystemName() const = 0;
    // Saves the system into its folder; a system never saved asks for its name first. False
    // when it was not saved (the user has been told why, or cancelled).
    virtual bool save() = 0;
    // Loads the current system's file again; with no system current the model in memory
    // stays. False, after telling the user, when the file could not be read.
    virtual bool reload() = 0;
    // The system was saved under name by a job of its own (a password change renames it):
    // it becomes the current system, loaded from what was written.
    virtual bool adopt(const std::string& name) = 0;
    // The system's file can no longer be trusted to be the model's (a job saved part of it):
    // the model stays, as a system never saved, so the next save asks for its name.
    virtual void forgetFile() = 0;

    // Brackets one rebuild of the model: aboutToRebuild() when made, rebuilt() when it goes.
    class Rebuild
    {
    public:
        explicit Rebuild(SystemDocument& document);
        ~Rebuild();
        Rebuild(const Rebuild&) = delete;
        Rebuild& operator=(const Rebuild&) = delete;

    private:
        SystemDocument& document_;
    };

signals:
    void aboutToRebuild();
    void rebuilt();
    // The document was made, opened or saved: every view shows it again.
    void changed();
    void currentSystemChanged();
};
