#pragma once

#include "Locale.h"
#include "UnitLineTableModel.h"

#include <QAbstractTableModel>
#include <vector>

class RemoteAnsGroup;
class ResourceChain;
class System;

// Which blocking group each station and blockable line belongs to: one check box column per
// group above the default group 0, a row without a check being in group 0. A line that is in
// another group already cannot be checked into a second one.
class BlockMemberModel : public UnitLineTableModel
{
    Q_OBJECT

public:
    BlockMemberModel(const ResourceChain& resources, Locale locale, QObject* parent = nullptr);

protected:
    std::vector<UnitLine> linesOf(const System& system) const override;
    int checkColumnsOf(const System& system) const override;
    bool isChecked(int row, int check) const override;
    Refusal setChecked(int row, int check, bool on) override;
    QString checkHeading(int check) const override;
    std::string_view changeKey(const UnitLine&) const override { return "block_gr_no"; }
};

// Which groups and paging zones each blocking group is blocked to: one column per blocking
// group, one row per blocking group (its call-block set) and then one per paging zone the
// paging digits can dial (its paging-block set). The "ALL" row stands for zone 0, the call
// of all zones at once: it is a zone of its own in the model, listed in every group's
// paging-block set from the start, so it is checked and cleared like any other zone and
// does not stand for the rows below it.
class BlockToModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The section ("Group blocking group", "Paging") on its first row, then the entry.
    enum Column { Section, Entry, FirstGroup };

    BlockToModel(const ResourceChain& resources, QObject* parent = nullptr);

    void setSystem(System* system);
    void refresh();

    // The first row of the paging zones, the "ALL" row.
    int firstZoneRow() const { return groups_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString label(int id, int number) const;

    const ResourceChain& resources_;
    System* system_ = nullptr;
    int groups_ = 0;
    int zones_ = 0; // with zone 0
};

// The remote-response groups as the user lists them, and which stations of the units that
// have remote-response groups the selected group has: one check box column. A group made
// with "New" exists in the model only from its first station on, which heads it; until then
// the list holds its place. A station in another group, or a seventeenth one, is refused.
class RemoteStationModel : public UnitLineTableModel
{
    Q_OBJECT

public:
    RemoteStationModel(const ResourceChain& resources, Locale locale, QObject* parent = nullptr);

    int groupCount() const { return int(groups_.size()); }
    // Appends a group without stations; its place in the list.
    int addGroup();
    // Deletes the group at index: the system forgets it and its stations belong to none.
    void removeGroup(int index);
    // The group whose stations are checked; -1 for none.
    void selectGroup(int index);
    int selectedGroup() const { return selected_; }

protected:
    std::vector<UnitLine> linesOf(const System& system) const override;
    int checkColumnsOf(const System&) const override { return 1; }
    bool isChecked(int row, int check) const override;
    bool canCheck(int row, int check) const override;
    Refusal setChecked(int row, int check, bool on) override;
    QString checkHeading(int check) const override;
    std::string_view changeKey(const UnitLine&) const override { return "remote_ans"; }
    // Keeps the groups the system still has in the user's order, and adds those it read.
    void rebuilt() override;
    // A station in another group is told before a full group.
    QList<Refusal> apply(const std::vector<int>& rows, int check, bool on) override;

private:
    // Null for a group that has no station yet.
    std::vector<RemoteAnsGroup*> groups_;
    int selected_ = -1;
};
