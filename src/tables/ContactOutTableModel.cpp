#include "ContactOutTableModel.h"

#include "ContactOut.h"
#include "Exchange.h"
#include "ResourceIds.h"

ContactOutTableModel::ContactOutTableModel(const ResourceChain& resources, QObject* parent)
    : ContactTableModel(resources,
                        {StringId::ContactOutNoHeading, StringId::ContactOutAccessHeading,
                         StringId::ContactOutLineHeading, StringId::ContactOutNetworkHeading},
                        parent)
{
}

int ContactOutTableModel::contactCount(const Exchange& unit) const
{
    return unit.contactOutCount();
}

QString ContactOutTableModel::text(int row, int column) const
{
    const ContactOut* output = unit() ? unit()->contactOut(row + 1) : nullptr;
    if (!output)
        return {};
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case AccessNumber:
        return QString::fromStdString(output->operationNumber());
    case LineStatus:
        return QString::fromStdString(output->lineSurveillance());
    case NetworkStatus:
        return QString::fromStdString(output->networkSurveillance());
    default:
        return {};
    }
}
