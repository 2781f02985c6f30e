// The import from the scan result over a model, with units reporting to its scan without a
// network: which found units are offered, what a copy, a drop and the import button do to
// the rows, and what OK and Cancel leave in the system.
#include "DlgImport.h"
#include "Exchange.h"
#include "ModelObserver.h"
#include "PageInput.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScanReports.h"
#include "ScriptedDialogs.h"
#include "SettingsFileWriter.h"
#include "UserMessages.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QTableWidget>
#include <QtTest>

// Counts what the system tells its observers.
struct Announcements : ModelObserver {
    int count = 0;
    explicit Announcements(System& system)
    {
        connect(this, &ModelObserver::changed, this, [this] { ++count; });
        observe(system);
    }
};

class ImportTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;

    // Exchange "Office" at 198.18.2.1 and IP station "Desk" at 198.18.2.2.
    void build(const char* language = "en")
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode(language));
        const struct {
            const char* model;
            const char* name;
            const char* address;
        } units[] = {{"R-4100EX", "Office", "198.18.2.1"}, {"R-4700MS", "Desk", "198.18.2.2"}};
        int n = 1;
        for (const auto& unit : units) {
            Exchange* made = system_->insertEquipment(n++, unit.model);
            QVERIFY(made->setExchangeName(unit.name));
            QVERIFY(made->setIpAddressText(unit.address));
            made->mirrorWanValues();
        }
        dialogs_ = ScriptedDialogs();
    }

    // The units reporting as 198.18.1.<n>, in MAC order.
    static void report(DlgImport& dialog,
                       std::initializer_list<std::pair<std::uint8_t, const char*>> units)
    {
        for (const auto& [n, model] : units)
            ScanReports::deliver(dialog.scan(), n, model, "U" + std::to_string(n));
        dialog.onScanFinished();
    }

    static QStringList row(const QTableWidget& list, int row)
    {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            if (!list.isColumnHidden(column))
                cells << list.item(row, column)->text();
        return cells;
    }

    // Everything the system would write for its units.
    std::string files() const
    {
        std::string all;
        for (int n = 1; n <= system_->registeredCount(); ++n)
            all += SettingsFileWriter::write(*system_->equipment(n), "2026/12/10 09:00:00");
        return all;
    }

    // A found unit dragged in over the list and released at `at`: a drop goes where the
    // last move was taken.
    static void drop(QTableWidget& list, QPoint at, int foundRow)
    {
        QMimeData data;
        data.setData(QStringLiteral("application/x-r4000-found-unit"),
                     QByteArray::number(foundRow));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &move);
        QDropEvent release(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &release);
    }

private slots:
    void init() { build(); }

    void offersTheModelsTheSystemTakes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("models");
        QTest::newRow("en") << "en" << QStringList{"R-4760DS", "R-4100EX"};
        QTest::newRow("ja") << "ja" << QStringList{"R-4760DS", "R-4100EX", "R-4720/5MS"};
    }

    void offersTheModelsTheSystemTakes()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, models);
        build(qPrintable(language));
        DlgImport dialog(resources_, messages_, *system_, {});
        report(
            dialog,
            {{11, "R-4760DS"}, {12, "R-4100EX"}, {13, "QG-210"}, {14, "R-4720MS"}, {15, "NONE"}});
        QTableWidget& found = dialog.foundList();
        QStringList shown;
        for (int r = 0; r < found.rowCount(); ++r)
            shown << found.item(r, DlgImport::FoundModel)->text();
        QCOMPARE(shown, models);
        QCOMPARE(row(found, 0),
                 (QStringList{"U11", "R-4760DS", "198.18.1.11", "255.255.255.0", "0.0.0.0", "80"}));
        // The address also travels as one number, unseen.
        QCOMPARE(found.item(0, DlgImport::FoundAddressNumber)->text(),
                 QString::number((198u << 24) | (18u << 16) | (1u << 8) | 11u));
        QCOMPARE(row(dialog.targetList(), 1),
                 (QStringList{"IP", "2", "Desk", "R-4700MS", "198.18.2.2", "80"}));
    }

    // An R-4760DS onto the R-4700MS: the model changes, the WAN values are the LAN ones,
    // and the unit keeps its number and settings.
    void okGivesTheCopiesToTheSystem()
    {
        Exchange& desk = *system_->equipment(2);
        desk.setNapt(true);
        QVERIFY(desk.setWanIpAddressText("198.19.0.2"));
        QVERIFY(desk.setTcpPort(5001));
        const Announcements heard(*system_);
        DlgImport dialog(resources_, messages_, *system_, {});
        report(dialog, {{11, "R-4760DS"}, {12, "R-4100EX"}});
        QVERIFY(dialog.copy(0, 1));
        QCOMPARE(row(dialog.targetList(), 1),
                 (QStringList{"IP", "2", "U11", "R-4760DS", "198.18.1.11", "80"}));
        // Nothing reaches the system before OK.
        QCOMPARE(system_->equipment(2)->modelName(), "R-4700MS");

        dialog.accept();
        const Exchange& imported = *system_->equipment(2);
        QCOMPARE(imported.modelName(), "R-4760DS");
        QCOMPARE(imported.exchangeName(), "U11");
        QCOMPARE(imported.ipAddressText(), "198.18.1.11");
        QCOMPARE(imported.wanIpAddressText(), "198.18.1.11");
        QCOMPARE(imported.wanWebsPort(), 80);
        QCOMPARE(imported.tcpPort(), 5001);
        QCOMPARE(system_->registeredCount(), 2);
        // The pages and the document hear of it.
        QVERIFY(heard.count > 0);
    }

    void copiesOntoOneRowApplyInOrder()
    {
        DlgImport dialog(resources_, messages_, *system_, {});
        report(dialog, {{11, "R-4760DS"}, {12, "R-4100EX"}});
        QVERIFY(dialog.copy(0, 0));
        QVERIFY(dialog.copy(1, 0));
        QVERIFY(!dialog.copy(2, 0));
        QCOMPARE(dialog.import().copies(), (std::vector<int>{0, 0}));
        dialog.accept();
        QCOMPARE(system_->equipment(1)->exchangeName(), "U12");
        QCOMPARE(system_->equipment(1)->modelName(), "R-4100EX");
        QCOMPARE(system_->equipment(1)->ipAddressText(), "198.18.1.12");
        QCOMPARE(system_->equipment(2)->exchangeName(), "Desk");
    }

    void cancelLeavesTheSystemAsItWas()
    {
        const std::string before = files();
        const Announcements heard(*system_);
        DlgImport dialog(resources_, messages_, *system_, {});
        report(dialog, {{11, "R-4760DS"}, {12, "R-4100EX"}});
        QVERIFY(dialog.copy(0, 0));
        QVERIFY(dialog.copy(1, 1));
        dialog.reject();
        QCOMPARE(files(), before);
        QCOMPARE(heard.count, 0);
    }

    void importButtonNeedsARowInEachList()
    {
        DlgImport dialog(resources_, messages_, *system_, {});
        report(dialog, {{11, "R-4760DS"}});
        dialog.targetList().selectRow(1);
        dialog.importSelected();
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("R-4000 Software"));
        QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Equipment not yet selected."));
        QVERIFY(dialogs_.messages[0].icon == UserDialogs::Icon::Exclamation);
        QVERIFY(dialog.import().copies().empty());

        dialog.foundList().selectRow(0);
        dialog.importSelected();
        QCOMPARE(dialog.import().copies(), std::vector<int>{1});
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
    }

    // A found unit dropped on a row is copied there and the row selected; dropped below the
    // rows, nowhere.
    void droppedUnitIsCopiedOntoTheRowUnderIt()
    {
        DlgImport dialog(resources_, messages_, *system_, {});
        dialog.show();
        report(dialog, {{11, "R-4760DS"}, {12, "R-4100EX"}});
        QTableWidget& targets = dialog.targetList();
        const QRect second = targets.visualRect(targets.model()->index(1, DlgImport::Name));
        drop(targets, second.center(), 1);
        QCOMPARE(dialog.import().copies(), std::vector<int>{1});
        QCOMPARE(targets.item(1, DlgImport::Name)->text(), QStringLiteral("U12"));
        QCOMPARE(targets.selectionModel()->selectedRows().front().row(), 1);

        drop(targets, QPoint(second.center().x(), targets.viewport()->height() - 2), 0);
        QCOMPARE(dialog.import().copies(), std::vector<int>{1});
    }
};

QTEST_MAIN(ImportTest)
#include "ImportTest.moc"
