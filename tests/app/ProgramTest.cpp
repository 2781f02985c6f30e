// The program as a whole: start-up and language, the launcher, switching between the tools,
// closing, and the System Setting Tool's document.
#include "BitmapButton.h"
#include "CMainFrame.h"
#include "ExManager.h"
#include "Exchange.h"
#include "FileText.h"
#include "R4000App.h"
#include "R4000ConfigDoc.h"
#include "R4000System.h"
#include "R4000View.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "SystemFixture.h"
#include "TempFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QtTest>
#include <fstream>
#include <sstream>

namespace {

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

class ProgramTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> data_;
    ScriptedDialogs dialogs_;
    std::string lang_;
    std::unique_ptr<R4000App> app_;

    const std::string& data() const { return data_->path(); }

    // Starts the program with a command line and a user locale ($LANG).
    bool start(const QStringList& arguments = {}, const std::string& lang = "en_US.UTF-8")
    {
        lang_ = lang;
        R4000App::Options options;
        options.arguments = arguments;
        options.environment = [this](const char* name) {
            return std::string_view(name) == "LANG" && !lang_.empty() ? lang_.c_str() : nullptr;
        };
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data();
        options.dialogs = &dialogs_;
        app_ = std::make_unique<R4000App>(std::move(options));
        return app_->initInstance();
    }

    // Starts with the system name chosen in the selection dialog.
    bool startWith(const std::string& system, const QStringList& arguments = {},
                   const std::string& lang = "en_US.UTF-8")
    {
        dialogs_.selectName = system;
        return start(arguments, lang);
    }

    BitmapButton* button(R4000View::Button id) const { return app_->launcher()->button(id); }

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
    }

    void cleanup() { app_.reset(); }

    void languageFromCommandLineOrLocale_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("invalidPassword");
        QTest::addColumn<bool>("r4720ms");
        const QString english = QStringLiteral("Invalid password.");
        QTest::newRow("-ko whatever the locale")
            << QStringList{"-ko"} << "ja_JP.UTF-8"
            << "ko" << QStringLiteral("암호가 올바르지 않습니다.") << false;
        QTest::newRow("locale ja")
            << QStringList() << "ja_JP.UTF-8"
            << "ja" << QStringLiteral("パスワードが正しくありません。") << true;
        QTest::newRow("library missing") << QStringList{"-de"} << ""
                                         << "en" << english << false;
        QTest::newRow("no locale") << QStringList() << ""
                                   << "en" << english << false;
    }

    void languageFromCommandLineOrLocale()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QFETCH(QString, invalidPassword);
        QFETCH(bool, r4720ms);
        QVERIFY(start(arguments, lang.toStdString()));
        QCOMPARE(QString::fromStdString(app_->language()), language);
        QCOMPARE(app_->resources().string(5001), invalidPassword);
        QCOMPARE(app_->system().exManager().knows("R-4720MS"), r4720ms);
    }

    void koreanLibraryLeavesOutPicturesTheProgramHas()
    {
        QVERIFY(start({QStringLiteral("-ko")}));
        const ResourceChain& resources = app_->resources();
        QVERIFY(resources.bitmapPath(149).startsWith(QStringLiteral(":/res/ko/")));
        QVERIFY(resources.bitmapPath(210).startsWith(QStringLiteral(":/res/en/")));
        QVERIFY(!QPixmap(resources.bitmapPath(210)).isNull());
        QCOMPARE(button(R4000View::End)->text(), QStringLiteral("종료"));
    }

    // Every window shows the program's icon, drawn at each size, whatever the language.
    void everyWindowShowsTheProgramsIcon()
    {
        for (const QStringList& arguments : {QStringList(), QStringList{"-ja"}}) {
            QVERIFY(start(arguments));
            const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
            QVERIFY(sizes.contains(QSize(16, 16)));
            QVERIFY(sizes.contains(QSize(256, 256)));
            QCOMPARE(app_->frame()->windowIcon().cacheKey(),
                     QGuiApplication::windowIcon().cacheKey());
            QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("jp.co.zun.R4000"));
            app_.reset();
        }
    }

    void cancelledSelectionEndsTheProgramWithoutAWindow()
    {
        dialogs_.cancelSelection = true;
        QVERIFY(!start());
        QVERIFY(!app_->frame());
    }

    void initialFileProposesTheLastSystem_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("no file") << QByteArray() << "";
        QTest::newRow("second line") << QByteArray("[startup]\r\nstart=Tower\r\n") << "Tower";
        QTest::newRow("after blanks") << QByteArray("[startup]\r\n start=Tower\r\n") << "Tower";
        QTest::newRow("another key that ends in start")
            << QByteArray("[startup]\r\nrestart=Annex\r\n") << "";
        QTest::newRow("first line that holds it")
            << QByteArray("x\r\nstart=A\r\nstart=B\r\n") << "A";
        QTest::newRow("without such a line") << QByteArray("[startup]\r\n") << "";
    }

    void initialFileProposesTheLastSystem()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, proposed);
        if (!file.isEmpty())
            writeFile(data() + "/R4000.ini", file.toStdString());
        QVERIFY(start());
        QCOMPARE(dialogs_.proposedNames.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(dialogs_.proposedNames[0]), proposed);
    }

    void endingWritesTheCurrentSystemIntoTheInitialFile()
    {
        QVERIFY(SystemFixture::save(data(), "Tower"));
        QVERIFY(startWith("Tower"));
        QVERIFY(app_->frame()->isVisible());
        QVERIFY(app_->frame()->close());
        QVERIFY(!app_->frame()->isVisible());
        QCOMPARE(readWholeFile(data() + "/R4000.ini"), std::string("[startup]\r\nstart=Tower\r\n"));
    }

    void launcherButtonsFollowTheLanguageAndTheCurrentSystem_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("system");
        QTest::addColumn<bool>("messageShown");
        QTest::newRow("English, no system") << "-en" << false << false;
        QTest::newRow("English, a system") << "-en" << true << false;
        QTest::newRow("Korean, a system") << "-ko" << true << false;
        QTest::newRow("Japanese, no system") << "-ja" << false << true;
        QTest::newRow("Japanese, a system") << "-ja" << true << true;
    }

    void launcherButtonsFollowTheLanguageAndTheCurrentSystem()
    {
        QFETCH(QString, language);
        QFETCH(bool, system);
        QFETCH(bool, messageShown);
        QVERIFY(SystemFixture::save(data(), "Tower"));
        QVERIFY(startWith(system ? "Tower" : "", {language}));
        QCOMPARE(app_->currentView(), app_->launcher());
        QCOMPARE(button(R4000View::Message)->isVisible(), messageShown);
        QCOMPARE(button(R4000View::Message)->isEnabled(), messageShown && system);
        QCOMPARE(button(R4000View::PasswordChange)->isEnabled(), system);
        QCOMPARE(button(R4000View::ClockSetting)->isEnabled(), system);
        for (auto id : {R4000View::UnitScan, R4000View::SystemSettings, R4000View::End})
            QVERIFY(button(id)->isEnabled());
        // Without the Message button the two below it move up into its place.
        QCOMPARE(button(R4000View::PasswordChange)->pos(), QPoint(336, messageShown ? 347 : 295));
        QCOMPARE(button(R4000View::ClockSetting)->pos(), QPoint(336, messageShown ? 399 : 347));
        // The frame's client area is the background picture.
        QCOMPARE(app_->frame()->size(), app_->launcher()->backgroundSize());
        QCOMPARE(app_->frame()->windowTitle(), app_->resources().stringField(128, 0));
    }

    // The launcher is used from the keyboard: the focused button is framed, and Return
    // presses it.
    void launcherShowsTheFocusAndTakesReturn()
    {
        QVERIFY(start());
        QVERIFY(QTest::qWaitForWindowActive(app_->frame()));
        BitmapButton* scan = button(R4000View::UnitScan);
        QTRY_VERIFY(scan->hasFocus());
        const QImage focused = scan->grab().toImage();
        button(R4000View::SystemSettings)->setFocus();
        QTRY_VERIFY(!scan->hasFocus());
        QVERIFY(scan->grab().toImage() != focused);

        scan->setFocus();
        QTest::keyClick(scan, Qt::Key_Return);
        QTRY_COMPARE(app_->currentView(), app_->view(ToolId::Scan));
    }

    void toolsKeepTheirViewAndDocumentAcrossSwitches()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        QVERIFY(startWith("Tower"));
        ToolView* config = app_->view(ToolId::Config);
        QTest::mouseClick(button(R4000View::SystemSettings), Qt::LeftButton);
        QCOMPARE(app_->currentView(), config);
        QCOMPARE(app_->frame()->windowTitle(),
                 QStringLiteral("R-4000 System Setting Tool - Tower"));
        QCOMPARE(app_->system().registeredCount(), 2);
        QCOMPARE(app_->frame()->menuBar()->actions().size(), 3);
        QVERIFY(config->action(CommandId::Save)->isEnabled());
        QVERIFY(config->action(CommandId::Upload)->isEnabled());
        QVERIFY(config->action(CommandId::Print)->isEnabled());

        // An unsaved change survives leaving and entering the tool: the file is not read
        // again for the same system.
        QVERIFY(app_->system().insertEquipment(3, "R-4100EX"));
        app_->switchView(ToolId::Launcher);
        QVERIFY(!app_->frame()->menuBar()->isVisible());
        app_->switchView(ToolId::Config);
        QCOMPARE(app_->currentView(), config);
        QCOMPARE(app_->system().registeredCount(), 3);

        app_->switchView(ToolId::Scan);
        QCOMPARE(app_->frame()->windowTitle(), QStringLiteral("R-4000 Unit Scanning Tool"));
        QCOMPARE(app_->frame()->size(), QSize(720, 540));
        // An unknown id shows the current tool again.
        app_->switchView(4711);
        QCOMPARE(app_->currentView(), app_->view(ToolId::Scan));
    }

    void systemSettingsWithoutASystemStartANewOne()
    {
        QVERIFY(start());
        app_->switchView(ToolId::Config);
        QCOMPARE(app_->frame()->windowTitle(),
                 QStringLiteral("R-4000 System Setting Tool - New System"));
        QCOMPARE(app_->system().systemName(), std::string("R-4000"));
        QCOMPARE(app_->system().registeredCount(), 0);
    }

    void closingAToolReturnsToTheLauncher_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("scan") << ToolId::Scan;
        QTest::newRow("system settings") << ToolId::Config;
        QTest::newRow("message") << ToolId::Message;
    }

    void closingAToolReturnsToTheLauncher()
    {
        QFETCH(int, tool);
        QVERIFY(start());
        app_->switchView(tool);
        QVERIFY(!app_->frame()->close());
        QCOMPARE(app_->currentView(), app_->launcher());
        QVERIFY(app_->frame()->isVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(data() + "/R4000.ini")));
    }

    void firstSaveNamesTheSystemAndMakesItCurrent()
    {
        QVERIFY(start());
        app_->switchView(ToolId::Config);
        QVERIFY(app_->system().insertEquipment(1, "R-4100EX"));
        dialogs_.answers = {true};
        app_->view(ToolId::Config)->action(CommandId::Save)->trigger();
        QCOMPARE(app_->currentSystemName(), std::string("Tower"));
        QCOMPARE(app_->configDoc().path(), data() + "/Tower/Tower.sys");
        QCOMPARE(app_->frame()->windowTitle(),
                 QStringLiteral("R-4000 System Setting Tool - Tower"));
        QVERIFY(readWholeFile(data() + "/Tower/Tower.sys").find("system_name=Tower") !=
                std::string::npos);
        QVERIFY(!readWholeFile(data() + "/Tower/001.cfg").empty());
        app_->switchView(ToolId::Launcher);
        QVERIFY(button(R4000View::ClockSetting)->isEnabled());
    }

    void firstSaveUnderAnExistingNameReplacesOnlyWhenTheUserSaysSo()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        const std::string before = readWholeFile(data() + "/Tower/Tower.sys");
        QVERIFY(start());
        app_->switchView(ToolId::Config);
        const std::string passwordBefore = app_->system().password();
        dialogs_.answers = {false};
        QVERIFY(!app_->configDoc().save());
        QCOMPARE(readWholeFile(data() + "/Tower/Tower.sys"), before);
        QVERIFY(app_->configDoc().path().empty());
        // No leaves the model unnamed, so a later save cannot write the other system's name.
        QCOMPARE(app_->system().systemName(), std::string("R-4000"));
        QCOMPARE(app_->system().password(), passwordBefore);
        QCOMPARE(app_->system().equipment(1)->systemName(), std::string("R-4000"));
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].text,
                 QStringLiteral("A system named Tower already exists. Do you want to replace it?"));

        dialogs_.answers = {true};
        QVERIFY(app_->configDoc().save());
        QVERIFY(readWholeFile(data() + "/Tower/Tower.sys") != before);
        QVERIFY(!QFile::exists(QString::fromStdString(data() + "/Tower/002.cfg")));
    }

    void openCommandLoadsTheChosenSystem()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        QVERIFY(SystemFixture::save(data(), "Annex", {}, 1));
        QVERIFY(startWith("Tower"));
        app_->switchView(ToolId::Config);
        dialogs_.selectName = "Annex";
        dialogs_.choices = {UserDialogs::Answer::No, UserDialogs::Answer::No,
                            UserDialogs::Answer::No};
        app_->view(ToolId::Config)->action(CommandId::Open)->trigger();
        QCOMPARE(app_->currentSystemName(), std::string("Annex"));
        QCOMPARE(app_->system().registeredCount(), 1);
        QCOMPARE(dialogs_.proposedNames.back(), std::string("Tower"));

        // The new-system entry starts a new system and forgets the current one.
        dialogs_.selectName.clear();
        app_->view(ToolId::Config)->action(CommandId::Open)->trigger();
        QCOMPARE(app_->currentSystemName(), std::string());
        QCOMPARE(app_->system().registeredCount(), 0);

        // Cancel changes nothing.
        dialogs_.cancelSelection = true;
        app_->view(ToolId::Config)->action(CommandId::Open)->trigger();
        QCOMPARE(app_->currentSystemName(), std::string());
    }

    // Failures carry the error icon: a system that cannot be saved, an initial file that
    // cannot be written.
    void failuresAreReportedAsErrors()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 1));
        QVERIFY(startWith("Tower"));
        app_->switchView(ToolId::Config);
        // A file in the way of the save's staging folder makes the save fail.
        writeFile(data() + "/Tower/.r4000-save", "in the way");
        QVERIFY(!app_->configDoc().save());
        // A folder in the way of the initial file.
        QVERIFY(QDir().mkpath(QString::fromStdString(data() + "/R4000.ini")));
        app_->switchView(ToolId::Launcher);
        QVERIFY(app_->frame()->close());
        QCOMPARE(dialogs_.messages.size(), std::size_t(2));
        QVERIFY(
            dialogs_.messages[0].text.startsWith(QStringLiteral("The system could not be saved.")));
        QVERIFY(dialogs_.messages[1].text.startsWith(
            QStringLiteral("The initial file could not be written.")));
        for (const auto& shown : dialogs_.messages)
            QVERIFY(shown.icon == UserDialogs::Icon::Error);
    }

    // Another program saved the system since it was opened: a save asks before it writes over
    // that, and No leaves the other program's files byte for byte.
    void saveOverAnotherProgramsSaveAsksFirst()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        QVERIFY(startWith("Tower"));
        app_->switchView(ToolId::Config);
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 3));
        const std::string theirs = readWholeFile(data() + "/Tower/003.cfg");
        dialogs_.answers = {false};
        QVERIFY(!app_->configDoc().save());
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].text,
                 QStringLiteral("The system Tower was changed by another program since it was "
                                "opened. Save over those changes?"));
        QCOMPARE(readWholeFile(data() + "/Tower/003.cfg"), theirs);

        dialogs_.answers = {true};
        QVERIFY(app_->configDoc().save());
        QVERIFY(!QFile::exists(QString::fromStdString(data() + "/Tower/003.cfg")));
        // Saved by this program since: the next save asks nothing.
        QVERIFY(app_->configDoc().save());
        QCOMPARE(dialogs_.messages.size(), std::size_t(2));
    }

    void unreadableSystemIsReportedAndLeftAlone()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        QVERIFY(startWith("Tower"));
        QVERIFY(QFile::remove(QString::fromStdString(data() + "/Tower/Tower.sys")));
        app_->switchView(ToolId::Config);
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QVERIFY(
            dialogs_.messages[0].text.startsWith(QStringLiteral("The system could not be read.")));
        QVERIFY(dialogs_.messages[0].icon == UserDialogs::Icon::Error);
        QVERIFY(app_->configDoc().path().empty());
        QCOMPARE(app_->currentSystemName(), std::string());
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
