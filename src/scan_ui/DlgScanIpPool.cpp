#include "DlgScanIpPool.h"

#include "DialogLayout.h"
#include "ResourceIds.h"
#include "ScanCellRules.h"
#include "System.h"
#include "UserMessages.h"

#include <QLineEdit>

DlgScanIpPool::DlgScanIpPool(const UserMessages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), address_(new QLineEdit(this)),
      numbers_(new QLineEdit(this))
{
    DialogLayout layout(this, messages.resources(), DialogId::ScanIpPool);
    layout.addField(1101, address_);
    layout.addField(1102, numbers_);
    layout.addButtons();
    address_->setObjectName(QStringLiteral("start"));
    numbers_->setObjectName(QStringLiteral("numbers"));
    address_->setMaxLength(ScanCellRules::kMaxAddressLength);
    numbers_->setMaxLength(2); // at most the 80 units of a system
}

void DlgScanIpPool::attach(System& system)
{
    system_ = &system;
    keptStart_ = system.scanStartAddress();
    keptCount_ = system.scanAssignCount();
    refresh();
}

void DlgScanIpPool::detach()
{
    system_ = nullptr;
}

void DlgScanIpPool::refresh()
{
    if (!system_)
        return;
    address_->setText(QString::fromStdString(system_->scanStartAddress().toText()));
    numbers_->setText(QString::number(system_->scanAssignCount()));
}

bool DlgScanIpPool::commitField(int field)
{
    if (!system_)
        return false;
    return field == Start ? commitStart() : commitCount();
}

bool DlgScanIpPool::commitStart()
{
    Ipv4Address typed;
    if (!Ipv4Address::fromText(address_->text().toStdString(), typed) || !typed.isUnicast()) {
        messages_.tell(ScanCellRules::kInvalidIpAddress);
        address_->setText(QString::fromStdString(system_->scanStartAddress().toText()));
        address_->setFocus();
        return false;
    }
    system_->setScanStartAddress(typed);
    return true;
}

bool DlgScanIpPool::commitCount()
{
    const int units = system_->registeredCount();
    bool number = false;
    const int count = numbers_->text().toInt(&number);
    if (!number || count < 1 || count > units) {
        messages_.tell(ScanCellRules::kEnterNumber, {QStringLiteral("1"), QString::number(units)});
        numbers_->setFocus();
        numbers_->selectAll();
        return false;
    }
    system_->setScanAssignCount(std::uint32_t(count));
    return true;
}

void DlgScanIpPool::accept()
{
    if (commitField(Start) && commitField(Count))
        QDialog::accept();
}

void DlgScanIpPool::reject()
{
    if (system_) {
        system_->setScanStartAddress(keptStart_);
        system_->setScanAssignCount(keptCount_);
    }
    QDialog::reject();
}
