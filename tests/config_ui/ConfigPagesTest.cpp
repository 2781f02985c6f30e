// The General and Exchange pages of the System Setting Tool over a model, edited as the user
// edits them: each field committed as it is left, refusals told and the kept value shown,
// accepted values announced to the other pages.
#include "DlgExClock.h"
#include "DlgExConfig.h"
#include "DlgExFunction.h"
#include "DlgExNetwork.h"
#include "DlgMulticast.h"
#include "DlgNetworkEntry.h"
#include "DlgSystemConfig.h"
#include "DlgSystemList.h"
#include "EquipmentTableModel.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "PeerTableModel.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "PageInput.h"
#include "ScriptedDialogs.h"
#include "SettingGrid.h"
#include "UserMessages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest>

class ConfigPagesTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;

    Exchange& unit(int n) { return *system_->equipment(n); }

    // Units of the given models in slots 1.., each at 198.18.0.<10 + n>/24.
    void fill(std::initializer_list<const char*> models)
    {
        int n = 1;
        for (const char* model : models) {
            Exchange* added = system_->insertEquipment(n, model);
            QVERIFY(added);
            QVERIFY(added->setExchangeName("U" + std::to_string(n)));
            QVERIFY(added->setIpAddressText("198.18.0." + std::to_string(10 + n)));
            QVERIFY(added->setSubnetMaskText("255.255.255.0"));
            added->setNapt(false);
            ++n;
        }
    }

    static void enter(QWidget& page, const char* field, const QString& text)
    {
        PageInput::enter(page, QLatin1String(field), text);
    }

    static QString shown(QWidget& page, const char* field)
    {
        auto* edit = page.findChild<QLineEdit*>(QLatin1String(field));
        return edit ? edit->text() : QStringLiteral("<no field %1>").arg(QLatin1String(field));
    }

    // The texts told since the last call, in order.
    QStringList told() { return PageInput::told(dialogs_); }

    static QString cell(const QAbstractItemModel& model, int row, int column,
                        int role = Qt::DisplayRole)
    {
        return PageInput::cell(model, row, column, role);
    }

private slots:
    void init()
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode("en"));
        dialogs_ = ScriptedDialogs();
    }

    void equipmentCountsGrowShrinkAndKeepTheLimit()
    {
        fill({"R-4100EX", "R-4100MI", "R-4100EX", "R-4100MI"});
        DlgSystemList page(resources_, messages_, system_->locale());
        page.attach(*system_);
        QCOMPARE(shown(page, "exchangeCount"), QStringLiteral("2"));

        // Fewer exchanges: the highest exchange goes, not the unit above it.
        enter(page, "exchangeCount", QStringLiteral("1"));
        QCOMPARE(system_->registeredCount(), 3);
        QCOMPARE(std::string(unit(3).modelName()), std::string("R-4100MI"));
        QCOMPARE(page.table().rowCount(), 3);
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("total"))->text(), QStringLiteral("3"));

        enter(page, "exchangeCount", QStringLiteral("50"));
        enter(page, "ipStationCount", QStringLiteral("20"));
        QCOMPARE(system_->registeredCount(), 72);
        QVERIFY(told().isEmpty());
        enter(page, "multiInterfaceCount", QStringLiteral("11"));
        QCOMPARE(told(), QStringList{QStringLiteral("Up to 80 equipments can be connected.")});
        QCOMPARE(shown(page, "multiInterfaceCount"), QStringLiteral("2"));
        QCOMPARE(system_->registeredCount(), 72);
        QCOMPARE(page.table().rowCount(), 72);

        enter(page, "ipStationCount", QStringLiteral("x"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (0-80)")});
        QCOMPARE(shown(page, "ipStationCount"), QStringLiteral("20"));
    }

    void equipmentGridCellsFollowTheirRules_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("kept");
        const QString none;
        QTest::newRow("name too long") << int(EquipmentTableModel::Name) << "NineChars" << "Enter using up to 8 characters." << "U1";
        QTest::newRow("name trimmed") << int(EquipmentTableModel::Name) << "  Hall  " << none << "Hall";
        QTest::newRow("name not in the code page") << int(EquipmentTableModel::Name) << QString::fromUtf8("홀") << "Enter using up to 8 characters." << "U1";
        QTest::newRow("address not a host") << int(EquipmentTableModel::IpAddress) << "198.18.0.255" << "Invalid IP address." << "198.18.0.11";
        QTest::newRow("address") << int(EquipmentTableModel::IpAddress) << "198.18.0.99" << none << "198.18.0.99";
        QTest::newRow("port with a point") << int(EquipmentTableModel::WebPort) << "80.5" << "Enter number. (1-65535)" << "80";
        QTest::newRow("negative port") << int(EquipmentTableModel::WebPort) << "-80" << "Enter number. (1-65535)" << "80";
        QTest::newRow("port out of range") << int(EquipmentTableModel::WebPort) << "65536" << "Enter number. (1-65535)" << "80";
        QTest::newRow("port") << int(EquipmentTableModel::WebPort) << " 8080" << none << "8080";
    }

    void equipmentGridCellsFollowTheirRules()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, kept);
        fill({"R-4100EX", "R-4700MS"});
        EquipmentTableModel table(resources_, system_->locale());
        table.setSystem(system_.get());
        QStringList refusals;
        connect(&table, &EquipmentTableModel::refused, this, [&](const Refusal& refusal) {
            refusals << ResourceChain::substitute(resources_.string(refusal.messageId),
                                                  refusal.values);
        });
        QCOMPARE(table.setData(table.index(0, column), text, Qt::EditRole), message.isEmpty());
        QCOMPARE(refusals, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(cell(table, 0, column), kept);
        // Without NAPT the WAN values are the LAN ones, shown empty and not editable.
        QCOMPARE(unit(1).wanIpAddress(), unit(1).ipAddress());
        QCOMPARE(unit(1).wanWebsPort(), unit(1).websPort());
        QCOMPARE(cell(table, 0, EquipmentTableModel::WanIpAddress), QString());
        QVERIFY(!(table.flags(table.index(0, EquipmentTableModel::WanWebPort)) & Qt::ItemIsEditable));
    }

    void equipmentGridWanValuesFollowOnlyWhileEqual()
    {
        fill({"R-4100EX"});
        unit(1).setNapt(true);
        QVERIFY(unit(1).setWanWebsPort(8081));
        EquipmentTableModel table(resources_, system_->locale());
        table.setSystem(system_.get());
        QCOMPARE(cell(table, 0, EquipmentTableModel::WanWebPort), QStringLiteral("8081"));
        QVERIFY(table.setData(table.index(0, EquipmentTableModel::WebPort), "81", Qt::EditRole));
        QCOMPARE(unit(1).wanWebsPort(), 8081);
        // The WAN address was the LAN one: it follows.
        QVERIFY(table.setData(table.index(0, EquipmentTableModel::IpAddress), "198.18.0.50",
                              Qt::EditRole));
        QCOMPARE(unit(1).wanIpAddressText(), std::string("198.18.0.50"));
        QVERIFY(table.setData(table.index(0, EquipmentTableModel::WanWebPort), "9000", Qt::EditRole));
        QCOMPARE(unit(1).wanWebsPort(), 9000);
    }

    void gridRefusalIsToldAfterTheEditorClosed()
    {
        fill({"R-4100EX"});
        DlgSystemList page(resources_, messages_, system_->locale());
        page.attach(*system_);
        const QModelIndex name = page.table().index(0, EquipmentTableModel::Name);
        page.grid().setCurrentIndex(name);
        QVERIFY(!page.table().setData(name, QStringLiteral("NineChars"), Qt::EditRole));
        QVERIFY(told().isEmpty());
        QTRY_VERIFY(!dialogs_.messages.empty());
        QCOMPARE(told(), QStringList{QStringLiteral("Enter using up to 8 characters.")});
        QCOMPARE(page.grid().currentIndex(), name);
    }

    void peerTablesToggleWithTheModelsRules()
    {
        fill({"R-4100EX", "R-4100EX", "R-4700MS"});
        PeerTableModel connections(PeerTableModel::Table::Connection, system_->locale());
        PeerTableModel multicast(PeerTableModel::Table::MulticastReceive, system_->locale());
        connections.setSystem(system_.get());
        multicast.setSystem(system_.get());
        QCOMPARE(connections.rowCount(), 3);
        QCOMPARE(connections.headerData(1, Qt::Vertical, Qt::DisplayRole).toString(),
                 QStringLiteral("2 U2"));
        // A unit against itself is no choice.
        QVERIFY(!connections.setData(connections.index(1, 1), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(connections.flags(connections.index(1, 1)), Qt::NoItemFlags);

        QVERIFY(connections.setData(connections.index(0, 2), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!unit(1).isConnectable(3));
        QVERIFY(!unit(3).isConnectable(1));
        QCOMPARE(connections.data(connections.index(2, 0), Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));

        // Receiving multicast is one unit's choice only.
        QVERIFY(multicast.setData(multicast.index(0, 2), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!unit(1).isReceiveMulticast(3));
        QVERIFY(unit(3).isReceiveMulticast(1));
    }

    void multicastAddressOfTheSystem()
    {
        fill({"R-4100EX", "R-4100EX"});
        DlgMulticast page(resources_, messages_, system_->locale());
        page.attach(*system_);
        enter(page, "multicastAddress", QStringLiteral("224.0.0.9"));
        QCOMPARE(told(), QStringList{QStringLiteral(
                             "Enter multicast address. (225.0.0.0 - 238.255.255.255)")});
        QCOMPARE(shown(page, "multicastAddress"), QStringLiteral("225.0.0.1"));
        enter(page, "multicastAddress", QStringLiteral("230.1.2.3"));
        QVERIFY(told().isEmpty());
        QCOMPARE(unit(2).multicastAddressText(), std::string("230.1.2.3"));
    }

    void networkPortsRefuseWithTheirRanges_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("odd UDP port") << "udpPort" << "5007" << "Enter even number. (1-65516; except 14981-15000)";
        QTest::newRow("UDP port at the discovery port") << "udpPort" << "14990" << "Enter even number. (1-65516; except 14981-15000)";
        QTest::newRow("TCP port too high") << "tcpPort" << "65533" << "Enter number. (1-65532)";
        QTest::newRow("web port not a number") << "webPort" << "http" << "Enter number. (1-65535)";
        QTest::newRow("subnet mask") << "subnetMask" << "255.0.255.0" << "Invalid subnet mask.";
        QTest::newRow("gateway") << "gateway" << "198.18.0.255" << "Invalid default gateway.";
        QTest::newRow("address") << "ipAddress" << "300.1.1.1" << "Invalid IP address.";
    }

    // A refused value leaves the unit, its WAN values and the field as they were.
    void networkPortsRefuseWithTheirRanges()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        fill({"R-4100EX"});
        DlgExNetwork page(resources_, messages_);
        page.setUnit(&unit(1));
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        const QString before = shown(page, qPrintable(field));
        const int wanUdp = unit(1).wanUdpPort();
        enter(page, qPrintable(field), text);
        QCOMPARE(told(), QStringList{message});
        QCOMPARE(shown(page, qPrintable(field)), before);
        QCOMPARE(unit(1).wanUdpPort(), wanUdp);
        // The user is back in the field, its text selected to type over.
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), field);
        QCOMPARE(page.findChild<QLineEdit*>(field)->selectedText(), before);
    }

    void wanValuesFollowTheLanOnesWithoutNapt()
    {
        fill({"R-4100EX"});
        DlgExNetwork page(resources_, messages_);
        page.setUnit(&unit(1));
        QVERIFY(!page.findChild<QLineEdit*>(QStringLiteral("wanWebPort"))->isEnabled());
        enter(page, "webPort", QStringLiteral("8080"));
        QCOMPARE(unit(1).wanWebsPort(), 8080);
        enter(page, "udpPort", QStringLiteral("6000"));
        QCOMPARE(unit(1).wanUdpPort(), 6000);
        enter(page, "ipAddress", QStringLiteral("198.18.0.50"));
        QCOMPARE(unit(1).wanIpAddressText(), std::string("198.18.0.50"));
        QCOMPARE(shown(page, "udpTo"), QStringLiteral("6019"));

        page.setNapt(true);
        QVERIFY(unit(1).napt());
        QVERIFY(page.findChild<QLineEdit*>(QStringLiteral("wanWebPort"))->isEnabled());
        enter(page, "webPort", QStringLiteral("8081"));
        QCOMPARE(unit(1).websPort(), 8081);
        QCOMPARE(unit(1).wanWebsPort(), 8080);
        enter(page, "networkId", QStringLiteral("7"));
        QCOMPARE(unit(1).networkId(), 7);

        // Back without NAPT: the WAN values are the LAN ones again, the network ID 1.
        page.setNapt(false);
        QCOMPARE(unit(1).wanWebsPort(), 8081);
        QCOMPARE(unit(1).networkId(), 1);
        QVERIFY(told().isEmpty());
    }

    void transmissionModeKeepsTheRatesPlace()
    {
        fill({"R-4100EX"});
        DlgExNetwork page(resources_, messages_);
        page.setUnit(&unit(1));
        auto* rates = page.findChild<QComboBox*>(QStringLiteral("rate"));
        QCOMPARE(rates->count(), 23);
        QCOMPARE(rates->currentText(), QStringLiteral("2990"));
        QVERIFY(page.findChild<QRadioButton*>(QStringLiteral("highQuality"))->isChecked());

        page.chooseMode(2); // band width saving
        QCOMPARE(unit(1).samplingFrequency(), 8);
        QCOMPARE(unit(1).packetLength(), 128);
        QCOMPARE(unit(1).rangeValue(), std::string("1138.5"));
        page.refresh();
        QCOMPARE(rates->currentText(), QStringLiteral("1138.5"));
        QCOMPARE(rates->itemText(0), QStringLiteral("49.5"));

        // The wheel over the list, while the page scrolls, picks nothing.
        QWheelEvent wheel(QPointF(5, 5), rates->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(rates, &wheel);
        QCOMPARE(unit(1).rangeValue(), std::string("1138.5"));

        page.chooseRate(10);
        QCOMPARE(unit(1).rangeValue(), std::string("544.5"));
        page.chooseMode(1); // standard
        QCOMPARE(unit(1).rangeValue(), std::string("1078"));
    }

    void correctionDestinationsRowByRow()
    {
        fill({"R-4100EX"});
        QVERIFY(unit(1).setSynMode("SOURCE"));
        DlgExClock page(resources_, messages_);
        page.setUnit(&unit(1));
        QVERIFY(page.isEnabled());

        enter(page, "destination1", QStringLiteral("198.18.0.11")); // the unit's own address
        QCOMPARE(told(), QStringList{QStringLiteral("Invalid IP address.")});
        QVERIFY(unit(1).synDestinations().empty());
        QCOMPARE(shown(page, "destination1"), QString());

        enter(page, "destination1", QStringLiteral("198.18.0.20"));
        QCOMPARE(unit(1).synDestinations(),
                 (std::set<std::string>{"198.18.0.20:" + std::to_string(unit(1).udpPort())}));
        enter(page, "destinationPort1", QStringLiteral("6100"));
        enter(page, "destination2", QStringLiteral("225.0.0.9"));
        QCOMPARE(unit(1).synDestinations(),
                 (std::set<std::string>{"198.18.0.20:6100", "225.0.0.9:5006"}));
        enter(page, "destinationPort1", QStringLiteral("0"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (1-65535)")});
        QCOMPARE(shown(page, "destinationPort1"), QStringLiteral("6100"));

        // Rows keep their places whatever the order of the addresses.
        enter(page, "destination1", QStringLiteral("198.18.0.100"));
        QCOMPARE(shown(page, "destination1"), QStringLiteral("198.18.0.100"));
        QCOMPARE(shown(page, "destinationPort1"), QStringLiteral("6100"));
        QCOMPARE(shown(page, "destination2"), QStringLiteral("225.0.0.9"));
        // A port typed before its address goes with it; an address is kept as a unit reads it.
        enter(page, "destinationPort5", QStringLiteral("7000"));
        enter(page, "destination5", QStringLiteral("198.18.0.021"));
        QCOMPARE(shown(page, "destination5"), QStringLiteral("198.18.0.21"));
        QCOMPARE(unit(1).synDestinations(), (std::set<std::string>{"198.18.0.100:6100",
                                                                   "198.18.0.21:7000",
                                                                   "225.0.0.9:5006"}));
        // Two rows never name one destination.
        enter(page, "destinationPort3", QStringLiteral("5006"));
        enter(page, "destination3", QStringLiteral("225.0.0.9"));
        QCOMPARE(told(), QStringList{QStringLiteral("IP address duplicated.")});
        QCOMPARE(unit(1).synDestinations().size(), std::size_t(3));

        // "0.0.0.0" empties the row; the others stay where they are.
        enter(page, "destination1", QStringLiteral("0.0.0.0"));
        QCOMPARE(unit(1).synDestinations(),
                 (std::set<std::string>{"198.18.0.21:7000", "225.0.0.9:5006"}));
        QCOMPARE(shown(page, "destination1"), QString());
        QCOMPARE(shown(page, "destination2"), QStringLiteral("225.0.0.9"));
        QVERIFY(told().isEmpty());

        page.chooseMode(2);
        enter(page, "source", QStringLiteral("198.18.0.30"));
        QCOMPARE(unit(1).synSourceText(), std::string("198.18.0.30"));
        enter(page, "source", QStringLiteral("0.0.0.0"));
        QVERIFY(unit(1).synSource().isZero());
        page.setMulticastReceive(true);
        enter(page, "multicastAddress", QStringLiteral("198.18.0.40"));
        QCOMPARE(told(), QStringList{QStringLiteral("Invalid IP address.")});
        QVERIFY(unit(1).synMulti().isZero());
    }

    void timeLimitsInSecondsStoredInTens()
    {
        fill({"R-4100EX", "R-4120EX"});
        DlgExFunction page(resources_, messages_);
        page.setUnit(&unit(1));
        QVERIFY(!page.findChild<QLineEdit*>(QStringLiteral("callTimeLimit"))->isEnabled());
        page.setSwitch(DlgExFunction::CallTimeout, true);
        QCOMPARE(unit(1).callTimeLimit(), 1);
        QCOMPARE(shown(page, "callTimeLimit"), QStringLiteral("10"));

        enter(page, "callTimeLimit", QStringLiteral("995"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (10-990)")});
        QCOMPARE(unit(1).callTimeLimit(), 1);
        enter(page, "callTimeLimit", QStringLiteral("25"));
        QCOMPARE(unit(1).callTimeLimit(), 2);
        QCOMPARE(shown(page, "callTimeLimit"), QStringLiteral("20"));
        page.setSwitch(DlgExFunction::CallTimeout, false);
        QCOMPARE(unit(1).callTimeLimit(), 0);
        // Switched on again, the limit is the field's.
        QCOMPARE(shown(page, "callTimeLimit"), QStringLiteral("20"));
        page.setSwitch(DlgExFunction::CallTimeout, true);
        QCOMPARE(unit(1).callTimeLimit(), 2);

        page.setSwitch(DlgExFunction::TimeForwarding, true);
        enter(page, "startTime", QStringLiteral("24:00"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter time. (00:00 - 23:59)")});
        enter(page, "startTime", QStringLiteral("08:30"));
        QCOMPARE(unit(1).transferStartTime(), std::string("08:30"));

        page.choose(DlgExFunction::DoorContact, 3);
        QCOMPARE(unit(1).dsOutMode(), std::string("DS_BUSY"));
        page.choose(DlgExFunction::PagingPriority, 0);
        QCOMPARE(unit(1).pagingPriorityMode(), int(Exchange::PagingFirst));

        // The R-4120EX has no choice of paging priority.
        page.setUnit(&unit(2));
        QVERIFY(!page.findChild<QRadioButton*>(QStringLiteral("pagingPriority0"))->isEnabled());
        QVERIFY(told().isEmpty());
    }

    void bgmChannelsTakeInputsOfMultiInterfaceUnits()
    {
        fill({"R-4100EX", "R-4100MI"});
        DlgExFunction page(resources_, messages_);
        page.setUnit(&unit(1));
        auto* units = page.findChild<QComboBox*>(QStringLiteral("bgmUnit3"));
        QCOMPARE(units->count(), 2); // none, and unit 2
        page.setBgmSource(3, 2, 2);
        QCOMPARE(unit(1).bgmSource(3), system_->audioInAt(2, 2));
        QCOMPARE(units->currentText(), QStringLiteral("2"));
        QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("bgmInput3"))->currentText(),
                 QStringLiteral("2"));
        page.setBgmSource(3, 0, 0);
        QCOMPARE(unit(1).bgmSource(3), nullptr);
    }

    // The exchange page lists exchanges only, follows the model's changes and shows what
    // the other pages changed.
    void exchangeSelectionFollowsTheModel()
    {
        fill({"R-4100MI", "R-4100EX", "R-4700MS", "R-4120EX"});
        DlgSystemConfig general(resources_, messages_, system_->locale());
        DlgExConfig exchange(resources_, messages_, system_->locale());
        general.attach(*system_);
        exchange.attach(*system_);
        auto* numbers = exchange.findChild<QComboBox*>(QStringLiteral("unitNumber"));
        QCOMPARE(numbers->count(), 2);
        QCOMPARE(exchange.selectedUnit(), 2);
        QVERIFY(!exchange.selectUnit(3));
        QVERIFY(exchange.selectUnit(4));
        QCOMPARE(exchange.findChild<QComboBox*>(QStringLiteral("unitName"))->currentText(),
                 QStringLiteral("U4"));

        // An address changed on the exchange page shows in the list at once.
        enter(exchange.network(), "ipAddress", QStringLiteral("198.18.0.77"));
        QCOMPARE(cell(general.systemList().table(), 3, EquipmentTableModel::IpAddress),
                 QStringLiteral("198.18.0.77"));
        // A name changed in the list shows in the selection.
        QVERIFY(general.systemList().table().setData(
            general.systemList().table().index(3, EquipmentTableModel::Name), "Annex",
            Qt::EditRole));
        QCOMPARE(exchange.findChild<QComboBox*>(QStringLiteral("unitName"))->currentText(),
                 QStringLiteral("Annex"));

        // The exchange shown is removed: the first exchange is shown.
        enter(general.systemList(), "exchangeCount", QStringLiteral("1"));
        QCOMPARE(exchange.selectedUnit(), 2);
        QCOMPARE(numbers->count(), 1);

        general.detach();
        exchange.detach();
        QCOMPARE(numbers->count(), 0);
        QVERIFY(!exchange.network().isEnabled());
        // Detached pages hear nothing and outlive the model they showed.
        QVERIFY(system_->equipment(1)->setExchangeName("Late"));
        system_->announce({});
        QCOMPARE(general.systemList().table().rowCount(), 0);
        system_.reset();
    }
};

QTEST_MAIN(ConfigPagesTest)
#include "ConfigPagesTest.moc"
