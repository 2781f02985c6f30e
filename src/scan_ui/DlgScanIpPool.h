#pragma once

#include "AddressDialog.h"

#include <QDialog>

class QLineEdit;

// The range the auto assignment gives addresses from: a start address (a host address)
// and how many, 1 up to the number of units of the system.
class DlgScanIpPool : public QDialog
{
    Q_OBJECT

public:
    DlgScanIpPool(const ResourceChain& resources, Ipv4Address start, std::uint32_t count,
                  int registeredUnits, AddressDialog::Refuse refuse, QWidget* parent = nullptr);

    Ipv4Address start() const { return start_; }
    std::uint32_t count() const { return count_; }
    void accept() override;

private:
    QLineEdit* address_;
    QLineEdit* numbers_;
    int registeredUnits_;
    AddressDialog::Refuse refuse_;
    Ipv4Address start_;
    std::uint32_t count_;
};
