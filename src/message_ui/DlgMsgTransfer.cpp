#include "DlgMsgTransfer.h"

#include "Exchange.h"
#include "FileOps.h"
#include "Locale.h"
#include "MessageErrors.h"
#include "MessageFile.h"
#include "MessageFolder.h"
#include "MessageListFile.h"
#include "MessageTransfer.h"
#include "MessageTree.h"
#include "ModelText.h"
#include "R4000MessageDoc.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "StationDropTable.h"
#include "SystemDocument.h"
#include "ToolHost.h"
#include "UserMessages.h"
#include "WaitScope.h"

#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <functional>
#include <iterator>

namespace {

enum Control { Explanation = 1000, SirenLabel = 1001, ListenButton = 1002, TransferButton = 1003 };
enum Column { NumberColumn, NameColumn, AddressColumn, StationColumn, MessageColumn, Columns };

constexpr auto kPainting = AllUnitRun::WaitMode::ProcessingEvents;

QString pathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

DlgMsgTransfer::DlgMsgTransfer(ToolHost& host, R4000MessageDoc& document, Folders folders,
                               UnitClient::Options options, QWidget* parent)
    : QWidget(parent), host_(host), document_(document), folders_(std::move(folders)),
      options_(std::move(options)), stations_(new StationDropTable(this)),
      tree_(new MessageTree(this)), siren_(new QComboBox(this)),
      assignments_(std::make_unique<MessageAssignments>(host.document().system()))
{
    const ResourceChain& resources = host.resources();
    const auto text = [&](int control) {
        return resources.dialogText(DialogId::MsgTransfer, control);
    };

    stations_->setObjectName(QStringLiteral("stations"));
    stations_->setColumnCount(Columns);
    QStringList headings;
    for (int column = 0; column < Columns; ++column)
        headings << resources.string(StringId::TransferHeadings + column);
    stations_->setHorizontalHeaderLabels(headings);
    stations_->verticalHeader()->hide();
    stations_->verticalHeader()->setDefaultSectionSize(stations_->fontMetrics().height() + 8);
    stations_->setSelectionBehavior(QAbstractItemView::SelectRows);
    stations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stations_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    stations_->horizontalHeader()->setStretchLastSection(true);

    tree_->setObjectName(QStringLiteral("messageTree"));
    tree_->setHeaderHidden(true);

    siren_->setObjectName(QStringLiteral("siren"));
    for (std::size_t i = 0; i < std::size(kSirens); ++i)
        siren_->addItem(resources.string(StringId::SirenChoices + int(i)), kSirens[i]);
    listen_ = new QPushButton(text(ListenButton), this);
    listen_->setObjectName(QStringLiteral("listen"));
    transfer_ = new QPushButton(text(TransferButton), this);
    transfer_->setObjectName(QStringLiteral("transfer"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(stations_);
    splitter->addWidget(tree_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text(Explanation), this));
    layout->addWidget(splitter, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(text(SirenLabel), this));
    row->addWidget(siren_);
    row->addWidget(listen_);
    row->addStretch(1);
    row->addWidget(transfer_);
    layout->addLayout(row);

    connect(stations_, &StationDropTable::messageDropped, this,
            [this](int row, const QByteArray& title) { assign(row, title.toStdString()); });
    connect(stations_, &QTableWidget::cellChanged, this, &DlgMsgTransfer::onItemChanged);
    connect(listen_, &QPushButton::clicked, this, &DlgMsgTransfer::previewSiren);
    connect(transfer_, &QPushButton::clicked, this, &DlgMsgTransfer::transfer);
    connect(siren_, &QComboBox::currentIndexChanged, this,
            [this] { listen_->setEnabled(chosenSiren() != kNoSiren); });
}

DlgMsgTransfer::~DlgMsgTransfer()
{
    preview_.StopThread();
}

int DlgMsgTransfer::chosenSiren() const
{
    return siren_->currentData().toInt();
}

void DlgMsgTransfer::reload()
{
    const System& system = host_.document().system();
    assignments_ = std::make_unique<MessageAssignments>(system);
    changed_ = assignments_->apply(
        MessageListFile::load(host_.files(),
                              MessageFolder::listPath(host_.dataFolder(), document_.systemName())),
        system);
    const int choice = siren_->findData(system.siren());
    siren_->setCurrentIndex(choice >= 0 ? choice : 0);
    showRows();
    refreshMessages();
}

void DlgMsgTransfer::refreshMessages()
{
    catalog_ = MessageCatalog::read(host_.files(), folders_.standard, document_.ownFolder());
    fillTree();
}

void DlgMsgTransfer::showRows()
{
    const QSignalBlocker blocker(stations_);
    const System& system = host_.document().system();
    const int codePage = host_.locale().codePage();
    const auto& rows = assignments_->rows();
    stations_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const MessageAssignments::Row& station = rows[std::size_t(row)];
        const Exchange& unit = *system.equipment(station.unit);
        const Station* own = unit.station(1);
        const QString cells[Columns] = {QString::number(station.unit),
                                        ModelText::toUi(unit.exchangeName(), codePage),
                                        QString::fromStdString(unit.ipAddressText()),
                                        own ? QString::fromStdString(own->number()) : QString(),
                                        ModelText::toUi(station.title, codePage)};
        for (int column = 0; column < Columns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (column == NumberColumn) {
                flags |= Qt::ItemIsUserCheckable;
                item->setCheckState(station.checked ? Qt::Checked : Qt::Unchecked);
            }
            item->setFlags(flags);
            stations_->setItem(row, column, item);
        }
    }
}

void DlgMsgTransfer::fillTree()
{
    const int codePage = host_.locale().codePage();
    tree_->clear();
    const auto leaf = [&](QTreeWidgetItem* parent, const std::string& title) {
        auto* item = new QTreeWidgetItem(parent, {ModelText::toUi(title, codePage)});
        item->setData(0, MessageTree::kTitleRole, QByteArray::fromStdString(title));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    };
    const std::function<void(QTreeWidgetItem*, const std::vector<MessageCatalog::Node>&)> nodes =
        [&](QTreeWidgetItem* parent, const std::vector<MessageCatalog::Node>& children) {
            for (const MessageCatalog::Node& node : children) {
                if (node.folder) {
                    auto* folder =
                        new QTreeWidgetItem(parent, {ModelText::toUi(node.name, codePage)});
                    folder->setFlags(Qt::ItemIsEnabled);
                    nodes(folder, node.children);
                } else {
                    leaf(parent, node.name);
                }
            }
        };
    auto* standard =
        new QTreeWidgetItem(tree_, {host_.resources().string(StringId::StandardMessages)});
    standard->setFlags(Qt::ItemIsEnabled);
    nodes(standard, catalog_.standard());
    auto* own = new QTreeWidgetItem(tree_, {host_.resources().string(StringId::OwnMessages)});
    own->setFlags(Qt::ItemIsEnabled);
    for (const auto& entry : catalog_.own())
        leaf(own, entry.first);
    tree_->expandAll();
}

void DlgMsgTransfer::assign(int row, const std::string& title)
{
    if (row < 0 || row >= int(assignments_->rows().size()))
        return;
    assignments_->setTitle(row, title);
    changed_ = true;
    const QSignalBlocker blocker(stations_);
    stations_->item(row, MessageColumn)->setText(ModelText::toUi(title, host_.locale().codePage()));
}

void DlgMsgTransfer::onItemChanged(int row, int column)
{
    if (column == NumberColumn)
        assignments_->setChecked(row, stations_->item(row, column)->checkState() == Qt::Checked);
}

void DlgMsgTransfer::previewSiren()
{
    preview_.Stop();
    const std::string path = folders_.sounds + "/siren" + std::to_string(chosenSiren()) + ".pmf";
    if (!MessageFile::read(host_.files(), path, previewSound_)) {
        host_.messages().fail(StringId::MessageNotRead, {pathText(path)});
        return;
    }
    if (!preview_.Play(&previewSound_, true, {})) {
        const auto box = MessageErrors::play(preview_.LastError());
        host_.messages().show(box.caption, host_.resources().string(box.text),
                              UserDialogs::Icon::Error);
    }
}

void DlgMsgTransfer::transfer()
{
    preview_.Stop();
    SystemDocument& document = host_.document();
    const int siren = chosenSiren();
    if (siren != document.system().siren()) {
        switch (host_.messages().askOrCancel(StringId::Caption, StringId::SirenChanged)) {
        case UserDialogs::Answer::Cancel:
            return;
        case UserDialogs::Answer::Yes: {
            AllUnitRun::Report report;
            {
                const WaitScope waiting(host_.resources(), StringId::ChangingSiren, *this);
                System& system = document.system();
                report = MessageTransfer::changeSiren(
                    system, siren, {system, &host_.credentialsPrompt(), options_}, kPainting);
            }
            // The siren is the system's now, whatever the units said: it is saved with it.
            const bool saved = document.save();
            if (!report.failures.empty())
                host_.messages().showFailures(
                    StringId::Caption, ModelText::toUi(report.failures, host_.locale().codePage()),
                    UserDialogs::Icon::Exclamation);
            if (!saved)
                return;
            break;
        }
        case UserDialogs::Answer::No:
            break;
        }
    }

    const std::vector<MessageAssignments::Transfer> transfers = assignments_->transfers(catalog_);
    if (transfers.empty()) {
        assignments_->clearChecks();
        showRows();
        return;
    }
    AllUnitRun::Report report;
    {
        const WaitScope waiting(host_.resources(), StringId::UploadingMessage, *this);
        System& system = document.system();
        report =
            MessageTransfer::send(system, transfers, {system, &host_.credentialsPrompt(), options_},
                                  host_.files(), kPainting);
    }
    if (!report.failures.empty())
        host_.messages().showFailures(StringId::Caption,
                                      ModelText::toUi(report.failures, host_.locale().codePage()),
                                      UserDialogs::Icon::Exclamation);
    writeList();
}

bool DlgMsgTransfer::keepList()
{
    return !changed_ || writeList();
}

bool DlgMsgTransfer::writeList()
{
    const std::string path = MessageFolder::listPath(host_.dataFolder(), document_.systemName());
    if (!MessageListFile::save(host_.files(), path, assignments_->entries(catalog_))) {
        host_.messages().fail(StringId::MessageListNotWritten, {pathText(path)});
        return false;
    }
    changed_ = false;
    return true;
}
