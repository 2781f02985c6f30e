#include "PeerTableModel.h"

#include "Exchange.h"
#include "ModelText.h"
#include "System.h"

#include <QBrush>
#include <QPalette>

PeerTableModel::PeerTableModel(Table table, Locale locale, QObject* parent)
    : QAbstractTableModel(parent), table_(table), locale_(std::move(locale))
{
}

void PeerTableModel::setSystem(System* system)
{
    beginResetModel();
    system_ = system;
    units_ = system_ ? system_->registeredCount() : 0;
    endResetModel();
}

void PeerTableModel::refresh()
{
    if (!system_ || system_->registeredCount() != units_) {
        setSystem(system_);
        return;
    }
    if (units_ > 0) {
        emit dataChanged(index(0, 0), index(units_ - 1, units_ - 1));
        emit headerDataChanged(Qt::Horizontal, 0, units_ - 1);
        emit headerDataChanged(Qt::Vertical, 0, units_ - 1);
    }
}

int PeerTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : units_;
}

int PeerTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : units_;
}

bool PeerTableModel::entry(int row, int column) const
{
    const Exchange& unit = *system_->equipment(row + 1);
    return table_ == Table::Connection ? unit.isConnectable(column + 1)
                                       : unit.isReceiveMulticast(column + 1);
}

QVariant PeerTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= units_ || index.column() >= units_)
        return {};
    const bool self = index.row() == index.column();
    switch (role) {
    case Qt::CheckStateRole:
        if (self)
            return {};
        return entry(index.row(), index.column()) ? Qt::Checked : Qt::Unchecked;
    case Qt::BackgroundRole:
        return self ? QVariant(QPalette().brush(QPalette::Disabled, QPalette::Window)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags PeerTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() == index.column())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
}

bool PeerTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable) ||
        index.row() >= units_ || index.column() >= units_)
        return false;
    const bool on = value.toInt() == Qt::Checked;
    Exchange& unit = *system_->equipment(index.row() + 1);
    if (table_ == Table::Connection) {
        unit.setConnectable(index.column() + 1, on);
        // The mirrored cell changed with it.
        const QModelIndex mirror = this->index(index.column(), index.row());
        emit dataChanged(mirror, mirror, {Qt::CheckStateRole});
        system_->announce("is_connectable");
    } else {
        unit.setReceiveMulticast(index.column() + 1, on);
        system_->announce("is_receive_multicast");
    }
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant PeerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || !system_ || section >= units_)
        return {};
    const Exchange& unit = *system_->equipment(section + 1);
    // Columns stay narrow: the number above the name.
    const QString format = orientation == Qt::Horizontal ? QStringLiteral("%1\n%2")
                                                         : QStringLiteral("%1 %2");
    return format.arg(unit.exchangeNumber())
        .arg(ModelText::toUi(unit.exchangeName(), locale_.codePage()));
}
