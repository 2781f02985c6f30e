#include "DlgImport.h"

#include "DlgProgress.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "System.h"
#include "UserMessages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Text {
    OkButton = 1,
    CancelButton = 2,
    Note = 3,
    ImportButton = 1141,
    ScanButton = 1142,
    TargetLabel = 1590,
    FoundLabel = 1591,
};

// What a dragged found unit carries: its row.
const QString kFoundRowMime = QStringLiteral("application/x-r4000-found-unit");

QTableWidget* makeList(QWidget* parent, const QString& objectName, const QStringList& headings)
{
    auto* list = new QTableWidget(0, int(headings.size()), parent);
    list->setObjectName(objectName);
    list->setHorizontalHeaderLabels(headings);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    list->horizontalHeader()->setSectionsClickable(false);
    list->horizontalHeader()->setHighlightSections(false);
    return list;
}

void setRow(QTableWidget& list, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        list.setItem(row, column, item);
    }
}

// A found unit on its way: a unit's box with its lamp and a label.
QPixmap dragPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x1f, 0x4e, 0x8c));
    painter.setBrush(QColor(0xd6, 0xe4, 0xf5));
    painter.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x9e, 0x44));
    painter.drawEllipse(QRectF(3, 6, 3, 3));
    painter.setBrush(QColor(0x1f, 0x4e, 0x8c));
    painter.drawRect(QRectF(8, 7, 5, 1));
    return picture;
}

} // namespace

DlgImport::DlgImport(const ResourceChain& resources, const UserMessages& messages, System& system,
                     Scan::Options scanOptions, QWidget* parent)
    : QDialog(parent), resources_(resources), messages_(messages), system_(system),
      codePage_(system.locale().codePage()), scan_(std::move(scanOptions)), import_(system)
{
    const auto text = [&resources](int control) {
        return resources.dialogText(DialogId::Import, control);
    };
    const auto heading = [&resources](int id) { return resources.string(id); };
    setWindowTitle(text(0));
    scan_.addListener(this);

    const int equipment = StringId::EquipmentHeadings;
    targets_ = makeList(this, QStringLiteral("importTo"),
                        {heading(equipment), heading(equipment + 1), heading(equipment + 2),
                         heading(equipment + 3), heading(equipment + 4), heading(equipment + 4),
                         heading(equipment + 4), heading(equipment + 5)});
    found_ = makeList(this, QStringLiteral("importFrom"),
                      {heading(equipment + 2), heading(equipment + 3), heading(equipment + 4),
                       heading(StringId::ColumnHeadings + 4), heading(StringId::ColumnHeadings + 5),
                       heading(equipment + 5), heading(equipment + 4)});
    targets_->setRowCount(int(import_.targets().size()));
    for (int row = 0; row < targets_->rowCount(); ++row)
        showTarget(row);
    targets_->resizeColumnsToContents();
    // The mask and gateway travel with a row without being shown, as does a found unit's
    // address as a number.
    targets_->setColumnHidden(Mask, true);
    targets_->setColumnHidden(Gateway, true);
    found_->setColumnHidden(FoundAddressNumber, true);
    found_->resizeColumnsToContents();

    found_->viewport()->installEventFilter(this);
    targets_->viewport()->installEventFilter(this);
    targets_->viewport()->setAcceptDrops(true);

    auto* scanButton = new QPushButton(text(ScanButton), this);
    scanButton->setObjectName(QStringLiteral("scan"));
    auto* importButton = new QPushButton(text(ImportButton), this);
    importButton->setObjectName(QStringLiteral("import"));
    connect(scanButton, &QPushButton::clicked, this, &DlgImport::scanUnits);
    connect(importButton, &QPushButton::clicked, this, &DlgImport::importSelected);
    auto* note = new QLabel(text(Note), this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text(OkButton), QDialogButtonBox::AcceptRole)->setObjectName("ok");
    buttons->addButton(text(CancelButton), QDialogButtonBox::RejectRole)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgImport::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgImport::reject);

    auto* actions = new QHBoxLayout;
    actions->addWidget(note, 1);
    actions->addWidget(importButton);
    actions->addWidget(scanButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text(TargetLabel), this));
    layout->addWidget(targets_, 1);
    layout->addLayout(actions);
    layout->addWidget(new QLabel(text(FoundLabel), this));
    layout->addWidget(found_, 1);
    layout->addWidget(buttons);
    resize(720, 520);
}

DlgImport::~DlgImport()
{
    scan_.removeListener(this);
}

void DlgImport::showTarget(int row)
{
    const ScanImport::Row& unit = import_.targets()[std::size_t(row)];
    setRow(*targets_, row,
           {QString::fromStdString(unit.type), QString::number(unit.number),
            ModelText::toUi(unit.name, codePage_), QString::fromStdString(unit.model),
            QString::fromStdString(unit.address.toText()),
            QString::fromStdString(unit.mask.toText()),
            QString::fromStdString(unit.gateway.toText()), QString::number(unit.webPort)});
}

void DlgImport::fillFound()
{
    found_->clearContents();
    found_->setRowCount(int(import_.found().size()));
    for (int row = 0; row < found_->rowCount(); ++row) {
        const ScanImport::Row& unit = import_.found()[std::size_t(row)];
        setRow(*found_, row,
               {ModelText::toUi(unit.name, codePage_), QString::fromStdString(unit.model),
                QString::fromStdString(unit.address.toText()),
                QString::fromStdString(unit.mask.toText()),
                QString::fromStdString(unit.gateway.toText()), QString::number(unit.webPort),
                QString::number(unit.address.value())});
    }
    found_->resizeColumnsToContents();
}

void DlgImport::scanUnits()
{
    found_->setRowCount(0);
    if (!scan_.startScan()) {
        onScanFinished();
        return;
    }
    progress_ =
        new DlgProgress(resources_.string(StringId::ScanStatus) + QStringLiteral(" - ") +
                            resources_.string(StringId::Caption),
                        resources_.string(StringId::ScanningNow), scan_.scanDuration() / 1000,
                        resources_.string(StringId::UnitsDidNotAnswer),
                        resources_.dialogText(DialogId::About, 1), this);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    progress_->open();
}

void DlgImport::onScanFinished()
{
    if (progress_)
        progress_->finish();
    import_.setFound(scan_.units());
    fillFound();
}

void DlgImport::importSelected()
{
    const QModelIndexList target = targets_->selectionModel()->selectedRows();
    const QModelIndexList found = found_->selectionModel()->selectedRows();
    if (target.isEmpty() || found.isEmpty()) {
        messages_.tell(StringId::NotSelected);
        return;
    }
    copy(found.front().row(), target.front().row());
}

bool DlgImport::copy(int found, int target)
{
    if (!import_.copy(found, target))
        return false;
    showTarget(target);
    targets_->resizeColumnsToContents();
    targets_->selectRow(target);
    return true;
}

void DlgImport::accept()
{
    import_.apply(system_);
    QDialog::accept();
}

void DlgImport::drag(int row)
{
    auto* data = new QMimeData;
    data->setData(kFoundRowMime, QByteArray::number(row));
    auto* drag = new QDrag(found_);
    drag->setMimeData(data);
    drag->setPixmap(dragPicture());
    drag->setHotSpot(QPoint(8, 8));
    drag->exec(Qt::CopyAction);
}

bool DlgImport::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == found_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* press = static_cast<QMouseEvent*>(event);
            pressedRow_ = press->button() == Qt::LeftButton
                              ? found_->rowAt(press->position().toPoint().y())
                              : -1;
            pressedAt_ = press->position().toPoint();
        } else if (event->type() == QEvent::MouseMove && pressedRow_ >= 0) {
            auto* move = static_cast<QMouseEvent*>(event);
            if ((move->buttons() & Qt::LeftButton) &&
                (move->position().toPoint() - pressedAt_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                const int row = pressedRow_;
                pressedRow_ = -1;
                drag(row);
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            pressedRow_ = -1;
        }
        return false;
    }
    if (watched == targets_->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter: {
            // Entered anywhere; the moves tell where it may drop.
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (enter->mimeData()->hasFormat(kFoundRowMime))
                enter->acceptProposedAction();
            return true;
        }
        case QEvent::DragMove: {
            auto* over = static_cast<QDragMoveEvent*>(event);
            // Only a row takes a found unit.
            if (over->mimeData()->hasFormat(kFoundRowMime) &&
                targets_->rowAt(over->position().toPoint().y()) >= 0)
                over->acceptProposedAction();
            else
                over->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const int target = targets_->rowAt(drop->position().toPoint().y());
            bool fromRow = false;
            const int found = drop->mimeData()->data(kFoundRowMime).toInt(&fromRow);
            if (fromRow && target >= 0 && copy(found, target))
                drop->acceptProposedAction();
            else
                drop->ignore();
            return true;
        }
        default:
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}
