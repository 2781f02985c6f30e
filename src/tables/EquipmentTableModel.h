#pragma once

#include "Locale.h"
#include "Refusal.h"

#include <QAbstractTableModel>

class Exchange;
class ResourceChain;
class System;

// The equipment list: one row per unit in use, in unit order, with its type, number, name,
// model and the places it is reached at. Name, addresses and web ports are edited in the
// cells; a refused edit keeps the unit's value and is reported through refused(), an
// accepted one is announced to the system's observers with its key.
class EquipmentTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Type, Number, Name, Model, IpAddress, WebPort, WanIpAddress, WanWebPort, ColumnCount };

    EquipmentTableModel(const ResourceChain& resources, Locale locale, QObject* parent = nullptr);

    // The system listed; null lists nothing.
    void setSystem(System* system);
    // The units may have changed: the rows follow the system again.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void refused(const Refusal& refusal);

private:
    Exchange& unitAt(int row) const;
    QString text(const Exchange& unit, int column) const;
    Refusal commit(Exchange& unit, int column, const QString& text);

    const ResourceChain& resources_;
    Locale locale_;
    System* system_ = nullptr;
    int rows_ = 0;
};
