#pragma once

#include "ContactTableModel.h"

// The contact outputs of a unit: "Output No.", "Access No." and what each signals, "Line
// Status" and "Network Status", as the settings hold them.
class ContactOutTableModel : public ContactTableModel
{
    Q_OBJECT

public:
    enum Column { Number, AccessNumber, LineStatus, NetworkStatus, ColumnCount };

    explicit ContactOutTableModel(const ResourceChain& resources, QObject* parent = nullptr);

    QString text(int row, int column) const override;

protected:
    int contactCount(const Exchange& unit) const override;
};
