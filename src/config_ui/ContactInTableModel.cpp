#include "ContactInTableModel.h"

#include "AudioIn.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"

namespace {

// The modes in the order of their names in the string table.
constexpr ContactIn::Mode kModes[] = {
    ContactIn::Level,      ContactIn::Edge,          ContactIn::AuxInputPag, ContactIn::BusyInput1,
    ContactIn::BusyInput2, ContactIn::RemoteControl, ContactIn::None};

QString named(const ResourceChain& resources, int nameId, const QString& value)
{
    return resources.string(nameId) + u':' + value;
}

QString pair(int unit, int line)
{
    return QStringLiteral("%1-%2").arg(unit).arg(line);
}

} // namespace

ContactInTableModel::ContactInTableModel(const ResourceChain& resources, QObject* parent)
    : ContactTableModel(resources,
                        {StringId::ContactInNoHeading, StringId::ContactInModeHeading,
                         StringId::ContactInParameterHeading},
                        parent)
{
}

int ContactInTableModel::contactCount(const Exchange& unit) const
{
    return unit.contactInCount();
}

QString ContactInTableModel::text(int row, int column) const
{
    const ContactIn* input = unit() ? unit()->contactIn(row + 1) : nullptr;
    if (!input)
        return {};
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case Mode:
        return modeText(resources(), *input);
    case Parameter:
        return parameterText(resources(), *input);
    default:
        return {};
    }
}

QString ContactInTableModel::modeText(const ResourceChain& resources, const ContactIn& input)
{
    for (std::size_t i = 0; i < std::size(kModes); ++i)
        if (kModes[i] == input.mode())
            return resources.string(StringId::ContactInModes + int(i));
    return {};
}

QString ContactInTableModel::parameterText(const ResourceChain& resources, const ContactIn& input)
{
    QStringList parts;
    switch (input.mode()) {
    case ContactIn::Level:
    case ContactIn::Edge:
        if (const ContactOut* output = input.bridgeOutput())
            parts << named(resources, StringId::ContactOutputName,
                           pair(output->owner().number(), output->number()));
        break;
    case ContactIn::AuxInputPag:
        if (const Paging* zone = input.pagingZone())
            parts << named(resources, StringId::PagingNoName, QString::number(zone->number()));
        if (const AudioIn* audio = input.audioInLink())
            parts << named(resources, StringId::AudioInputName, QString::number(audio->number()));
        break;
    case ContactIn::RemoteControl:
        if (const Station* station = input.remoteStation())
            parts << named(resources, StringId::StationName,
                           pair(station->exchange().exchangeNumber(), station->id()));
        if (!input.remoteDial().empty())
            parts << named(resources, StringId::DialCodeName,
                           QString::fromStdString(input.remoteDial()));
        break;
    default:
        break;
    }
    return parts.join(QStringLiteral(", "));
}
