#pragma once

#include "Locale.h"
#include "Refusal.h"
#include "UnitLineTableModel.h"

#include <QAbstractTableModel>

class ResourceChain;
class System;

// The paging zones the paging digits can dial, one row each: "ZONE n" and the zone's name,
// which is edited in its cell. A refused name keeps the zone's and is reported through
// refused().
class PagingZoneModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Zone, Name, ColumnCount };

    PagingZoneModel(const ResourceChain& resources, Locale locale, QObject* parent = nullptr);

    void setSystem(System* system);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void refused(const Refusal& refusal);

private:
    const ResourceChain& resources_;
    Locale locale_;
    System* system_ = nullptr;
    int zones_ = 0;
};

// Which public-address outputs and stations each zone pages: the outputs first, then the
// stations; one check box column per zone the paging digits can dial.
class PagingMemberModel : public UnitLineTableModel
{
    Q_OBJECT

public:
    PagingMemberModel(const ResourceChain& resources, Locale locale, QObject* parent = nullptr);

protected:
    std::vector<UnitLine> linesOf(const System& system) const override;
    int checkColumnsOf(const System& system) const override;
    bool isChecked(int row, int check) const override;
    Refusal setChecked(int row, int check, bool on) override;
    QString checkHeading(int check) const override;
    std::string_view changeKey(const UnitLine& line) const override;
    void rebuilt() override;

private:
    std::size_t cell(int row, int check) const
    {
        return std::size_t(row) * std::size_t(zones_) + std::size_t(check);
    }

    // Whether each row is in each zone, row by row: a zone hands its members out as a copy,
    // too slow to ask for every cell drawn.
    std::vector<char> members_;
    int zones_ = 0;
};
