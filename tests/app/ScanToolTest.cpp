// The Unit Scanning Tool in the program against simulated units across a veth pair
// (scripts/in-netns --units-side 1): scan, select, edit, write, restart and scan again.
#include "DlgProgress.h"
#include "FileText.h"
#include "R4000App.h"
#include "R4000ScanDoc.h"
#include "R4000System.h"
#include "ResourceIds.h"
#include "ScanReports.h"
#include "ScanTableModel.h"
#include "ScanView.h"
#include "ScriptedDialogs.h"
#include "SystemFixture.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

namespace {

// A scan that finds no interface, so nothing is sent.
Scan::Options noInterface()
{
    Scan::Options none;
    none.localAddresses = [] { return std::vector<std::string>{}; };
    return none;
}

} // namespace

class ScanToolTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> data_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<R4000App> app_;

    ScanView& start(Scan::Options scanOptions)
    {
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data_->path();
        options.dialogs = &dialogs_;
        options.scanOptions = std::move(scanOptions);
        options.restartWaitMs = 1000;
        app_ = std::make_unique<R4000App>(std::move(options));
        if (!app_->initInstance())
            qFatal("the program did not start");
        app_->switchView(ToolId::Scan);
        return static_cast<ScanView&>(*app_->view(ToolId::Scan));
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const auto& message : dialogs_.messages)
            texts << message.text;
        return texts;
    }

    QString cell(ScanView& view, int row, int column) const
    {
        return view.model().data(view.model().index(row, column), Qt::DisplayRole).toString();
    }

    static QList<QWidget*> visibleProgressWindows()
    {
        QList<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && qobject_cast<DlgProgress*>(window))
                shown << window;
        }
        return shown;
    }

    static void command(ScanView& view, int id)
    {
        QAction* entry = view.action(id);
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
    }

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
    }
    void cleanup() { app_.reset(); }

    void scanWithoutAnInterfaceFindsNothing()
    {
        ScanView& view = start(noInterface());
        QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("scan")), Qt::LeftButton);
        QCOMPARE(messages(), QStringList{QStringLiteral("0 unit(s) found.")});
        QCOMPARE(view.statusText(), QStringLiteral("0 unit(s) found."));
        QVERIFY(!view.findChild<QPushButton*>(QStringLiteral("configuration"))->isEnabled());
    }

    // The range dialog edits the system, which is saved at once; a refused or cancelled
    // dialog leaves the system and its file as they were.
    void rangeDialogReachesTheSystemFile()
    {
        QVERIFY(SystemFixture::save(data_->path(), "Tower", {}, 3));
        dialogs_.selectName = "Tower";
        ScanView& view = start(noInterface());
        const std::string file = data_->path() + "/Tower/Tower.sys";
        const std::string saved = readWholeFile(file);
        const R4000System& system = app_->system();
        const std::string startBefore = system.scanStartAddressText();
        const std::uint32_t countBefore = system.scanAssignCount();

        // The start is taken, then the count refused (three units): Cancel puts the start back.
        dialogs_.dialogAnswers = {{{{"start", "198.18.1.50"}, {"numbers", "4"}}, true},
                                  {{{"start", "198.18.1.50"}, {"numbers", "2"}}, false}};
        command(view, CommandId::Range);
        QCOMPARE(messages(), QStringList{QStringLiteral("Enter number. (1-3)")});
        command(view, CommandId::Range);
        QCOMPARE(system.scanStartAddressText(), startBefore);
        QCOMPARE(system.scanAssignCount(), countBefore);
        QCOMPARE(readWholeFile(file), saved);

        dialogs_.dialogAnswers = {{{{"start", "198.18.1.50"}, {"numbers", "2"}}, true}};
        command(view, CommandId::Range);
        QCOMPARE(system.scanStartAddressText(), std::string("198.18.1.50"));
        QCOMPARE(system.scanAssignCount(), std::uint32_t(2));
        const std::string written = readWholeFile(file);
        QVERIFY(written.find("start_ipaddr=198.18.1.50\r\nassign_no=2\r\n") != std::string::npos);
        QCOMPARE(dialogs_.shownDialogs, std::vector<QString>(3, QStringLiteral("DlgScanIpPool")));
        QCOMPARE(messages(), QStringList{QStringLiteral("Enter number. (1-3)")});
    }

    // Auto assignment, mask and gateway reach every selected row; a refused mask none.
    void dialogsFillTheSelectedRows()
    {
        QVERIFY(SystemFixture::save(data_->path(), "Tower", {}, 3));
        dialogs_.selectName = "Tower";
        ScanView& view = start(noInterface());
        app_->system().setScanStartAddress(Ipv4Address(198, 18, 1, 50));
        app_->system().setScanAssignCount(3);
        ScanReports::deliver(view.document(), 11, "R-4100EX", "Office");
        ScanReports::deliver(view.document(), 12, "R-4100MI", "Gate");
        ScanReports::deliver(view.document(), 13, "R-4100EX", "Annex");
        view.model().reload();
        QVERIFY(view.model().setData(view.model().index(0, ScanTableModel::Select), Qt::Checked,
                                     Qt::CheckStateRole));
        QVERIFY(view.model().setData(view.model().index(2, ScanTableModel::Select), Qt::Checked,
                                     Qt::CheckStateRole));

        command(view, CommandId::AutoAssign);
        dialogs_.dialogAnswers = {{{{"address", "255.0.255.0"}}, true},
                                  {{{"address", "255.255.0.0"}}, true},
                                  {{{"address", "198.18.0.1"}}, true}};
        command(view, CommandId::Mask);
        QCOMPARE(messages(), QStringList{QStringLiteral("Invalid subnet mask.")});
        QCOMPARE(cell(view, 0, ScanTableModel::SubnetMask), QStringLiteral("255.255.255.0"));
        command(view, CommandId::Mask);
        command(view, CommandId::Gateway);

        const QStringList expected[] = {
            {"198.18.1.50", "255.255.0.0", "198.18.0.1"},
            {"198.18.1.12", "255.255.255.0", "0.0.0.0"},
            {"198.18.1.51", "255.255.0.0", "198.18.0.1"},
        };
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(QStringList({cell(view, row, ScanTableModel::IpAddress),
                                  cell(view, row, ScanTableModel::SubnetMask),
                                  cell(view, row, ScanTableModel::Gateway)}),
                     expected[row]);
        }
        QCOMPARE(dialogs_.shownDialogs,
                 (std::vector<QString>{"DlgSetSubnetMask", "DlgSetSubnetMask", "DlgSetGateway"}));

        // Print asks for the printer first; Cancel prints nothing and leaves the list.
        command(view, CommandId::Print);
        QCOMPARE(dialogs_.shownDialogs.back(), QStringLiteral("QPrintDialog"));
        QCOMPARE(view.model().selectedCount(), 2);
    }

    // The list is saved as a CSV file; a name typed without a suffix gets ".csv", and a file
    // that cannot be written is reported as a failure.
    void listIsSavedAsCsv()
    {
        ScanView& view = start(noInterface());
        ScanReports::deliver(view.document(), 11, "R-4100EX", "Office");
        view.model().reload();
        dialogs_.savePath = QString::fromStdString(data_->path() + "/units");
        command(view, CommandId::Save);
        QCOMPARE(dialogs_.proposedPaths,
                 std::vector<QString>{QString::fromStdString(data_->path() + "/scan.csv")});
        QVERIFY(readWholeFile(data_->path() + "/units.csv").find(",Office\r\n") !=
                std::string::npos);
        QVERIFY(dialogs_.messages.empty());

        dialogs_.savePath = QString::fromStdString(data_->path() + "/missing/units.csv");
        command(view, CommandId::Save);
        QCOMPARE(messages(), QStringList{QStringLiteral("The file could not be written.\n") +
                                         dialogs_.savePath});
        QVERIFY(dialogs_.messages[0].icon == UserDialogs::Icon::Error);
    }

    void writtenUnitsComeBackAtTheirNewAddresses()
    {
        if (UnitSimProcess::unitsNamespace().empty())
            QSKIP("runs under scripts/in-netns --units-side 1");
        TempFolder units;
        auto sim = UnitSimProcess::inUnitsNamespace({
            "address=198.18.1.11,udp-restart-ms=300,dir=" + units.path() + "/1",
            "address=198.18.1.12,model=R-4100MI,udp-restart-ms=300,dir=" + units.path() + "/2",
            "address=198.18.1.13,udp-model=QG-210,dir=" + units.path() + "/3",
        });
        QVERIFY2(sim->ready(), sim->errorOutput().c_str());

        Scan::Options fast;
        fast.timeScale = 0.1;
        ScanView& view = start(fast);
        auto* configuration = view.findChild<QPushButton*>(QStringLiteral("configuration"));
        QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("scan")), Qt::LeftButton);
        QVERIFY(view.progress() != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(messages(), QStringList{QStringLiteral("2 unit(s) found.")},
                                  5000);
        QVERIFY(!configuration->isEnabled());
        QCOMPARE(view.model().rowCount(), 2); // the QG-210 is not listed

        view.model().selectAll();
        QVERIFY(configuration->isEnabled());
        QVERIFY(view.model().setData(view.model().index(0, ScanTableModel::IpAddress),
                                     QStringLiteral("198.18.1.40"), Qt::EditRole));
        QVERIFY(view.model().setData(view.model().index(1, ScanTableModel::Name),
                                     QStringLiteral("Gate"), Qt::EditRole));
        QTest::mouseClick(configuration, Qt::LeftButton);
        QVERIFY(!configuration->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(dialogs_.messages.size(), std::size_t(2), 15000);
        QCOMPARE(messages().last(), QStringLiteral("2 unit(s) found."));
        QCOMPARE(cell(view, 0, ScanTableModel::IpAddress), QStringLiteral("198.18.1.40"));
        QCOMPARE(cell(view, 1, ScanTableModel::Name), QStringLiteral("Gate"));
        QCOMPARE(view.model().selectedCount(), 0);
        // The write's progress window ended with the rescan, and the tool takes input again.
        QTRY_VERIFY(visibleProgressWindows().isEmpty());
        QVERIFY(view.findChild<QPushButton*>(QStringLiteral("scan"))->isEnabled());
    }
};

QTEST_MAIN(ScanToolTest)
#include "ScanToolTest.moc"
