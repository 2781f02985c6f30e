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

constexpr ContactIn::Mode kModes[ContactInTableModel::kModeCount] = {
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

ContactIn::Mode ContactInTableModel::modeAt(int place)
{
    return place >= 0 && place < kModeCount ? kModes[place] : ContactIn::None;
}

int ContactInTableModel::placeOf(ContactIn::Mode mode)
{
    for (int place = 0; place < kModeCount; ++place)
        if (kModes[place] == mode)
            return place;
    return placeOf(ContactIn::None);
}

QString ContactInTableModel::modeText(const ResourceChain& resources, const ContactIn& input)
{
    return resources.string(StringId::ContactInModes + placeOf(input.mode()));
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
    case ContactIn::AuxInputPag: {
        // Either link names both; the one missing reads 0.
        const Paging* zone = input.pagingZone();
        const AudioIn* audio = input.audioInLink();
        if (zone || audio)
            parts << named(resources, StringId::PagingNoName,
                           QString::number(zone ? zone->number() : 0))
                  << named(resources, StringId::AudioInputName,
                           QString::number(audio ? audio->number() : 0));
        break;
    }
    case ContactIn::RemoteControl:
        if (const Station* station = input.remoteStation())
            parts << named(resources, StringId::StationName,
                           pair(station->exchange().exchangeNumber(), station->id()))
                  << named(resources, StringId::DialCodeName,
                           QString::fromStdString(input.remoteDial()));
        break;
    default:
        break;
    }
    return parts.join(QStringLiteral(", "));
}
