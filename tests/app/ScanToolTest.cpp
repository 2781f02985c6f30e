// The Unit Scanning Tool in the program against simulated units across a veth pair
// (scripts/in-netns --units-side 1): scan, select, edit, write, restart and scan again.
#include "ResourceIds.h"
#include "R4000App.h"
#include "ScanTableModel.h"
#include "ScanView.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"

#include <QPushButton>
#include <QtTest>

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

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
    }
    void cleanup() { app_.reset(); }

    void scanWithoutAnInterfaceFindsNothing()
    {
        Scan::Options none;
        none.localAddresses = [] { return std::vector<std::string>{}; };
        ScanView& view = start(none);
        QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("scan")), Qt::LeftButton);
        QCOMPARE(messages(), QStringList{QStringLiteral("0 unit(s) found.")});
        QCOMPARE(view.statusText(), QStringLiteral("0 unit(s) found."));
        QVERIFY(!view.findChild<QPushButton*>(QStringLiteral("configuration"))->isEnabled());
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
    }
};

QTEST_MAIN(ScanToolTest)
#include "ScanToolTest.moc"
