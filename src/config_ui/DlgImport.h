#pragma once

#include "DlgProgress.h"
#include "Scan.h"
#include "ScanImport.h"
#include "ScanListener.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QTableWidget;
class ResourceChain;
class System;
class UserMessages;

// "Import from scan result": scans for the units on the network and copies the name and
// addresses of a found unit onto a registered one, by the import button or by dragging the
// found unit onto it. OK gives the copies to the system in the order they were made;
// Cancel leaves the system as it was.
class DlgImport : public QDialog, public ScanListener
{
    Q_OBJECT

public:
    // The columns of the registered equipment ("import to") and of the units found.
    enum TargetColumn { Type, Number, Name, Model, Address, Mask, Gateway, WebPort };
    enum FoundColumn {
        FoundName,
        FoundModel,
        FoundAddress,
        FoundMask,
        FoundGateway,
        FoundWebPort,
        FoundAddressNumber
    };

    DlgImport(const ResourceChain& resources, const UserMessages& messages, System& system,
              Scan::Options scanOptions, QWidget* parent = nullptr);
    ~DlgImport() override;

    // The "Scan" button: the units found so far go, and a scan runs with its progress window.
    void scanUnits();
    // The "import" button: the found unit selected onto the registered one selected.
    void importSelected();
    // A found unit dropped onto a registered one; false for a row out of range.
    bool copy(int found, int target);
    // OK: the copies go to the system.
    void accept() override;

    QTableWidget& targetList() const { return *targets_; }
    QTableWidget& foundList() const { return *found_; }
    Scan& scan() { return scan_; }
    // The scan's progress window while it runs.
    DlgProgress* progress() const { return progress_; }
    const ScanImport& import() const { return import_; }

    void onScanFinished() override;
    void onWriteAck(std::uint8_t, const MacAddress&) override {}
    void onResetAck(std::uint8_t, const MacAddress&) override {}

protected:
    // Drags a found unit out of its list and drops it on the registered equipment.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTarget(int row);
    void fillFound();
    void drag(int row);

    const ResourceChain& resources_;
    const UserMessages& messages_;
    System& system_;
    int codePage_;
    Scan scan_;
    ScanImport import_;
    QTableWidget* targets_;
    QTableWidget* found_;
    QPointer<DlgProgress> progress_;
    // The row a press on the found units began on, and where.
    int pressedRow_ = -1;
    QPoint pressedAt_;
};
