#include "PagingTableModels.h"

#include "AudioOut.h"
#include "ItemRoles.h"
#include "ModelText.h"
#include "Paging.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"

#include <unordered_map>

namespace {

constexpr int kMaxZoneNameLength = 8;

} // namespace

PagingZoneModel::PagingZoneModel(const ResourceChain& resources, Locale locale, QObject* parent)
    : QAbstractTableModel(parent), resources_(resources), locale_(std::move(locale))
{
}

void PagingZoneModel::setSystem(System* system)
{
    beginResetModel();
    system_ = system;
    zones_ = system_ ? system_->highestDialableZone() : 0;
    endResetModel();
}

void PagingZoneModel::refresh()
{
    const int zones = system_ ? system_->highestDialableZone() : 0;
    if (zones > zones_) {
        beginInsertRows({}, zones_, zones - 1);
        zones_ = zones;
        endInsertRows();
    } else if (zones < zones_) {
        beginRemoveRows({}, zones, zones_ - 1);
        zones_ = zones;
        endRemoveRows();
    }
    if (zones_ > 0)
        emit dataChanged(index(0, Name), index(zones_ - 1, Name));
}

int PagingZoneModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : zones_;
}

int PagingZoneModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PagingZoneModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= zones_)
        return {};
    const int zone = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() == Zone)
            return ResourceChain::substitute(resources_.string(StringId::ZoneLabel),
                                             {QString::number(zone)});
        return ModelText::toUi(system_->paging(zone)->name(), locale_.codePage());
    case ItemRole::MaxLength:
        return index.column() == Name ? QVariant(kMaxZoneNameLength) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags PagingZoneModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= zones_)
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == Name ? shown | Qt::ItemIsEditable : shown;
}

bool PagingZoneModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Paging& zone = *system_->paging(index.row() + 1);
    const QString entered = value.toString().trimmed();
    if (entered == ModelText::toUi(zone.name(), locale_.codePage()))
        return true;
    std::string bytes;
    if (!ModelText::fromUi(entered, locale_.codePage(), bytes) || !zone.setName(bytes)) {
        emit refused({StringId::EnterUpTo8, {}});
        return false;
    }
    emit dataChanged(index, index);
    system_->announce("pag_name");
    return true;
}

PagingMemberModel::PagingMemberModel(const ResourceChain& resources, Locale locale, QObject* parent)
    : UnitLineTableModel(
          resources, std::move(locale),
          {Caption::EquipmentNo, Caption::EquipmentName, Caption::StationName, Caption::Type},
          parent)
{
}

std::vector<UnitLine> PagingMemberModel::linesOf(const System& system) const
{
    std::vector<UnitLine> lines = UnitLines::paOutputs(system);
    const std::vector<UnitLine> stations = UnitLines::stations(system);
    lines.insert(lines.end(), stations.begin(), stations.end());
    return lines;
}

int PagingMemberModel::checkColumnsOf(const System& system) const
{
    return system.highestDialableZone();
}

void PagingMemberModel::rebuilt()
{
    const System* owner = system();
    zones_ = owner ? checkColumnsOf(*owner) : 0;
    const int rows = rowCount();
    members_.assign(std::size_t(rows) * std::size_t(zones_), 0);
    if (!owner)
        return;
    std::unordered_map<const void*, int> rowOf;
    for (int row = 0; row < rows; ++row) {
        const void* object = line(row).kind == UnitLine::Kind::PaOutput
                                 ? static_cast<const void*>(UnitLines::paOutput(*owner, line(row)))
                                 : UnitLines::station(*owner, line(row));
        rowOf.emplace(object, row);
    }
    auto mark = [&](const void* object, int zone) {
        const auto found = rowOf.find(object);
        if (found != rowOf.end())
            members_[cell(found->second, zone - 1)] = 1;
    };
    for (int zone = 1; zone <= zones_; ++zone) {
        const Paging& paging = *owner->paging(zone);
        for (const Station* station : paging.stations())
            mark(station, zone);
        for (const AudioOut* output : paging.audioOutputs())
            mark(output, zone);
    }
}

bool PagingMemberModel::isChecked(int row, int check) const
{
    return members_[cell(row, check)] != 0;
}

Refusal PagingMemberModel::setChecked(int row, int check, bool on)
{
    Paging& zone = *system()->paging(check + 1);
    if (AudioOut* output = UnitLines::paOutput(*system(), line(row))) {
        if (!on)
            zone.removeAudioOutput(output);
        else if (!zone.addAudioOutput(output))
            return {StringId::ZoneOutputsFull, {QString::number(Paging::kMaxAudioOutputs)}};
    } else {
        Station* station = UnitLines::station(*system(), line(row));
        if (!on)
            zone.removeStation(station);
        else if (!zone.addStation(station))
            return {StringId::ZoneStationsFull, {QString::number(Paging::kMaxStations)}};
    }
    members_[cell(row, check)] = on ? 1 : 0;
    return {};
}

QString PagingMemberModel::checkHeading(int check) const
{
    // Columns stay narrow: the number above the name.
    const int zone = check + 1;
    return QStringLiteral("%1\n%2").arg(zone).arg(
        ModelText::toUi(system()->paging(zone)->name(), locale().codePage()));
}

std::string_view PagingMemberModel::changeKey(const UnitLine& line) const
{
    return line.kind == UnitLine::Kind::PaOutput ? "pag_pa" : "pag_sta";
}
