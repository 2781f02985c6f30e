#include "DlgNetworkEntry.h"

#include "ModelObserver.h"
#include "PeerTableModel.h"
#include "SettingGrid.h"
#include "System.h"

#include <QVBoxLayout>

DlgNetworkEntry::DlgNetworkEntry(Locale locale, QWidget* parent)
    : QWidget(parent), grid_(new SettingGrid(this)),
      table_(new PeerTableModel(PeerTableModel::Table::Connection, std::move(locale), this)),
      observer_(new ModelObserver(this))
{
    grid_->setObjectName(QStringLiteral("connections"));
    grid_->setModel(table_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    connect(observer_, &ModelObserver::changed, this, &DlgNetworkEntry::refresh);
}

void DlgNetworkEntry::attach(System& system)
{
    observer_->observe(system);
    table_->setSystem(&system);
}

void DlgNetworkEntry::detach()
{
    observer_->release();
    table_->setSystem(nullptr);
}

void DlgNetworkEntry::refresh()
{
    table_->refresh();
}
