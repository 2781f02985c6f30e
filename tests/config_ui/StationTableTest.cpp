// The station table of the System Setting Tool and its collective setup over a model: what
// each edit leaves in the stations, the duplicate marking, and where a refused setup ends.
#include "CollectiveSetup.h"
#include "DlgCollectiveSetup.h"
#include "DlgStationList.h"
#include "Exchange.h"
#include "ItemRoles.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScriptedDialogs.h"
#include "SettingGrid.h"
#include "Station.h"
#include "StationTableModel.h"
#include "UserMessages.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class StationTableTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;
    std::unique_ptr<DlgStationList> page_;

    // count exchanges of 16 lines each, the table over them.
    void start(int units, const char* model = "R-4100EX")
    {
        for (int n = 1; n <= units; ++n)
            QVERIFY(system_->insertEquipment(n, model));
        page_ = std::make_unique<DlgStationList>(resources_, messages_, system_->locale());
        page_->attach(*system_);
    }

    StationTableModel& table() const { return page_->table(); }
    Station& station(int row) const { return *table().stationAt(row); }
    bool edit(int row, int column, const QString& text) const
    {
        return table().setData(table().index(row, column), text, Qt::EditRole);
    }
    QString cell(int row, int column) const
    {
        return table().data(table().index(row, column), Qt::DisplayRole).toString();
    }

    QStringList told()
    {
        QCoreApplication::processEvents(); // refusals are told once the editor closed
        QStringList texts;
        for (const auto& message : dialogs_.messages)
            texts << message.text;
        dialogs_.messages.clear();
        return texts;
    }

    // Collective setup over all stations, or the first `selected` rows, answered with fields.
    void collective(std::map<QString, QString> fields, int selected = 0, bool ok = true)
    {
        page_->grid().selectionModel()->clearSelection();
        for (int row = 0; row < selected; ++row)
            page_->grid().selectionModel()->select(
                table().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        dialogs_.dialogAnswers = {{std::move(fields), ok}};
        page_->collectiveSetup();
    }

private slots:
    void init()
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode("en"));
        dialogs_ = ScriptedDialogs();
    }

    void cleanup() { page_.reset(); }

    void rowsFollowTheUnitsWithStations()
    {
        QVERIFY(system_->insertEquipment(1, "R-4100EX"));
        QVERIFY(system_->insertEquipment(2, "R-4100MI")); // no stations
        QVERIFY(system_->insertEquipment(3, "R-4700MS"));
        page_ = std::make_unique<DlgStationList>(resources_, messages_, system_->locale());
        page_->attach(*system_);
        const int exchangeLines = system_->equipment(1)->stationCount();
        QCOMPARE(table().rowCount(), exchangeLines + system_->equipment(3)->stationCount());
        QCOMPARE(cell(exchangeLines, StationTableModel::Unit), QStringLiteral("3"));
        QCOMPARE(cell(exchangeLines, StationTableModel::Type), QStringLiteral("R-4700MS"));
        QCOMPARE(cell(0, StationTableModel::Type), QString()); // no station yet
    }

    void duplicateNumbersAreRedUntilOneChanges()
    {
        start(2);
        QSignalSpy resets(&table(), &QAbstractItemModel::modelReset);
        QVERIFY(edit(0, StationTableModel::Number, QStringLiteral("21")));
        QVERIFY(edit(20, StationTableModel::Number, QStringLiteral("22")));
        QVERIFY(!table().isDuplicate(0));
        QVERIFY(edit(20, StationTableModel::Number, QStringLiteral("21")));
        QVERIFY(table().isDuplicate(0));
        QVERIFY(table().isDuplicate(20));
        QCOMPARE(table().data(table().index(20, StationTableModel::Name), Qt::ForegroundRole)
                     .value<QBrush>()
                     .color(),
                 QColor(255, 0, 0));
        QVERIFY(edit(20, StationTableModel::Number, QStringLiteral("22")));
        QVERIFY(!table().isDuplicate(0));
        QVERIFY(!table().isDuplicate(20));
        // Marking redraws rows; the table is never made again for it.
        QCOMPARE(resets.count(), 0);
        QCOMPARE(system_->stationByNumber("22"), &station(20));
    }

    void cellsRefuseWithTheirMessages_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("number of three digits") << int(StationTableModel::Number) << "123" << "Enter 2 digits number.";
        QTest::newRow("number with a letter") << int(StationTableModel::Number) << "1a" << "Enter 2 digits number.";
        QTest::newRow("name of nine") << int(StationTableModel::Name) << "Reception" << "Enter using up to 8 characters.";
    }

    void cellsRefuseWithTheirMessages()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        start(1);
        QVERIFY(edit(0, StationTableModel::Number, QStringLiteral("10")));
        QVERIFY(edit(0, StationTableModel::Name, QStringLiteral("Desk")));
        QVERIFY(!edit(0, column, text));
        QCOMPARE(told(), QStringList{message});
        QCOMPARE(station(0).number(), std::string("10"));
        QCOMPARE(station(0).name(), std::string("Desk"));
    }

    void typeIsChosenFromTheModels()
    {
        start(1);
        const QStringList types = table().types();
        QCOMPARE(types.first(), QString());
        QVERIFY(types.contains(QStringLiteral("R-4100MS")));
        QVERIFY(!types.contains(QStringLiteral("NONE")));
        QVERIFY(edit(3, StationTableModel::Type, QStringLiteral("R-4100MS")));
        QCOMPARE(std::string(station(3).modelName()), std::string("R-4100MS"));
        // A model the exchange does not take changes nothing.
        QVERIFY(edit(3, StationTableModel::Type, QStringLiteral("R-4700MS")));
        QCOMPARE(std::string(station(3).modelName()), std::string("R-4100MS"));
        QVERIFY(edit(3, StationTableModel::Type, QString()));
        QVERIFY(station(3).isNone());
    }

    void stationDigitsOfTheSystem()
    {
        start(1);
        auto* field = page_->findChild<QLineEdit*>(QStringLiteral("stationDigits"));
        field->setText(QStringLiteral("7"));
        emit field->editingFinished();
        QCOMPARE(told(), QStringList{QStringLiteral("Enter number. (2-6)")});
        QCOMPARE(field->text(), QStringLiteral("2"));
        field->setText(QStringLiteral("3"));
        emit field->editingFinished();
        QCOMPARE(system_->stationDigits(), 3);
        QCOMPARE(table().data(table().index(0, StationTableModel::Number), ItemRole::MaxLength)
                     .toInt(),
                 3);
    }

    void collectiveSetupNumbersNamesAndTypesInTableOrder()
    {
        start(2);
        QVERIFY(system_->setStationDigits(3));
        collective({{"changeType", "1"}, {"type", "R-4100MS"}, {"assignNumbers", "1"},
                    {"start", "5"}, {"changeNames", "1"}, {"prefix", "Room"}});
        QVERIFY(told().isEmpty());
        QCOMPARE(station(0).number(), std::string("005"));
        QCOMPARE(station(1).number(), std::string("006"));
        QCOMPARE(station(17).number(), std::string("022"));
        QCOMPARE(station(17).name(), std::string("Room18"));
        QCOMPARE(std::string(station(31).modelName()), std::string("R-4100MS"));
        QCOMPARE(cell(31, StationTableModel::Number), QStringLiteral("036"));
    }

    void collectiveSetupOverSelectedRowsOnly()
    {
        start(1);
        collective({{"assignNumbers", "1"}, {"start", "40"}, {"selectedStations", "1"}}, 3);
        QCOMPARE(station(2).number(), std::string("42"));
        QVERIFY(!station(3).inUse());
    }

    void collectiveSetupRefusalsKeepTheDialogOpen_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        // 120 stations: 3 digits of sequence after the prefix.
        QTest::newRow("prefix of four fits") << 8 << 120 << 2 << "prefix" << "Desk" << QString();
        QTest::newRow("prefix of six does not") << 8 << 120 << 2 << "prefix" << "Office" << "Maximum number of characters of name exceeded.";
        QTest::newRow("last number of five digits") << 2 << 20 << 4 << "start" << "9990" << "Terminal number digits exceeded.";
        QTest::newRow("last number 9999 fits") << 2 << 20 << 4 << "start" << "9980" << QString();
        QTest::newRow("start with a letter") << 1 << 0 << 3 << "start" << "5a" << "Enter 3 digits number.";
    }

    void collectiveSetupRefusalsKeepTheDialogOpen()
    {
        QFETCH(int, units);
        QFETCH(int, selected);
        QFETCH(int, digits);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        start(units);
        QVERIFY(system_->setStationDigits(digits));
        const QString check = field == QStringLiteral("prefix") ? QStringLiteral("changeNames")
                                                                : QStringLiteral("assignNumbers");
        std::map<QString, QString> fields{{check, "1"}, {field, value}};
        if (selected > 0)
            fields[QStringLiteral("selectedStations")] = QStringLiteral("1");
        collective(fields, selected);
        const bool refused = !message.isEmpty();
        QCOMPARE(told(), refused ? QStringList{message} : QStringList());
        // Refused: the dialog stayed open (the script then cancelled it) and nothing changed.
        QCOMPARE(station(0).inUse() || !station(0).name().empty(), !refused);
    }
};

QTEST_MAIN(StationTableTest)
#include "StationTableTest.moc"
