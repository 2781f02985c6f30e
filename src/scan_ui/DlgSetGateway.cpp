#include "DlgSetGateway.h"

#include "ScanCellRules.h"

DlgSetGateway::DlgSetGateway(const ResourceChain& resources, Refuse refuse, QWidget* parent)
    : AddressDialog(resources, 903, Ipv4Address(), &Ipv4Address::isUnicast,
                    ScanCellRules::kInvalidGateway, std::move(refuse), parent)
{
}
