#pragma once

#include <QAbstractTableModel>
#include <vector>

class Exchange;
class ResourceChain;

// The list of one kind of contact of a unit, one row per contact, for choosing the contact
// the page below it edits. Its cells only show.
class ContactTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The unit listed; null lists nothing.
    void setUnit(const Exchange* unit);
    const Exchange* unit() const { return unit_; }
    // The unit's values may have changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell, row 0 being contact 1.
    virtual QString text(int row, int column) const = 0;

protected:
    // headings: the string ids of the columns' headings.
    ContactTableModel(const ResourceChain& resources, std::vector<int> headings,
                      QObject* parent = nullptr);

    const ResourceChain& resources() const { return resources_; }
    virtual int contactCount(const Exchange& unit) const = 0;

private:
    const ResourceChain& resources_;
    std::vector<int> headings_;
    const Exchange* unit_ = nullptr;
    int rows_ = 0;
};
