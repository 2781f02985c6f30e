#pragma once

#include "Ipv4Address.h"
#include "ModelPage.h"

#include <QDialog>
#include <cstdint>

class QLineEdit;
class UserMessages;

// The range the auto assignment gives addresses from: a start address (a host address) and
// how many, 1 up to the number of units of the system. The dialog edits the system's own
// values: OK commits the fields in turn and stays open at the first one refused; Cancel puts
// back the values the system had when the dialog took it.
class DlgScanIpPool : public QDialog, public ModelPage
{
    Q_OBJECT

public:
    enum Field { Start, Count };

    explicit DlgScanIpPool(const UserMessages& messages, QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int field) override;

    void accept() override;
    void reject() override;

private:
    bool commitStart();
    bool commitCount();

    const UserMessages& messages_;
    QLineEdit* address_;
    QLineEdit* numbers_;
    System* system_ = nullptr;
    Ipv4Address keptStart_;
    std::uint32_t keptCount_ = 0;
};
