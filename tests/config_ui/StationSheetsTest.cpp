// The Station and IP Station pages of the System Setting Tool over a model, edited as the user
// edits them: station numbers looked up over the whole system, refusals told and the kept
// value shown, the selection following the model while stations and units are replaced.
#include "DlgExNetwork.h"
#include "DlgIPStationConfig.h"
#include "DlgScanMonitor.h"
#include "DlgStationConfig.h"
#include "DlgStnFunction.h"
#include "DlgStnMsg.h"
#include "DlgStnSpeedDial.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "PageInput.h"
#include "ScriptedDialogs.h"
#include "Station.h"
#include "UserMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString kInvalid = QStringLiteral("Invalid station number.");
const QString kDuplicated = QStringLiteral("Station No. duplicated.");
const QString kProgrammingKeys =
    QStringLiteral("Keys used for programming (up to 20 digits):\n0-9, *, #, P, R, F, H, T ");

} // namespace

class StationSheetsTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;

    Exchange& unit(int n) { return *system_->equipment(n); }
    Station& line(int n, int id) { return *system_->stationAt(n, id); }

    // Units of the given models in slots 1...
    void fill(std::initializer_list<const char*> models)
    {
        int n = 1;
        for (const char* model : models)
            QVERIFY(system_->insertEquipment(n++, model));
    }

    // A station of model on line id of unit n, numbered.
    void place(int n, int id, const char* model, const char* number)
    {
        if (line(n, id).modelName() != model)
            QVERIFY(unit(n).changeStationModel(id, model));
        QVERIFY(line(n, id).setNumber(number));
    }

    // Exchange 1 with masters "11" and "12" and door station "13"; exchange 2 with "21".
    void fillStations()
    {
        fill({"R-4100EX", "R-4100EX"});
        place(1, 1, "R-4100MS", "11");
        place(1, 2, "R-4100MS", "12");
        place(1, 3, "R-4160DS", "13");
        place(2, 1, "R-4120MS", "21");
    }

    static QLineEdit* field(QWidget& page, const QString& name)
    {
        auto* edit = page.findChild<QLineEdit*>(name);
        if (!edit)
            qFatal("no field %s", qPrintable(name));
        return edit;
    }

    // Types text into a field and leaves it.
    static void enter(QWidget& page, const QString& name, const QString& text)
    {
        QLineEdit* edit = field(page, name);
        edit->setText(text);
        emit edit->editingFinished();
    }

    static bool markedAsDoor(QWidget& page, const QString& name)
    {
        return field(page, name)->palette().color(QPalette::Text) ==
               StationPage::doorStationColor();
    }

    // The texts told since the last call, in order.
    QStringList told() { return PageInput::told(dialogs_); }

    static void choose(QComboBox& box, const QString& text)
    {
        const int index = box.findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box.setCurrentIndex(index);
        emit box.activated(index);
    }

private slots:
    void init()
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode("en"));
        dialogs_ = ScriptedDialogs();
    }

    void transferTargetsAreStationsOfTheSystem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("target"); // the number the station then transfers to
        const QString none;
        QTest::newRow("itself as absence target") << "absenceTransfer" << "11" << kInvalid << "12";
        QTest::newRow("itself as call forwarding") << "callForwarding" << "11" << kInvalid << "12";
        QTest::newRow("unknown number") << "groupHunting" << "99" << kInvalid << "12";
        QTest::newRow("not a number") << "timeForwarding" << "2x" << kInvalid << "12";
        QTest::newRow("station of another exchange") << "absenceTransfer" << "21" << none << "21";
        QTest::newRow("padded") << "groupHunting" << " 13 " << none << "13";
        QTest::newRow("empty clears") << "timeForwarding" << "" << none << "";
    }

    // A refused number leaves the target and the field as they were, the user back in the
    // field; an accepted one is announced for the other pages.
    void transferTargetsAreStationsOfTheSystem()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, target);
        fillStations();
        const int which = name == "callForwarding"    ? StationImpl::XferAbs
                          : name == "timeForwarding"  ? StationImpl::XferTime
                          : name == "absenceTransfer" ? StationImpl::XferNoAns
                                                      : StationImpl::XferBusy;
        QVERIFY(line(1, 1).setTransfer(which, &line(1, 2)));
        DlgStnFunction page(resources_, messages_);
        page.setStation(&line(1, 1));
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        ModelObserver observer;
        observer.observe(*system_);
        QStringList heard;
        connect(&observer, &ModelObserver::changed, this,
                [&](const QString& key) { heard << key; });

        enter(page, name, text);
        QCOMPARE(told(), message.isEmpty() ? QStringList() : QStringList{message});
        const Station* now = line(1, 1).transfer(which);
        QCOMPARE(now ? QString::fromStdString(now->number()) : QString(), target);
        QCOMPARE(field(page, name)->text(), target);
        if (message.isEmpty()) {
            QCOMPARE(heard.size(), 1);
        } else {
            QVERIFY(heard.isEmpty());
            QCOMPARE(QApplication::focusWidget(), field(page, name));
        }
        // A door station named in a field is drawn marked.
        QCOMPARE(markedAsDoor(page, name), target == "13");
    }

    void stationListsHoldFifteen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("list");
        QTest::newRow("group call") << "groupMember" << "groupMembers";
        // The model quietly keeps fifteen called stations: the page still says so.
        QTest::newRow("called stations") << "calledStation" << "calledStations";
    }

    void stationListsHoldFifteen()
    {
        QFETCH(QString, name);
        QFETCH(QString, list);
        fill({"R-4100EX", "R-4100EX"});
        for (int id = 1; id <= 16; ++id)
            place(1, id, id == 16 ? "R-4160DS" : "R-4100MS", std::to_string(10 + id).c_str());
        place(2, 1, "R-4100MS", "40");
        DlgStnFunction page(resources_, messages_);
        page.setStation(&line(2, 1));
        auto* shown = page.findChild<QListWidget*>(list);
        const auto count = [&] {
            return name == "groupMember" ? line(2, 1).groupMembers().size()
                                         : line(2, 1).calledStations().size();
        };

        enter(page, name, QStringLiteral("26")); // the door station
        QCOMPARE(shown->item(0)->text(), QStringLiteral("26"));
        QCOMPARE(shown->item(0)->foreground().color(), StationPage::doorStationColor());
        enter(page, name, QStringLiteral("26"));
        QCOMPARE(told(), QStringList{kDuplicated});
        enter(page, name, QStringLiteral("77"));
        QCOMPARE(told(), QStringList{kInvalid});
        for (int number = 11; number <= 24; ++number)
            enter(page, name, QString::number(number));
        QVERIFY(told().isEmpty());
        QCOMPARE(count(), std::size_t(15));
        QCOMPARE(field(page, name)->text(), QString());

        enter(page, name, QStringLiteral("25")); // a sixteenth
        QCOMPARE(told(), QStringList{kDuplicated});
        QCOMPARE(count(), std::size_t(15));
        QCOMPARE(shown->count(), 15);

        // Taken out, a place is free again.
        name == "groupMember" ? page.removeGroupMember(0) : page.removeCalledStation(0);
        QCOMPARE(shown->count(), 14);
        QCOMPARE(shown->item(0)->text(), QStringLiteral("11"));
        enter(page, name, QStringLiteral("25"));
        QVERIFY(told().isEmpty());
        QCOMPARE(count(), std::size_t(15));
    }

    void oneTouchStringsTakeProgrammingKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("twenty keys") << "dial7" << "0123456789*#PFRHT012" << true;
        QTest::newRow("a space between keys") << "dial8" << "12 34" << false;
        QTest::newRow("R on a one-touch key") << "offhook" << "P*#R9" << true;
        QTest::newRow("a letter not a key") << "dial9" << "12X" << false;
        QTest::newRow("lower case") << "dial0" << "p1" << false;
        QTest::newRow("empty") << "dial7" << "" << true;
    }

    void oneTouchStringsTakeProgrammingKeys()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        fillStations();
        const std::string key = name == "offhook" ? "onetouch_oh"
                                                  : "onetouch_" + name.right(1).toStdString();
        QVERIFY(line(1, 1).setOneTouch(key, "55"));
        DlgStnSpeedDial page(resources_, messages_);
        page.setStation(&line(1, 1));
        enter(page, name, text);
        QCOMPARE(told(), taken ? QStringList() : QStringList{kProgrammingKeys});
        const QString kept = taken ? text : QStringLiteral("55");
        QCOMPARE(QString::fromStdString(line(1, 1).oneTouch(key)), kept);
        QCOMPARE(field(page, name)->text(), kept);
    }

    // The call button of a door station calls a station of the system; its one-touch keys
    // are a master station's only.
    void doorStationCallButton()
    {
        fillStations();
        place(1, 4, "R-4160DS", "14");
        DlgStnSpeedDial page(resources_, messages_);
        page.setStation(&line(1, 3));
        QVERIFY(!field(page, "dial7")->isEnabled());
        QVERIFY(field(page, "dialCode")->isEnabled());

        enter(page, "dialCode", QStringLiteral("99"));
        QCOMPARE(told(), QStringList{kInvalid});
        QCOMPARE(line(1, 3).oneTouch("onetouch_0"), std::string());
        enter(page, "dialCode", QStringLiteral("14"));
        QCOMPARE(line(1, 3).oneTouch("onetouch_0"), std::string("14"));
        QVERIFY(markedAsDoor(page, "dialCode"));
        enter(page, "dialCode", QStringLiteral("21"));
        QVERIFY(!markedAsDoor(page, "dialCode"));
        enter(page, "dialCode", QString());
        QCOMPARE(line(1, 3).oneTouch("onetouch_0"), std::string());
        QVERIFY(told().isEmpty());

        page.setStation(&line(1, 1));
        QVERIFY(field(page, "dial7")->isEnabled());
        QVERIFY(!field(page, "dialCode")->isEnabled());
    }

    void scanMonitorEntries()
    {
        fillStations();
        DlgScanMonitor page(resources_, messages_);
        page.setStation(&line(1, 1));
        enter(page, "monitor1_1", QStringLiteral("12"));
        enter(page, "monitor4_16", QStringLiteral("21"));
        QCOMPARE(line(1, 1).monitoringEntry(1, 1), &line(1, 2));
        QCOMPARE(line(1, 1).monitoringEntry(4, 16), &line(2, 1));
        enter(page, "monitor4_16", QStringLiteral("98"));
        QCOMPARE(told(), QStringList{kInvalid});
        QCOMPARE(field(page, "monitor4_16")->text(), QStringLiteral("21"));
        enter(page, "monitoringTime", QStringLiteral("11"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (1-10)")});
        QCOMPARE(line(1, 1).monitoringTime(), 3);
        enter(page, "monitor1_1", QString());
        QCOMPARE(line(1, 1).monitoringEntry(1, 1), nullptr);

        // A door station scans nothing; a line not in use has nothing to set.
        page.setStation(&line(1, 3));
        QVERIFY(!page.isEnabled());
        QVERIFY(!field(page, "monitor1_1")->isEnabled());
        page.setStation(&line(1, 5));
        QVERIFY(!page.isEnabled());
    }

    void contactOutputsOfMultiInterfaceUnits()
    {
        fill({"R-4100EX", "R-4100MI", "R-4100EX", "R-4100MI"});
        place(1, 1, "R-4100MS", "11");
        DlgStnFunction page(resources_, messages_);
        page.setStation(&line(1, 1));
        auto* units = page.findChild<QComboBox*>(QStringLiteral("doorRemoteUnit"));
        auto* outputs = page.findChild<QComboBox*>(QStringLiteral("doorRemoteOutput"));
        QCOMPARE(units->count(), 3); // none, 2 and 4
        choose(*units, QStringLiteral("4"));
        QCOMPARE(line(1, 1).doorRemote(), system_->contactOutAt(4, 1));
        choose(*outputs, QStringLiteral("16"));
        QCOMPARE(line(1, 1).doorRemote(), system_->contactOutAt(4, 16));
        QCOMPARE(line(1, 1).callingContact(), nullptr);
        choose(*units, QString());
        QCOMPARE(line(1, 1).doorRemote(), nullptr);
        QCOMPARE(outputs->count(), 0);
    }

    void bgmIsReceivedOnAChannel()
    {
        fillStations();
        DlgStnFunction page(resources_, messages_);
        page.setStation(&line(1, 1));
        auto* receives = page.findChild<QCheckBox*>(QStringLiteral("receivesBgm"));
        auto* input = page.findChild<QComboBox*>(QStringLiteral("bgmInput"));
        QVERIFY(!input->isEnabled());
        receives->click();
        QCOMPARE(line(1, 1).bgmMode(), 1);
        choose(*input, QStringLiteral("8"));
        QCOMPARE(line(1, 1).bgmMode(), 8);
        receives->click();
        QCOMPARE(line(1, 1).bgmMode(), 0);
        QVERIFY(!input->isEnabled());
    }

    // An R-4700MS starts message paging by dial operation only; at least one box stays.
    void startWithKeepsAModelsMode()
    {
        fill({"R-4700MS"});
        QVERIFY(line(1, 1).setNumber("50"));
        DlgStnMsg page(resources_, messages_);
        page.setStation(&line(1, 1));
        page.setMessagePaging(true);
        auto* dial = page.findChild<QCheckBox*>(QStringLiteral("dialOperation"));
        auto* external = page.findChild<QCheckBox*>(QStringLiteral("externalInput"));
        QVERIFY(dial->isChecked() && !external->isChecked());

        external->click();
        QVERIFY(!external->isChecked());
        QCOMPARE(line(1, 1).startMode(), std::string("DIAL_OPERATION"));
        QVERIFY(dialogs_.messages.empty());

        dial->click();
        QVERIFY(dial->isChecked());
        QCOMPARE(line(1, 1).startMode(), std::string("DIAL_OPERATION"));
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].text, QStringLiteral("どちらか選択してください。"));
        QCOMPARE(dialogs_.messages[0].caption, QString());
        QCOMPARE(dialogs_.messages[0].icon, UserDialogs::Icon::None);
    }

    void startWithCombinations()
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode("ja"));
        fill({"R-4720MS"});
        QVERIFY(line(1, 1).setNumber("50"));
        DlgStnMsg page(resources_, messages_);
        page.setStation(&line(1, 1));
        auto* dial = page.findChild<QCheckBox*>(QStringLiteral("dialOperation"));
        auto* external = page.findChild<QCheckBox*>(QStringLiteral("externalInput"));
        // Not paging messages, the station has no start to choose.
        QVERIFY(!dial->isEnabled());
        page.setMessagePaging(true);
        QCOMPARE(line(1, 1).startMode(), std::string("BOTH"));
        dial->click();
        QCOMPARE(line(1, 1).startMode(), std::string("EXTERNAL_INPUT"));
        external->click();
        QVERIFY(external->isChecked());
        QCOMPARE(line(1, 1).startMode(), std::string("EXTERNAL_INPUT"));
        QCOMPARE(told(), QStringList{QStringLiteral("どちらか選択してください。")});
        dial->click();
        QCOMPARE(line(1, 1).startMode(), std::string("BOTH"));

        enter(page, "pagingNo", QStringLiteral("10"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (1-9)")});
        enter(page, "pagingNo", QStringLiteral("9"));
        QCOMPARE(line(1, 1).messagePagingZone(), system_->paging(9));
        page.chooseRepeat(true);
        QCOMPARE(line(1, 1).repeat(), 1);
        enter(page, "repeatCount", QStringLiteral("256"));
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (1-255)")});
        enter(page, "repeatCount", QStringLiteral("5"));
        QCOMPARE(line(1, 1).repeat(), 5);
        page.chooseRepeat(false);
        QCOMPARE(line(1, 1).repeat(), 0);
        page.chooseInterlockMode(1);
        QCOMPARE(line(1, 1).interlockMode(), std::string("ONESHOT"));
    }

    // The station sheet keeps its station across model changes, rebuilds and other
    // stations' changes, and lists the lines of exchanges only.
    void stationSelectionFollowsTheModel()
    {
        fill({"R-4100EX", "R-4100MI", "R-4100EX", "R-4700MS"});
        place(3, 5, "R-4100MS", "35");
        place(3, 7, "R-4100MS", "37");
        DlgStationConfig sheet(resources_, messages_, system_->locale());
        sheet.attach(*system_);
        auto* exchanges = sheet.findChild<QComboBox*>(QStringLiteral("exchange"));
        auto* lines = sheet.findChild<QComboBox*>(QStringLiteral("line"));
        QCOMPARE(exchanges->count(), 2);
        QCOMPARE(sheet.selectedUnit(), 1);
        QVERIFY(!sheet.selectStation(2, 1));
        QVERIFY(!sheet.selectStation(4, 1));
        QVERIFY(!sheet.selectStation(3, 17));

        // An exchange chosen in the list shows its first station in use.
        choose(*exchanges, QStringLiteral("3: R-4100EX"));
        QCOMPARE(sheet.selectedLine(), 5);
        QCOMPARE(lines->count(), 16);
        QCOMPARE(lines->currentText(), QStringLiteral("5  35  R-4100MS"));
        QCOMPARE(sheet.function().station(), &line(3, 5));

        // Another line's change shows in the list, the selection stays.
        QVERIFY(sheet.selectStation(3, 7));
        enter(sheet.function(), "absenceTransfer", QStringLiteral("35"));
        QVERIFY(line(3, 5).setName("Gate"));
        system_->announce("sta_name");
        QCOMPARE(lines->itemText(4), QStringLiteral("5  35  Gate  R-4100MS"));
        QCOMPARE(sheet.selectedLine(), 7);

        // A model change puts a new object on the line: the pages take it.
        QVERIFY(unit(3).changeStationModel(7, "R-4160DS"));
        system_->announce("sta_type");
        QCOMPARE(sheet.selectedLine(), 7);
        QCOMPARE(sheet.scanMonitor().station(), &line(3, 7));
        QVERIFY(!sheet.scanMonitor().isEnabled());
        QCOMPARE(line(3, 7).transfer(StationImpl::XferNoAns), &line(3, 5));

        // Detached, the sheet holds nothing; the rebuilt model shows the same station.
        sheet.detach();
        QCOMPARE(lines->count(), 0);
        QCOMPARE(sheet.function().station(), nullptr);
        system_->init();
        fill({"R-4100EX", "R-4100MI", "R-4100EX"});
        sheet.attach(*system_);
        QCOMPARE(sheet.selectedUnit(), 3);
        QCOMPARE(sheet.selectedLine(), 7);
        QCOMPARE(sheet.speedDial().station(), &line(3, 7));
        QVERIFY(!sheet.speedDial().isEnabled()); // no station on the line yet

        // The exchange shown goes: the first one is shown.
        QVERIFY(system_->removeEquipment(3));
        system_->announce({});
        QCOMPARE(sheet.selectedUnit(), 1);
        QCOMPARE(exchanges->count(), 1);
        sheet.detach();
        system_.reset();
    }

    void ipStationSheetShowsTheUnitAndItsStation()
    {
        fill({"R-4100EX", "R-4700MS", "R-4760DS", "R-4100MI"});
        QVERIFY(line(2, 1).setNumber("50"));
        QVERIFY(line(3, 1).setNumber("60"));
        DlgIPStationConfig sheet(resources_, messages_, system_->locale());
        sheet.attach(*system_);
        auto* units = sheet.findChild<QComboBox*>(QStringLiteral("ipStation"));
        QCOMPARE(units->count(), 2);
        QCOMPARE(sheet.selectedUnit(), 2);
        QCOMPARE(sheet.network().unit(), &unit(2));
        QCOMPARE(sheet.message().station(), &line(2, 1));
        QVERIFY(sheet.tabs().isTabVisible(DlgIPStationConfig::Message));
        QVERIFY(!sheet.selectUnit(1));

        // The station's name is the unit's: renamed, the list follows.
        QVERIFY(line(2, 1).setName("Lobby"));
        system_->announce("sta_name");
        QCOMPARE(units->itemText(0), QStringLiteral("2: Lobby  50"));

        // An IP door station pages no messages and scans nothing.
        choose(*units, QStringLiteral("3: R-4760DS  60"));
        QCOMPARE(sheet.selectedUnit(), 3);
        QCOMPARE(sheet.network().unit(), &unit(3));
        QVERIFY(!sheet.tabs().isTabVisible(DlgIPStationConfig::Message));
        QVERIFY(!sheet.scanMonitor().isEnabled());
        enter(sheet.function(), "callForwarding", QStringLiteral("50"));
        QCOMPARE(line(3, 1).transfer(StationImpl::XferAbs), &line(2, 1));
        enter(sheet.function(), "callForwarding", QStringLiteral("60"));
        QCOMPARE(told(), QStringList{kInvalid});

        // The unit shown is removed: the remaining IP station is shown.
        QVERIFY(system_->removeEquipment(3));
        system_->announce({});
        QCOMPARE(sheet.selectedUnit(), 2);
        QCOMPARE(sheet.function().station(), &line(2, 1));
        sheet.detach();
        QCOMPARE(sheet.network().unit(), nullptr);
        QCOMPARE(units->count(), 0);
    }
};

QTEST_MAIN(StationSheetsTest)
#include "StationSheetsTest.moc"
