#include "DlgMulticast.h"

#include "LineField.h"
#include "ModelObserver.h"
#include "PeerTableModel.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "System.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

enum Text { AddressLabel = 1 };

} // namespace

DlgMulticast::DlgMulticast(const ResourceChain& resources, const UserMessages& messages,
                           Locale locale, QWidget* parent)
    : QWidget(parent), grid_(new SettingGrid(this)),
      table_(new PeerTableModel(PeerTableModel::Table::MulticastReceive, std::move(locale), this)),
      observer_(new ModelObserver(this))
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("multicastAddress"));
    edit->setMaxLength(15);
    address_ = new LineField(
        *edit, messages,
        [this] { return system_ ? QString::fromStdString(system_->multicastAddressText()) : QString(); },
        [this](const QString& text) -> Refusal {
            Ipv4Address address;
            if (!Ipv4Address::fromText(text.toStdString(), address) ||
                !system_->setMulticastAddress(address))
                return {StringId::EnterMulticast, {}};
            system_->announce("multicast_addr");
            return {};
        });

    auto* addressLine = new QHBoxLayout;
    auto* label = new QLabel(resources.dialogText(DialogId::Multicast, AddressLabel), this);
    label->setBuddy(edit);
    addressLine->addWidget(label);
    addressLine->addWidget(edit);
    addressLine->addStretch();

    // Each row's unit receives from the units of the columns it is checked under.
    grid_->setObjectName(QStringLiteral("multicastReceive"));
    grid_->setModel(table_);
    auto* table = new QGridLayout;
    table->addWidget(new QLabel(resources.string(StringId::Transmission), this), 0, 1,
                     Qt::AlignHCenter);
    table->addWidget(new QLabel(resources.string(StringId::Reception), this), 1, 0,
                     Qt::AlignTop);
    table->addWidget(grid_, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(addressLine);
    layout->addLayout(table);
    setTabOrder(edit, grid_);
    connect(observer_, &ModelObserver::changed, this, &DlgMulticast::refresh);
}

DlgMulticast::~DlgMulticast()
{
    LineField::releaseAll(*this);
}

void DlgMulticast::attach(System& system)
{
    system_ = &system;
    observer_->observe(system);
    table_->setSystem(system_);
    address_->refresh();
}

void DlgMulticast::detach()
{
    observer_->release();
    system_ = nullptr;
    table_->setSystem(nullptr);
    address_->refresh();
}

void DlgMulticast::refresh()
{
    address_->refresh();
    table_->refresh();
}

bool DlgMulticast::commitField(int field)
{
    return field == MulticastAddress && address_->commit();
}
