#include "ConfigReport.h"

#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactInTableModel.h"
#include "ContactOutTableModel.h"
#include "EquipmentTableModel.h"
#include "Exchange.h"
#include "GroupTableModels.h"
#include "ModelText.h"
#include "Paging.h"
#include "PagingTableModels.h"
#include "PeerTableModel.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "StationTableModel.h"
#include "System.h"
#include "TransmissionMode.h"

#include <algorithm>

namespace {

// The templates that size the printed columns.
const QString kName = QStringLiteral("AAAAAAAA");
const QString kLongName = QStringLiteral("AAAAAAAAA");
const QString kAddress = QStringLiteral("000.000.000.000");
const QString kPort = QStringLiteral("00000");
const QString kPortRange = QStringLiteral("00000-00000");
const QString kAddressPort = QStringLiteral("000.000.000.000:00000");
const QString kTimes = QStringLiteral("00:00-00:00");
const QString kBgm = QStringLiteral("[Ch 0] MI:00, Audio:0");
const QString kStationNo = QStringLiteral("000000");
const QString kLine = QStringLiteral("LINE 00");
const QString kModel = QStringLiteral("R-4720/5MS");
const QString kNumber = QStringLiteral("00");
const QString kCheck = QStringLiteral("O");

// The column headings and values of the tables read from the model, after the report's
// first column heading.
enum Column {
    ReportSpeedHigh = 17,
    ReportSpeedNormal,
    ReportSpeedSaving,
    ReportMode,
    ReportAuto,
    ReportDestination,
    ReportSource,
    ReportMulticast,
    ReportCallForwarding,
    ReportBgmInput = ReportCallForwarding + 8,
    ReportOn,
    ReportOff,
    ReportAutomatic,
    ReportManual,
    ReportChannel,
    ReportInputMode,
    ReportOutputLevel = ReportInputMode + 7,
    ReportLine,
    ReportPagingReception,
    ReportPriority = ReportPagingReception + 4,
    ReportDial7,
    ReportOffhook = ReportDial7 + 4,
    ReportSequencing,
};

QString number(int value)
{
    return QString::number(value);
}

QString range(int first, int count)
{
    return QStringLiteral("%1-%2").arg(first).arg(first + count - 1);
}

// Values of the audio lines and the texts of the audio page that name them.
constexpr std::pair<int, int> kInputModeTexts[] = {{AudioIn::TieLine, 3},     {AudioIn::Pbx, 4},
                                                   {AudioIn::AuxInputPag, 5}, {AudioIn::Bgm, 6},
                                                   {AudioIn::None, 7},        {0, 0}};
constexpr std::pair<int, int> kLineAttributeTexts[] = {
    {AudioIn::PB, 12}, {AudioIn::DP10, 13}, {AudioIn::DP20, 14}, {0, 0}};
constexpr std::pair<int, int> kLineStartTexts[] = {
    {AudioIn::WinkStart, 16}, {AudioIn::SecondDialTone, 17}, {AudioIn::TimingStart, 18}, {0, 0}};
constexpr std::pair<int, int> kOutputModeTexts[] = {{AudioOut::TieLine, 20},
                                                    {AudioOut::Pbx, 21},
                                                    {AudioOut::PaPag, 22},
                                                    {AudioOut::None, 23},
                                                    {0, 0}};

} // namespace

ConfigReport::ConfigReport(const ResourceChain& resources, System& system)
    : resources_(resources), system_(system), locale_(system.locale()),
      systemName_(name(system.systemName()))
{
    general();
    units();
    stations();
    paging();
    groups();
}

QString ConfigReport::string(int id) const
{
    return resources_.string(id);
}

QString ConfigReport::heading(int column) const
{
    return string(StringId::ReportColumns + column);
}

QString ConfigReport::onOff(bool on) const
{
    return heading(on ? ReportOn : ReportOff);
}

QString ConfigReport::name(const std::string& bytes) const
{
    return ModelText::toUi(bytes, locale_.codePage());
}

void ConfigReport::section(int nameId)
{
    section(string(nameId));
}

void ConfigReport::section(const QString& name)
{
    ReportBlock block;
    block.kind = ReportBlock::Kind::Section;
    block.text = QStringLiteral("[%1]").arg(name);
    blocks_.push_back(std::move(block));
}

void ConfigReport::subSection(int nameId)
{
    subSection(string(nameId));
}

void ConfigReport::subSection(const QString& name)
{
    ReportBlock block;
    block.kind = ReportBlock::Kind::SubSection;
    block.text = QStringLiteral("[%1]").arg(name);
    blocks_.push_back(std::move(block));
}

void ConfigReport::text(const QString& line)
{
    ReportBlock block;
    block.kind = ReportBlock::Kind::Text;
    block.text = line;
    blocks_.push_back(std::move(block));
}

void ConfigReport::table(ReportBlock block)
{
    block.kind = ReportBlock::Kind::Table;
    blocks_.push_back(std::move(block));
}

ReportBlock ConfigReport::tableOf(const QAbstractItemModel& model, const QStringList& templates,
                                  int keyColumns)
{
    ReportBlock block;
    block.kind = ReportBlock::Kind::Table;
    block.keyColumns = keyColumns;
    for (int column = 0; column < model.columnCount(); ++column) {
        block.headings << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        block.templates << (column < templates.size() ? templates[column] : kCheck);
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            const QVariant check = model.data(index, Qt::CheckStateRole);
            cells << (check.isValid() ? (check.toInt() == Qt::Checked ? kCheck : QString())
                                      : model.data(index, Qt::DisplayRole).toString());
        }
        block.rows.push_back(cells);
    }
    return block;
}

void ConfigReport::general()
{
    section(StringId::TabGeneral);

    subSection(StringId::ReportEquipmentRegistration);
    EquipmentTableModel equipment(resources_, locale_);
    equipment.setSystem(&system_);
    table(tableOf(equipment,
                  {QStringLiteral("EX"), kNumber, kName, kModel, kAddress, kPort, kAddress, kPort},
                  2));

    subSection(StringId::ReportStationTable);
    text(string(StringId::ReportStationDigits).arg(system_.stationDigits()));
    StationTableModel stationTable(resources_, locale_);
    stationTable.setSystem(&system_);
    table(tableOf(stationTable, {kNumber, kName, kLine, kModel, kStationNo, kLongName}, 3));

    // The units against the units: who may connect to whom, who receives whose multicast.
    const auto peers = [this](PeerTableModel::Table which) {
        PeerTableModel model(which, locale_);
        model.setSystem(&system_);
        ReportBlock block;
        block.keyColumns = 2;
        block.headings << string(StringId::EquipmentHeadings + 1)
                       << string(StringId::EquipmentHeadings + 2);
        block.templates << kNumber << kName;
        for (int column = 0; column < model.columnCount(); ++column) {
            block.headings << number(column + 1);
            block.templates << kNumber;
        }
        for (int row = 0; row < model.rowCount(); ++row) {
            const Exchange& unit = *system_.equipment(row + 1);
            QStringList cells{number(row + 1), name(unit.exchangeName())};
            for (int column = 0; column < model.columnCount(); ++column) {
                const QVariant check = model.data(model.index(row, column), Qt::CheckStateRole);
                cells << (check.toInt() == Qt::Checked ? kCheck : QString());
            }
            block.rows.push_back(cells);
        }
        return block;
    };
    subSection(StringId::ReportNetworkRegistration);
    table(peers(PeerTableModel::Table::Connection));
    subSection(StringId::ReportMulticastRegistration);
    text(string(StringId::ReportMulticastAddress)
             .arg(QString::fromStdString(system_.multicastAddressText())));
    text(string(StringId::ReportMulticastDirection)
             .arg(string(StringId::Reception), string(StringId::Transmission)));
    table(peers(PeerTableModel::Table::MulticastReceive));
}

void ConfigReport::units()
{
    section(QStringLiteral("%1/%2/%3")
                .arg(string(StringId::TabExchange), string(StringId::TabMultiInterface),
                     string(StringId::TabIPStation)));
    const int count = system_.registeredCount();
    const auto identity = [&](const Exchange& unit) {
        return QStringList{number(unit.exchangeNumber()), name(unit.exchangeName()),
                           QString::fromLatin1(unit.displayName())};
    };

    subSection(StringId::ReportNetworkSettings);
    ReportBlock network;
    network.keyColumns = 2;
    for (int column = 0; column < 17; ++column)
        network.headings << heading(column);
    network.templates << kNumber << kName << kModel << kAddress << kAddress << kAddress << kPort
                      << kPortRange << kPortRange << kPortRange << kNumber << kAddress << kPort
                      << kPortRange << kPortRange << QStringLiteral("0000.0")
                      << heading(ReportSpeedNormal);
    for (int n = 1; n <= count; ++n) {
        const Exchange& unit = *system_.equipment(n);
        const TransmissionMode::Mode mode =
            TransmissionMode::of(unit.samplingFrequency(), unit.packetLength());
        network.rows.push_back(
            identity(unit) +
            QStringList{QString::fromStdString(unit.ipAddressText()),
                        QString::fromStdString(unit.subnetMaskText()),
                        QString::fromStdString(unit.gatewayAddressText()), number(unit.websPort()),
                        range(unit.tcpPort(), Exchange::kTcpPorts),
                        range(unit.udpPort(), Exchange::kUdpPorts),
                        range(unit.multicastPort(), Exchange::kPagingPorts),
                        number(unit.networkId()), QString::fromStdString(unit.wanIpAddressText()),
                        number(unit.wanWebsPort()), range(unit.wanTcpPort(), Exchange::kTcpPorts),
                        range(unit.wanUdpPort(), Exchange::kUdpPorts),
                        QString::fromStdString(unit.rangeValue()),
                        heading(ReportSpeedHigh + int(mode))});
    }
    table(network);

    subSection(StringId::ReportCorrection);
    ReportBlock correction;
    correction.keyColumns = 2;
    correction.headings << heading(0) << heading(1) << heading(2) << heading(ReportMode)
                        << heading(ReportDestination) << heading(ReportSource)
                        << heading(ReportMulticast);
    correction.templates << kNumber << kName << kModel << string(StringId::Transmission)
                         << kAddressPort << kAddress << kAddress;
    for (int n = 1; n <= count; ++n) {
        const Exchange& unit = *system_.equipment(n);
        if (!unit.hasSamplingCorrection())
            continue;
        // A source sends its correction data to its destinations; a destination receives it.
        const bool sends = unit.synMode() == "SOURCE";
        const bool receives = unit.synMode() == "DESTINATION";
        QStringList destinations;
        for (const std::string& destination : unit.synDestinations())
            destinations << QString::fromStdString(destination);
        correction.rows.push_back(
            identity(unit) +
            QStringList{sends      ? string(StringId::Transmission)
                        : receives ? string(StringId::Reception)
                                   : heading(ReportAuto),
                        sends ? destinations.join(QStringLiteral(", ")) : QString(),
                        receives && !unit.multicastReceive()
                            ? QString::fromStdString(unit.synSourceText())
                            : QString(),
                        receives && unit.multicastReceive()
                            ? QString::fromStdString(unit.multicastAddressText())
                            : QString()});
    }
    table(correction);

    subSection(StringId::ReportFunctions);
    ReportBlock functions;
    functions.keyColumns = 2;
    functions.headings << heading(0) << heading(1);
    functions.templates << kNumber << kName;
    for (int column = ReportCallForwarding; column <= ReportBgmInput; ++column) {
        functions.headings << heading(column);
        functions.templates << (column == ReportBgmInput ? kBgm : kTimes);
    }
    for (int id : {StringId::ReportPriorityHeading, StringId::ReportIndicationHeading,
                   StringId::ReportDoorHeading}) {
        functions.headings << string(id);
        functions.templates << string(StringId::ReportCallAndTalk);
    }
    const auto doorMode = [this](const std::string& mode) {
        const char* modes[] = {"DS_REMOTE", "DS_CALLING", "DS_CONVERS", "DS_BUSY"};
        for (int i = 0; i < 4; ++i)
            if (mode == modes[i])
                return string(StringId::ReportDoorModes + i);
        return QString();
    };
    // The names the audio page gives the values.
    const auto audioText = [this](const std::pair<int, int>* texts, int value) {
        for (; texts->second != 0; ++texts)
            if (texts->first == value)
                return resources_.dialogText(DialogId::MiAudio, texts->second);
        return QString();
    };
    const auto limit = [&](int tens) {
        return tens == 0 ? onOff(false) : string(StringId::ReportSeconds).arg(tens * 10);
    };
    for (int n = 1; n <= count; ++n) {
        const Exchange& unit = *system_.equipment(n);
        if (!unit.isExchange())
            continue;
        QStringList bgm;
        for (int channel = 1; channel <= unit.bgmChannelCount(); ++channel)
            if (const AudioIn* source = unit.bgmSource(channel))
                bgm << QStringLiteral("[Ch %1] MI:%2, Audio:%3")
                           .arg(channel)
                           .arg(source->owner().number())
                           .arg(source->number());
        functions.rows.push_back(QStringList{
            number(n), name(unit.exchangeName()), onOff(unit.callForwarding()),
            unit.timeForwarding()
                ? QString::fromStdString(unit.transferStartTime() + "-" + unit.transferEndTime())
                : onOff(false),
            onOff(unit.groupHunting()),
            unit.absenceTransfer() ? string(StringId::ReportSeconds).arg(unit.noAnswerTime())
                                   : onOff(false),
            limit(unit.callTimeLimit()), limit(unit.conversationTimeLimit()),
            limit(unit.pagingTimeLimit()),
            heading(unit.pagingAnswerMode() == Exchange::Auto ? ReportAutomatic : ReportManual),
            bgm.join(QStringLiteral(" ")),
            string(unit.pagingPriorityMode() == Exchange::PagingFirst
                       ? StringId::ReportPagingFirst
                       : StringId::ReportConversationFirst),
            string(unit.callingPartyIndicationMode() == Exchange::CallActivated
                       ? StringId::ReportCallAndTalk
                       : StringId::ReportTalk),
            doorMode(unit.dsOutMode())});
    }
    table(functions);

    // The lines of the multi-interface units.
    subSection(StringId::ReportAudio);
    ReportBlock audio;
    audio.keyColumns = 3;
    audio.headings << heading(0) << heading(1) << heading(ReportChannel);
    audio.templates << kNumber << kName << kNumber;
    for (int column = ReportInputMode; column <= ReportOutputLevel; ++column) {
        audio.headings << heading(column);
        audio.templates << QStringLiteral("SECOND_DIAL_TONE");
    }
    for (int n = 1; n <= count; ++n) {
        const Exchange& unit = *system_.equipment(n);
        if (!unit.isMultiInterface())
            continue;
        for (int channel = 1; channel <= unit.audioInCount(); ++channel) {
            const AudioIn& input = *unit.audioIn(channel);
            const AudioOut* output = unit.audioOut(channel);
            audio.rows.push_back(
                QStringList{number(n), name(unit.exchangeName()), number(channel),
                            audioText(kInputModeTexts, input.mode()), number(input.inputLevel()),
                            QString::fromStdString(input.accessNumber()),
                            input.pagingZone() ? number(input.pagingZone()->number()) : QString(),
                            audioText(kLineAttributeTexts, input.lineAttribute()),
                            audioText(kLineStartTexts, input.lineStart()),
                            output ? audioText(kOutputModeTexts, output->mode()) : QString(),
                            output ? number(output->outputLevel()) : QString()});
        }
    }
    table(audio);

    for (bool inputs : {true, false}) {
        subSection(inputs ? StringId::ReportContactInput : StringId::ReportContactOutput);
        if (!inputs)
            text(string(StringId::ReportAccessDigits).arg(system_.controlDigits()));
        for (int n = 1; n <= count; ++n) {
            const Exchange& unit = *system_.equipment(n);
            if (!unit.isMultiInterface())
                continue;
            text(QStringLiteral("%1 %2  %3").arg(heading(0), number(n), name(unit.exchangeName())));
            if (inputs) {
                ContactInTableModel contacts(resources_);
                contacts.setUnit(&unit);
                table(tableOf(contacts,
                              {kNumber, QStringLiteral("Input interlock level"), kBgm + kBgm}, 1));
            } else {
                ContactOutTableModel contacts(resources_);
                contacts.setUnit(&unit);
                table(tableOf(contacts, {kNumber, QStringLiteral("0000"), kPortRange, kNumber}, 1));
            }
        }
    }
}

void ConfigReport::stations()
{
    section(StringId::TabStation);
    const auto start = [&](ReportBlock& block) {
        block.keyColumns = 4;
        block.headings << heading(0) << heading(1) << heading(ReportLine)
                       << string(StringId::StationNoHeading);
        block.templates << kNumber << kName << kLine << kStationNo;
    };
    ReportBlock functions;
    ReportBlock speedDials;
    ReportBlock monitoring;
    start(functions);
    start(speedDials);
    start(monitoring);
    functions.headings << heading(2) << string(StringId::StationNameHeading);
    functions.templates << kModel << kLongName;
    for (int column = ReportPagingReception; column <= ReportPriority; ++column) {
        functions.headings << heading(column);
        functions.templates << kName;
    }
    for (int column = ReportDial7; column <= ReportOffhook; ++column) {
        speedDials.headings << heading(column);
        speedDials.templates << kLongName;
    }
    monitoring.headings << heading(ReportSequencing);
    monitoring.templates << kNumber;
    for (int group = 1; group <= StationImpl::kMonitorGroups; ++group) {
        monitoring.headings << string(StringId::ReportMonitorGroup).arg(group);
        monitoring.templates << kStationNo + u' ' + kStationNo;
    }

    for (int n = 1; n <= system_.registeredCount(); ++n) {
        const Exchange& unit = *system_.equipment(n);
        for (int line = 1; line <= unit.stationCount(); ++line) {
            const Station& station = *unit.station(line);
            if (station.isNone() || !station.inUse())
                continue;
            const QStringList key{number(n), name(unit.exchangeName()),
                                  string(StringId::ReportLineNumber).arg(line),
                                  QString::fromStdString(station.number())};
            functions.rows.push_back(
                key + QStringList{QString::fromLatin1(station.displayName()), name(station.name()),
                                  onOff(station.pagingReception()), number(station.micLevel()),
                                  number(station.speakerLevel()), number(station.signalLevel()),
                                  onOff(station.priorityStation())});
            QStringList dials = key;
            for (std::string_view dial : Station::kOneTouchKeys)
                dials << QString::fromStdString(station.oneTouch(dial));
            speedDials.rows.push_back(dials);
            QStringList scan = key;
            scan << number(station.monitoringTime());
            for (int group = 0; group < StationImpl::kMonitorGroups; ++group) {
                QStringList numbers;
                for (int position = 0; position < StationImpl::kMonitorPositions; ++position)
                    if (const Station* watched = station.monitoringEntry(group, position))
                        numbers << QString::fromStdString(watched->number());
                scan << numbers.join(u' ');
            }
            monitoring.rows.push_back(scan);
        }
    }
    subSection(StringId::ReportFunctions);
    table(functions);
    subSection(StringId::ReportSpeedDialing);
    table(speedDials);
    subSection(StringId::ReportScanMonitor);
    table(monitoring);
}

void ConfigReport::paging()
{
    section(StringId::TabPaging);
    text(string(StringId::ReportPagingDigits).arg(system_.pagingDigits()));
    text(string(StringId::ReportPagingPort)
             .arg(system_.multicastPort())
             .arg(system_.multicastPort() +
                  Exchange::kPagingPorts * std::max(1, system_.registeredCount()) - 1));
    PagingMemberModel members(resources_, locale_);
    members.setSystem(&system_);
    const int captions = members.captionCount();
    const ReportBlock all = tableOf(members, captionTemplates(members), captions);
    // Each zone the paging digits dial, with the lines it pages: the grid's rows checked in
    // its column.
    for (int zone = 0; zone + captions < all.headings.size(); ++zone) {
        ReportBlock block;
        block.keyColumns = captions;
        block.headings = all.headings.mid(0, captions);
        block.templates = all.templates.mid(0, captions);
        for (const QStringList& row : all.rows)
            if (row[captions + zone] == kCheck)
                block.rows.push_back(row.mid(0, captions));
        const Paging* named = system_.paging(zone + 1);
        QString heading =
            ResourceChain::substitute(string(StringId::ZoneLabel), {number(zone + 1)});
        if (named && !named->name().empty())
            heading += QStringLiteral("  ") + name(named->name());
        text(heading);
        table(block);
    }
}

QStringList ConfigReport::captionTemplates(const UnitLineTableModel& model)
{
    QStringList templates;
    for (int column = 0; column < model.captionCount(); ++column) {
        switch (model.caption(column)) {
        case UnitLineTableModel::Caption::EquipmentNo:
            templates << kNumber;
            break;
        case UnitLineTableModel::Caption::EquipmentName:
            templates << kName;
            break;
        case UnitLineTableModel::Caption::LineNo:
            templates << kLine;
            break;
        case UnitLineTableModel::Caption::StationName:
            templates << kLongName;
            break;
        case UnitLineTableModel::Caption::Type:
            templates << kModel;
            break;
        }
    }
    return templates;
}

void ConfigReport::groups()
{
    section(StringId::TabGroup);
    subSection(StringId::ReportBlockingGroup);
    BlockMemberModel members(resources_, locale_);
    members.setSystem(&system_);
    table(tableOf(members, captionTemplates(members), members.captionCount()));

    subSection(StringId::ReportBlockingTo);
    BlockToModel blockTo(resources_);
    blockTo.setSystem(&system_);
    table(tableOf(blockTo, {kLongName + kName, QStringLiteral("ZONE 000")}, 2));

    subSection(StringId::ReportRemoteGroup);
    RemoteStationModel remote(resources_, locale_);
    remote.setSystem(&system_);
    for (int group = 0; group < remote.groupCount(); ++group) {
        remote.selectGroup(group);
        ReportBlock all = tableOf(remote, captionTemplates(remote), remote.captionCount());
        ReportBlock block;
        block.keyColumns = remote.captionCount();
        block.headings = all.headings.mid(0, block.keyColumns);
        block.templates = all.templates.mid(0, block.keyColumns);
        for (const QStringList& row : all.rows)
            if (row.size() > block.keyColumns && row[block.keyColumns] == kCheck)
                block.rows.push_back(row.mid(0, block.keyColumns));
        text(ResourceChain::substitute(string(StringId::GroupLabel), {number(group + 1)}));
        table(block);
    }
}
