#include "ScanView.h"

#include "AppIds.h"
#include "DlgProgress.h"
#include "DlgScanIpPool.h"
#include "DlgSetGateway.h"
#include "DlgSetSubnetMask.h"
#include "R4000App.h"
#include "R4000ConfigDoc.h"
#include "R4000ScanDoc.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScanPrinter.h"
#include "ScanTableModel.h"
#include "SystemFolder.h"
#include "UserDialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ScanView::ScanView(R4000App& app, QWidget* parent)
    : ToolView(app, ToolId::Scan, 132, true, parent),
      document_(std::make_unique<R4000ScanDoc>(app.options().scanOptions)),
      model_(new ScanTableModel(*document_, app.resources(), app.locale(), this)),
      table_(new QTableView(this)),
      scanButton_(new QPushButton(app.resources().string(5316), this)),
      writeButton_(new QPushButton(app.resources().string(5317), this)), status_(new QLabel(this))
{
    document_->addListener(this);
    table_->setModel(model_);
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
    connect(model_, &ScanTableModel::refused, &app, &R4000App::tell);
    connect(model_, &ScanTableModel::selectionCountChanged, this, &ScanView::updateButtons);
    restartWait_.setSingleShot(true);
    // The units restarted: see them again at their new addresses.
    connect(&restartWait_, &QTimer::timeout, this, [this] {
        writing_ = false;
        scan();
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
    const ResourceChain& resources = app().resources();
    progress_ =
        new DlgProgress(resources.string(titleId) + QStringLiteral(" - ") + resources.string(5003),
                        resources.string(textId), milliseconds / 1000, resources.string(5318),
                        resources.dialogText(100, 1), window());
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
    scanning_ = true;
    updateButtons();
    if (!document_->startScan()) {
        onScanFinished();
        return;
    }
    showProgress(5040, 5041, document_->scanDuration());
}

void ScanView::onScanFinished()
{
    if (progress_)
        progress_->finish();
    scanning_ = false;
    model_->reload();
    updateButtons();
    const QString found = ResourceChain::substitute(app().resources().string(5308),
                                                    {QString::number(model_->rowCount())});
    status_->setText(found);
    app().dialogs().message(app().resources().string(5003), found, UserDialogs::Icon::None);
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
        restartWait_.start(app().options().restartWaitMs);
    showProgress(5314, 5315,
                 document_->writeTime() + app().options().restartWaitMs + document_->resetTime());
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
        restartWait_.start(app().options().restartWaitMs);
}

void ScanView::autoAssign()
{
    const System& system = app().system();
    model_->autoAssign(system.scanStartAddress(), system.scanAssignCount());
}

void ScanView::rangeSettings()
{
    System& system = app().system();
    DlgScanIpPool dialog(
        app().resources(), system.scanStartAddress(), system.scanAssignCount(),
        system.registeredCount(),
        [this](int id, const QStringList& values) { app().tell(id, values); }, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    system.setScanStartAddress(dialog.start());
    system.setScanAssignCount(dialog.count());
    // The range belongs to the system: it is saved at once.
    app().configDoc().save();
}

void ScanView::subnetMask()
{
    DlgSetSubnetMask dialog(
        app().resources(), [this](int id, const QStringList& values) { app().tell(id, values); },
        window());
    if (dialog.exec() == QDialog::Accepted)
        model_->setSelectedMask(dialog.address());
}

void ScanView::gateway()
{
    DlgSetGateway dialog(
        app().resources(), [this](int id, const QStringList& values) { app().tell(id, values); },
        window());
    if (dialog.exec() == QDialog::Accepted)
        model_->setSelectedGateway(dialog.address());
}

void ScanView::saveCsv()
{
    // Next to the current system's files, or in the data folder without one.
    const std::string& name = app().currentSystemName();
    const std::string folder =
        name.empty() ? app().dataFolder() : SystemFolder::folderFor(app().dataFolder(), name);
    const QString path = app().dialogs().saveFileName(
        app().resources().string(5003), QString::fromStdString(folder + "/scan.csv"),
        QStringLiteral("CSV (Comma Separated Values) (*.csv)"));
    if (path.isEmpty())
        return;
    if (!document_->saveCsv(app().files(), path.toStdString()))
        app().tell(5319, {path});
}

ScanPrinter ScanView::printer() const
{
    return ScanPrinter(*model_, app().locale().isJapanese());
}

void ScanView::print()
{
    QPrinter device(QPrinter::HighResolution);
    QPrintDialog dialog(&device, window());
    if (dialog.exec() == QDialog::Accepted)
        printer().print(device);
}

void ScanView::printPreview()
{
    QPrinter device(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&device, window());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printer().print(*target); });
    preview.exec();
}
