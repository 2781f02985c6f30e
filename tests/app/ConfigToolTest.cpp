// The System Setting Tool in the program: where its document commands end (the model, the
// files, the tool shown) for each answer the user gives, and the pages' hold on the model.
#include "CMainFrame.h"
#include "ConfigView.h"
#include "DlgExConfig.h"
#include "DlgGroup.h"
#include "DlgGroupBlockMember.h"
#include "DlgPaging.h"
#include "DlgStationList.h"
#include "DlgSystemConfig.h"
#include "DlgSystemList.h"
#include "Exchange.h"
#include "FileText.h"
#include "GroupTableModels.h"
#include "BlockGroup.h"
#include "Paging.h"
#include "PagingTableModels.h"
#include "PosixFileOps.h"
#include "R4000App.h"
#include "R4000ConfigDoc.h"
#include "R4000System.h"
#include "R4000View.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "Station.h"
#include "StationTableModel.h"
#include "SystemDocument.h"
#include "SystemFixture.h"
#include "SystemFolder.h"
#include "TempFolder.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QtTest>

using Answer = UserDialogs::Answer;

class ConfigToolTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> data_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<R4000App> app_;

    const std::string& data() const { return data_->path(); }

    // The program started on system (none for a new one), in the System Setting Tool.
    ConfigView& open(const std::string& system = {})
    {
        dialogs_.selectName = system;
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data();
        options.dialogs = &dialogs_;
        app_ = std::make_unique<R4000App>(std::move(options));
        if (!app_->initInstance())
            qFatal("the program did not start");
        app_->switchView(ToolId::Config);
        return view();
    }

    ConfigView& view() const { return static_cast<ConfigView&>(*app_->view(ToolId::Config)); }
    R4000System& system() const { return app_->system(); }

    void command(int id) const
    {
        QAction* action = view().action(id);
        QVERIFY(action);
        view().updateCommands();
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        action->trigger();
    }

    // Adds exchanges through the equipment list, as the user does.
    void addExchanges(int count) const
    {
        auto& general = static_cast<DlgSystemConfig&>(view().page(ConfigView::General));
        auto* field = general.systemList().findChild<QLineEdit*>(QStringLiteral("exchangeCount"));
        field->setText(QString::number(count));
        emit field->editingFinished();
    }

    QStringList told() const
    {
        QStringList texts;
        for (const auto& message : dialogs_.messages)
            texts << message.caption + u'|' + message.text;
        return texts;
    }

    static QString line(const char* caption, const char* text)
    {
        return QString::fromUtf8(caption) + u'|' + QString::fromUtf8(text);
    }

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
    }

    void cleanup() { app_.reset(); }

    // Pages hold the model while the tool is shown and no command runs; a rebuild in a
    // command never reaches them.
    void pagesHoldTheModelOnlyBetweenCommands()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        ConfigView& tool = open("Tower");
        QCOMPARE(tool.model(), &system());
        QStringList seen;
        connect(&app_->document(), &SystemDocument::rebuilt, this,
                [&] { seen << (view().model() ? QStringLiteral("held") : QStringLiteral("free")); });
        dialogs_.answers = {true};
        command(CommandId::Save);
        QCOMPARE(seen, QStringList{QStringLiteral("free")});
        QCOMPARE(tool.model(), &system());

        tool.closeTool();
        QCOMPARE(app_->currentView(), app_->launcher());
        QCOMPARE(tool.model(), nullptr);
    }

    void unitCommandsNeedAUnit()
    {
        ConfigView& tool = open();
        tool.updateCommands();
        QVERIFY(!tool.action(CommandId::Upload)->isEnabled());
        QVERIFY(!tool.action(CommandId::Download)->isEnabled());
        // A system without units still has a report.
        QVERIFY(tool.action(CommandId::Print)->isEnabled());
        addExchanges(1);
        tool.updateCommands();
        QVERIFY(tool.action(CommandId::Upload)->isEnabled());
        QVERIFY(tool.action(CommandId::Download)->isEnabled());
    }

    void newAndOpenAskToSaveFirst_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveCancelled");
        QTest::addColumn<int>("unitsAfter");
        QTest::newRow("New, Cancel") << int(CommandId::New) << int(Answer::Cancel) << false << 3;
        QTest::newRow("New, Yes, save cancelled") << int(CommandId::New) << int(Answer::Yes) << true << 3;
        QTest::newRow("New, No") << int(CommandId::New) << int(Answer::No) << false << 0;
        QTest::newRow("New, Yes, saved") << int(CommandId::New) << int(Answer::Yes) << false << 0;
        QTest::newRow("Open, Yes, saved") << int(CommandId::Open) << int(Answer::Yes) << false << 1;
        QTest::newRow("Open, Cancel") << int(CommandId::Open) << int(Answer::Cancel) << false << 3;
        QTest::newRow("Open, No") << int(CommandId::Open) << int(Answer::No) << false << 1;
    }

    // A never-saved system with three units; Open picks the saved system Annex.
    void newAndOpenAskToSaveFirst()
    {
        QFETCH(int, command);
        QFETCH(int, answer);
        QFETCH(bool, saveCancelled);
        QFETCH(int, unitsAfter);
        QVERIFY(SystemFixture::save(data(), "Annex", {}, 1));
        open();
        addExchanges(3);
        dialogs_.selectName = "Annex";
        dialogs_.choices = {Answer(answer)};
        if (saveCancelled)
            dialogs_.newName.clear(); // the save dialog refuses: as a Cancel
        this->command(command);
        QCOMPARE(told().first(), line("Saving setting file", "Save settings file?"));
        QCOMPARE(system().registeredCount(), unitsAfter);
        QCOMPARE(QFile::exists(QString::fromStdString(data() + "/Tower/003.cfg")),
                 Answer(answer) == Answer::Yes && !saveCancelled);
        QCOMPARE(view().model(), &system());
        QCOMPARE(app_->currentView(), &view());
    }

    void saveAsksBeforeWriting()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 1));
        open("Tower");
        const std::string before = readWholeFile(data() + "/Tower/001.cfg");
        QVERIFY(system().equipment(1)->setExchangeName("Hall"));
        dialogs_.answers = {false};
        command(CommandId::Save);
        QCOMPARE(told(), QStringList{line("Saving setting file", "Save settings file. OK?")});
        QCOMPARE(readWholeFile(data() + "/Tower/001.cfg"), before);
        dialogs_.answers = {true};
        command(CommandId::Save);
        QVERIFY(readWholeFile(data() + "/Tower/001.cfg").find("ex_name=Hall") != std::string::npos);
    }

    void closingANeverSavedSystemAsksToSave()
    {
        ConfigView& tool = open();
        addExchanges(2);
        // Yes, then Cancel in the save dialog: the tool stays, with its system.
        dialogs_.answers = {true};
        dialogs_.newName.clear();
        tool.closeTool();
        QCOMPARE(told(), QStringList{line("Saving setting file", "Save settings file?")});
        QCOMPARE(app_->currentView(), &tool);
        QCOMPARE(tool.model(), &system());
        QCOMPARE(system().registeredCount(), 2);

        // Yes and a name: saved, then back in the launcher.
        dialogs_.answers = {true};
        dialogs_.newName = "Tower";
        tool.closeTool();
        QCOMPARE(app_->currentView(), app_->launcher());
        QVERIFY(QFile::exists(QString::fromStdString(data() + "/Tower/002.cfg")));

        // A system with a name closes without a question.
        dialogs_.messages.clear();
        app_->switchView(ToolId::Config);
        tool.closeTool();
        QVERIFY(dialogs_.messages.empty());
        QCOMPARE(app_->currentView(), app_->launcher());
    }

    void unitsAtOnePlaceAreNeverReached_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("upload") << int(CommandId::Upload) << "Upload";
        QTest::newRow("download") << int(CommandId::Download) << "Download";
    }

    void unitsAtOnePlaceAreNeverReached()
    {
        QFETCH(int, command);
        QFETCH(QString, caption);
        open();
        addExchanges(2);
        for (int n : {1, 2})
            QVERIFY(system().equipment(n)->setIpAddressText("198.18.0.11"));
        dialogs_.answers = {true};
        this->command(command);
        QCOMPARE(told().size(), 2);
        QCOMPARE(told().last(), caption + QStringLiteral("|IP address duplicated."));
        QCOMPARE(dialogs_.messages.back().icon, UserDialogs::Icon::Exclamation);
        // Nothing was saved: the upload saves first, under the name the save dialog gives.
        QVERIFY(!QFile::exists(QString::fromStdString(data() + "/Tower")));
        QVERIFY(view().isEnabled());
    }

    // The default name of a new system may be a saved system's: a download never writes
    // into another system's folder.
    void downloadOfANeverSavedSystemGetsAFolderOfItsOwn()
    {
        QVERIFY(SystemFixture::save(data(), "R-4000", {}, 2));
        const std::string other = readWholeFile(data() + "/R-4000/002.cfg");
        open();
        addExchanges(1);
        dialogs_.answers = {true};
        dialogs_.newName.clear(); // the save dialog is cancelled
        command(CommandId::Download);
        QCOMPARE(told().size(), 1);
        QCOMPARE(readWholeFile(data() + "/R-4000/002.cfg"), other);
        QCOMPARE(system().registeredCount(), 1);
        QCOMPARE(view().model(), &system());
    }

    // Menus leave the focus in the field being typed in: its text is taken first.
    void aValueBeingTypedIsTakenBeforeACommand()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 1));
        ConfigView& tool = open("Tower");
        app_->frame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app_->frame()));
        tool.tabs().setCurrentIndex(ConfigView::Exchange);
        auto& exchange = static_cast<DlgExConfig&>(tool.page(ConfigView::Exchange));
        auto* field = exchange.findChild<QLineEdit*>(QStringLiteral("webPort"));
        field->setFocus();
        QVERIFY(field->hasFocus());
        field->setText(QStringLiteral("8080"));
        dialogs_.answers = {true};
        command(CommandId::Save);
        QCOMPARE(system().equipment(1)->websPort(), 8080);
        QVERIFY(readWholeFile(data() + "/Tower/001.cfg").find("webs_port=8080") !=
                std::string::npos);
    }

    // Stations, a zone and a blocking group edited in their pages are what the files hold
    // after a save, as the program reads them back.
    void stationsZonesAndGroupsEditedAreSaved()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 1));
        ConfigView& tool = open("Tower");
        auto& general = static_cast<DlgSystemConfig&>(tool.page(ConfigView::General));
        StationTableModel& stations = general.stationList().table();
        for (int row : {0, 1}) {
            QVERIFY(stations.setData(stations.index(row, StationTableModel::Type), "R-4100MS",
                                     Qt::EditRole));
            QVERIFY(stations.setData(stations.index(row, StationTableModel::Number),
                                     QString::number(21 + row), Qt::EditRole));
        }
        QVERIFY(stations.setData(stations.index(1, StationTableModel::Name), "Hall",
                                 Qt::EditRole));
        auto& paging = static_cast<DlgPaging&>(tool.page(ConfigView::Paging));
        QVERIFY(paging.zones().setData(paging.zones().index(0, PagingZoneModel::Name), "Lobby",
                                       Qt::EditRole));
        // The first station into the first blocking group.
        auto& group = static_cast<DlgGroup&>(tool.page(ConfigView::Group));
        BlockMemberModel& blocking = group.blockMembers().table();
        int column = 0;
        while (column < blocking.columnCount() &&
               !(blocking.flags(blocking.index(0, column)) & Qt::ItemIsUserCheckable))
            ++column;
        QVERIFY(blocking.setData(blocking.index(0, column), Qt::Checked, Qt::CheckStateRole));
        dialogs_.answers = {true};
        command(CommandId::Save);

        R4000System saved;
        PosixFileOps files;
        std::string error;
        QVERIFY2(SystemFolder(files, data() + "/Tower", "Tower").load(saved, error),
                 error.c_str());
        QCOMPARE(saved.stationAt(1, 1)->number(), std::string("21"));
        QCOMPARE(std::string(saved.stationAt(1, 2)->modelName()), std::string("R-4100MS"));
        QCOMPARE(saved.stationAt(1, 2)->name(), std::string("Hall"));
        QCOMPARE(saved.paging(1)->name(), std::string("Lobby"));
        QCOMPARE(saved.stationAt(1, 1)->settings().blockGroup()->number(), 1);
    }

    void noToTheDownloadQuestionLeavesTheModel()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 2));
        open("Tower");
        QVERIFY(system().equipment(2)->setExchangeName("Edited"));
        dialogs_.answers = {false};
        command(CommandId::Download);
        QCOMPARE(told(), QStringList{line("Download",
                                          "Edited data will be lost if settings download. OK?")});
        QCOMPARE(system().equipment(2)->exchangeName(), std::string("Edited"));
        QCOMPARE(system().registeredCount(), 2);
        QCOMPARE(view().model(), &system());
    }

    // Print asks for the printer and Cancel prints nothing; the report goes to the printer
    // the tool keeps, and a range beyond it to nothing; Preview and Setup open their
    // dialogs; the system stays as it was.
    void printGoesThroughThePrinterChosen()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 3));
        open("Tower");
        const std::string before = readWholeFile(data() + "/Tower/001.cfg");
        const QString pdf = QString::fromStdString(data() + "/report.pdf");
        QPrinter& printer = view().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);

        command(CommandId::Print);
        QCOMPARE(dialogs_.shownDialogs, std::vector<QString>{QStringLiteral("QPrintDialog")});
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(dialogs_.messages.empty());

        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(view().printReport(printer, 1, 0) > 0);
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QString none = QString::fromStdString(data() + "/none.pdf");
        printer.setOutputFileName(none);
        QCOMPARE(view().printReport(printer, 99, 0), 0);
        QVERIFY(!QFileInfo::exists(none));

        command(CommandId::PrintPreview);
        command(CommandId::PrintSetup);
        QCOMPARE(dialogs_.shownDialogs,
                 (std::vector<QString>{"QPrintDialog", "QPrintPreviewDialog", "QPageSetupDialog"}));
        QCOMPARE(readWholeFile(data() + "/Tower/001.cfg"), before);
        QCOMPARE(view().model(), &system());
    }
};

QTEST_MAIN(ConfigToolTest)
#include "ConfigToolTest.moc"
