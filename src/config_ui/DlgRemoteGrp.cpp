#include "DlgRemoteGrp.h"

#include "GroupTableModels.h"
#include "ModelObserver.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "System.h"
#include "UserMessages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum Text { NewButton = 1, DeleteButton };

} // namespace

DlgRemoteGrp::DlgRemoteGrp(const ResourceChain& resources, const UserMessages& messages,
                           Locale locale, QWidget* parent)
    : QWidget(parent), resources_(resources), messages_(messages), groups_(new QListWidget(this)),
      new_(new QPushButton(resources.dialogText(DialogId::RemoteGroup, NewButton), this)),
      delete_(new QPushButton(resources.dialogText(DialogId::RemoteGroup, DeleteButton), this)),
      grid_(new SettingGrid(this)),
      table_(new RemoteStationModel(resources, std::move(locale), this)),
      observer_(new ModelObserver(this))
{
    groups_->setObjectName(QStringLiteral("remoteGroups"));
    groups_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The list is as wide as the buttons under it.
    groups_->setMaximumWidth(new_->sizeHint().width() + delete_->sizeHint().width() + 16);
    new_->setObjectName(QStringLiteral("newGroup"));
    delete_->setObjectName(QStringLiteral("deleteGroup"));

    // Several stations selected are checked or cleared together.
    grid_->setObjectName(QStringLiteral("remoteStations"));
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setModel(table_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new_);
    buttons->addWidget(delete_);
    auto* left = new QVBoxLayout;
    left->addWidget(groups_);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(grid_, 1);

    connect(new_, &QPushButton::clicked, this, &DlgRemoteGrp::addGroup);
    connect(delete_, &QPushButton::clicked, this, &DlgRemoteGrp::deleteGroup);
    connect(groups_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = groups_->selectedItems();
        table_->selectGroup(chosen.isEmpty() ? -1 : groups_->row(chosen.front()));
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        std::vector<int> rows;
        for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
            rows.push_back(index.row());
        table_->setSelectedRows(std::move(rows));
    });
    connect(table_, &UnitLineTableModel::refused, this, [this](const QList<Refusal>& refusals) {
        messages_.show(StringId::Caption, table_->describe(refusals),
                       UserDialogs::Icon::Exclamation);
    });
    connect(observer_, &ModelObserver::changed, this, &DlgRemoteGrp::refresh);
}

void DlgRemoteGrp::attach(System& system)
{
    observer_->observe(system);
    table_->setSystem(&system);
    showGroups();
}

void DlgRemoteGrp::detach()
{
    observer_->release();
    table_->setSystem(nullptr);
    showGroups();
}

void DlgRemoteGrp::refresh()
{
    table_->refresh();
    showGroups();
}

void DlgRemoteGrp::showGroups()
{
    // The rows are numbered in list order, so they are written again as a whole.
    const QSignalBlocker quiet(groups_);
    groups_->clear();
    for (int i = 0; i < table_->groupCount(); ++i)
        groups_->addItem(ResourceChain::substitute(resources_.string(StringId::GroupLabel),
                                                   {QString::number(i + 1)}));
    if (table_->selectedGroup() >= 0)
        groups_->item(table_->selectedGroup())->setSelected(true);
    new_->setEnabled(observer_->source() != nullptr);
    delete_->setEnabled(observer_->source() != nullptr);
}

void DlgRemoteGrp::addGroup()
{
    if (!observer_->source())
        return;
    table_->selectGroup(table_->addGroup());
    showGroups();
}

void DlgRemoteGrp::deleteGroup()
{
    if (!observer_->source())
        return;
    const QList<QListWidgetItem*> chosen = groups_->selectedItems();
    if (chosen.isEmpty()) {
        messages_.tell(StringId::SelectGroupToDelete);
        return;
    }
    table_->removeGroup(groups_->row(chosen.front()));
    showGroups();
}
