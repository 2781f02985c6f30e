#include "AddressDialog.h"

#include "DialogLayout.h"

#include <QLineEdit>

AddressDialog::AddressDialog(const ResourceChain& resources, int dialog, Ipv4Address initial,
                             std::function<bool(Ipv4Address)> rule, int messageId, Refuse refuse,
                             QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(QString::fromStdString(initial.toText()), this)),
      rule_(std::move(rule)), messageId_(messageId), refuse_(std::move(refuse)), address_(initial)
{
    DialogLayout layout(this, resources, dialog);
    layout.addField(1101, field_);
    layout.addButtons();
    field_->setObjectName(QStringLiteral("address"));
}

void AddressDialog::accept()
{
    Ipv4Address typed;
    if (!Ipv4Address::fromText(field_->text().toStdString(), typed) || !rule_(typed)) {
        refuse_(messageId_, {});
        field_->setFocus();
        field_->selectAll();
        return;
    }
    address_ = typed;
    QDialog::accept();
}
