#include "DlgGroupBlock.h"

#include "GroupTableModels.h"
#include "ModelObserver.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "System.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {

enum Text { BlockedToHeading = 1 };

} // namespace

DlgGroupBlock::DlgGroupBlock(const ResourceChain& resources, QWidget* parent)
    : QWidget(parent), grid_(new SettingGrid(this)), table_(new BlockToModel(resources, this)),
      observer_(new ModelObserver(this))
{
    grid_->setObjectName(QStringLiteral("blockTo"));
    grid_->verticalHeader()->hide();
    grid_->setModel(table_);
    // The groups of the columns are blocked to the groups and zones of the rows.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(resources.dialogText(DialogId::GroupBlock, BlockedToHeading), this), 0,
        Qt::AlignHCenter);
    layout->addWidget(grid_);
    connect(observer_, &ModelObserver::changed, this, &DlgGroupBlock::refresh);
}

void DlgGroupBlock::attach(System& system)
{
    observer_->observe(system);
    table_->setSystem(&system);
}

void DlgGroupBlock::detach()
{
    observer_->release();
    table_->setSystem(nullptr);
}

void DlgGroupBlock::refresh()
{
    table_->refresh();
}
