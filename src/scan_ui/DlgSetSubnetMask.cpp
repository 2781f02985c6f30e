#include "DlgSetSubnetMask.h"

#include "ScanCellRules.h"

DlgSetSubnetMask::DlgSetSubnetMask(const ResourceChain& resources, Refuse refuse, QWidget* parent)
    : AddressDialog(resources, 902, Ipv4Address(), &Ipv4Address::isValidMask,
                    ScanCellRules::kInvalidSubnetMask, std::move(refuse), parent)
{
}
