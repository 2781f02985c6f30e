#pragma once

#include "Scan.h"
#include "ToolView.h"
#include "UnitClient.h"

#include <memory>
#include <vector>

class ModelPage;
class PrintCommands;
class QPagedPaintDevice;
class QPrinter;
class QTabWidget;
class R4000ConfigDoc;
class System;

// The System Setting Tool: the current system in seven tab pages, and the document
// commands (New, Open, Save, Save As, Upload, Download, Close). The pages hold the model
// only while the tool is shown and no document command runs, so none ever sees a model
// that is being loaded or replaced.
class ConfigView : public ToolView
{
    Q_OBJECT

public:
    enum Tab { General, Exchange, MultiInterface, IPStation, Station, Paging, Group, TabCount };

    // unitOptions: how the units are reached; scanOptions: how the import finds them;
    // restartWaitMs: how long a unit is given to restart after a download changed its
    // credentials.
    ConfigView(ToolHost& host, R4000ConfigDoc& document, UnitClient::Options unitOptions,
               Scan::Options scanOptions, long restartWaitMs, QWidget* parent = nullptr);
    ~ConfigView() override;

    // The tool's title, " - " and the document's title.
    QString caption() const override;
    bool followsFrame() const override { return true; }
    void onShown() override;
    void closeTool() override;

    QTabWidget& tabs() const { return *tabs_; }
    ModelPage& page(Tab tab) const { return *pages_[std::size_t(tab)]; }
    // The model the pages show; null while they are detached.
    System* model() const { return model_; }
    // Pages from..to (to 0: to the end) of the configuration report on device; the number
    // printed, 0 when the report ends before from, -1 when the device took nothing.
    int printReport(QPagedPaintDevice& device, int from, int to) const;
    // The printer that Print Setup sets up and Print and Print Preview use.
    QPrinter& printer();

protected:
    bool isCommandEnabled(int command) const override;
    void onCommand(int command) override;

private:
    // Detaches the pages for the length of a document command and attaches them again.
    class CommandScope;

    void setModel(System* system);
    void commitPendingEdit();
    void attachWhenIdle();
    void refreshCaption();
    void newOrOpen(int command);
    void save(int command);
    void upload();
    void download();
    // The import from the scan result, over the registration page.
    void importFromScan();
    // The address check before units are reached; false after telling the user.
    bool unitAddressesUnique(int captionId) const;
    // The result of an all-unit run: done, or the units that failed.
    void report(int captionId, int doneId, const std::string& failures) const;

    R4000ConfigDoc& document_;
    UnitClient::Options unitOptions_;
    Scan::Options scanOptions_;
    PrintCommands* printing_;
    long restartWaitMs_;
    QTabWidget* tabs_;
    std::vector<ModelPage*> pages_;
    System* model_ = nullptr;
    bool active_ = false;
    int commandDepth_ = 0;
};
