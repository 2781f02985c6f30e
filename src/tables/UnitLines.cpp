#include "UnitLines.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "ModelText.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"

namespace UnitLines {

namespace {

void addStations(const Exchange& unit, int number, std::vector<UnitLine>& lines)
{
    for (int line = 1; line <= unit.stationCount(); ++line)
        lines.push_back({number, UnitLine::Kind::Station, line});
}

QString labelled(const ResourceChain& resources, int id, int number)
{
    return ResourceChain::substitute(resources.string(id), {QString::number(number)});
}

} // namespace

std::vector<UnitLine> stations(const System& system, bool remoteResponse)
{
    std::vector<UnitLine> lines;
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        if (!remoteResponse || unit.hasRemoteAnswerGroups())
            addStations(unit, n, lines);
    }
    return lines;
}

std::vector<UnitLine> paOutputs(const System& system)
{
    std::vector<UnitLine> lines;
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        for (int k = 1; k <= unit.audioOutCount(); ++k)
            if (unit.audioOut(k)->mode() == AudioOut::PaPag)
                lines.push_back({n, UnitLine::Kind::PaOutput, k});
    }
    return lines;
}

std::vector<UnitLine> blockable(const System& system)
{
    std::vector<UnitLine> lines;
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& unit = *system.equipment(n);
        addStations(unit, n, lines);
        for (int k = 1; k <= unit.audioInCount(); ++k) {
            const AudioIn::Mode mode = unit.audioIn(k)->mode();
            if (mode == AudioIn::Pbx || mode == AudioIn::TieLine)
                lines.push_back({n, UnitLine::Kind::TrunkInput, k});
        }
        for (int k = 1; k <= unit.contactOutCount(); ++k)
            if (!unit.contactOut(k)->operationNumber().empty())
                lines.push_back({n, UnitLine::Kind::ContactOutput, k});
    }
    return lines;
}

Station* station(const System& system, const UnitLine& line)
{
    return line.kind == UnitLine::Kind::Station ? system.stationAt(line.unit, line.number)
                                                : nullptr;
}

AudioOut* paOutput(const System& system, const UnitLine& line)
{
    return line.kind == UnitLine::Kind::PaOutput ? system.audioOutAt(line.unit, line.number)
                                                 : nullptr;
}

BlockGroupMember* member(const System& system, const UnitLine& line)
{
    switch (line.kind) {
    case UnitLine::Kind::Station: {
        Station* s = station(system, line);
        return s ? &s->settings() : nullptr;
    }
    case UnitLine::Kind::TrunkInput:
        return system.audioInAt(line.unit, line.number);
    case UnitLine::Kind::ContactOutput:
        return system.contactOutAt(line.unit, line.number);
    default:
        return nullptr;
    }
}

bool checkable(const System& system, const UnitLine& line)
{
    if (line.kind != UnitLine::Kind::Station)
        return true;
    const Station* s = station(system, line);
    return s && !s->isNone();
}

int heading(Caption caption)
{
    switch (caption) {
    case Caption::EquipmentNo:
        return StringId::EquipmentHeadings + 1;
    case Caption::EquipmentName:
        return StringId::EquipmentHeadings + 2;
    case Caption::LineNo:
        return StringId::LineHeading;
    case Caption::StationName:
        return StringId::StationNameHeading;
    case Caption::Type:
        return StringId::EquipmentHeadings;
    }
    return 0;
}

QString text(const System& system, const UnitLine& line, Caption caption,
             const ResourceChain& resources, int codePage)
{
    const Exchange& unit = *system.equipment(line.unit);
    const Station* s = station(system, line);
    switch (caption) {
    case Caption::EquipmentNo:
        return QString::number(unit.exchangeNumber());
    case Caption::EquipmentName:
        return ModelText::toUi(unit.exchangeName(), codePage);
    case Caption::LineNo:
        switch (line.kind) {
        case UnitLine::Kind::TrunkInput:
            return labelled(resources, StringId::TrunkLineLabel, line.number);
        case UnitLine::Kind::ContactOutput:
            return labelled(resources, StringId::ContactOutputLabel, line.number);
        default:
            return QString::number(line.number);
        }
    case Caption::StationName:
        if (line.kind == UnitLine::Kind::PaOutput)
            return labelled(resources, StringId::PaOutputLabel, line.number);
        return s ? ModelText::toUi(s->name(), codePage) : QString();
    case Caption::Type:
        if (line.kind == UnitLine::Kind::PaOutput)
            return resources.string(StringId::PaOutputType);
        return s && !s->isNone() ? QString::fromLatin1(s->displayName().data(),
                                                       qsizetype(s->displayName().size()))
                                 : QString();
    }
    return {};
}

} // namespace UnitLines
