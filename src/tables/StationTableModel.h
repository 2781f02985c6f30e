#pragma once

#include "CollectiveSetup.h"
#include "Locale.h"
#include "Refusal.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

class ResourceChain;
class Station;
class System;

// The station table: one row per station slot of every unit in use that has stations, in
// unit order and then line order. The type is chosen from the models there are, the number
// and the name are typed; a refused edit keeps the station's value and is reported through
// refused(). Rows whose station number another row also has are drawn red.
class StationTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Unit, UnitName, Line, Type, Number, Name, ColumnCount };

    StationTableModel(const ResourceChain& resources, Locale locale, QObject* parent = nullptr);

    // The system listed; null lists nothing.
    void setSystem(System* system);
    // The units or stations may have changed: the rows follow the system again.
    void refresh();

    // The station of a row, as the system holds it now, and its slot.
    Station* stationAt(int row) const;
    CollectiveSetup::Slot slotOf(int row) const { return rows_[std::size_t(row)]; }
    // The types a station can be given: blank (no station), then the registry's models.
    const QStringList& types() const { return types_; }
    bool isDuplicate(int row) const { return duplicate_[std::size_t(row)] != 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void refused(const Refusal& refusal);

private:
    using Slot = CollectiveSetup::Slot;
    std::vector<Slot> slotsOf(const System& system) const;
    bool sameRows(const std::vector<Slot>& places) const;
    QString text(int row, int column) const;
    Refusal commit(int row, int column, const QString& text);
    // Marks the rows whose number another row has; only rows whose mark changed are redrawn.
    void markDuplicates();

    const ResourceChain& resources_;
    Locale locale_;
    QStringList types_;
    System* system_ = nullptr;
    std::vector<Slot> rows_;
    std::vector<char> duplicate_;
};
