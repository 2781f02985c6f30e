#include "ScanView.h"

#include "DlgProgress.h"
#include "DlgScanIpPool.h"
#include "DlgSetGateway.h"
#include "DlgSetSubnetMask.h"
#include "LimitedTextDelegate.h"
#include "Locale.h"
#include "PageAttachment.h"
#include "R4000ScanDoc.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScanPrinter.h"
#include "ScanTableModel.h"
#include "SystemDocument.h"
#include "SystemFolder.h"
#include "ToolHost.h"
#include "UserDialogs.h"
#include "UserMessages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ScanView::ScanView(ToolHost& host, Scan::Options scanOptions, int restartWaitMs, QWidget* parent)
    : ToolView(host, ToolId::Scan, MenuId::Scan, true, parent),
      document_(std::make_unique<R4000ScanDoc>(std::move(scanOptions))),
      model_(new ScanTableModel(*document_, host.resources(), host.locale(), this)),
      table_(new QTableView(this)),
      scanButton_(new QPushButton(host.resources().string(StringId::ScanButton), this)),
      writeButton_(new QPushButton(host.resources().string(StringId::ConfigurationButton), this)),
      status_(new QLabel(this)), restartWaitMs_(restartWaitMs)
{
    document_->addListener(this);
    table_->setModel(model_);
    table_->setItemDelegate(new LimitedTextDelegate(table_));
    table_->setObjectName(QStringLiteral("units"));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    scanButton_->setObjectName(QStringLiteral("scan"));
    writeButton_->setObjectName(QStringLiteral("configuration"));
    status_->setObjectName(QStringLiteral("status"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(scanButton_);
    buttons->addWidget(writeButton_);
    buttons->addStretch();
    buttons->addWidget(status_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(table_);

    connect(scanButton_, &QPushButton::clicked, this, &ScanView::scan);
    connect(writeButton_, &QPushButton::clicked, this, &ScanView::writeSettings);
    connect(model_, &ScanTableModel::refused, this, [this](int id, const QStringList& values) {
        this->host().messages().tell(id, values);
    });
    connect(model_, &ScanTableModel::selectionCountChanged, this, &ScanView::updateButtons);
    restartWait_.setSingleShot(true);
    // The units restarted: see them again at their new addresses. The write's progress window
    // stays until this scan ends.
    connect(&restartWait_, &QTimer::timeout, this, [this] {
        writing_ = false;
        startScanning();
    });
    updateButtons();
}

ScanView::~ScanView()
{
    document_->removeListener(this);
}

QString ScanView::statusText() const
{
    return status_->text();
}

bool ScanView::busy() const
{
    return scanning_ || writing_;
}

void ScanView::updateButtons()
{
    scanButton_->setEnabled(isCommandEnabled(CommandId::Scan));
    writeButton_->setEnabled(isCommandEnabled(CommandId::Write));
    updateCommands();
}

bool ScanView::isCommandEnabled(int command) const
{
    const bool selected = model_->selectedCount() > 0;
    switch (command) {
    case CommandId::Scan:
        return !busy();
    case CommandId::Write:
        return selected && !busy();
    case CommandId::AutoAssign:
    case CommandId::Mask:
    case CommandId::Gateway:
        return selected;
    case CommandId::Range:
    case CommandId::Print:
    case CommandId::PrintPreview:
        return true;
    case CommandId::SelectAll:
    case CommandId::Save:
        return model_->rowCount() > 0;
    default:
        return ToolView::isCommandEnabled(command);
    }
}

void ScanView::onCommand(int command)
{
    switch (command) {
    case CommandId::Scan:
        scan();
        break;
    case CommandId::Write:
        writeSettings();
        break;
    case CommandId::AutoAssign:
        autoAssign();
        break;
    case CommandId::Range:
        rangeSettings();
        break;
    case CommandId::Mask:
        subnetMask();
        break;
    case CommandId::Gateway:
        gateway();
        break;
    case CommandId::SelectAll:
        model_->selectAll();
        break;
    case CommandId::Save:
        saveCsv();
        break;
    case CommandId::Print:
        print();
        break;
    case CommandId::PrintPreview:
        printPreview();
        break;
    default:
        ToolView::onCommand(command);
    }
}

void ScanView::showProgress(int titleId, int textId, int milliseconds)
{
    const ResourceChain& resources = host().resources();
    progress_ = new DlgProgress(resources.string(titleId) + QStringLiteral(" - ") +
                                    resources.string(StringId::Caption),
                                resources.string(textId), milliseconds / 1000,
                                resources.string(StringId::UnitsDidNotAnswer),
                                resources.dialogText(DialogId::About, 1), window());
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress_, &QDialog::finished, this, [this] {
        // Closed by the user while units never answered: the tool is free again.
        if (writing_ && !restartWait_.isActive()) {
            writing_ = false;
            updateButtons();
        }
    });
    progress_->open();
}

void ScanView::scan()
{
    if (startScanning())
        showProgress(StringId::ScanStatus, StringId::ScanningNow, document_->scanDuration());
}

bool ScanView::startScanning()
{
    scanning_ = true;
    updateButtons();
    if (document_->startScan())
        return true;
    onScanFinished();
    return false;
}

void ScanView::onScanFinished()
{
    if (progress_)
        progress_->finish();
    scanning_ = false;
    model_->reload();
    updateButtons();
    const QString found = ResourceChain::substitute(host().resources().string(StringId::UnitsFound),
                                                    {QString::number(model_->rowCount())});
    status_->setText(found);
    host().messages().inform(found);
}

void ScanView::writeSettings()
{
    writesAwaited_ = 0;
    resetsAwaited_ = 0;
    for (ScanElement* unit : model_->selectedUnits()) {
        if (document_->writeUnit(*unit))
            ++writesAwaited_;
    }
    writing_ = true;
    updateButtons();
    if (writesAwaited_ == 0)
        restartWait_.start(restartWaitMs_);
    showProgress(StringId::NetworkSettingChange, StringId::WritingNow,
                 document_->writeTime() + restartWaitMs_ + document_->resetTime());
}

void ScanView::onWriteAck(std::uint8_t, const MacAddress& mac)
{
    --writesAwaited_;
    if (const ScanElement* unit = document_->find(ScanElement::macText(mac))) {
        if (document_->restartUnit(*unit))
            ++resetsAwaited_;
    }
}

void ScanView::onResetAck(std::uint8_t, const MacAddress&)
{
    --resetsAwaited_;
    if (writesAwaited_ <= 0 && resetsAwaited_ <= 0)
        restartWait_.start(restartWaitMs_);
}

void ScanView::autoAssign()
{
    const System& system = host().document().system();
    model_->autoAssign(system.scanStartAddress(), system.scanAssignCount());
}

void ScanView::rangeSettings()
{
    SystemDocument& document = host().document();
    {
        DlgScanIpPool dialog(host().messages(), window());
        const PageAttachment attachment(document, dialog);
        if (host().dialogs().exec(dialog) != QDialog::Accepted)
            return;
    }
    // The range belongs to the system: it is saved at once.
    document.save();
}

void ScanView::subnetMask()
{
    DlgSetSubnetMask dialog(host().messages(), window());
    if (host().dialogs().exec(dialog) == QDialog::Accepted)
        model_->setSelectedMask(dialog.address());
}

void ScanView::gateway()
{
    DlgSetGateway dialog(host().messages(), window());
    if (host().dialogs().exec(dialog) == QDialog::Accepted)
        model_->setSelectedGateway(dialog.address());
}

void ScanView::saveCsv()
{
    // Next to the current system's files, or in the data folder without one.
    const std::string& name = host().document().currentSystemName();
    const std::string& data = host().dataFolder();
    const std::string folder = name.empty() ? data : SystemFolder::folderFor(data, name);
    const QString path = host().dialogs().saveFileName(
        host().resources().string(StringId::Caption), QString::fromStdString(folder + "/scan.csv"),
        QStringLiteral("CSV (Comma Separated Values) (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (!document_->saveCsv(host().files(), path.toStdString()))
        host().messages().fail(StringId::FileNotWritten, {path});
}

ScanPrinter ScanView::printer() const
{
    return ScanPrinter(*model_, host().locale().isJapanese());
}

void ScanView::print()
{
    QPrinter device(QPrinter::HighResolution);
    QPrintDialog dialog(&device, window());
    if (host().dialogs().exec(dialog) == QDialog::Accepted)
        printer().print(device);
}

void ScanView::printPreview()
{
    QPrinter device(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&device, window());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printer().print(*target); });
    host().dialogs().exec(preview);
}
