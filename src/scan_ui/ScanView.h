#pragma once

#include "DlgProgress.h"
#include "Scan.h"
#include "ScanListener.h"
#include "ScanPrinter.h"
#include "ToolView.h"

#include <QPointer>
#include <QTimer>
#include <memory>

class QLabel;
class QPushButton;
class QTableView;
class R4000ScanDoc;
class ScanTableModel;

// The Unit Scanning Tool: finds the units by broadcast, lists the equipment among them,
// lets the user give them addresses, masks, gateways, web ports and names, writes those
// into the selected units and makes them restart, then scans again. The window never
// blocks: scans, writes and the restart wait run on the event loop while a progress
// window shows.
class ScanView : public ToolView, public ScanListener
{
    Q_OBJECT

public:
    // restartWaitMs: how long the units are given to restart after a write before the tool
    // scans again.
    ScanView(ToolHost& host, Scan::Options scanOptions, int restartWaitMs,
             QWidget* parent = nullptr);
    ~ScanView() override;

    R4000ScanDoc& document() const { return *document_; }
    ScanTableModel& model() const { return *model_; }
    QString statusText() const;
    // The progress window while a scan or a write runs.
    DlgProgress* progress() const { return progress_; }

    void onScanFinished() override;
    void onWriteAck(std::uint8_t status, const MacAddress& mac) override;
    void onResetAck(std::uint8_t status, const MacAddress& mac) override;

protected:
    bool isCommandEnabled(int command) const override;
    void onCommand(int command) override;

private:
    void scan();
    // Starts a scan whose end closes the open progress window; false when none could start
    // (it has ended already).
    bool startScanning();
    void writeSettings();
    void autoAssign();
    void rangeSettings();
    void subnetMask();
    void gateway();
    void saveCsv();
    void print();
    void printPreview();
    ScanPrinter printer() const;
    void showProgress(int titleId, int textId, int milliseconds);
    void updateButtons();
    bool busy() const;

    std::unique_ptr<R4000ScanDoc> document_;
    ScanTableModel* model_;
    QTableView* table_;
    QPushButton* scanButton_;
    QPushButton* writeButton_;
    QLabel* status_;
    QPointer<DlgProgress> progress_;
    QTimer restartWait_;
    int restartWaitMs_;
    bool scanning_ = false;
    bool writing_ = false;
    int writesAwaited_ = 0;
    int resetsAwaited_ = 0;
};
