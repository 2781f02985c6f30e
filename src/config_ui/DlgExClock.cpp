#include "DlgExClock.h"

#include "Exchange.h"
#include "Ipv4Address.h"
#include "ModelText.h"
#include "ResourceIds.h"
#include "System.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Text {
    AutoLabel = 1,
    TransmissionLabel,
    ReceptionLabel,
    DestinationsLabel,
    AddressHeading,
    PortHeading,
    SourceLabel,
    MulticastReceiveLabel,
    MulticastAddressLabel,
};

constexpr const char* kModes[] = {"AUTO", "SOURCE", "DESTINATION"};
constexpr int kAddressLength = 15;

// An address field's text: "0.0.0.0" is shown and taken as empty.
QString addressText(Ipv4Address address)
{
    return address.isZero() ? QString() : QString::fromStdString(address.toText());
}

bool isEmptyAddress(const QString& text)
{
    return text.isEmpty() || text == QStringLiteral("0.0.0.0");
}

// "address:port" split at its last colon.
void split(const std::string& entry, std::string& address, std::string& port)
{
    const auto colon = entry.rfind(':');
    address = entry.substr(0, colon);
    port = colon == std::string::npos ? std::string() : entry.substr(colon + 1);
}

} // namespace

DlgExClock::DlgExClock(const ResourceChain& resources, const UserMessages& messages,
                       QWidget* parent)
    : UnitPage(resources, messages, DialogId::ExClock, parent), modes_(new QButtonGroup(this)),
      destinations_(new QGroupBox(text(DestinationsLabel), this)),
      reception_(new QGroupBox(this)),
      multicastReceive_(new QCheckBox(text(MulticastReceiveLabel), this))
{
    auto* modeBox = new QGroupBox(this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    const char* modeNames[] = {"auto", "transmission", "reception"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(text(AutoLabel + i), modeBox);
        button->setObjectName(QString::fromLatin1(modeNames[i]));
        modes_->addButton(button, i);
        modeLayout->addWidget(button);
    }

    // Two columns of eight rows, so the sixteen fit the page.
    auto* rows = new QGridLayout(destinations_);
    for (int half = 0; half < 2; ++half) {
        rows->addWidget(new QLabel(text(AddressHeading), destinations_), 0, 4 * half + 1);
        rows->addWidget(new QLabel(text(PortHeading), destinations_), 0, 4 * half + 2);
    }
    for (int row = 0; row < kRows; ++row) {
        addresses_[row] = addField(
            destinationAddress(row), QStringLiteral("destination%1").arg(row + 1),
            kAddressLength,
            [this, row](const Exchange&) { return rowAddress(row); },
            [this, row](Exchange& unit, const QString& entered) {
                return commitAddress(unit, row, entered);
            });
        ports_[row] = addField(
            destinationPort(row), QStringLiteral("destinationPort%1").arg(row + 1), 5,
            [this, row](const Exchange&) { return rowPort(row); },
            [this, row](Exchange& unit, const QString& entered) {
                return commitPort(unit, row, entered);
            });
        addresses_[row]->setParent(destinations_);
        ports_[row]->setParent(destinations_);
        ports_[row]->setAlignment(Qt::AlignRight);
        const int line = row % (kRows / 2) + 1;
        const int column = 4 * (row / (kRows / 2));
        rows->addWidget(new QLabel(QStringLiteral("%1.").arg(row + 1), destinations_), line,
                        column);
        rows->addWidget(addresses_[row], line, column + 1);
        rows->addWidget(ports_[row], line, column + 2);
    }
    rows->setColumnMinimumWidth(3, 16);
    rows->setColumnStretch(3, 1);
    rows->setVerticalSpacing(2);

    QLineEdit* source = addField(
        Source, QStringLiteral("source"), kAddressLength,
        [](const Exchange& unit) { return addressText(unit.synSource()); },
        [](Exchange& unit, const QString& entered) -> Refusal {
            if (isEmptyAddress(entered))
                unit.clearSynSource();
            else if (!unit.setSynSource(entered.toStdString()))
                return {StringId::InvalidIpAddress, {}};
            unit.system().announce("syn_source");
            return {};
        });
    multicastAddress_ = addField(
        MulticastAddress, QStringLiteral("multicastAddress"), kAddressLength,
        [](const Exchange& unit) { return addressText(unit.synMulti()); },
        [](Exchange& unit, const QString& entered) -> Refusal {
            if (!unit.setSynMulti(isEmptyAddress(entered) ? "0.0.0.0" : entered.toStdString()))
                return {StringId::InvalidIpAddress, {}};
            unit.system().announce("syn_multi");
            return {};
        });
    source->setParent(reception_);
    multicastAddress_->setParent(reception_);
    multicastReceive_->setParent(reception_);
    multicastReceive_->setObjectName(QStringLiteral("multicastReceive"));
    // Beside the modes, each label over its field.
    auto* receptionLayout = new QGridLayout(reception_);
    receptionLayout->setVerticalSpacing(2);
    auto* sourceLabel = new QLabel(text(SourceLabel), reception_);
    sourceLabel->setBuddy(source);
    receptionLayout->addWidget(sourceLabel, 0, 0, 1, 2);
    receptionLayout->addWidget(source, 1, 0, 1, 2);
    receptionLayout->addWidget(multicastReceive_, 2, 0, 1, 2);
    auto* multicastLabel = new QLabel(text(MulticastAddressLabel), reception_);
    multicastLabel->setBuddy(multicastAddress_);
    receptionLayout->addWidget(multicastLabel, 3, 1);
    receptionLayout->addWidget(multicastAddress_, 4, 1);
    receptionLayout->setColumnMinimumWidth(0, 16);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    top->addWidget(modeBox);
    top->addWidget(reception_);
    layout->addLayout(top);
    layout->addWidget(destinations_);
    layout->addStretch();

    std::vector<QWidget*> order{modes_->button(0), modes_->button(1), modes_->button(2), source,
                                multicastReceive_, multicastAddress_};
    for (int row = 0; row < kRows; ++row) {
        order.push_back(addresses_[row]);
        order.push_back(ports_[row]);
    }
    chainTabOrder(order);

    connect(modes_, &QButtonGroup::idClicked, this, &DlgExClock::chooseMode);
    connect(multicastReceive_, &QCheckBox::clicked, this, &DlgExClock::setMulticastReceive);
}

bool DlgExClock::appliesTo(const Exchange& unit) const
{
    return unit.hasSamplingCorrection();
}

void DlgExClock::refresh()
{
    layOutRows();
    UnitPage::refresh();
}

void DlgExClock::layOutRows()
{
    if (unit() != rowsUnit_) {
        rows_.fill({});
        pendingPorts_.fill(0);
        rowsUnit_ = unit();
    }
    if (!unit())
        return;
    // A row keeps its destination while the unit has it; destinations no row shows (read
    // from a file, say) take the free rows in order.
    const auto& entries = unit()->synDestinations();
    for (std::string& entry : rows_)
        if (!entry.empty() && entries.count(entry) == 0)
            entry.clear();
    for (const std::string& entry : entries) {
        if (std::find(rows_.begin(), rows_.end(), entry) != rows_.end())
            continue;
        const auto free = std::find(rows_.begin(), rows_.end(), std::string());
        if (free == rows_.end())
            break;
        pendingPorts_[std::size_t(free - rows_.begin())] = 0;
        *free = entry;
    }
}

QString DlgExClock::rowAddress(int row) const
{
    std::string address, port;
    split(rows_[std::size_t(row)], address, port);
    return QString::fromStdString(address);
}

QString DlgExClock::rowPort(int row) const
{
    std::string address, port;
    split(rows_[std::size_t(row)], address, port);
    if (port.empty() && pendingPorts_[std::size_t(row)] > 0)
        return QString::number(pendingPorts_[std::size_t(row)]);
    return QString::fromStdString(port);
}

Refusal DlgExClock::replaceRow(Exchange& unit, int row, const std::string& entry, bool checked)
{
    std::string& old = rows_[std::size_t(row)];
    if (entry == old)
        return {};
    // Two rows never send to one place.
    if (unit.synDestinations().count(entry) > 0)
        return {StringId::AddressDuplicated, {}};
    std::string address, port;
    split(entry, address, port);
    if (checked ? !unit.addSynDestination(address, std::stoi(port))
                : !unit.addSynDestinationText(entry))
        return {StringId::InvalidIpAddress, {}};
    if (!old.empty())
        unit.removeSynDestinationText(old);
    old = entry;
    pendingPorts_[std::size_t(row)] = 0;
    unit.system().announce("syn_dest");
    return {};
}

Refusal DlgExClock::commitAddress(Exchange& unit, int row, const QString& text)
{
    std::string& old = rows_[std::size_t(row)];
    if (isEmptyAddress(text)) {
        if (!old.empty() && unit.removeSynDestinationText(old))
            unit.system().announce("syn_dest");
        old.clear();
        return {};
    }
    Ipv4Address address;
    if (!Ipv4Address::fromText(text.toStdString(), address))
        return {StringId::InvalidIpAddress, {}};
    // The row's port, else the one typed before its address, else the unit's own UDP port.
    int port = unit.udpPort();
    if (!ModelText::toNumber(rowPort(row), port))
        port = unit.udpPort();
    return replaceRow(unit, row, address.toText() + ":" + std::to_string(port), true);
}

Refusal DlgExClock::commitPort(Exchange& unit, int row, const QString& text)
{
    int port = 0;
    if (!ModelText::toNumber(text, port) || port < 1 || port > 65535)
        return enterNumber(1, 65535);
    const std::string& old = rows_[std::size_t(row)];
    if (old.empty()) {
        // Kept for the address the user types next.
        pendingPorts_[std::size_t(row)] = port;
        return {};
    }
    std::string address, oldPort;
    split(old, address, oldPort);
    // The address was taken when the row was made: only the port changes.
    return replaceRow(unit, row, address + ":" + std::to_string(port), false);
}

void DlgExClock::chooseMode(int index)
{
    if (!unit() || index < 0 || index >= 3 || unit()->synMode() == kModes[index])
        return;
    if (unit()->setSynMode(kModes[index]))
        unit()->system().announce("syn_mode");
    refresh();
}

void DlgExClock::setMulticastReceive(bool on)
{
    if (!unit() || unit()->multicastReceive() == on)
        return;
    unit()->setMulticastReceive(on);
    unit()->setChanged();
    unit()->system().announce("syn_multi");
    refresh();
}

void DlgExClock::refreshControls()
{
    const Exchange* shown = unit();
    const QSignalBlocker block(multicastReceive_);
    int mode = 0;
    for (int i = 0; shown && i < 3; ++i)
        if (shown->synMode() == kModes[i])
            mode = i;
    modes_->button(mode)->setChecked(true);
    destinations_->setEnabled(shown && mode == 1);
    reception_->setEnabled(shown && mode == 2);
    multicastReceive_->setChecked(shown && shown->multicastReceive());
    multicastAddress_->setEnabled(shown && shown->multicastReceive());
}
