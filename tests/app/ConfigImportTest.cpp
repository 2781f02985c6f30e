// The import from the scan result in the System Setting Tool against simulated units across
// a veth pair (scripts/in-netns --units-side 1): the registration page's button opens it, a
// real scan fills it, and OK or Cancel decide what the system holds.
#include "ConfigView.h"
#include "DlgImport.h"
#include "DlgSystemConfig.h"
#include "DlgSystemList.h"
#include "EquipmentTableModel.h"
#include "Exchange.h"
#include "R4000App.h"
#include "R4000System.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "SettingsFileWriter.h"
#include "SystemFixture.h"
#include "TempFolder.h"
#include "UnitSimProcess.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class ConfigImportTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> data_;
    std::unique_ptr<TempFolder> units_;
    std::unique_ptr<UnitSimProcess> sim_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<R4000App> app_;

    ConfigView& view() const { return static_cast<ConfigView&>(*app_->view(ToolId::Config)); }
    DlgSystemList& registration() const
    {
        return static_cast<DlgSystemConfig&>(view().page(ConfigView::General)).systemList();
    }

    std::string files() const
    {
        std::string all;
        const System& system = app_->system();
        for (int n = 1; n <= system.registeredCount(); ++n)
            all += SettingsFileWriter::write(*system.equipment(n), "2026/12/10 09:00:00");
        return all;
    }

    // In the import: a scan, then each found row copied onto its target row in turn by
    // selecting both and pressing "import".
    static std::function<void(QDialog&)> scanAndCopy(std::vector<std::pair<int, int>> copies)
    {
        return [copies](QDialog& shown) {
            auto& dialog = static_cast<DlgImport&>(shown);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("scan")),
                              Qt::LeftButton);
            QVERIFY(dialog.progress() != nullptr);
            QTRY_COMPARE_WITH_TIMEOUT(dialog.foundList().rowCount(), 2, 10000);
            QTRY_VERIFY(dialog.progress() == nullptr || !dialog.progress()->isVisible());
            for (const auto& [found, target] : copies) {
                dialog.foundList().selectRow(found);
                dialog.targetList().selectRow(target);
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("import")),
                                  Qt::LeftButton);
            }
            QCOMPARE(dialog.import().copies().size(), copies.size());
        };
    }

private slots:
    void init()
    {
        if (UnitSimProcess::unitsNamespace().empty())
            QSKIP("runs under scripts/in-netns --units-side 1");
        data_ = std::make_unique<TempFolder>();
        units_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
        // Tower: exchange 1 and IP station 2, with addresses still to be taken from the site.
        R4000System system;
        QVERIFY(system.setSystemName("Tower"));
        QVERIFY(system.insertEquipment(1, "R-4100EX"));
        QVERIFY(system.insertEquipment(2, "R-4700MS"));
        PosixFileOps files;
        std::string error;
        QVERIFY2(SystemFolder(files, SystemFolder::folderFor(data_->path(), "Tower"), "Tower")
                     .save(system, "2026/12/10 09:00:00", error),
                 error.c_str());

        // Found in MAC order: the door station first, then the exchange.
        sim_ = UnitSimProcess::inUnitsNamespace({
            "address=198.18.1.11,model=R-4760DS,unitname=Gate,dir=" + units_->path() + "/1",
            "address=198.18.1.12,model=R-4100EX,unitname=Hall,dir=" + units_->path() + "/2",
            "address=198.18.1.13,model=R-4720MS,unitname=Japan,dir=" + units_->path() + "/3",
        });
        QVERIFY2(sim_->ready(), sim_->errorOutput().c_str());

        dialogs_.selectName = "Tower";
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data_->path();
        options.dialogs = &dialogs_;
        options.scanOptions.timeScale = 0.1;
        app_ = std::make_unique<R4000App>(std::move(options));
        QVERIFY(app_->initInstance());
        app_->switchView(ToolId::Config);
    }

    void cleanup()
    {
        app_.reset();
        sim_.reset();
    }

    // Hall onto the exchange; Hall and then Gate onto the IP station, so Gate's R-4760DS
    // replaces the R-4700MS there. The R-4720MS exists only under Japanese: not offered.
    void okTakesTheSiteIntoTheSystem()
    {
        dialogs_.dialogAnswers = {{{}, true, scanAndCopy({{1, 0}, {1, 1}, {0, 1}})}};
        QVERIFY(registration().importButton().isEnabled());
        QTest::mouseClick(&registration().importButton(), Qt::LeftButton);
        QCOMPARE(dialogs_.shownDialogs, std::vector<QString>{QStringLiteral("DlgImport")});

        const System& system = app_->system();
        const Exchange& hall = *system.equipment(1);
        const Exchange& gate = *system.equipment(2);
        QCOMPARE(hall.exchangeName(), "Hall");
        QCOMPARE(hall.ipAddressText(), "198.18.1.12");
        QCOMPARE(gate.exchangeName(), "Gate");
        QCOMPARE(gate.modelName(), "R-4760DS");
        QCOMPARE(gate.ipAddressText(), "198.18.1.11");
        QCOMPARE(gate.subnetMaskText(), "255.255.255.0");
        QCOMPARE(gate.wanIpAddressText(), "198.18.1.11");
        QCOMPARE(gate.wanWebsPort(), gate.websPort());
        // The registration page shows the new model as an IP station.
        const EquipmentTableModel& table = registration().table();
        QCOMPARE(table.data(table.index(1, EquipmentTableModel::Type), Qt::DisplayRole).toString(),
                 QStringLiteral("IP"));
        QCOMPARE(table.data(table.index(1, EquipmentTableModel::Model), Qt::DisplayRole).toString(),
                 QStringLiteral("R-4760DS"));
    }

    void cancelAfterCopyingLeavesTheSystem()
    {
        const std::string before = files();
        dialogs_.dialogAnswers = {{{}, false, scanAndCopy({{0, 1}, {1, 0}})}};
        QTest::mouseClick(&registration().importButton(), Qt::LeftButton);
        QCOMPARE(dialogs_.shownDialogs, std::vector<QString>{QStringLiteral("DlgImport")});
        QCOMPARE(files(), before);
        QCOMPARE(app_->system().equipment(2)->modelName(), "R-4700MS");
    }
};

QTEST_MAIN(ConfigImportTest)
#include "ConfigImportTest.moc"
