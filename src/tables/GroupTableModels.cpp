#include "GroupTableModels.h"

#include "BlockGroup.h"
#include "BlockGroupMember.h"
#include "RemoteAnsGroup.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"

#include <algorithm>

namespace {

QString groupLabel(const ResourceChain& resources, int number)
{
    return ResourceChain::substitute(resources.string(StringId::GroupLabel),
                                     {QString::number(number)});
}

} // namespace

BlockMemberModel::BlockMemberModel(const ResourceChain& resources, Locale locale, QObject* parent)
    : UnitLineTableModel(
          resources, std::move(locale),
          {Caption::EquipmentNo, Caption::EquipmentName, Caption::LineNo, Caption::StationName},
          parent)
{
}

std::vector<UnitLine> BlockMemberModel::linesOf(const System& system) const
{
    return UnitLines::blockable(system);
}

int BlockMemberModel::checkColumnsOf(const System& system) const
{
    return system.maxBlockGroupNo();
}

bool BlockMemberModel::isChecked(int row, int check) const
{
    const BlockGroupMember* member = UnitLines::member(*system(), line(row));
    return member && member->blockGroup() && member->blockGroup()->number() == check + 1;
}

Refusal BlockMemberModel::setChecked(int row, int check, bool on)
{
    BlockGroupMember* member = UnitLines::member(*system(), line(row));
    const BlockGroup* current = member->blockGroup();
    if (!on) {
        system()->blockGroup(0)->addMember(member);
        return {};
    }
    if (current && current->number() != 0)
        return {StringId::OneGroupAtATime, {}};
    system()->blockGroup(check + 1)->addMember(member);
    return {};
}

QString BlockMemberModel::checkHeading(int check) const
{
    return groupLabel(resources(), check + 1);
}

BlockToModel::BlockToModel(const ResourceChain& resources, QObject* parent)
    : QAbstractTableModel(parent), resources_(resources)
{
}

void BlockToModel::setSystem(System* system)
{
    beginResetModel();
    system_ = system;
    groups_ = system_ ? system_->maxBlockGroupNo() + 1 : 0;
    zones_ = system_ ? system_->highestDialableZone() + 1 : 0;
    endResetModel();
}

void BlockToModel::refresh()
{
    if (!system_ || system_->highestDialableZone() + 1 != zones_) {
        setSystem(system_);
        return;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int BlockToModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : groups_ + zones_;
}

int BlockToModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !system_ ? 0 : FirstGroup + groups_;
}

QString BlockToModel::label(int id, int number) const
{
    return ResourceChain::substitute(resources_.string(id), {QString::number(number)});
}

QVariant BlockToModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const bool zone = row >= groups_;
    const int number = zone ? row - groups_ : row;
    if (index.column() < FirstGroup) {
        if (role != Qt::DisplayRole)
            return {};
        if (index.column() == Section) {
            if (row == 0)
                return resources_.string(StringId::BlockingGroupRows);
            return row == groups_ ? resources_.string(StringId::PagingRows) : QString();
        }
        if (!zone)
            return label(StringId::GroupLabel, number);
        return number == 0 ? resources_.string(StringId::AllZones)
                           : label(StringId::ZoneLabel, number);
    }
    if (role != Qt::CheckStateRole)
        return {};
    const BlockGroup& group = *system_->blockGroup(index.column() - FirstGroup);
    const std::set<int>& blocked = zone ? group.pagingBlocks() : group.callBlocks();
    return blocked.count(number) ? Qt::Checked : Qt::Unchecked;
}

Qt::ItemFlags BlockToModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() < FirstGroup ? shown : shown | Qt::ItemIsUserCheckable;
}

bool BlockToModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const bool on = value.toInt() == Qt::Checked;
    BlockGroup& group = *system_->blockGroup(index.column() - FirstGroup);
    const int row = index.row();
    bool done = false;
    if (row < groups_)
        done = on ? group.addCallBlock(row) : group.removeCallBlock(row);
    else
        done = on ? group.addPagingBlock(row - groups_) : group.removePagingBlock(row - groups_);
    if (!done)
        return false;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    system_->announce(row < groups_ ? "call_block_no" : "pag_block_no");
    return true;
}

QVariant BlockToModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < FirstGroup ||
        section >= columnCount())
        return {};
    return label(StringId::GroupLabel, section - FirstGroup);
}

RemoteStationModel::RemoteStationModel(const ResourceChain& resources, Locale locale,
                                       QObject* parent)
    : UnitLineTableModel(
          resources, std::move(locale),
          {Caption::EquipmentNo, Caption::EquipmentName, Caption::LineNo, Caption::StationName},
          parent)
{
}

std::vector<UnitLine> RemoteStationModel::linesOf(const System& system) const
{
    return UnitLines::stations(system, true);
}

void RemoteStationModel::rebuilt()
{
    if (!system()) {
        groups_.clear();
        selected_ = -1;
        return;
    }
    const std::vector<RemoteAnsGroup*> present = system()->remoteAnsGroups();
    std::vector<RemoteAnsGroup*> kept;
    int selected = -1;
    for (int i = 0; i < groupCount(); ++i) {
        RemoteAnsGroup* group = groups_[std::size_t(i)];
        if (group && std::find(present.begin(), present.end(), group) == present.end())
            continue;
        if (i == selected_)
            selected = int(kept.size());
        kept.push_back(group);
    }
    for (RemoteAnsGroup* group : present)
        if (std::find(kept.begin(), kept.end(), group) == kept.end())
            kept.push_back(group);
    groups_ = std::move(kept);
    selected_ = selected;
}

int RemoteStationModel::addGroup()
{
    groups_.push_back(nullptr);
    return groupCount() - 1;
}

void RemoteStationModel::removeGroup(int index)
{
    if (index < 0 || index >= groupCount())
        return;
    RemoteAnsGroup* group = groups_[std::size_t(index)];
    groups_.erase(groups_.begin() + index);
    selected_ = -1;
    if (group) {
        system()->removeRemoteAnsGroup(group);
        system()->announce("remote_id");
    }
    checksChanged();
}

void RemoteStationModel::selectGroup(int index)
{
    selected_ = index >= 0 && index < groupCount() ? index : -1;
    checksChanged();
}

bool RemoteStationModel::isChecked(int row, int) const
{
    const Station* station = UnitLines::station(*system(), line(row));
    return selected_ >= 0 && groups_[std::size_t(selected_)] && station &&
           station->remoteAnsGroup() == groups_[std::size_t(selected_)];
}

bool RemoteStationModel::canCheck(int row, int check) const
{
    const Station* station = UnitLines::station(*system(), line(row));
    return selected_ >= 0 && UnitLineTableModel::canCheck(row, check) && !station->isDoorStation();
}

Refusal RemoteStationModel::setChecked(int row, int, bool on)
{
    Station* station = UnitLines::station(*system(), line(row));
    RemoteAnsGroup*& group = groups_[std::size_t(selected_)];
    if (!on) {
        group->removeStation(station);
        return {};
    }
    if (station->remoteAnsGroup())
        return {StringId::OneGroupAtATime, {}};
    if (!group) {
        // The group comes into being with its head.
        group = system()->remoteAnsGroup(station);
        return {};
    }
    if (!group->addStation(station))
        return {StringId::RemoteGroupFull, {QString::number(RemoteAnsGroup::kMaxMembers)}};
    return {};
}

QList<Refusal> RemoteStationModel::apply(const std::vector<int>& rows, int check, bool on)
{
    // The settings writer deletes groups that became invalid without telling anyone.
    rebuilt();
    QList<Refusal> refusals = UnitLineTableModel::apply(rows, check, on);
    std::stable_partition(refusals.begin(), refusals.end(), [](const Refusal& refusal) {
        return refusal.messageId == StringId::OneGroupAtATime;
    });
    return refusals;
}

QString RemoteStationModel::checkHeading(int) const
{
    return selected_ >= 0 ? groupLabel(resources(), selected_ + 1) : QString();
}
