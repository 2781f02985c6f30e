#include "MessageView.h"

#include "DlgMessageList.h"
#include "DlgMsgTransfer.h"
#include "Locale.h"
#include "ModelText.h"
#include "PrintCommands.h"
#include "R4000MessageDoc.h"
#include "ReportBlock.h"
#include "ReportPrinter.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemDocument.h"
#include "ToolHost.h"

#include <QTabWidget>
#include <QVBoxLayout>

MessageView::MessageView(ToolHost& host, const std::string& programFolder,
                         UnitClient::Options options, QWidget* parent)
    : ToolView(host, ToolId::Message, MenuId::Message, true, parent),
      document_(std::make_unique<R4000MessageDoc>(host.files(), host.locale().codePage())),
      tabs_(new QTabWidget(this)), list_(new DlgMessageList(host, *document_)),
      transfer_(new DlgMsgTransfer(host, *document_,
                                   {programFolder + "/Message", programFolder + "/sounds"},
                                   std::move(options))),
      printing_(new PrintCommands(
          host, *this,
          [this](QPagedPaintDevice& device, int from, int to) {
              return printList(device, from, to);
          },
          StringId::MessageListNotPrinted))
{
    printing_->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_->setObjectName(QStringLiteral("messageTabs"));
    tabs_->addTab(list_, host.resources().string(StringId::TabMessageList));
    tabs_->addTab(transfer_, host.resources().string(StringId::TabMessageTransfer));
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &MessageView::onTabChanged);
    connect(list_, &DlgMessageList::stateChanged, this, &ToolView::updateCommands);
}

MessageView::~MessageView() = default;

void MessageView::onShown()
{
    SystemDocument& system = host().document();
    // The messages are read again also for the same system: files may have come since.
    if (!document_->newDocument(host().dataFolder(), system.currentSystemName()))
        document_->refreshMessages();
    tabs_->setCurrentIndex(List);
    list_->refreshList();
    transfer_->reload();
    updateCommands();
}

void MessageView::onTabChanged(int tab)
{
    // The registration page offers the messages as they are now, new ones too.
    if (tab == Transfer)
        transfer_->refreshMessages();
    updateCommands();
}

void MessageView::closeTool()
{
    if (!list_->letGoOfMessage())
        return;
    transfer_->keepList();
    host().switchView(ToolId::Launcher);
}

int MessageView::printList(QPagedPaintDevice& device, int from, int to) const
{
    const std::vector<ReportBlock> blocks = {list_->listBlock()};
    ReportPrinter printer(
        blocks, host().resources().string(StringId::MessageListTitle),
        ResourceChain::substitute(
            host().resources().string(StringId::ReportSystemName),
            {ModelText::toUi(document_->systemName(), host().locale().codePage())}),
        host().resources(), host().locale().isJapanese());
    return printer.print(device, from, to);
}

bool MessageView::isCommandEnabled(int command) const
{
    const bool recording = list_->isRecording();
    const bool playing = list_->isPlaying();
    switch (command) {
    case CommandId::New:
    case CommandId::Open:
    case CommandId::ImportWave:
    case CommandId::TransferMessages:
    case CommandId::Print:
    case CommandId::PrintPreview:
    case CommandId::PrintSetup:
        return !recording;
    case CommandId::Save:
    case CommandId::SaveAs:
    case CommandId::ExportWave:
        return !recording && list_->hasMessage();
    case CommandId::DeleteMessage:
    case CommandId::RenameMessage:
        return list_->hasSelection();
    case CommandId::Play:
        return !recording && list_->hasMessage() && (!playing || list_->isPaused());
    case CommandId::Pause:
        return playing && !list_->isPaused();
    case CommandId::Stop:
        return recording || playing;
    case CommandId::Record:
        return !recording;
    default:
        return ToolView::isCommandEnabled(command);
    }
}

void MessageView::onCommand(int command)
{
    if (printing_->run(command))
        return;
    const auto onList = [this] { tabs_->setCurrentIndex(List); };
    switch (command) {
    case CommandId::New:
        onList();
        list_->newMessage();
        break;
    case CommandId::Open:
        onList();
        list_->openFile();
        break;
    case CommandId::Save:
    case CommandId::SaveAs:
        list_->save();
        break;
    case CommandId::DeleteMessage:
        list_->deleteMessage();
        break;
    case CommandId::RenameMessage:
        list_->renameMessage();
        break;
    case CommandId::ImportWave:
        onList();
        list_->importWave();
        break;
    case CommandId::ExportWave:
        list_->exportWave();
        break;
    case CommandId::TransferMessages:
        tabs_->setCurrentIndex(Transfer);
        break;
    case CommandId::Play:
        list_->play();
        break;
    case CommandId::Pause:
        list_->pause();
        break;
    case CommandId::Stop:
        list_->stop();
        break;
    case CommandId::Record:
        onList();
        list_->record();
        break;
    case CommandId::MessageClose:
        closeTool();
        break;
    default:
        ToolView::onCommand(command);
        break;
    }
    updateCommands();
}
