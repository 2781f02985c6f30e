#include "DlgMiContactOutput.h"

#include "ContactOut.h"
#include "ContactOutStatus.h"
#include "ContactOutTableModel.h"
#include "Exchange.h"
#include "ModelText.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "System.h"
#include "TextRules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum Text {
    DigitsLabel = 1,
    AccessLabel,
    LineGroup,
    LineAll,
    LineExchange,
    LineStation,
    LineUnusedText,
    ExchangeLabel,
    LineLabel,
    NetworkGroup,
    NetworkAll,
    NetworkUnit,
    NetworkUnusedText,
    UnitLabel,
};

using Status = ContactOutStatus;

QString padded(int number, int digits)
{
    return QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
}

} // namespace

DlgMiContactOutput::DlgMiContactOutput(const ResourceChain& resources, const UserMessages& messages,
                                       QWidget* parent)
    : ContactPage(resources, messages, DialogId::MiContactOutput,
                  new ContactOutTableModel(resources), parent),
      digits_(new QLabel(this))
{
    QLineEdit* access = addField(
        AccessNumber, QStringLiteral("accessNumber"), 4,
        [this](const Exchange&) {
            const ContactOut* shown = output();
            return shown ? QString::fromStdString(shown->operationNumber()) : QString();
        },
        [this](Exchange& unit, const QString& entered) {
            return commitAccessNumber(unit, entered);
        });
    access->setAlignment(Qt::AlignRight);
    digits_->setObjectName(QStringLiteral("accessDigits"));

    QGroupBox* lineFrame = nullptr;
    lineChoices_ = addChoice(
        lineFrame, text(LineGroup), texts({LineAll, LineExchange, LineStation, LineUnusedText}),
        QStringLiteral("lineStatus"), [this](int choice) { chooseLineStatus(choice); });
    // Another exchange starts at its first line; the same one keeps the line.
    exchanges_ = addList(QStringLiteral("lineExchange"), [this](int exchange) {
        const Status::LineTarget now =
            Status::readLine(output() ? output()->lineSurveillance() : std::string());
        if (now.kind == Status::Line::Station)
            setLineTarget(exchange, exchange == now.exchange ? now.line : 1);
        else
            setLineTarget(exchange, 0);
    });
    lines_ = addList(QStringLiteral("line"),
                     [this](int line) { setLineTarget(exchanges_->currentData().toInt(), line); });
    auto* lineGrid = static_cast<QVBoxLayout*>(lineFrame->layout());
    auto* lineTarget = new QGridLayout;
    lineTarget->addWidget(label(ExchangeLabel, exchanges_), 0, 0);
    lineTarget->addWidget(exchanges_, 0, 1, Qt::AlignLeft);
    lineTarget->addWidget(label(LineLabel, lines_), 1, 0);
    lineTarget->addWidget(lines_, 1, 1, Qt::AlignLeft);
    lineTarget->setContentsMargins(20, 4, 0, 0);
    lineGrid->addLayout(lineTarget);

    QGroupBox* networkFrame = nullptr;
    networkChoices_ = addChoice(
        networkFrame, text(NetworkGroup), texts({NetworkAll, NetworkUnit, NetworkUnusedText}),
        QStringLiteral("networkStatus"), [this](int choice) { chooseNetworkStatus(choice); });
    units_ = addList(QStringLiteral("networkUnit"), [this](int number) { setNetworkUnit(number); });
    auto* unitRow = new QGridLayout;
    unitRow->addWidget(label(UnitLabel, units_), 0, 0);
    unitRow->addWidget(units_, 0, 1, Qt::AlignLeft);
    unitRow->setContentsMargins(20, 4, 0, 0);
    static_cast<QVBoxLayout*>(networkFrame->layout())->addLayout(unitRow);

    auto* numbers = new QGridLayout;
    numbers->addWidget(label(DigitsLabel, digits_), 0, 0);
    numbers->addWidget(digits_, 0, 1);
    numbers->addWidget(label(AccessLabel, access), 1, 0);
    numbers->addWidget(access, 1, 1, Qt::AlignLeft);
    numbers->setColumnStretch(2, 1);

    auto* settings = new QVBoxLayout;
    settings->addLayout(numbers);
    settings->addWidget(lineFrame);
    settings->addWidget(networkFrame);
    settings->addStretch();
    setSettings(settings);

    std::vector<QWidget*> order{&list(), access};
    for (QAbstractButton* button : lineChoices_->buttons())
        order.push_back(button);
    order.insert(order.end(), {exchanges_, lines_});
    for (QAbstractButton* button : networkChoices_->buttons())
        order.push_back(button);
    order.push_back(units_);
    chainTabOrder(order);
}

ContactOut* DlgMiContactOutput::output() const
{
    return unit() && selected() > 0 ? unit()->contactOut(selected()) : nullptr;
}

bool DlgMiContactOutput::isTaken(const ContactOut& output, unsigned long number) const
{
    const System& system = unit()->system();
    for (int n = 1; n <= system.registeredCount(); ++n) {
        const Exchange& other = *system.equipment(n);
        if (!other.isMultiInterface())
            continue;
        for (int c = 1; c <= other.contactOutCount(); ++c) {
            const ContactOut* used = other.contactOut(c);
            if (used != &output && !used->operationNumber().empty() &&
                TextRules::leadingNumber(used->operationNumber()) == number)
                return true;
        }
    }
    return false;
}

Refusal DlgMiContactOutput::commitAccessNumber(Exchange& unit, const QString& entered)
{
    ContactOut* shown = output();
    if (!shown)
        return {};
    int number = 0;
    if (ModelText::toNumber(entered, number) && number != 0 && isTaken(*shown, unsigned(number)))
        return {StringId::AccessNoDuplicated, {}};
    System& system = unit.system();
    if (!shown->setOperationNumber(entered.toStdString())) {
        // The bounds as many digits long as the numbers are dialled.
        const int digits = system.controlDigits();
        return {StringId::EnterNumberBetween,
                {padded(1, digits), padded(ContactOut::highestOperationNumber(digits), digits)}};
    }
    system.announce("operation_number");
    return {};
}

int DlgMiContactOutput::firstExchange() const
{
    const System& system = unit()->system();
    for (int n = 1; n <= system.registeredCount(); ++n)
        if (system.equipment(n)->isExchange())
            return n;
    return 0;
}

void DlgMiContactOutput::storeLine(int kind, int exchange, int line)
{
    ContactOut* shown = output();
    if (!shown)
        return;
    const std::string text = Status::lineText({Status::Line(kind), exchange, line});
    if (shown->lineSurveillance() != text) {
        shown->setLineSurveillance(text);
        unit()->system().announce("line_surveillance");
    }
}

void DlgMiContactOutput::chooseLineStatus(int choice)
{
    const ContactOut* shown = output();
    if (!shown)
        return;
    const Status::LineTarget now = Status::readLine(shown->lineSurveillance());
    // A line of an exchange keeps the exchange shown; without one, the first exchange.
    const bool named = now.kind == Status::Line::Exchange || now.kind == Status::Line::Station;
    const int exchange = named ? now.exchange : firstExchange();
    switch (choice) {
    case AllLines:
        storeLine(int(Status::Line::All), 0, 0);
        break;
    case WholeExchange:
        if (exchange > 0)
            storeLine(int(Status::Line::Exchange), exchange, 0);
        break;
    case StationLine:
        if (exchange > 0)
            storeLine(int(Status::Line::Station), exchange, std::max(now.line, 1));
        break;
    case LineUnused:
        storeLine(int(Status::Line::Unused), 0, 0);
        break;
    default:
        break;
    }
    refresh();
}

void DlgMiContactOutput::setLineTarget(int exchange, int line)
{
    const System* system = unit() ? &unit()->system() : nullptr;
    if (!system || exchange < 1 || exchange > system->registeredCount() ||
        !system->equipment(exchange)->isExchange() || line < 0 ||
        line > system->equipment(exchange)->stationCount())
        return;
    storeLine(int(line == 0 ? Status::Line::Exchange : Status::Line::Station), exchange, line);
    refresh();
}

void DlgMiContactOutput::chooseNetworkStatus(int choice)
{
    ContactOut* shown = output();
    if (!shown)
        return;
    const Status::NetworkTarget now = Status::readNetwork(shown->networkSurveillance());
    Status::NetworkTarget next;
    switch (choice) {
    case AllUnits:
        next.kind = Status::Network::All;
        break;
    case OneUnit:
        next = {Status::Network::Unit, now.kind == Status::Network::Unit ? now.unit : 1};
        break;
    default:
        break;
    }
    const std::string text = Status::networkText(next);
    if (shown->networkSurveillance() != text) {
        shown->setNetworkSurveillance(text);
        unit()->system().announce("network_surveillance");
    }
    refresh();
}

void DlgMiContactOutput::setNetworkUnit(int unitNumber)
{
    ContactOut* shown = output();
    if (!shown || unitNumber < 1 || unitNumber > unit()->system().registeredCount())
        return;
    const std::string text = Status::networkText({Status::Network::Unit, unitNumber});
    if (shown->networkSurveillance() != text) {
        shown->setNetworkSurveillance(text);
        unit()->system().announce("network_surveillance");
    }
    refresh();
}

void DlgMiContactOutput::refreshContact()
{
    const ContactOut* shown = output();
    const System* system = unit() ? &unit()->system() : nullptr;
    digits_->setText(system ? QString::number(system->controlDigits()) : QString());

    const Status::LineTarget line =
        Status::readLine(shown ? shown->lineSurveillance() : std::string());
    lineChoices_->button(int(line.kind))->setChecked(true);
    const bool hasExchange = system && firstExchange() > 0;
    // The lines of exchanges can be watched only where there are exchanges.
    lineChoices_->button(WholeExchange)->setEnabled(hasExchange);
    lineChoices_->button(StationLine)->setEnabled(hasExchange);
    std::vector<int> exchanges;
    for (int n = 1; system && n <= system->registeredCount(); ++n)
        if (system->equipment(n)->isExchange())
            exchanges.push_back(n);
    const bool named = line.kind == Status::Line::Exchange || line.kind == Status::Line::Station;
    fillNumbers(*exchanges_, named ? exchanges : std::vector<int>{}, line.exchange, false);
    std::vector<int> lines;
    if (line.kind == Status::Line::Station && line.exchange >= 1 &&
        line.exchange <= system->registeredCount())
        for (int n = 1; n <= system->equipment(line.exchange)->stationCount(); ++n)
            lines.push_back(n);
    fillNumbers(*lines_, lines, line.line, false);
    exchanges_->setEnabled(named);
    lines_->setEnabled(line.kind == Status::Line::Station);

    const Status::NetworkTarget network =
        Status::readNetwork(shown ? shown->networkSurveillance() : std::string());
    networkChoices_->button(int(network.kind))->setChecked(true);
    std::vector<int> units;
    for (int n = 1;
         system && network.kind == Status::Network::Unit && n <= system->registeredCount(); ++n)
        units.push_back(n);
    fillNumbers(*units_, units, network.unit, false);
    units_->setEnabled(network.kind == Status::Network::Unit);
}
