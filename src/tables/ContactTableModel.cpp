#include "ContactTableModel.h"

#include "Exchange.h"
#include "ResourceChain.h"

ContactTableModel::ContactTableModel(const ResourceChain& resources, std::vector<int> headings,
                                     QObject* parent)
    : QAbstractTableModel(parent), resources_(resources), headings_(std::move(headings))
{
}

void ContactTableModel::setUnit(const Exchange* unit)
{
    beginResetModel();
    unit_ = unit;
    rows_ = unit ? contactCount(*unit) : 0;
    endResetModel();
}

void ContactTableModel::refresh()
{
    // The rows stay (and the selection with them) while the unit keeps its contacts.
    if (!unit_ || contactCount(*unit_) != rows_)
        setUnit(unit_);
    else if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

int ContactTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int ContactTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant ContactTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ContactTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= int(headings_.size()))
        return {};
    return resources_.string(headings_[std::size_t(section)]);
}
