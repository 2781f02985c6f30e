#pragma once

#include "CAboutDlg.h"
#include "LanguageChoice.h"
#include "Locale.h"
#include "Scan.h"
#include "ToolHost.h"
#include "UnitClient.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

class CMainFrame;
class ConfigView;
class CredentialsPrompt;
class MaintenanceJobs;
class FileOps;
class MessageView;
class QIcon;
class QTranslator;
class R4000ConfigDoc;
class R4000Doc;
class R4000System;
class R4000View;
class ResourceChain;
class ScanView;
class ToolView;
class UiCredentialsPrompt;
class UserDialogs;
class UserMessages;

// The program: start-up, the one system model and the document of the current system, and
// the switching of the main window between the launcher and the three tools, which it hosts.
class R4000App : public QObject, public ToolHost
{
    Q_OBJECT

public:
    struct Options {
        // The command line after the program's name; it may name the language ("-ko").
        QStringList arguments;
        // Where the user's locale is read; the process environment when empty.
        LanguageChoice::Environment environment;
        // Where the language libraries are; the library search path when empty.
        std::string libraryDirectory;
        // The data folder; the user's one when empty.
        std::string dataFolder;
        // Who answers the program's questions; its own dialogs when null.
        UserDialogs* dialogs = nullptr;
        // The unit scan's interfaces and timing; the machine's and the protocol's by default.
        Scan::Options scanOptions;
        // How long the scan tool lets units restart after a write before it scans again, and
        // the System Setting Tool after a download gave a unit new credentials.
        int restartWaitMs = 30000;
        // How the System Setting and Message Tools reach the units.
        UnitClient::Options unitOptions;
        // Where the standard messages and the siren previews are; the program's folder when
        // empty.
        std::string programFolder;
    };

    explicit R4000App(Options options);
    ~R4000App() override;

    // Chooses the language, asks for the system to work on and shows the launcher. False
    // when the user cancels the system selection: the program ends without a window.
    bool initInstance();
    const std::string& dataFolder() const override { return dataFolder_; }
    const std::string& language() const { return locale_.code(); }
    const Locale& locale() const override { return locale_; }
    const ResourceChain& resources() const override { return *resources_; }
    FileOps& files() const override { return *files_; }
    R4000System& system() const { return *system_; }
    UserDialogs& dialogs() const override { return *dialogs_; }
    const UserMessages& messages() const override { return *messages_; }
    CredentialsPrompt& credentialsPrompt() const override;
    SystemDocument& document() const override;
    const CAboutDlg::Info& aboutInfo() const { return about_; }
    // The program's icon at every size drawn for it; every window shows it.
    static QIcon windowIcon();

    // Empty when no system is chosen (a new system).
    const std::string& currentSystemName() const;

    CMainFrame* frame() const { return frame_.get(); }
    ToolView* currentView() const;
    R4000View* launcher() const { return launcher_; }
    ToolView* view(int toolId) const;
    R4000ConfigDoc& configDoc() const { return *configDoc_; }
    R4000Doc& initialDoc() const { return *initialDoc_; }

    // Shows the tool with that id (the launcher, scan, System Setting or Message tool);
    // any other id shows the current tool again.
    void switchView(int toolId) override;
    // The System Setting Tool's "Open": choose a system in the selection dialog and load it.
    void openSystem() override;
    void showAbout() override;

private:
    // Opens the current system in the System Setting Tool's document while a notice shows.
    void openCurrentSystem();
    // Writes the initial file when the program ends.
    void onLauncherClosed();

    Options options_;
    std::string dataFolder_;
    Locale locale_ = Locale::english();
    CAboutDlg::Info about_;
    std::unique_ptr<FileOps> files_;
    std::unique_ptr<ResourceChain> resources_;
    std::unique_ptr<QTranslator> qtTexts_;
    std::unique_ptr<R4000System> system_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    UserDialogs* dialogs_ = nullptr;
    std::unique_ptr<UserMessages> messages_;
    std::unique_ptr<UiCredentialsPrompt> credentialsPrompt_;
    std::unique_ptr<R4000Doc> initialDoc_;
    std::unique_ptr<R4000ConfigDoc> configDoc_;
    std::unique_ptr<CMainFrame> frame_;
    R4000View* launcher_ = nullptr;
    ScanView* scanView_ = nullptr;
    ConfigView* configView_ = nullptr;
    MessageView* messageView_ = nullptr;
    std::unique_ptr<MaintenanceJobs> maintenance_;
};
