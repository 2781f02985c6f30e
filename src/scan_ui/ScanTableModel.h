#pragma once

#include "Locale.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

class R4000ScanDoc;
class ResourceChain;
struct ScanElement;
class Ipv4Address;

// The unit list of the scan tool: one row per listed unit of the document's table, a check
// box to select it, and its network settings, which the user may edit. An edit the rules
// refuse keeps the old value and is reported through refused(); an accepted one goes into
// the unit's record at once.
class ScanTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Select, Mac, Model, IpAddress, SubnetMask, Gateway, WebPort, Name, ColumnCount };

    ScanTableModel(R4000ScanDoc& document, const ResourceChain& resources, Locale locale,
                   QObject* parent = nullptr);

    // Lists the document's units again, none selected.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int selectedCount() const { return selectedCount_; }
    void selectAll();
    // The records of the selected rows, top to bottom.
    std::vector<ScanElement*> selectedUnits() const;
    // From start on, one address per selected row, top to bottom, until count are given.
    void autoAssign(Ipv4Address start, std::uint32_t count);
    void setSelectedMask(Ipv4Address mask);
    void setSelectedGateway(Ipv4Address gateway);

signals:
    // An edit was refused with the message of the table text messageId; its printf values
    // are in values.
    void refused(int messageId, const QStringList& values);
    void selectionCountChanged(int count);

private:
    struct Row {
        std::string mac;
        bool selected = false;
    };
    ScanElement* unitOf(int row) const;
    QString text(const ScanElement& unit, int column) const;
    void changedColumn(int column);

    R4000ScanDoc& document_;
    const ResourceChain& resources_;
    Locale locale_;
    std::vector<Row> rows_;
    int selectedCount_ = 0;
};
