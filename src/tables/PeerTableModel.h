#pragma once

#include "Locale.h"

#include <QAbstractTableModel>

class System;

// A square table of the units in use, each row's unit against each column's: whether the
// row's unit may connect to the column's (the connection table, which the model keeps
// symmetric) or receives its multicast (the multicast-receive table). A unit against
// itself is not a choice.
class PeerTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Table { Connection, MulticastReceive };

    PeerTableModel(Table table, Locale locale, QObject* parent = nullptr);

    void setSystem(System* system);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The number and name of the unit, on both sides.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool entry(int row, int column) const;

    Table table_;
    Locale locale_;
    System* system_ = nullptr;
    int units_ = 0;
};
