#include "DlgExClock.h"

#include "Exchange.h"
#include "Ipv4Address.h"
#include "LineField.h"
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
            [row](const Exchange& unit) {
                std::string address, port;
                split(entryAt(unit, row), address, port);
                return QString::fromStdString(address);
            },
            [this, row](Exchange& unit, const QString& entered) {
                return commitAddress(unit, row, entered);
            });
        ports_[row] = addField(
            destinationPort(row), QStringLiteral("destinationPort%1").arg(row + 1), 5,
            [row](const Exchange& unit) {
                std::string address, port;
                split(entryAt(unit, row), address, port);
                return QString::fromStdString(port);
            },
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

    connect(modes_, &QButtonGroup::idClicked, this, &DlgExClock::chooseMode);
    connect(multicastReceive_, &QCheckBox::clicked, this, &DlgExClock::setMulticastReceive);
}

bool DlgExClock::appliesTo(const Exchange& unit) const
{
    return unit.hasSamplingCorrection();
}

std::string DlgExClock::entryAt(const Exchange& unit, int row)
{
    const auto& entries = unit.synDestinations();
    if (row >= int(entries.size()))
        return {};
    return *std::next(entries.begin(), row);
}

Refusal DlgExClock::commitAddress(Exchange& unit, int row, const QString& text)
{
    const std::string old = entryAt(unit, row);
    if (isEmptyAddress(text)) {
        if (!old.empty() && unit.removeSynDestinationText(old))
            unit.system().announce("syn_dest");
        return {};
    }
    // A new row is sent to the unit's own UDP port until the user gives another.
    std::string oldAddress, oldPort;
    split(old, oldAddress, oldPort);
    int port = unit.udpPort();
    if (!old.empty())
        LineField::toNumber(QString::fromStdString(oldPort), port);
    if (!unit.addSynDestination(text.toStdString(), port))
        return {StringId::InvalidIpAddress, {}};
    if (!old.empty() && old != text.toStdString() + ":" + std::to_string(port))
        unit.removeSynDestinationText(old);
    unit.system().announce("syn_dest");
    return {};
}

Refusal DlgExClock::commitPort(Exchange& unit, int row, const QString& text)
{
    const std::string old = entryAt(unit, row);
    std::string address, oldPort;
    split(old, address, oldPort);
    int port = 0;
    if (old.empty() || !LineField::toNumber(text, port) || port < 1 || port > 65535)
        return enterNumber(1, 65535);
    if (!unit.addSynDestination(address, port))
        return {StringId::InvalidIpAddress, {}};
    if (old != address + ":" + std::to_string(port))
        unit.removeSynDestinationText(old);
    unit.system().announce("syn_dest");
    return {};
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
    // A port belongs to a destination: a row without one has none to change.
    for (int row = 0; row < kRows; ++row)
        ports_[row]->setEnabled(shown && !entryAt(*shown, row).empty());
    multicastReceive_->setChecked(shown && shown->multicastReceive());
    multicastAddress_->setEnabled(shown && shown->multicastReceive());
}
