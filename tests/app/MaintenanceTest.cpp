// The launcher's clock setting and password change against simulated units, inside a
// network namespace of the test's own (scripts/in-netns): what the units received, which
// units the failure message names, what the data folder and the model hold afterwards.
#include "BitmapButton.h"
#include "DlgChangePasswd.h"
#include "DlgMsg.h"
#include "Exchange.h"
#include "FileText.h"
#include "MaintenanceJobs.h"
#include "PosixFileOps.h"
#include "R4000App.h"
#include "R4000System.h"
#include "R4000View.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "SystemCredentials.h"
#include "SystemDocument.h"
#include "SystemFolder.h"
#include "TempFolder.h"
#include "TowerUnits.h"
#include "UnitStateFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

class MaintenanceTest : public QObject
{
    Q_OBJECT

private:
    static constexpr int kUnits = 3;
    std::unique_ptr<TempFolder> data_;
    std::unique_ptr<TowerUnits> units_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<R4000App> app_;

    static std::string address(int n) { return TowerUnits::address(n); }
    std::string unitDir(int n) const { return units_->dir(n); }
    std::string folder(const std::string& name) const { return data_->path() + "/" + name; }

    // The units answering as the system Tower, all but those down.
    bool startUnits(std::initializer_list<int> down = {})
    {
        return units_->start(kUnits, {}, down);
    }

    R4000App::Options options(const std::string& system)
    {
        dialogs_.selectName = system;
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data_->path();
        options.dialogs = &dialogs_;
        options.unitOptions.resetWaitMs = 20;
        options.unitOptions.cgi.connectTimeoutMs = 2000;
        options.unitOptions.cgi.transferTimeoutMs = 4000;
        options.unitOptions.cgi.watchdogMs = 8000;
        return options;
    }

    void start(const std::string& system = "Tower")
    {
        app_ = std::make_unique<R4000App>(options(system));
        QVERIFY(app_->initInstance());
    }

    void click(R4000View::Button which) const
    {
        auto* button = app_->view(ToolId::Launcher)
                           ->findChild<BitmapButton*>(QStringLiteral("button%1").arg(int(which)));
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QStringList told() const
    {
        QStringList texts;
        for (const auto& message : dialogs_.messages)
            texts << message.text;
        return texts;
    }

    // Where every job must end: no wait window, the launcher taking input again.
    void checkLauncherIsBack() const
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!(window->isVisible() && qobject_cast<DlgMsg*>(window)));
        QVERIFY(app_->view(ToolId::Launcher)->isEnabled());
    }

    // The password-change dialog's answer: the system page's three fields, then OK.
    static ScriptedDialogs::DialogAnswer newCredentials(const QString& name,
                                                        const QString& password)
    {
        return {{{QStringLiteral("systemName"), name},
                 {QStringLiteral("password"), password},
                 {QStringLiteral("reentry"), password}},
                true};
    }

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        units_ = std::make_unique<TowerUnits>();
        dialogs_ = ScriptedDialogs();
        R4000System system;
        QVERIFY(SystemCredentials::apply(system, "Tower", "secret", "secret").ok());
        for (int n = 1; n <= kUnits; ++n) {
            Exchange* unit = system.insertEquipment(n, "R-4100EX");
            QVERIFY(unit->setExchangeName("EX" + std::to_string(n)));
            QVERIFY(unit->setIpAddressText(address(n)));
        }
        PosixFileOps files;
        std::string error;
        QVERIFY2(SystemFolder(files, SystemFolder::folderFor(data_->path(), "Tower"), "Tower")
                     .save(system, "2026/12/10 09:00:00", error),
                 error.c_str());
    }

    void cleanup()
    {
        app_.reset();
        units_.reset();
    }

    void clockNamesTheUnitsThatAreDownInOneMessage()
    {
        QVERIFY(startUnits({2, 3}));
        start();
        dialogs_.dialogAnswers = {{{}, true}};
        click(R4000View::ClockSetting);
        QCOMPARE(dialogs_.shownDialogs, std::vector<QString>{QStringLiteral("DlgTime")});
        QCOMPARE(told(), QStringList{QStringLiteral("Connection failure to the following units.\n"
                                                    "\nEX2 (id=2 ,198.18.0.12)"
                                                    "\nEX3 (id=3 ,198.18.0.13)")});
        QVERIFY(UnitStateFolder::file(unitDir(1), "requests.log").find("/time.cgi") !=
                std::string::npos);
        checkLauncherIsBack();
    }

    void cancelledClockReachesNoUnit()
    {
        QVERIFY(startUnits());
        start();
        click(R4000View::ClockSetting);
        QVERIFY(dialogs_.messages.empty());
        QCOMPARE(UnitStateFolder::file(unitDir(1), "requests.log"), std::string());
        checkLauncherIsBack();
    }

    // Tower becomes Hall: the folder with it, the files of the other tools too.
    void renameTakesTheFolderAlong()
    {
        QVERIFY(startUnits());
        const std::string message = folder("Tower") + "/msg01.pmf";
        {
            QFile file(QString::fromStdString(message));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("message bytes");
        }
        start();
        dialogs_.dialogAnswers = {newCredentials(QStringLiteral("Hall"), QStringLiteral("newpw"))};
        click(R4000View::PasswordChange);
        QCOMPARE(dialogs_.shownDialogs, std::vector<QString>{QStringLiteral("DlgChangePasswd")});
        QVERIFY2(dialogs_.messages.empty(), qPrintable(told().join(u'|')));
        QVERIFY(QFileInfo::exists(QString::fromStdString(folder("Hall") + "/Hall.sys")));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(folder("Tower"))));
        QCOMPARE(readWholeFile(folder("Hall") + "/msg01.pmf"), std::string("message bytes"));
        QCOMPARE(app_->document().currentSystemName(), std::string("Hall"));
        for (int n = 1; n <= kUnits; ++n) {
            QTRY_COMPARE(UnitStateFolder::value(unitDir(n), "name"), std::string("Hall"));
            QCOMPARE(app_->system().equipment(n)->systemName(), std::string("Hall"));
        }
        checkLauncherIsBack();
        // The document is Hall's file now: a save goes there without a question.
        QVERIFY(app_->document().save());
        QVERIFY(dialogs_.messages.empty());
        QVERIFY(!QFileInfo::exists(QString::fromStdString(folder("Tower"))));
    }

    // A name whose folder holds files of its own is refused before any unit is reached,
    // and the system keeps its name and password.
    void nameOfAnotherFolderReachesNoUnit()
    {
        QVERIFY(startUnits());
        QVERIFY(QDir().mkpath(QString::fromStdString(folder("Hall"))));
        {
            QFile file(QString::fromStdString(folder("Hall") + "/notes.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("someone's");
        }
        start();
        const std::string saved = readWholeFile(folder("Tower") + "/Tower.sys");
        dialogs_.dialogAnswers = {newCredentials(QStringLiteral("Hall"), QStringLiteral("newpw"))};
        click(R4000View::PasswordChange);
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("error message"));
        QVERIFY(dialogs_.messages[0].icon == UserDialogs::Icon::Error);
        QCOMPARE(app_->system().systemName(), std::string("Tower"));
        QCOMPARE(app_->system().plainPassword(), std::string("secret"));
        QCOMPARE(readWholeFile(folder("Tower") + "/Tower.sys"), saved);
        for (int n = 1; n <= kUnits; ++n)
            QCOMPARE(UnitStateFolder::file(unitDir(n), "requests.log"), std::string());
        QCOMPARE(readWholeFile(folder("Hall") + "/notes.txt"), std::string("someone's"));
        checkLauncherIsBack();
    }

    // Unit 2 is down: it keeps the old credentials in the model, the system file the new.
    void unitDownKeepsItsCredentials()
    {
        QVERIFY(startUnits({2}));
        start();
        dialogs_.dialogAnswers = {newCredentials(QStringLiteral("Tower"), QStringLiteral("other"))};
        click(R4000View::PasswordChange);
        QCOMPARE(told(),
                 QStringList{QStringLiteral(
                     "Connection failure to the following units.\n\nEX2 (id=2 ,198.18.0.12)")});
        const System& system = app_->system();
        QCOMPARE(system.plainPassword(), std::string("other"));
        QCOMPARE(system.equipment(1)->password(), system.password());
        QVERIFY(system.equipment(2)->password() != system.password());
        QVERIFY(readWholeFile(folder("Tower") + "/Tower.sys").find(system.password()) !=
                std::string::npos);
        QTRY_COMPARE(UnitStateFolder::value(unitDir(1), "password"), std::string("other"));
        checkLauncherIsBack();
    }

    void maintenancePasswordAloneGoesToEveryUnitAndIsSaved()
    {
        QVERIFY(startUnits());
        start();
        ScriptedDialogs::DialogAnswer answer{
            {{QStringLiteral("currentMaintenance"), "8629"},
             {QStringLiteral("maintenance"), "1234"},
             {QStringLiteral("maintenanceReentry"), "1234"}},
            true,
            [](QDialog& dialog) {
                static_cast<DlgChangePasswd&>(dialog).pages().setCurrentIndex(
                    DlgChangePasswd::MaintenancePage);
            }};
        dialogs_.dialogAnswers = {answer};
        click(R4000View::PasswordChange);
        QVERIFY2(dialogs_.messages.empty(), qPrintable(told().join(u'|')));
        for (int n = 1; n <= kUnits; ++n)
            QTRY_COMPARE(UnitStateFolder::value(unitDir(n), "maintenance"), std::string("1234"));
        QVERIFY(readWholeFile(folder("Tower") + "/001.cfg").find("sta_passwd=1234") !=
                std::string::npos);
        QCOMPARE(app_->document().currentSystemName(), std::string("Tower"));
    }

    // Without a current system the jobs take the model in memory as it is.
    void withoutACurrentSystemTheModelInMemoryIsUsed()
    {
        QVERIFY(startUnits());
        start("");
        QVERIFY(app_->document().currentSystemName().empty());
        System& system = app_->system();
        QVERIFY(SystemCredentials::apply(system, "Tower", "secret", "secret").ok());
        Exchange* unit = system.insertEquipment(1, "R-4100EX");
        QVERIFY(unit->setIpAddressText(address(1)));
        QVERIFY(unit->setExchangeName("Fresh"));
        MaintenanceJobs jobs(*app_, options("").unitOptions, *app_->view(ToolId::Launcher));
        dialogs_.dialogAnswers = {{{}, true}};
        jobs.setClock();
        QVERIFY2(dialogs_.messages.empty(), qPrintable(told().join(u'|')));
        QCOMPARE(system.equipment(1)->exchangeName(), std::string("Fresh"));
        QVERIFY(UnitStateFolder::file(unitDir(1), "requests.log").find("/time.cgi") !=
                std::string::npos);
    }
};

QTEST_MAIN(MaintenanceTest)
#include "MaintenanceTest.moc"
