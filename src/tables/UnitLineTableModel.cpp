#include "UnitLineTableModel.h"

#include "ResourceChain.h"
#include "System.h"

#include <algorithm>

UnitLineTableModel::UnitLineTableModel(const ResourceChain& resources, Locale locale,
                                       std::vector<Caption> captions, QObject* parent)
    : QAbstractTableModel(parent), resources_(resources), locale_(std::move(locale)),
      captions_(std::move(captions))
{
}

void UnitLineTableModel::rebuild(System* system)
{
    beginResetModel();
    system_ = system;
    rows_ = system_ ? linesOf(*system_) : std::vector<UnitLine>();
    checks_ = system_ ? checkColumnsOf(*system_) : 0;
    selected_.clear();
    rebuilt();
    endResetModel();
}

void UnitLineTableModel::setSystem(System* system)
{
    rebuild(system);
}

void UnitLineTableModel::refresh()
{
    if (!system_ || linesOf(*system_) != rows_ || checkColumnsOf(*system_) != checks_) {
        rebuild(system_);
        return;
    }
    rebuilt();
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void UnitLineTableModel::checksChanged()
{
    if (!rows_.empty() && checks_ > 0)
        emit dataChanged(index(0, captionCount()), index(int(rows_.size()) - 1, columnCount() - 1),
                         {Qt::CheckStateRole});
    emit headerDataChanged(Qt::Horizontal, captionCount(), columnCount() - 1);
}

QString UnitLineTableModel::describe(const QList<Refusal>& refusals) const
{
    QStringList texts;
    for (const Refusal& refusal : refusals)
        texts << ResourceChain::substitute(resources_.string(refusal.messageId), refusal.values);
    return texts.join(u'\n');
}

int UnitLineTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int UnitLineTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !system_ ? 0 : captionCount() + checks_;
}

QVariant UnitLineTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const int check = index.column() - captionCount();
    if (check < 0) {
        if (role != Qt::DisplayRole)
            return {};
        return UnitLines::text(*system_, line(index.row()), captions_[std::size_t(index.column())],
                               resources_, locale_.codePage());
    }
    if (role != Qt::CheckStateRole)
        return {};
    return isChecked(index.row(), check) ? Qt::Checked : Qt::Unchecked;
}

bool UnitLineTableModel::canCheck(int row, int) const
{
    return UnitLines::checkable(*system_, line(row));
}

Qt::ItemFlags UnitLineTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return Qt::NoItemFlags;
    const int check = index.column() - captionCount();
    if (check < 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return canCheck(index.row(), check)
               ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
               : Qt::ItemIsSelectable;
}

QVariant UnitLineTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0)
        return {};
    if (section < captionCount())
        return resources_.string(UnitLines::heading(captions_[std::size_t(section)]));
    return section < columnCount() ? checkHeading(section - captionCount()) : QVariant();
}

bool UnitLineTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const int row = index.row();
    const bool on = value.toInt() == Qt::Checked;
    std::vector<int> rows{row};
    if (std::find(selected_.begin(), selected_.end(), row) != selected_.end())
        rows = selected_;
    const int check = index.column() - captionCount();
    const QList<Refusal> refusals = apply(rows, check, on);
    checksChanged();
    if (!refusals.isEmpty())
        emit refused(refusals);
    return row < int(rows_.size()) && isChecked(row, check) == on;
}

QList<Refusal> UnitLineTableModel::apply(const std::vector<int>& rows, int check, bool on)
{
    QList<Refusal> refusals;
    std::string_view key;
    for (int row : rows) {
        if (row < 0 || row >= int(rows_.size()) || !canCheck(row, check) ||
            isChecked(row, check) == on)
            continue;
        const Refusal refusal = setChecked(row, check, on);
        if (!refusal) {
            if (key.empty())
                key = changeKey(line(row));
        } else if (std::none_of(refusals.begin(), refusals.end(), [&](const Refusal& r) {
                       return r.messageId == refusal.messageId;
                   })) {
            refusals << refusal;
        }
    }
    if (!key.empty())
        system_->announce(key);
    return refusals;
}
