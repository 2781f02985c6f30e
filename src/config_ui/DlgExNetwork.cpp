#include "DlgExNetwork.h"

#include "Exchange.h"
#include "ModelText.h"
#include "ResourceIds.h"
#include "System.h"
#include "TransmissionMode.h"
#include "WheelGuard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum Text {
    IpLabel = 1,
    MaskLabel,
    GatewayLabel,
    WebLabel,
    TcpLabel,
    UdpLabel,
    PagingLabel,
    ToLabel,
    NaptLabel,
    NetworkIdLabel,
    WanIpLabel,
    RateLabel,
    HighQualityLabel,
    StandardLabel,
    BandwidthSavingLabel,
    LanGroup,
    WanGroup,
};

constexpr int kAddressLength = 15;
// The unit uses four TCP ports and twenty UDP ports from the ones set.
// The last port of each range, counted from its first.
constexpr int kTcpSpan = Exchange::kTcpPorts - 1;
constexpr int kUdpSpan = Exchange::kUdpPorts - 1;
constexpr int kPagingSpan = Exchange::kPagingPorts - 1;
constexpr int kUdpExcludedFirst = 14981;
constexpr int kUdpExcludedLast = 15000;

QString number(int value)
{
    return QString::number(value);
}

} // namespace

DlgExNetwork::DlgExNetwork(const ResourceChain& resources, const UserMessages& messages,
                           QWidget* parent)
    : UnitPage(resources, messages, DialogId::ExNetwork, parent), tcpTo_(readOnly("tcpTo")),
      udpTo_(readOnly("udpTo")), pagingPort_(readOnly("pagingPort")),
      pagingTo_(readOnly("pagingTo")), wanTcpTo_(readOnly("wanTcpTo")),
      wanUdpTo_(readOnly("wanUdpTo")), napt_(new QCheckBox(text(NaptLabel), this)),
      modes_(new QButtonGroup(this)), rates_(new QComboBox(this))
{
    QLineEdit* ip = addField(
        IpAddress, QStringLiteral("ipAddress"), kAddressLength,
        [](const Exchange& unit) { return QString::fromStdString(unit.ipAddressText()); },
        [](Exchange& unit, const QString& text) -> Refusal {
            if (!unit.setIpAddressText(text.toStdString()))
                return {StringId::InvalidIpAddress, {}};
            if (!unit.napt() && unit.setWanIpAddress(unit.ipAddress()))
                unit.system().announce("wan_ip_addr");
            unit.system().announce("ip_address");
            return {};
        });
    QLineEdit* mask =
        addAddressField(SubnetMask, QStringLiteral("subnetMask"), &Exchange::subnetMaskText,
                        &Exchange::setSubnetMaskText, StringId::InvalidSubnetMask, "subnet");
    QLineEdit* gateway =
        addAddressField(Gateway, QStringLiteral("gateway"), &Exchange::gatewayAddressText,
                        &Exchange::setGatewayAddressText, StringId::InvalidGateway, "gateway");
    QLineEdit* web = addPortField(WebPort, QStringLiteral("webPort"), 65535, &Exchange::setWebsPort,
                                  &Exchange::setWanWebsPort, &Exchange::websPort, "webs_port",
                                  "wan_webs_port");
    QLineEdit* tcp = addPortField(TcpPort, QStringLiteral("tcpPort"), 65532, &Exchange::setTcpPort,
                                  &Exchange::setWanTcpPort, &Exchange::tcpPort, "tcp_port",
                                  "wan_tcp_port");
    QLineEdit* udp = addPortField(UdpPort, QStringLiteral("udpPort"), 65516, &Exchange::setUdpPort,
                                  &Exchange::setWanUdpPort, &Exchange::udpPort, "udp_port",
                                  "wan_udp_port");
    QLineEdit* networkId = addNumberField(
        NetworkId, QStringLiteral("networkId"), 0, 65535,
        [](const Exchange& unit) { return unit.networkId(); },
        [](Exchange& unit, int id) { return unit.setNetworkId(id); }, "network_id");
    QLineEdit* wanIp =
        addAddressField(WanIpAddress, QStringLiteral("wanIpAddress"), &Exchange::wanIpAddressText,
                        &Exchange::setWanIpAddressText, StringId::InvalidIpAddress, "wan_ip_addr");
    QLineEdit* wanWeb = addNumberField(
        WanWebPort, QStringLiteral("wanWebPort"), 1, 65535,
        [](const Exchange& unit) { return unit.wanWebsPort(); },
        [](Exchange& unit, int port) { return unit.setWanWebsPort(port); }, "wan_webs_port");
    QLineEdit* wanTcp = addNumberField(
        WanTcpPort, QStringLiteral("wanTcpPort"), 1, 65532,
        [](const Exchange& unit) { return unit.wanTcpPort(); },
        [](Exchange& unit, int port) { return unit.setWanTcpPort(port); }, "wan_tcp_port");
    QLineEdit* wanUdp = addNumberField(
        WanUdpPort, QStringLiteral("wanUdpPort"), 1, 65516,
        [](const Exchange& unit) { return unit.wanUdpPort(); },
        [](Exchange& unit, int port) { return unit.setWanUdpPort(port); }, "wan_udp_port");
    wanControls_ = {networkId, wanIp, wanWeb, wanTcp, wanUdp};

    // LAN: an address per row, then a port per row with the end of its range.
    auto* lan = new QGroupBox(text(LanGroup), this);
    auto* lanGrid = new QGridLayout(lan);
    const auto row = [this](QGridLayout* grid, int at, int labelId, QWidget* field,
                            QWidget* to = nullptr) {
        grid->addWidget(label(labelId, field), at, 0);
        auto* line = new QHBoxLayout;
        line->addWidget(field);
        if (to) {
            line->addWidget(label(ToLabel));
            line->addWidget(to);
        }
        line->addStretch();
        grid->addLayout(line, at, 1);
    };
    row(lanGrid, 0, IpLabel, ip);
    row(lanGrid, 1, MaskLabel, mask);
    row(lanGrid, 2, GatewayLabel, gateway);
    row(lanGrid, 3, WebLabel, web);
    row(lanGrid, 4, TcpLabel, tcp, tcpTo_);
    row(lanGrid, 5, UdpLabel, udp, udpTo_);
    row(lanGrid, 6, PagingLabel, pagingPort_, pagingTo_);

    auto* wan = new QGroupBox(text(WanGroup), this);
    auto* wanGrid = new QGridLayout(wan);
    napt_->setObjectName(QStringLiteral("napt"));
    wanGrid->addWidget(napt_, 0, 0, 1, 2);
    row(wanGrid, 1, NetworkIdLabel, networkId);
    row(wanGrid, 2, WanIpLabel, wanIp);
    row(wanGrid, 3, WebLabel, wanWeb);
    row(wanGrid, 4, TcpLabel, wanTcp, wanTcpTo_);
    row(wanGrid, 5, UdpLabel, wanUdp, wanUdpTo_);
    wanGrid->setRowStretch(6, 1);

    auto* rate = new QGroupBox(text(RateLabel), this);
    auto* rateLayout = new QGridLayout(rate);
    const struct {
        int label;
        const char* name;
    } modeButtons[] = {{HighQualityLabel, "highQuality"},
                       {StandardLabel, "standard"},
                       {BandwidthSavingLabel, "bandwidthSaving"}};
    for (int mode = 0; mode < TransmissionMode::kModeCount; ++mode) {
        auto* button = new QRadioButton(text(modeButtons[mode].label), rate);
        button->setObjectName(QString::fromLatin1(modeButtons[mode].name));
        modes_->addButton(button, mode);
        rateLayout->addWidget(button, mode, 0);
    }
    rates_->setObjectName(QStringLiteral("rate"));
    WheelGuard::guard(*rates_);
    rateLayout->addWidget(rates_, 0, 1, Qt::AlignLeft);
    rateLayout->setColumnStretch(2, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(lan);
    columns->addWidget(wan);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(columns);
    layout->addWidget(rate);
    layout->addStretch();

    chainTabOrder({ip, mask, gateway, web, tcp, udp, napt_, networkId, wanIp, wanWeb, wanTcp,
                   wanUdp, modes_->button(0), modes_->button(1), modes_->button(2), rates_});

    connect(napt_, &QCheckBox::clicked, this, &DlgExNetwork::setNapt);
    connect(modes_, &QButtonGroup::idClicked, this, &DlgExNetwork::chooseMode);
    connect(rates_, &QComboBox::activated, this, &DlgExNetwork::chooseRate);
}

QLineEdit* DlgExNetwork::addAddressField(int field, const QString& objectName,
                                          std::string (Exchange::*value)() const,
                                          bool (Exchange::*setter)(std::string_view),
                                          int messageId, const char* key)
{
    return addField(
        field, objectName, kAddressLength,
        [value](const Exchange& unit) { return QString::fromStdString((unit.*value)()); },
        [=](Exchange& unit, const QString& text) -> Refusal {
            if (!(unit.*setter)(text.toStdString()))
                return {messageId, {}};
            unit.system().announce(key);
            return {};
        });
}

QLineEdit* DlgExNetwork::readOnly(const QString& objectName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    fitWidth(*edit, 5);
    return edit;
}

QLineEdit* DlgExNetwork::addPortField(int field, const QString& objectName, int max,
                                      bool (Exchange::*setLan)(int), bool (Exchange::*setWan)(int),
                                      int (Exchange::*value)() const, const char* key,
                                      const char* wanKey)
{
    // The UDP range of a unit must stay clear of the ports the units are found at.
    const bool udp = field == UdpPort;
    QLineEdit* edit = addField(
        field, objectName, int(QString::number(max).size()),
        [value](const Exchange& unit) { return number((unit.*value)()); },
        [=](Exchange& unit, const QString& text) -> Refusal {
            int port = 0;
            // The LAN value first: a refused one leaves both values as they were.
            if (!ModelText::toNumber(text, port) || !(unit.*setLan)(port))
                return udp ? Refusal{StringId::EnterEvenNumber,
                                     {number(1), number(max), number(kUdpExcludedFirst),
                                      number(kUdpExcludedLast)}}
                           : enterNumber(1, max);
            if (!unit.napt() && (unit.*setWan)(port))
                unit.system().announce(wanKey);
            unit.system().announce(key);
            return {};
        });
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void DlgExNetwork::setNapt(bool on)
{
    if (!unit() || unit()->napt() == on)
        return;
    unit()->setNapt(on);
    unit()->system().announce("napt");
    refresh();
}

void DlgExNetwork::chooseMode(int mode)
{
    if (!unit() || mode < 0 || mode >= TransmissionMode::kModeCount)
        return;
    const auto chosen = TransmissionMode::Mode(mode);
    if (TransmissionMode::of(unit()->samplingFrequency(), unit()->packetLength()) == chosen)
        return;
    // The rate keeps its place in the list of the new mode.
    const int position = rates_->currentIndex();
    unit()->setStreamSpec(TransmissionMode::samplingFrequency(chosen),
                          TransmissionMode::packetLength(chosen));
    if (position >= 0)
        unit()->setRange(TransmissionMode::rates(chosen)[std::size_t(position)]);
    unit()->system().announce("fs");
    unit()->system().announce("range");
    refresh();
}

void DlgExNetwork::chooseRate(int index)
{
    if (!unit() || index < 0 || index >= rates_->count())
        return;
    if (unit()->setRange(rates_->itemText(index).toStdString()))
        unit()->system().announce("range");
    refresh();
}

void DlgExNetwork::fillRates(int mode)
{
    if (mode == ratesMode_)
        return;
    ratesMode_ = mode;
    rates_->clear();
    for (const std::string& rate : TransmissionMode::rates(TransmissionMode::Mode(mode)))
        rates_->addItem(QString::fromStdString(rate));
}

void DlgExNetwork::refreshControls()
{
    const Exchange* shown = unit();
    const QSignalBlocker blockNapt(napt_);
    const QSignalBlocker blockRates(rates_);
    napt_->setChecked(shown && shown->napt());
    for (QWidget* control : wanControls_)
        control->setEnabled(shown && shown->napt());
    wanTcpTo_->setEnabled(shown && shown->napt());
    wanUdpTo_->setEnabled(shown && shown->napt());
    if (!shown) {
        for (QLineEdit* edit : {tcpTo_, udpTo_, pagingPort_, pagingTo_, wanTcpTo_, wanUdpTo_})
            edit->clear();
        rates_->setCurrentIndex(-1);
        return;
    }
    tcpTo_->setText(number(shown->tcpPort() + kTcpSpan));
    udpTo_->setText(number(shown->udpPort() + kUdpSpan));
    pagingPort_->setText(number(shown->multicastPort()));
    pagingTo_->setText(number(shown->multicastPort() + kPagingSpan));
    wanTcpTo_->setText(number(shown->wanTcpPort() + kTcpSpan));
    wanUdpTo_->setText(number(shown->wanUdpPort() + kUdpSpan));
    const TransmissionMode::Mode mode =
        TransmissionMode::of(shown->samplingFrequency(), shown->packetLength());
    modes_->button(mode)->setChecked(true);
    fillRates(mode);
    rates_->setCurrentIndex(TransmissionMode::rateIndex(mode, shown->rangeValue()));
}
