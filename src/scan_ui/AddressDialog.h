#pragma once

#include "Ipv4Address.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class UserMessages;

// One address typed by the user, checked on OK: a refused value keeps the dialog open
// after the user has been told why.
class AddressDialog : public QDialog
{
    Q_OBJECT

public:
    Ipv4Address address() const { return address_; }
    void accept() override;

protected:
    // dialog: the id of the dialog's texts; rule: true when the address is taken;
    // messageId: what a refusal says.
    AddressDialog(const UserMessages& messages, int dialog, Ipv4Address initial,
                  std::function<bool(Ipv4Address)> rule, int messageId, QWidget* parent);

private:
    const UserMessages& messages_;
    QLineEdit* field_;
    std::function<bool(Ipv4Address)> rule_;
    int messageId_;
    Ipv4Address address_;
};
