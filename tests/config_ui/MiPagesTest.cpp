// The Multi Interface page of the System Setting Tool over a model, edited as the user edits
// it: the two directions of an audio channel chosen together, the contact inputs' links and
// dial codes, the contact outputs' access numbers unique over the system and what they
// signal, down to the settings file.
#include "AudioIn.h"
#include "AudioOut.h"
#include "ContactIn.h"
#include "ContactOut.h"
#include "ContactTableModel.h"
#include "DlgMiAudio.h"
#include "DlgMiConfig.h"
#include "DlgMiContactInput.h"
#include "DlgMiContactOutput.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "PageInput.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScriptedDialogs.h"
#include "SettingsFileWriter.h"
#include "Station.h"
#include "UserMessages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using PageInput::cell;
using PageInput::enter;
using PageInput::told;

namespace {

const QString kDialCodeKeys =
    QStringLiteral("Keys used for programming (up to 20 digits):\n"
                   "0-9, *, #, PN, PF, PC, PR, HD, TR, FN, RD, MN, SL, LC, RC, UC, DC");

} // namespace

class MiPagesTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;
    std::unique_ptr<DlgMiConfig> page_;

    Exchange& unit(int n) { return *system_->equipment(n); }

    // Exchange 1, multi-interface units 2 and 3, IP station 4; the page shows unit 2.
    void build()
    {
        page_.reset();
        system_ = std::make_unique<R4000System>(Locale::fromCode("en"));
        int n = 1;
        for (const char* model : {"R-4100EX", "R-4100MI", "R-4100MI", "R-4700MS"})
            QVERIFY(system_->insertEquipment(n++, model));
        page_ = std::make_unique<DlgMiConfig>(resources_, messages_, Locale::fromCode("en"));
        page_->attach(*system_);
        dialogs_.messages.clear();
    }

    static QLineEdit& field(QWidget& page, const QString& name)
    {
        auto* edit = page.findChild<QLineEdit*>(name);
        if (!edit)
            qFatal("no field %s", qPrintable(name));
        return *edit;
    }

private slots:
    void init() { build(); }

    void listsTheMultiInterfaceUnitsOnly()
    {
        auto* numbers = page_->findChild<QComboBox*>(QStringLiteral("unitNumber"));
        QCOMPARE(numbers->count(), 2);
        QCOMPARE(page_->selectedUnit(), 2);
        QVERIFY(!page_->selectUnit(1));
        QVERIFY(page_->selectUnit(3));
        QCOMPARE(page_->audio().unit(), &unit(3));
        QCOMPARE(page_->contactOutput().unit(), &unit(3));
        // The unit shown turns into an exchange: the page moves to the other one.
        QVERIFY(system_->changeEquipmentModel(3, "R-4100EX"));
        system_->announce("");
        QCOMPARE(page_->selectedUnit(), 2);
    }

    void audioChannelDirectionsFollowEachOther_data()
    {
        QTest::addColumn<int>("inputBefore");
        QTest::addColumn<int>("outputBefore");
        QTest::addColumn<bool>("onInput");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("inputAfter");
        QTest::addColumn<int>("outputAfter");
        const int none = AudioIn::None, pbx = AudioIn::Pbx, tie = AudioIn::TieLine,
                  bgm = AudioIn::Bgm, pa = AudioOut::PaPag;
        QTest::newRow("PBX input takes the output") << none << none << true << pbx << pbx << pbx;
        QTest::newRow("tie-line output takes the input")
            << none << none << false << tie << tie << tie;
        QTest::newRow("PBX output from PA paging") << bgm << pa << false << pbx << pbx << pbx;
        QTest::newRow("trunk to tie line on both") << pbx << pbx << true << tie << tie << tie;
        QTest::newRow("input leaving the trunk") << tie << tie << true << bgm << bgm << none;
        QTest::newRow("output leaving the trunk") << pbx << pbx << false << pa << none << pa;
        QTest::newRow("no trunk, no pairing") << bgm << none << false << pa << bgm << pa;
    }

    void audioChannelDirectionsFollowEachOther()
    {
        QFETCH(int, inputBefore);
        QFETCH(int, outputBefore);
        QFETCH(bool, onInput);
        QFETCH(int, chosen);
        QFETCH(int, inputAfter);
        QFETCH(int, outputAfter);
        DlgMiAudio& audio = page_->audio();
        audio.chooseInputMode(2, AudioIn::Mode(inputBefore));
        audio.chooseOutputMode(2, AudioOut::Mode(outputBefore));
        QCOMPARE(int(unit(2).audioIn(2)->mode()), inputBefore);
        QCOMPARE(int(unit(2).audioOut(2)->mode()), outputBefore);

        ModelObserver heard;
        QStringList hints;
        connect(&heard, &ModelObserver::changed, &heard,
                [&](const QString& hint) { hints << hint; });
        heard.observe(*system_);
        if (onInput)
            audio.chooseInputMode(2, AudioIn::Mode(chosen));
        else
            audio.chooseOutputMode(2, AudioOut::Mode(chosen));
        QCOMPARE(int(unit(2).audioIn(2)->mode()), inputAfter);
        QCOMPARE(int(unit(2).audioOut(2)->mode()), outputAfter);
        // Every change, the induced one too, is announced with its key.
        QCOMPARE(hints.contains(QStringLiteral("audio_in_mode")), inputAfter != inputBefore);
        QCOMPARE(hints.contains(QStringLiteral("audio_out_mode")), outputAfter != outputBefore);
        // Channel 1 is left alone.
        QCOMPARE(unit(2).audioIn(1)->mode(), AudioIn::None);
        QCOMPARE(unit(2).audioOut(1)->mode(), AudioOut::None);
        // The fields the input's mode uses are the ones enabled.
        QCOMPARE(field(audio, QStringLiteral("ch2Access")).isEnabled(),
                 inputAfter == AudioIn::Pbx || inputAfter == AudioIn::TieLine);
        QCOMPARE(field(audio, QStringLiteral("ch2Paging")).isEnabled(),
                 inputAfter == AudioIn::AuxInputPag);
    }

    // The buttons and lists of a channel, as the user clicks them.
    void audioControlsReachTheChannel()
    {
        DlgMiAudio& audio = page_->audio();
        const auto button = [&](const char* name) {
            return audio.findChild<QAbstractButton*>(QLatin1String(name));
        };
        button("ch2InputMode1")->click(); // PBX I/F
        QVERIFY(button("ch2OutputMode1")->isChecked());
        QCOMPARE(unit(2).audioOut(2)->mode(), AudioOut::Pbx);
        QVERIFY(button("ch2LineAttr2")->isEnabled());
        button("ch2LineAttr2")->click(); // DP20
        button("ch2LineStart2")->click(); // Timing start
        auto* inputLevel = audio.findChild<QComboBox*>(QStringLiteral("ch2InputLevel"));
        emit inputLevel->activated(2);
        auto* outputLevel = audio.findChild<QComboBox*>(QStringLiteral("ch2OutputLevel"));
        emit outputLevel->activated(1);
        const AudioIn& input = *unit(2).audioIn(2);
        QCOMPARE(input.lineAttributeName(), "DP20");
        QCOMPARE(input.lineStartName(), "TIMING_START");
        QCOMPARE(input.inputLevel(), 2);
        QCOMPARE(unit(2).audioOut(2)->outputLevel(), 1);
        // Line attribute and start belong to a PBX trunk only.
        button("ch2InputMode0")->click(); // Tie line
        QVERIFY(button("ch2OutputMode0")->isChecked());
        QVERIFY(!button("ch2LineAttr2")->isEnabled());
        QVERIFY(button("ch1InputMode4")->isChecked()); // channel 1 still unused
    }

    // The page lets go of the model it was shown.
    void detachedPageLetsGoOfTheModel()
    {
        page_->detach();
        system_.reset();
        for (UnitPage* shown : std::initializer_list<UnitPage*>{
                 &page_->audio(), &page_->contactInput(), &page_->contactOutput()})
            QVERIFY(shown->unit() == nullptr);
        QVERIFY(page_->contactOutput().table().unit() == nullptr);
        QCOMPARE(page_->contactInput().table().rowCount(), 0);
        page_->refresh();
        page_.reset();
    }

    void audioAccessNumberTakesOneOrTwoDigits()
    {
        DlgMiAudio& audio = page_->audio();
        audio.chooseInputMode(1, AudioIn::Pbx);
        enter(audio, QStringLiteral("ch1Access"), QStringLiteral("07"));
        QCOMPARE(unit(2).audioIn(1)->accessNumber(), "07");
        for (const char* refused : {"", "7x"}) {
            enter(audio, QStringLiteral("ch1Access"), QString::fromLatin1(refused));
            QCOMPARE(told(dialogs_), QStringList{QStringLiteral("Enter number. (1-2 digits)")});
            QCOMPARE(unit(2).audioIn(1)->accessNumber(), "07");
            QCOMPARE(field(audio, QStringLiteral("ch1Access")).text(), QStringLiteral("07"));
        }
        audio.chooseInputMode(1, AudioIn::AuxInputPag);
        enter(audio, QStringLiteral("ch1Paging"), QStringLiteral("161"));
        QCOMPARE(told(dialogs_), QStringList{QStringLiteral("Enter number. (1-160)")});
        enter(audio, QStringLiteral("ch1Paging"), QStringLiteral("12"));
        QCOMPARE(unit(2).audioIn(1)->pagingZone(), system_->paging(12));
    }

    void contactInputParameterNamesItsLinks()
    {
        DlgMiContactInput& inputs = page_->contactInput();
        inputs.selectContact(1);
        inputs.chooseMode(DlgMiContactInput::Level);
        inputs.setInterlock(3, 16);
        inputs.selectContact(2);
        inputs.chooseMode(DlgMiContactInput::AuxPaging);
        inputs.setAuxPaging(5, 2);
        inputs.selectContact(3);
        inputs.chooseMode(DlgMiContactInput::RemoteControl);
        inputs.setRemoteStation(1, 4);
        enter(inputs, QStringLiteral("dialCode"), QStringLiteral("12#*"));
        inputs.selectContact(4);
        inputs.chooseMode(DlgMiContactInput::Busy1);
        QCOMPARE(told(dialogs_), QStringList{});

        const ContactIn& interlock = *unit(2).contactIn(1);
        QCOMPARE(interlock.bridgeOutput(), unit(3).contactOut(16));
        QCOMPARE(unit(2).contactIn(2)->audioInLink(), unit(2).audioIn(2));
        QCOMPARE(unit(2).contactIn(2)->pagingZone(), system_->paging(5));
        QCOMPARE(unit(2).contactIn(3)->remoteStation(), unit(1).station(4));
        const ContactTableModel& list = inputs.table();
        const QStringList expected{
            QStringLiteral("Input interlock level|Contact Output:3-16"),
            QStringLiteral("Aux input paging|Paging No.:5, Audio input:2"),
            QStringLiteral("Remote dial control|Station:1-4, Dial code:12#*"),
            QStringLiteral("Paging busy 1|"), QStringLiteral("Unused|")};
        for (int row = 0; row < expected.size(); ++row)
            QCOMPARE(cell(list, row, 1) + u'|' + cell(list, row, 2), expected[row]);
    }

    // The links of the shown input's mode are the ones that take input, and the lists show
    // them; choosing the same unit again keeps its line.
    void contactInputListsShowTheLinksOfItsMode()
    {
        DlgMiContactInput& inputs = page_->contactInput();
        const auto list = [&](const char* name) {
            return inputs.findChild<QComboBox*>(QLatin1String(name));
        };
        const struct {
            int mode;
            const char* enabled;
        } modes[] = {{DlgMiContactInput::Level, "interlockUnit"},
                     {DlgMiContactInput::Edge, "interlockUnit"},
                     {DlgMiContactInput::AuxPaging, "zone"},
                     {DlgMiContactInput::Busy2, ""},
                     {DlgMiContactInput::RemoteControl, "remoteUnit"},
                     {DlgMiContactInput::Unused, ""}};
        for (const auto& each : modes) {
            inputs.chooseMode(each.mode);
            for (const char* name : {"interlockUnit", "zone", "remoteUnit"})
                QCOMPARE(list(name)->isEnabled(), qstrcmp(name, each.enabled) == 0);
        }
        inputs.chooseMode(DlgMiContactInput::Level);
        inputs.setInterlock(3, 16);
        // Units with contact outputs only: the two multi-interface units.
        QCOMPARE(list("interlockUnit")->count(), 3);
        QCOMPARE(list("interlockUnit")->currentText(), QStringLiteral("3"));
        QCOMPARE(list("interlockOutput")->currentText(), QStringLiteral("16"));
        emit list("interlockUnit")->activated(list("interlockUnit")->currentIndex());
        QCOMPARE(unit(2).contactIn(1)->bridgeOutput(), unit(3).contactOut(16));
        emit list("interlockUnit")->activated(list("interlockUnit")->findData(2));
        QCOMPARE(unit(2).contactIn(1)->bridgeOutput(), unit(2).contactOut(1));

        inputs.chooseMode(DlgMiContactInput::RemoteControl);
        inputs.setRemoteStation(4, 1);
        // Units with stations: the exchange and the IP station.
        QCOMPARE(list("remoteUnit")->count(), 3);
        QCOMPARE(list("remoteLine")->count(), 2);
        QCOMPARE(cell(inputs.table(), 0, 2), QStringLiteral("Station:4-1, Dial code:"));
    }

    void dialCodeTakesTheProgrammingKeysOnly()
    {
        DlgMiContactInput& inputs = page_->contactInput();
        inputs.selectContact(5);
        inputs.chooseMode(DlgMiContactInput::RemoteControl);
        enter(inputs, QStringLiteral("dialCode"), QStringLiteral("12#*"));
        QCOMPARE(unit(2).contactIn(5)->remoteDial(), "12#*");
        enter(inputs, QStringLiteral("dialCode"), QStringLiteral("HX"));
        QCOMPARE(told(dialogs_), QStringList{kDialCodeKeys});
        QCOMPARE(unit(2).contactIn(5)->remoteDial(), "12#*");
        QCOMPARE(field(inputs, QStringLiteral("dialCode")).text(), QStringLiteral("12#*"));
    }

    void accessNumbersAreUniqueOverTheSystem()
    {
        // A page opened over a number shows it in the field of the first output.
        QVERIFY(unit(2).contactOut(1)->setOperationNumber("21"));
        page_ = std::make_unique<DlgMiConfig>(resources_, messages_, Locale::fromCode("en"));
        page_->attach(*system_);
        DlgMiContactOutput& outputs = page_->contactOutput();
        QCOMPARE(field(outputs, QStringLiteral("accessNumber")).text(), QStringLiteral("21"));
        outputs.selectContact(1);
        enter(outputs, QStringLiteral("accessNumber"), QStringLiteral("5"));
        QCOMPARE(unit(2).contactOut(1)->operationNumber(), "05");
        QCOMPARE(cell(outputs.table(), 0, 1), QStringLiteral("05"));

        // The same number on another output of this unit or of the other unit.
        for (int other : {2, 3}) {
            QVERIFY(page_->selectUnit(other));
            outputs.selectContact(other == 2 ? 7 : 1);
            enter(outputs, QStringLiteral("accessNumber"), QStringLiteral("05"));
            QCOMPARE(told(dialogs_), QStringList{QStringLiteral("Access No. duplicated.")});
            QVERIFY(unit(other).contactOut(outputs.selected())->operationNumber().empty());
        }
        // No number may be on many outputs; the number set free may be taken.
        enter(outputs, QStringLiteral("accessNumber"), QStringLiteral("0"));
        QVERIFY(page_->selectUnit(2));
        outputs.selectContact(1);
        enter(outputs, QStringLiteral("accessNumber"), QString());
        QVERIFY(page_->selectUnit(3));
        outputs.selectContact(1);
        enter(outputs, QStringLiteral("accessNumber"), QStringLiteral("05"));
        QCOMPARE(told(dialogs_), QStringList{});
        QCOMPARE(unit(3).contactOut(1)->operationNumber(), "05");
    }

    void accessNumberRangeIsToldInDialledDigits_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("message");
        QTest::newRow("two digits") << 2 << "123"
                                    << "Enter number. (01 - 99)";
        QTest::newRow("three digits") << 3 << "1000"
                                      << "Enter number. (001 - 999)";
        QTest::newRow("four digits") << 4 << "1281"
                                     << "Enter number. (0001 - 1280)";
        QTest::newRow("not a number") << 3 << "1a"
                                      << "Enter number. (001 - 999)";
    }

    void accessNumberRangeIsToldInDialledDigits()
    {
        QFETCH(int, digits);
        QFETCH(QString, entered);
        QFETCH(QString, message);
        QVERIFY(system_->setControlDigits(digits));
        system_->announce("");
        DlgMiContactOutput& outputs = page_->contactOutput();
        QCOMPARE(outputs.findChild<QLabel*>(QStringLiteral("accessDigits"))->text(),
                 QString::number(digits));
        enter(outputs, QStringLiteral("accessNumber"), entered);
        QCOMPARE(told(dialogs_), QStringList{message});
        QVERIFY(unit(2).contactOut(1)->operationNumber().empty());
    }

    void outputStatusIsWrittenAsChosen()
    {
        DlgMiContactOutput& outputs = page_->contactOutput();
        ContactOut& output = *unit(2).contactOut(3);
        outputs.selectContact(3);
        outputs.chooseLineStatus(DlgMiContactOutput::WholeExchange);
        QCOMPARE(output.lineSurveillance(), "1:");
        outputs.chooseLineStatus(DlgMiContactOutput::StationLine);
        outputs.setLineTarget(1, 9);
        QCOMPARE(output.lineSurveillance(), "1:9");
        QCOMPARE(cell(outputs.table(), 2, 2), QStringLiteral("1:9"));
        outputs.chooseNetworkStatus(DlgMiContactOutput::OneUnit);
        outputs.setNetworkUnit(4);
        QCOMPARE(output.networkSurveillance(), "4");
        outputs.chooseNetworkStatus(DlgMiContactOutput::AllUnits);
        QCOMPARE(cell(outputs.table(), 2, 3), QStringLiteral("ALL"));

        // Shown again from what is stored: the station line and its lists; the same
        // exchange chosen again keeps the line.
        outputs.selectContact(1);
        outputs.selectContact(3);
        const auto list = [&](const char* name) {
            return outputs.findChild<QComboBox*>(QLatin1String(name));
        };
        QVERIFY(outputs.findChild<QAbstractButton*>(QStringLiteral("lineStatus2"))->isChecked());
        QVERIFY(outputs.findChild<QAbstractButton*>(QStringLiteral("networkStatus0"))->isChecked());
        QCOMPARE(list("lineExchange")->count(), 1); // the one exchange
        QCOMPARE(list("line")->currentText(), QStringLiteral("9"));
        emit list("lineExchange")->activated(0);
        QCOMPARE(output.lineSurveillance(), "1:9");
        QVERIFY(!list("networkUnit")->isEnabled());

        // "Unused" writes an empty line status.
        outputs.chooseLineStatus(DlgMiContactOutput::LineUnused);
        system_->applyModelRules();
        const std::string file = SettingsFileWriter::write(unit(2), "2026/12/10 12:00:00");
        const std::size_t record = file.find("eout_id=2:3", file.find("[eout_attribute]"));
        QVERIFY(record != std::string::npos);
        const std::string rest = file.substr(record);
        QVERIFY2(rest.find("network_surveillance=ALL\r\n") < rest.find("eout_id=2:4"),
                 rest.c_str());
        QVERIFY2(rest.find("line_surveillance=\r\n") < rest.find("eout_id=2:4"), rest.c_str());
    }
};

QTEST_MAIN(MiPagesTest)
#include "MiPagesTest.moc"
