#include "DlgScanIpPool.h"

#include "DialogLayout.h"
#include "ScanCellRules.h"

#include <QLineEdit>

namespace {
constexpr int kDialog = 901;
}

DlgScanIpPool::DlgScanIpPool(const ResourceChain& resources, Ipv4Address start, std::uint32_t count,
                             int registeredUnits, AddressDialog::Refuse refuse, QWidget* parent)
    : QDialog(parent), address_(new QLineEdit(QString::fromStdString(start.toText()), this)),
      numbers_(new QLineEdit(QString::number(count), this)), registeredUnits_(registeredUnits),
      refuse_(std::move(refuse)), start_(start), count_(count)
{
    DialogLayout layout(this, resources, kDialog);
    layout.addField(1101, address_);
    layout.addField(1102, numbers_);
    layout.addButtons();
    address_->setObjectName(QStringLiteral("start"));
    numbers_->setObjectName(QStringLiteral("numbers"));
}

void DlgScanIpPool::accept()
{
    Ipv4Address typed;
    if (!Ipv4Address::fromText(address_->text().toStdString(), typed) || !typed.isUnicast()) {
        refuse_(ScanCellRules::kInvalidIpAddress, {});
        address_->setText(QString::fromStdString(start_.toText()));
        address_->setFocus();
        return;
    }
    bool number = false;
    const int count = numbers_->text().toInt(&number);
    if (!number || count < 1 || count > registeredUnits_) {
        refuse_(ScanCellRules::kEnterNumber,
                {QStringLiteral("1"), QString::number(registeredUnits_)});
        numbers_->setFocus();
        numbers_->selectAll();
        return;
    }
    start_ = typed;
    count_ = std::uint32_t(count);
    QDialog::accept();
}
