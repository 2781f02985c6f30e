#pragma once

#include "CredentialsPrompt.h"

#include <optional>
#include <string>

class QDialog;
class QString;
class System;
class SystemSelection;

// Everything the program asks or tells the user goes through here, so the same flows run
// with real dialogs in the window and with scripted answers in the tests.
class UserDialogs
{
public:
    // Exclamation for refused input, Error for a failure (a file not written, say).
    enum class Icon { None, Information, Exclamation, Error };
    enum class Answer { Yes, No, Cancel };

    virtual ~UserDialogs() = default;

    // A message box with an OK button.
    virtual void message(const QString& caption, const QString& text, Icon icon) = 0;
    // A yes/no question; true for yes.
    virtual bool question(const QString& caption, const QString& text) = 0;
    // A question answered with OK or Cancel; true for OK.
    virtual bool confirm(const QString& caption, const QString& text) = 0;
    // A question that may also be cancelled (Yes, No, Cancel).
    virtual Answer questionWithCancel(const QString& caption, const QString& text) = 0;
    // The system-selection dialog, proposing the current system. True on OK, with the
    // chosen system in chosen (empty for a new one).
    virtual bool selectSystem(SystemSelection& selection, const std::string& currentName,
                              std::string& chosen) = 0;
    // The save dialog of a system saved for the first time. True on OK, when the system
    // carries the new name and the stored password; name is then the system's name.
    virtual bool nameSystem(System& system, std::string& name) = 0;
    // Where to save a file: the path chosen, empty on Cancel. filter: the file type offered;
    // defaultSuffix: added to a name typed without one ("csv").
    virtual QString saveFileName(const QString& caption, const QString& proposedPath,
                                 const QString& filter, const QString& defaultSuffix) = 0;
    // Which existing file to open: its path, empty on Cancel. filter: the files shown.
    virtual QString openFileName(const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // The login dialog for a unit that refused the credentials tried; empty on Cancel.
    // Called on the user-interface thread only (UiCredentialsPrompt brings workers there).
    virtual std::optional<Credentials> unitCredentials(const std::string& address, int webPort,
                                                       const Credentials& tried) = 0;
    // Any other modal dialog: shows it until the user closes it and returns its result
    // (QDialog::Accepted on OK). The dialog checks its own fields on OK.
    virtual int exec(QDialog& dialog) = 0;
};
