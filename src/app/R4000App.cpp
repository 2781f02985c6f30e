#include "R4000App.h"

#include "AppVersion.h"
#include "CMainFrame.h"
#include "ConfigView.h"
#include "DataFolder.h"
#include "DlgMsg.h"
#include "MaintenanceJobs.h"
#include "MessageView.h"
#include "ModelText.h"
#include "PosixFileOps.h"
#include "R4000ConfigDoc.h"
#include "R4000Doc.h"
#include "R4000System.h"
#include "R4000View.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScanView.h"
#include "UiCredentialsPrompt.h"
#include "UserMessages.h"
#include "WidgetDialogs.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

R4000App::R4000App(Options options)
    : options_(std::move(options)), files_(std::make_unique<PosixFileOps>())
{
    if (!options_.environment)
        options_.environment = [](const char* name) { return std::getenv(name); };
}

R4000App::~R4000App() = default;

QIcon R4000App::windowIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/res/icon"));
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

bool R4000App::initInstance()
{
    dataFolder_ = options_.dataFolder.empty() ? DataFolder::resolve() : options_.dataFolder;

    std::vector<std::string> arguments;
    for (const QString& argument : std::as_const(options_.arguments))
        arguments.push_back(argument.toStdString());
    const std::string requested = LanguageChoice::requested(arguments, options_.environment);
    locale_ = Locale::fromCode(LanguageChoice::activate(requested, options_.libraryDirectory));
    resources_ = std::make_unique<ResourceChain>(QString::fromStdString(locale_.code()));
    system_ = std::make_unique<R4000System>(locale_);
    QGuiApplication::setWindowIcon(windowIcon());
    // Ties the windows to the desktop entry, for the icon and name a Wayland desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.co.zun.R4000"));
    // Qt's own texts (the buttons of message boxes, the file and print dialogs) in the same
    // language, where Qt's translations are installed.
    qtTexts_ = std::make_unique<QTranslator>();
    if (qtTexts_->load(QStringLiteral("qtbase_") + QString::fromStdString(locale_.code()),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts_.get());

    if (options_.dialogs) {
        dialogs_ = options_.dialogs;
    } else {
        ownDialogs_ = std::make_unique<WidgetDialogs>(*this);
        dialogs_ = ownDialogs_.get();
    }
    messages_ = std::make_unique<UserMessages>(*resources_, *dialogs_);
    credentialsPrompt_ = std::make_unique<UiCredentialsPrompt>(*dialogs_);
    configDoc_ = std::make_unique<R4000ConfigDoc>(*this, *system_);

    // The system-selection dialog comes before any window; Cancel ends the program.
    const QString newSystemEntry = u'(' + resources_->stringField(MenuId::Config, 1) + u')';
    initialDoc_ = std::make_unique<R4000Doc>(*files_, dataFolder_, newSystemEntry.toStdString());
    std::string chosen;
    if (!dialogs_->selectSystem(initialDoc_->selection(), initialDoc_->lastSystem(), chosen))
        return false;
    configDoc_->setCurrentSystemName(chosen);

    about_ = {resources_->string(StringId::ProgramName), QStringLiteral(R4000_PRODUCT_VERSION),
              QStringLiteral(R4000_LEGAL_COPYRIGHT), QStringLiteral(R4000_COMPANY_NAME)};

    frame_ = std::make_unique<CMainFrame>();
    launcher_ = new R4000View(*this);
    scanView_ = new ScanView(*this, options_.scanOptions, options_.restartWaitMs);
    configView_ = new ConfigView(*this, *configDoc_, options_.unitOptions, options_.scanOptions,
                                 options_.restartWaitMs);
    const std::string programFolder =
        !options_.programFolder.empty()
            ? options_.programFolder
            : QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    messageView_ = new MessageView(*this, programFolder, options_.unitOptions);
    for (ToolView* each :
         {static_cast<ToolView*>(launcher_), static_cast<ToolView*>(scanView_),
          static_cast<ToolView*>(configView_), static_cast<ToolView*>(messageView_)})
        frame_->addView(each);
    connect(configDoc_.get(), &SystemDocument::currentSystemChanged, launcher_,
            &R4000View::updateButtons);
    maintenance_ = std::make_unique<MaintenanceJobs>(*this, options_.unitOptions, *launcher_);
    connect(launcher_, &R4000View::clockSettingRequested, this,
            [this] { maintenance_->setClock(); });
    connect(launcher_, &R4000View::passwordChangeRequested, this,
            [this] { maintenance_->changePassword(); });
    connect(frame_.get(), &CMainFrame::launcherClosed, this, &R4000App::onLauncherClosed);

    switchView(ToolId::Launcher);
    return true;
}

CredentialsPrompt& R4000App::credentialsPrompt() const
{
    return *credentialsPrompt_;
}

SystemDocument& R4000App::document() const
{
    return *configDoc_;
}

const std::string& R4000App::currentSystemName() const
{
    return configDoc_->currentSystemName();
}

ToolView* R4000App::currentView() const
{
    return frame_ ? frame_->currentView() : nullptr;
}

ToolView* R4000App::view(int toolId) const
{
    switch (toolId) {
    case ToolId::Launcher:
        return launcher_;
    case ToolId::Scan:
        return scanView_;
    case ToolId::Config:
        return configView_;
    case ToolId::Message:
        return messageView_;
    default:
        return nullptr;
    }
}

void R4000App::openCurrentSystem()
{
    DlgMsg notice(*resources_, resources_->string(StringId::LoadingFile), frame_.get());
    configDoc_->openDocument(configDoc_->systemFilePath(currentSystemName()));
}

void R4000App::switchView(int toolId)
{
    ToolView* target = view(toolId);
    if (!target)
        target = currentView();
    if (!target)
        return;
    frame_->hide();
    const bool haveSystem = !currentSystemName().empty();
    switch (target->toolId()) {
    case ToolId::Scan:
    case ToolId::Message:
        // Both tools work on the current system's settings.
        if (haveSystem)
            openCurrentSystem();
        break;
    case ToolId::Config:
        if (haveSystem)
            openCurrentSystem();
        else
            configDoc_->newDocument();
        break;
    default:
        break;
    }
    const bool isLauncher = target == launcher_;
    frame_->showView(target, isLauncher ? launcher_->backgroundSize() : QSize(720, 540),
                     isLauncher);
}

void R4000App::openSystem()
{
    std::string chosen;
    if (!dialogs_->selectSystem(initialDoc_->selection(), currentSystemName(), chosen)) {
        emit configDoc_->changed();
        return;
    }
    if (chosen.empty()) {
        configDoc_->newDocument();
        return;
    }
    configDoc_->setCurrentSystemName(chosen);
    openCurrentSystem();
}

void R4000App::showAbout()
{
    CAboutDlg(*resources_, about_, frame_.get()).exec();
}

void R4000App::onLauncherClosed()
{
    // The line carries the name as it was; a name that is no system is forgotten.
    const std::string name = currentSystemName();
    if (!initialDoc_->save(name))
        messages_->fail(StringId::InitialFileNotWritten, {QString::fromStdString(dataFolder_)});
    if (!configDoc_->isKnownSystem(name))
        configDoc_->setCurrentSystemName({});
}
