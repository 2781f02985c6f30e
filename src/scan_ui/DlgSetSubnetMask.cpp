#include "DlgSetSubnetMask.h"

#include "ResourceIds.h"
#include "ScanCellRules.h"

DlgSetSubnetMask::DlgSetSubnetMask(const UserMessages& messages, QWidget* parent)
    : AddressDialog(messages, DialogId::SubnetMask, Ipv4Address(), &Ipv4Address::isValidMask,
                    ScanCellRules::kInvalidSubnetMask, parent)
{
}
