#include "StationTableModel.h"

#include "Exchange.h"
#include "ItemRoles.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <unordered_map>

namespace {

constexpr int kMaxNameLength = 8;
constexpr int kHeadings[] = {StringId::EquipmentHeadings + 1, StringId::EquipmentHeadings + 2,
                             StringId::LineHeading,           StringId::EquipmentHeadings,
                             StringId::StationNoHeading,      StringId::StationNameHeading};

} // namespace

StationTableModel::StationTableModel(const ResourceChain& resources, Locale locale,
                                     QObject* parent)
    : QAbstractTableModel(parent), resources_(resources), locale_(std::move(locale))
{
}

std::vector<StationTableModel::Slot> StationTableModel::slotsOf(const System& system) const
{
    std::vector<Slot> places;
    for (int unit = 1; unit <= system.registeredCount(); ++unit) {
        const Exchange& equipment = *system.equipment(unit);
        for (int line = 1; line <= equipment.stationCount(); ++line)
            places.push_back({unit, line});
    }
    return places;
}

bool StationTableModel::sameRows(const std::vector<Slot>& places) const
{
    return std::equal(places.begin(), places.end(), rows_.begin(), rows_.end(),
                      [](const Slot& a, const Slot& b) {
                          return a.unit == b.unit && a.line == b.line;
                      });
}

void StationTableModel::setSystem(System* system)
{
    beginResetModel();
    system_ = system;
    rows_ = system_ ? slotsOf(*system_) : std::vector<Slot>();
    duplicate_.assign(rows_.size(), 0);
    // Blank stands for no station; the registry's other models follow.
    types_ = QStringList{QString()};
    if (system_)
        for (const QString& model :
             QString::fromStdString(system_->staManager().modelList()).split(u'|'))
            if (model != QStringLiteral("NONE"))
                types_ << model;
    endResetModel();
    markDuplicates();
}

void StationTableModel::refresh()
{
    if (!system_ || !sameRows(slotsOf(*system_))) {
        setSystem(system_);
        return;
    }
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, ColumnCount - 1),
                         {Qt::DisplayRole, Qt::EditRole});
    markDuplicates();
}

void StationTableModel::markDuplicates()
{
    std::unordered_map<std::string, int> counts;
    counts.reserve(rows_.size());
    for (int row = 0; row < int(rows_.size()); ++row)
        if (const Station* station = stationAt(row); station && station->inUse())
            ++counts[station->number()];
    for (int row = 0; row < int(rows_.size()); ++row) {
        const Station* station = stationAt(row);
        const char duplicate = station && station->inUse() && counts[station->number()] > 1;
        if (duplicate != duplicate_[std::size_t(row)]) {
            duplicate_[std::size_t(row)] = duplicate;
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::ForegroundRole});
        }
    }
}

Station* StationTableModel::stationAt(int row) const
{
    if (!system_ || row < 0 || row >= int(rows_.size()))
        return nullptr;
    return system_->stationAt(rows_[std::size_t(row)].unit, rows_[std::size_t(row)].line);
}

int StationTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int StationTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString StationTableModel::text(int row, int column) const
{
    const Slot& slot = rows_[std::size_t(row)];
    const Station* station = stationAt(row);
    switch (column) {
    case Unit:
        return QString::number(slot.unit);
    case UnitName:
        return ModelText::toUi(system_->equipment(slot.unit)->exchangeName(), locale_.codePage());
    case Line:
        return QString::number(slot.line);
    case Type:
        return station && !station->isNone() ? QString::fromLatin1(station->displayName())
                                              : QString();
    case Number:
        return station ? QString::fromStdString(station->number()) : QString();
    case Name:
        return station ? ModelText::toUi(station->name(), locale_.codePage()) : QString();
    default:
        return {};
    }
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(index.row(), index.column());
    case Qt::ForegroundRole:
        return isDuplicate(index.row()) ? QVariant(QBrush(QColor(255, 0, 0))) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Unit || index.column() == Line
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    case ItemRole::MaxLength:
        if (index.column() == Name)
            return kMaxNameLength;
        if (index.column() == Number)
            return system_->stationDigits();
        return {};
    case ItemRole::Choices:
        return index.column() == Type ? QVariant(types_) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags StationTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case Type:
    case Number:
    case Name:
        return shown | Qt::ItemIsEditable;
    default:
        return shown;
    }
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= ColumnCount)
        return {};
    return resources_.string(kHeadings[section]);
}

bool StationTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString entered = value.toString().trimmed();
    if (entered == text(index.row(), index.column()))
        return true;
    const Refusal refusal = commit(index.row(), index.column(), entered);
    if (refusal) {
        emit refused(refusal);
        return false;
    }
    return true;
}

Refusal StationTableModel::commit(int row, int column, const QString& text)
{
    const Slot slot = rows_[std::size_t(row)];
    Station* station = stationAt(row);
    if (!station)
        return {};
    switch (column) {
    case Type: {
        // Blank means no station; a model the unit does not take changes nothing.
        const std::string model = text.isEmpty() ? "NONE" : text.toStdString();
        if (system_->equipment(slot.unit)->changeStationModel(slot.line, model))
            system_->announce("sta_type");
        else
            emit dataChanged(index(row, Type), index(row, Type));
        return {};
    }
    case Number:
        if (!station->setNumber(text.toStdString()))
            return {StringId::EnterDigits, {QString::number(system_->stationDigits())}};
        system_->announce("sta_no");
        return {};
    case Name: {
        std::string bytes;
        if (!ModelText::fromUi(text, locale_.codePage(), bytes) || !station->setName(bytes))
            return {StringId::EnterUpTo8, {}};
        system_->announce("sta_name");
        return {};
    }
    default:
        return {};
    }
}
