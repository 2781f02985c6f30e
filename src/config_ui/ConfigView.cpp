#include "ConfigView.h"

#include "ConfigReport.h"
#include "DlgExConfig.h"
#include "DlgGroup.h"
#include "DlgIPStationConfig.h"
#include "DlgImport.h"
#include "DlgMiConfig.h"
#include "DlgMsg.h"
#include "DlgPaging.h"
#include "DlgStationConfig.h"
#include "DlgSystemConfig.h"
#include "DlgSystemList.h"
#include "Locale.h"
#include "ModelText.h"
#include "R4000ConfigDoc.h"
#include "R4000System.h"
#include "PrintCommands.h"
#include "ReportPrinter.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingsTransfer.h"
#include "ToolHost.h"
#include "UnitAddressCheck.h"
#include "UserMessages.h"

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

class ConfigView::CommandScope
{
public:
    explicit CommandScope(ConfigView& view) : view_(view)
    {
        ++view_.commandDepth_;
        view_.setModel(nullptr);
    }
    ~CommandScope()
    {
        --view_.commandDepth_;
        view_.attachWhenIdle();
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    ConfigView& view_;
};

ConfigView::ConfigView(ToolHost& host, R4000ConfigDoc& document, UnitClient::Options unitOptions,
                       Scan::Options scanOptions, long restartWaitMs, QWidget* parent)
    : ToolView(host, ToolId::Config, MenuId::Config, true, parent), document_(document),
      unitOptions_(std::move(unitOptions)), scanOptions_(std::move(scanOptions)),
      printing_(new PrintCommands(
          host, *this,
          [this](QPagedPaintDevice& device, int from, int to) {
              return printReport(device, from, to);
          },
          StringId::PrintFailed)),
      restartWaitMs_(restartWaitMs), tabs_(new QTabWidget(this))
{
    printing_->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_->setObjectName(QStringLiteral("configTabs"));
    layout->addWidget(tabs_);

    const ResourceChain& resources = host.resources();
    const UserMessages& messages = host.messages();
    auto add = [&](QWidget* widget, ModelPage* page, int captionId) {
        tabs_->addTab(widget, resources.string(captionId));
        pages_.push_back(page);
    };
    auto* general = new DlgSystemConfig(resources, messages, host.locale());
    add(general, general, StringId::TabGeneral);
    connect(&general->systemList().importButton(), &QPushButton::clicked, this,
            &ConfigView::importFromScan);
    auto* exchange = new DlgExConfig(resources, messages, host.locale());
    add(exchange, exchange, StringId::TabExchange);
    auto* multiInterface = new DlgMiConfig(resources, messages, host.locale());
    add(multiInterface, multiInterface, StringId::TabMultiInterface);
    auto* ipStation = new DlgIPStationConfig(resources, messages, host.locale());
    add(ipStation, ipStation, StringId::TabIPStation);
    auto* station = new DlgStationConfig(resources, messages, host.locale());
    add(station, station, StringId::TabStation);
    auto* paging = new DlgPaging(resources, messages, host.locale());
    add(paging, paging, StringId::TabPaging);
    auto* group = new DlgGroup(resources, messages, host.locale());
    add(group, group, StringId::TabGroup);

    connect(&document_, &SystemDocument::aboutToRebuild, this, [this] { setModel(nullptr); });
    connect(&document_, &SystemDocument::rebuilt, this, &ConfigView::attachWhenIdle);
    connect(&document_, &SystemDocument::changed, this, &ConfigView::refreshCaption);
}

ConfigView::~ConfigView() = default;

QString ConfigView::caption() const
{
    return ToolView::caption() + QStringLiteral(" - ") + document_.title();
}

void ConfigView::refreshCaption()
{
    if (active_)
        window()->setWindowTitle(caption());
}

void ConfigView::onShown()
{
    active_ = true;
    attachWhenIdle();
}

void ConfigView::attachWhenIdle()
{
    if (active_ && commandDepth_ == 0)
        setModel(&document_.system());
}

void ConfigView::setModel(System* system)
{
    if (model_ == system)
        return;
    for (ModelPage* page : pages_)
        page->detach();
    model_ = system;
    if (model_)
        for (ModelPage* page : pages_)
            page->attach(*model_);
}

bool ConfigView::isCommandEnabled(int command) const
{
    switch (command) {
    case CommandId::New:
    case CommandId::Open:
    case CommandId::Save:
    case CommandId::SaveAs:
    case CommandId::Close:
    case CommandId::Print:
    case CommandId::PrintPreview:
    case CommandId::PrintSetup:
        return true;
    case CommandId::Upload:
    case CommandId::Download:
        return document_.system().registeredCount() > 0;
    default:
        return ToolView::isCommandEnabled(command);
    }
}

void ConfigView::commitPendingEdit()
{
    // Menus and keys leave the focus where it is: the field being typed in is taken first,
    // as if the user had left it.
    QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused))
        focused->clearFocus();
}

void ConfigView::onCommand(int command)
{
    if (commandDepth_ > 0)
        return;
    commitPendingEdit();
    if (printing_->run(command))
        return;
    switch (command) {
    case CommandId::New:
    case CommandId::Open:
        newOrOpen(command);
        break;
    case CommandId::Save:
    case CommandId::SaveAs:
        save(command);
        break;
    case CommandId::Upload:
        upload();
        break;
    case CommandId::Download:
        download();
        break;
    case CommandId::Close:
        closeTool();
        break;
    default:
        ToolView::onCommand(command);
    }
    updateCommands();
}

void ConfigView::newOrOpen(int command)
{
    const UserDialogs::Answer answer =
        host().messages().askOrCancel(StringId::SavingCaption, StringId::SaveFirstQuestion);
    if (answer == UserDialogs::Answer::Cancel)
        return;
    const CommandScope scope(*this);
    // A save that did not happen (cancelled, or failed and told) keeps the system open:
    // the edits the user wanted kept are not thrown away.
    if (answer == UserDialogs::Answer::Yes && !document_.save())
        return;
    if (command == CommandId::New)
        document_.newDocument();
    else
        host().openSystem();
}

void ConfigView::save(int command)
{
    if (!host().messages().ask(StringId::SavingCaption, StringId::SaveQuestion))
        return;
    const CommandScope scope(*this);
    if (command == CommandId::SaveAs)
        document_.saveAs();
    else
        document_.save();
}

bool ConfigView::unitAddressesUnique(int captionId) const
{
    if (!UnitAddressCheck::firstDuplicate(document_.system()))
        return true;
    host().messages().show(captionId, host().resources().string(StringId::AddressDuplicated),
                           UserDialogs::Icon::Exclamation);
    return false;
}

void ConfigView::report(int captionId, int doneId, const std::string& failures) const
{
    const ResourceChain& resources = host().resources();
    if (failures.empty()) {
        host().messages().show(captionId, resources.string(doneId), UserDialogs::Icon::None);
        return;
    }
    host().messages().showFailures(captionId, ModelText::toUi(failures, host().locale().codePage()),
                                   UserDialogs::Icon::Exclamation);
}

void ConfigView::upload()
{
    if (!host().messages().ask(StringId::UploadCaption, StringId::UploadQuestion) ||
        !unitAddressesUnique(StringId::UploadCaption))
        return;
    std::string failures;
    {
        DlgMsg wait(host().resources(), host().resources().string(StringId::Uploading), window());
        setEnabled(false);
        const CommandScope scope(*this);
        // What is sent is what the files hold; a save the user cancels does not stop it.
        document_.save();
        failures =
            SettingsTransfer::uploadAll(
                document_.system(), {document_.system(), &host().credentialsPrompt(), unitOptions_},
                AllUnitRun::WaitMode::ProcessingEvents)
                .failures;
        setEnabled(true);
    }
    report(StringId::UploadCaption, StringId::UploadDone, failures);
    refreshCaption();
}

QPrinter& ConfigView::printer()
{
    return printing_->printer();
}

int ConfigView::printReport(QPagedPaintDevice& device, int from, int to) const
{
    const ConfigReport report(host().resources(), document_.system());
    ReportPrinter printer(report, host().resources(), host().locale().isJapanese());
    return printer.print(device, from, to);
}

void ConfigView::importFromScan()
{
    if (commandDepth_ > 0 || !model_)
        return;
    commitPendingEdit();
    DlgImport dialog(host().resources(), host().messages(), *model_, scanOptions_, window());
    host().messages().dialogs().exec(dialog);
}

void ConfigView::download()
{
    if (!host().messages().ask(StringId::DownloadCaption, StringId::DownloadQuestion) ||
        !unitAddressesUnique(StringId::DownloadCaption))
        return;
    // The files come into the system's own folder: a system never saved gets one first, so
    // that another system's folder of the same name is never overwritten.
    if (document_.currentSystemName().empty()) {
        const CommandScope scope(*this);
        if (!document_.save())
            return;
    }
    std::optional<AllUnitRun::Report> result;
    std::string error;
    {
        DlgMsg wait(host().resources(), host().resources().string(StringId::Downloading), window());
        setEnabled(false);
        const CommandScope scope(*this);
        result =
            document_.download(host().credentialsPrompt(), unitOptions_, restartWaitMs_, error);
        setEnabled(true);
    }
    if (!result) {
        host().messages().fail(StringId::FileNotWritten, {QString::fromStdString(error)});
        return;
    }
    report(StringId::DownloadCaption, StringId::DownloadDone, result->failures);
    if (!error.empty())
        host().messages().fail(StringId::ReadFailed, {QString::fromStdString(error)});
}

void ConfigView::closeTool()
{
    if (commandDepth_ > 0)
        return;
    commitPendingEdit();
    if (document_.currentSystemName().empty() && document_.system().registeredCount() > 0 &&
        host().messages().ask(StringId::SavingCaption, StringId::SaveFirstQuestion)) {
        const CommandScope scope(*this);
        // A save that did not happen (cancelled, or failed and told) keeps the tool open.
        if (!document_.save())
            return;
    }
    active_ = false;
    setModel(nullptr);
    host().switchView(ToolId::Launcher);
}
