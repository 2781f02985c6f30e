#include "AddressDialog.h"

#include "DialogLayout.h"
#include "ScanCellRules.h"
#include "UserMessages.h"

#include <QLineEdit>

AddressDialog::AddressDialog(const UserMessages& messages, int dialog, Ipv4Address initial,
                             std::function<bool(Ipv4Address)> rule, int messageId, QWidget* parent)
    : QDialog(parent), messages_(messages),
      field_(new QLineEdit(QString::fromStdString(initial.toText()), this)), rule_(std::move(rule)),
      messageId_(messageId), address_(initial)
{
    DialogLayout layout(this, messages.resources(), dialog);
    layout.addField(1101, field_);
    layout.addButtons();
    field_->setObjectName(QStringLiteral("address"));
    field_->setMaxLength(ScanCellRules::kMaxAddressLength);
}

void AddressDialog::accept()
{
    Ipv4Address typed;
    if (!Ipv4Address::fromText(field_->text().toStdString(), typed) || !rule_(typed)) {
        messages_.tell(messageId_);
        field_->setFocus();
        field_->selectAll();
        return;
    }
    address_ = typed;
    QDialog::accept();
}
