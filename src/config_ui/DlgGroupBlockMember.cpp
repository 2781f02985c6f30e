#include "DlgGroupBlockMember.h"

#include "GroupTableModels.h"
#include "ModelObserver.h"
#include "SettingGrid.h"
#include "System.h"
#include "UserMessages.h"

#include <QHeaderView>
#include <QVBoxLayout>

DlgGroupBlockMember::DlgGroupBlockMember(const ResourceChain& resources,
                                         const UserMessages& messages, Locale locale,
                                         QWidget* parent)
    : QWidget(parent), grid_(new SettingGrid(this)),
      table_(new BlockMemberModel(resources, std::move(locale), this)),
      observer_(new ModelObserver(this))
{
    grid_->setObjectName(QStringLiteral("blockMembers"));
    grid_->verticalHeader()->hide();
    grid_->setModel(table_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    // This page's refusal comes without caption or icon.
    connect(table_, &UnitLineTableModel::refused, this,
            [this, &messages](const QList<Refusal>& refusals) {
                messages.dialogs().message(QString(), table_->describe(refusals),
                                           UserDialogs::Icon::None);
            });
    connect(observer_, &ModelObserver::changed, this, &DlgGroupBlockMember::refresh);
}

void DlgGroupBlockMember::attach(System& system)
{
    observer_->observe(system);
    table_->setSystem(&system);
}

void DlgGroupBlockMember::detach()
{
    observer_->release();
    table_->setSystem(nullptr);
}

void DlgGroupBlockMember::refresh()
{
    table_->refresh();
}
