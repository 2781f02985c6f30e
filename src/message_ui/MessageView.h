#pragma once

#include "ToolView.h"
#include "UnitClient.h"

#include <memory>
#include <string>

class DlgMessageList;
class DlgMsgTransfer;
class FileOps;
class PrintCommands;
class QPagedPaintDevice;
class QTabWidget;
class R4000MessageDoc;

// The Message Tool: the system's own messages (record, play, name, import and export) on its
// first page, and their registration on the IP master stations on its second.
class MessageView : public ToolView
{
    Q_OBJECT

public:
    enum Tab { List, Transfer };

    // programFolder: where the standard messages ("Message") and the siren previews
    // ("sounds") that come with the program are.
    MessageView(ToolHost& host, const std::string& programFolder, UnitClient::Options options,
                QWidget* parent = nullptr);
    ~MessageView() override;

    void onShown() override;
    void closeTool() override;

    R4000MessageDoc& document() const { return *document_; }
    QTabWidget& tabs() const { return *tabs_; }
    DlgMessageList& list() const { return *list_; }
    DlgMsgTransfer& transfer() const { return *transfer_; }
    // The list of the system's own messages on device (to 0: to the end); as
    // ReportPrinter::print.
    int printList(QPagedPaintDevice& device, int from, int to) const;

protected:
    bool isCommandEnabled(int command) const override;
    void onCommand(int command) override;

private:
    void onTabChanged(int tab);

    std::unique_ptr<R4000MessageDoc> document_;
    QTabWidget* tabs_;
    DlgMessageList* list_;
    DlgMsgTransfer* transfer_;
    PrintCommands* printing_;
};
