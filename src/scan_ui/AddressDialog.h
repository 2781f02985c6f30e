#pragma once

#include "Ipv4Address.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class ResourceChain;

// One address typed by the user, checked on OK: a refused value keeps the dialog open
// after refuse() has told the user why.
class AddressDialog : public QDialog
{
    Q_OBJECT

public:
    // Tells the user why a value was refused: the table text messageId filled with values.
    using Refuse = std::function<void(int messageId, const QStringList& values)>;

    Ipv4Address address() const { return address_; }
    void accept() override;

protected:
    // dialog: the id of the dialog's texts; rule: true when the address is taken;
    // messageId: what a refusal says.
    AddressDialog(const ResourceChain& resources, int dialog, Ipv4Address initial,
                  std::function<bool(Ipv4Address)> rule, int messageId, Refuse refuse,
                  QWidget* parent);

private:
    QLineEdit* field_;
    std::function<bool(Ipv4Address)> rule_;
    int messageId_;
    Refuse refuse_;
    Ipv4Address address_;
};
