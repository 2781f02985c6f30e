// Upload and Download of the System Setting Tool against simulated units, inside a network
// namespace of the test's own (scripts/in-netns): what the units received, what the folder
// and the model hold afterwards, and that the tool is usable again.
#include "ConfigView.h"
#include "DlgMsg.h"
#include "DlgSystemConfig.h"
#include "DlgSystemList.h"
#include "EquipmentTableModel.h"
#include "Exchange.h"
#include "FileText.h"
#include "PosixFileOps.h"
#include "R4000App.h"
#include "R4000System.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "SystemCredentials.h"
#include "SystemFolder.h"
#include "TempFolder.h"
#include "TowerUnits.h"
#include "UnitStateFolder.h"

#include <QAction>
#include <QtTest>

class ConfigTransferTest : public QObject
{
    Q_OBJECT

private:
    static constexpr int kUnits = 2;
    std::unique_ptr<TempFolder> data_;
    std::unique_ptr<TowerUnits> units_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<R4000App> app_;

    static std::string address(int n) { return TowerUnits::address(n); }
    std::string unitDir(int n) const { return units_->dir(n); }
    std::string localFile(int n) const
    {
        return data_->path() + "/Tower/00" + std::to_string(n) + ".cfg";
    }

    // Units 1.. answering as the system Tower; extra switches by unit.
    bool startUnits(const std::map<int, std::string>& extra = {})
    {
        return units_->start(kUnits, extra);
    }

    ConfigView& view() const { return static_cast<ConfigView&>(*app_->view(ToolId::Config)); }

    void command(int id) const
    {
        view().updateCommands();
        QVERIFY(view().action(id)->isEnabled());
        view().action(id)->trigger();
    }

    // The last message: caption, text and whether it was a warning.
    QString last() const
    {
        return dialogs_.messages.empty()
                   ? QString()
                   : dialogs_.messages.back().caption + u'|' + dialogs_.messages.back().text;
    }

    static bool waitWindowShown()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && qobject_cast<DlgMsg*>(window))
                return true;
        return false;
    }

    // Where every command must end: the wait window gone, the tool usable, the pages on the
    // model.
    void checkToolIsBack() const
    {
        QVERIFY(!waitWindowShown());
        QVERIFY(view().isEnabled());
        QCOMPARE(view().model(), &app_->system());
    }

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        units_ = std::make_unique<TowerUnits>();
        dialogs_ = ScriptedDialogs();
        // Tower: two exchanges at 198.18.0.11 and .12.
        R4000System system;
        QVERIFY(SystemCredentials::apply(system, "Tower", "secret", "secret").ok());
        for (int n = 1; n <= kUnits; ++n) {
            Exchange* unit = system.insertEquipment(n, "R-4100EX");
            QVERIFY(unit->setExchangeName("EX" + std::to_string(n)));
            QVERIFY(unit->setIpAddressText(address(n)));
            unit->setNapt(false);
        }
        PosixFileOps files;
        std::string error;
        QVERIFY2(SystemFolder(files, SystemFolder::folderFor(data_->path(), "Tower"), "Tower")
                     .save(system, "2026/12/10 09:00:00", error),
                 error.c_str());

        dialogs_.selectName = "Tower";
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data_->path();
        options.dialogs = &dialogs_;
        options.restartWaitMs = 100;
        options.unitOptions.resetWaitMs = 20;
        options.unitOptions.cgi.connectTimeoutMs = 2000;
        options.unitOptions.cgi.transferTimeoutMs = 4000;
        options.unitOptions.cgi.watchdogMs = 8000;
        app_ = std::make_unique<R4000App>(std::move(options));
        QVERIFY(app_->initInstance());
        app_->switchView(ToolId::Config);
    }

    void cleanup()
    {
        app_.reset();
        units_.reset();
    }

    void uploadSendsWhatTheToolHolds()
    {
        QVERIFY(startUnits());
        // A name edited in the equipment list, not saved yet: the upload saves it first.
        auto& general = static_cast<DlgSystemConfig&>(view().page(ConfigView::General));
        EquipmentTableModel& table = general.systemList().table();
        QVERIFY(table.setData(table.index(0, EquipmentTableModel::Name), "Lobby", Qt::EditRole));
        dialogs_.answers = {true};
        command(CommandId::Upload);
        QCOMPARE(dialogs_.messages.front().text,
                 QStringLiteral("Update unit settings and save settings file. OK?"));
        QCOMPARE(last(), QStringLiteral("Upload|Uploading settings file completed."));
        checkToolIsBack();
        QVERIFY(readWholeFile(localFile(1)).find("ex_name=Lobby") != std::string::npos);
        // A unit takes what it received when it restarts.
        const auto received = [this](int n, const std::string& line) {
            return UnitStateFolder::file(unitDir(n), "settings.cfg").find(line) !=
                   std::string::npos;
        };
        QTRY_VERIFY(received(1, "ex_name=Lobby"));
        QTRY_VERIFY(received(2, "ex_name=EX2"));
    }

    // A unit that refuses the system's credentials is logged in with what the user types in
    // its login dialog, asked on the window's thread while the upload waits.
    void unitThatRefusesAsksForItsLogin()
    {
        QVERIFY(startUnits({{2, "name=Depot,password=other1"}}));
        dialogs_.credentialsAnswer = Credentials{"Depot", "other1"};
        dialogs_.answers = {true};
        command(CommandId::Upload);
        QCOMPARE(dialogs_.credentialRequests.size(), std::size_t(1));
        QCOMPARE(dialogs_.credentialRequests[0].address, address(2));
        QCOMPARE(dialogs_.credentialRequests[0].thread, QThread::currentThread());
        QCOMPARE(last(), QStringLiteral("Upload|Uploading settings file completed."));
        checkToolIsBack();
        // The unit took the system's credentials with its settings.
        QTRY_COMPARE(UnitStateFolder::value(unitDir(2), "name"), std::string("Tower"));
    }

    // Unit 1 holds a name the model no longer has; unit 2 does not answer.
    void downloadKeepsTheFileOfAUnitThatFailed()
    {
        QVERIFY(startUnits());
        QVERIFY(app_->system().equipment(1)->setExchangeName("Lobby"));
        dialogs_.answers = {true};
        command(CommandId::Upload);
        QCOMPARE(last(), QStringLiteral("Upload|Uploading settings file completed."));
        QTRY_COMPARE(UnitStateFolder::value(unitDir(1), "restarting"), std::string("0"));

        QVERIFY(startUnits({{2, "unreachable"}}));
        QVERIFY(app_->system().equipment(1)->setExchangeName("Edited"));
        QVERIFY(app_->system().equipment(2)->setExchangeName("Edited"));
        const std::string localTwo = readWholeFile(localFile(2));
        dialogs_.messages.clear();
        dialogs_.answers = {true};
        command(CommandId::Download);
        // The unit as the model named it when it failed.
        QCOMPARE(last(), QStringLiteral("Download|Connection failure to the following units.\n"
                                        "\nEdited(id=2 ,198.18.0.12)"));
        checkToolIsBack();
        QCOMPARE(readWholeFile(localFile(2)), localTwo);
        // The model is what the folder holds now: unit 1 as the unit sent it, unit 2 as it
        // was saved.
        QCOMPARE(app_->system().equipment(1)->exchangeName(), std::string("Lobby"));
        QCOMPARE(app_->system().equipment(2)->exchangeName(), std::string("EX2"));

        // The folder changed through the tool itself: a save does not take it for another
        // program's change.
        dialogs_.messages.clear();
        dialogs_.answers = {true};
        command(CommandId::Save);
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
    }
};

QTEST_MAIN(ConfigTransferTest)
#include "ConfigTransferTest.moc"
