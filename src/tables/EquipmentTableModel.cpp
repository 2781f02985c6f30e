#include "EquipmentTableModel.h"

#include "EquipmentCounts.h"
#include "Exchange.h"
#include "ItemRoles.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "System.h"

namespace {

constexpr int kMaxNameLength = 8;
constexpr int kMaxAddressLength = 15;
constexpr int kMaxPortLength = 5;

QString number(int value)
{
    return QString::number(value);
}

} // namespace

EquipmentTableModel::EquipmentTableModel(const ResourceChain& resources, Locale locale,
                                         QObject* parent)
    : QAbstractTableModel(parent), resources_(resources), locale_(std::move(locale))
{
}

void EquipmentTableModel::setSystem(System* system)
{
    beginResetModel();
    system_ = system;
    rows_ = system_ ? system_->registeredCount() : 0;
    endResetModel();
}

void EquipmentTableModel::refresh()
{
    const int rows = system_ ? system_->registeredCount() : 0;
    if (rows != rows_) {
        setSystem(system_);
        return;
    }
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, ColumnCount - 1));
}

int EquipmentTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int EquipmentTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Exchange& EquipmentTableModel::unitAt(int row) const
{
    return *system_->equipment(row + 1);
}

QString EquipmentTableModel::text(const Exchange& unit, int column) const
{
    switch (column) {
    case Type:
        return QString::fromLatin1(EquipmentCounts::typeText(unit));
    case Number:
        return number(unit.exchangeNumber());
    case Name:
        return ModelText::toUi(unit.exchangeName(), locale_.codePage());
    case Model:
        return QString::fromLatin1(unit.displayName());
    case IpAddress:
        return QString::fromStdString(unit.ipAddressText());
    case WebPort:
        return number(unit.websPort());
    case WanIpAddress:
        return unit.napt() ? QString::fromStdString(unit.wanIpAddressText()) : QString();
    case WanWebPort:
        return unit.napt() ? number(unit.wanWebsPort()) : QString();
    default:
        return {};
    }
}

QVariant EquipmentTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(unitAt(index.row()), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == Number || index.column() == WebPort ||
                       index.column() == WanWebPort
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    case ItemRole::MaxLength:
        switch (index.column()) {
        case Name:
            return kMaxNameLength;
        case IpAddress:
        case WanIpAddress:
            return kMaxAddressLength;
        case WebPort:
        case WanWebPort:
            return kMaxPortLength;
        default:
            return {};
        }
    default:
        return {};
    }
}

Qt::ItemFlags EquipmentTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rows_)
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case Name:
    case IpAddress:
    case WebPort:
        return shown | Qt::ItemIsEditable;
    case WanIpAddress:
    case WanWebPort:
        // The WAN values are the LAN ones unless the unit is NAPT compatible.
        return unitAt(index.row()).napt() ? shown | Qt::ItemIsEditable : shown;
    default:
        return shown;
    }
}

QVariant EquipmentTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return number(section + 1);
    return resources_.string(StringId::EquipmentHeadings + section);
}

bool EquipmentTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Exchange& unit = unitAt(index.row());
    const QString entered = value.toString().trimmed();
    if (entered == text(unit, index.column()))
        return true;
    const Refusal refusal = commit(unit, index.column(), entered);
    if (refusal) {
        emit refused(refusal);
        return false;
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

Refusal EquipmentTableModel::commit(Exchange& unit, int column, const QString& text)
{
    const Refusal invalidAddress{StringId::InvalidIpAddress, {}};
    const Refusal invalidPort{StringId::EnterNumber, {number(1), number(65535)}};
    System& system = unit.system();
    int port = 0;
    switch (column) {
    case Name: {
        std::string bytes;
        if (!ModelText::fromUi(text, locale_.codePage(), bytes) || !unit.setExchangeName(bytes))
            return {StringId::EnterUpTo8, {}};
        system.announce("ex_name");
        return {};
    }
    case IpAddress: {
        // A WAN address that was the LAN one stays the LAN one.
        const bool follow = unit.wanIpAddress() == unit.ipAddress();
        if (!unit.setIpAddressText(text.toStdString()))
            return invalidAddress;
        if (follow && unit.setWanIpAddress(unit.ipAddress()))
            system.announce("wan_ip_addr");
        system.announce("ip_address");
        return {};
    }
    case WebPort: {
        const bool follow = unit.wanWebsPort() == unit.websPort();
        if (!ModelText::toNumber(text, port) || !unit.setWebsPort(port))
            return invalidPort;
        if (follow && unit.setWanWebsPort(port))
            system.announce("wan_webs_port");
        system.announce("webs_port");
        return {};
    }
    case WanIpAddress:
        if (!unit.setWanIpAddressText(text.toStdString()))
            return invalidAddress;
        system.announce("wan_ip_addr");
        return {};
    case WanWebPort:
        if (!ModelText::toNumber(text, port) || !unit.setWanWebsPort(port))
            return invalidPort;
        system.announce("wan_webs_port");
        return {};
    default:
        return {};
    }
}
