#include "DlgSetGateway.h"

#include "ResourceIds.h"
#include "ScanCellRules.h"

DlgSetGateway::DlgSetGateway(const UserMessages& messages, QWidget* parent)
    : AddressDialog(messages, DialogId::Gateway, Ipv4Address(), &Ipv4Address::isUnicast,
                    ScanCellRules::kInvalidGateway, parent)
{
}
