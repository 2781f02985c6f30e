// The Paging and Group pages of the System Setting Tool over a model: zones follow the paging
// digits, check boxes put lines into zones and groups within the model's limits, refusals are
// told and leave the model as it was, and the remote-response groups are made and deleted.
#include "AudioIn.h"
#include "AudioOut.h"
#include "BlockGroup.h"
#include "ContactOut.h"
#include "DlgGroup.h"
#include "DlgGroupBlock.h"
#include "DlgGroupBlockMember.h"
#include "DlgPaging.h"
#include "DlgRemoteGrp.h"
#include "Exchange.h"
#include "GroupTableModels.h"
#include "Paging.h"
#include "PagingTableModels.h"
#include "R4000System.h"
#include "RemoteAnsGroup.h"
#include "ResourceChain.h"
#include "PageInput.h"
#include "ScriptedDialogs.h"
#include "SettingGrid.h"
#include "Station.h"
#include "UserMessages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QtTest>
#include <numeric>

class GroupPagesTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;

    // Units of the given models in slots 1.., named "U<n>"; the stations of every unit are
    // R-4100MS stations named "S<unit>-<line>".
    void fill(std::initializer_list<const char*> models)
    {
        int n = 1;
        for (const char* model : models) {
            Exchange* added = system_->insertEquipment(n, model);
            QVERIFY(added);
            QVERIFY(added->setExchangeName("U" + std::to_string(n)));
            for (int line = 1; line <= added->stationCount() && !added->isIPStation(); ++line) {
                QVERIFY(added->changeStationModel(line, "R-4100MS"));
                QVERIFY(added->station(line)->setName("S" + std::to_string(n) + "-" +
                                                      std::to_string(line)));
            }
            ++n;
        }
    }

    Station* station(int unit, int line) { return system_->stationAt(unit, line); }

    // The texts told since the last call, in order.
    QStringList told() { return PageInput::told(dialogs_); }

    static QString cell(const QAbstractItemModel& model, int row, int column)
    {
        return PageInput::cell(model, row, column);
    }

    static bool checked(const QAbstractItemModel& model, int row, int column)
    {
        return model.data(model.index(row, column), Qt::CheckStateRole).toInt() == Qt::Checked;
    }

    static bool check(QAbstractItemModel& model, int row, int column, bool on)
    {
        return model.setData(model.index(row, column), on ? Qt::Checked : Qt::Unchecked,
                             Qt::CheckStateRole);
    }

    // The row whose column holds text.
    static int rowOf(const QAbstractItemModel& model, int column, const QString& text)
    {
        for (int row = 0; row < model.rowCount(); ++row)
            if (cell(model, row, column) == text)
                return row;
        return -1;
    }

    static std::vector<int> allRows(const QAbstractItemModel& model)
    {
        std::vector<int> rows(std::size_t(model.rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }

private slots:
    void init()
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode("en"));
        dialogs_ = ScriptedDialogs();
    }

    void pagingDigitsChooseTheZones_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("zones");
        QTest::newRow("three digits stop at the zone table") << 1 << 3 << 160;
        QTest::newRow("two digits") << 1 << 2 << 99;
        QTest::newRow("two down to one") << 2 << 1 << 9;
        QTest::newRow("three down to two") << 3 << 2 << 99;
    }

    // The zone grid, the membership columns and the other pages' zone rows follow the digits.
    void pagingDigitsChooseTheZones()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, zones);
        fill({"R-4100EX"});
        QVERIFY(system_->setPagingDigits(from));
        DlgPaging page(resources_, messages_, system_->locale());
        DlgGroup groups(resources_, messages_, system_->locale());
        page.attach(*system_);
        groups.attach(*system_);

        auto* digits = page.findChild<QComboBox*>(QStringLiteral("pagingDigits"));
        digits->setCurrentIndex(digits->findText(QString::number(to)));
        emit digits->activated(digits->currentIndex());
        QCOMPARE(system_->pagingDigits(), to);
        QCOMPARE(page.zones().rowCount(), zones);
        QCOMPARE(cell(page.zones(), zones - 1, PagingZoneModel::Zone),
                 QStringLiteral("ZONE %1").arg(zones));
        QCOMPARE(cell(page.zones(), zones - 1, PagingZoneModel::Name),
                 QStringLiteral("pag %1").arg(zones));
        QCOMPARE(page.members().columnCount(), page.members().captionCount() + zones);
        // Groups and then the zones with "ALL" for zone 0.
        QCOMPARE(groups.blockTo().table().rowCount(), 32 + 1 + zones);
        QVERIFY(told().isEmpty());
    }

    void zoneNamesFollowTheNameRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("nine characters") << "Reception" << "pag 1";
        QTest::newRow("empty") << "  " << "pag 1";
        QTest::newRow("not in the code page") << QString::fromUtf8("로비") << "pag 1";
        QTest::newRow("eight characters") << "Corridor" << "Corridor";
        QTest::newRow("trimmed") << " Lobby " << "Lobby";
    }

    void zoneNamesFollowTheNameRule()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        fill({"R-4100EX"});
        DlgPaging page(resources_, messages_, system_->locale());
        page.attach(*system_);
        const QModelIndex name = page.zones().index(0, PagingZoneModel::Name);
        page.zoneGrid().setCurrentIndex(name);
        const bool accepted = page.zones().setData(name, text, Qt::EditRole);
        QCOMPARE(accepted, kept != QLatin1String("pag 1"));
        if (!accepted) {
            QTRY_VERIFY(!dialogs_.messages.empty());
            QCOMPARE(dialogs_.messages.front().caption, QStringLiteral("R-4000 Software"));
            QCOMPARE(told(), QStringList{QStringLiteral("Enter using up to 8 characters.")});
        }
        QCOMPARE(QString::fromStdString(system_->paging(1)->name()), kept);
        QCOMPARE(cell(page.zones(), 0, PagingZoneModel::Name), kept);
        // The membership column of the zone is headed with its name.
        QCOMPARE(page.members().headerData(page.members().captionCount(), Qt::Horizontal,
                                           Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("1\n") + kept);
    }

    // Outputs in the paging mode come first, then every station slot; a check adds the row's
    // output or station to the column's zone and clearing it takes it out again.
    void membershipChecksAddAndRemove()
    {
        fill({"R-4100EX", "R-4100MI", "R-4100EX"});
        QVERIFY(system_->audioOutAt(3, 2)->setMode("NONE"));
        DlgPaging page(resources_, messages_, system_->locale());
        page.attach(*system_);
        PagingMemberModel& members = page.members();
        const int zone3 = members.captionCount() + 2;

        QCOMPARE(members.rowCount(), 3 + 32);
        QCOMPARE(cell(members, 2, 0), QStringLiteral("3"));
        QCOMPARE(cell(members, 2, 2), QStringLiteral("Audio Output 1"));
        QCOMPARE(cell(members, 2, 3), QStringLiteral("PA"));
        QCOMPARE(cell(members, 3, 2), QStringLiteral("S1-1"));
        QCOMPARE(cell(members, 3, 3), QStringLiteral("R-4100MS"));

        QVERIFY(check(members, 1, zone3, true));
        QVERIFY(check(members, 3 + 20, zone3, true));
        const Paging& zone = *system_->paging(3);
        QCOMPARE(zone.audioOutputs(), std::vector<AudioOut*>{system_->audioOutAt(1, 2)});
        QCOMPARE(zone.stations(), std::vector<Station*>{station(3, 5)});
        QVERIFY(checked(members, 3 + 20, zone3));
        QVERIFY(!checked(members, 3 + 20, zone3 + 1));

        QVERIFY(check(members, 3 + 20, zone3, false));
        QVERIFY(zone.stations().empty());
        QVERIFY(!checked(members, 3 + 20, zone3));
        QCOMPARE(zone.audioOutputs().size(), std::size_t(1));

        // An output leaving the paging mode leaves the rows.
        QVERIFY(system_->audioOutAt(1, 1)->setMode("PBX"));
        system_->announce("audio_out_mode");
        QCOMPARE(members.rowCount(), 2 + 32);
        QVERIFY(checked(members, 0, zone3));
        QVERIFY(told().isEmpty());

        // The three units page on the ports from the base port on, four each.
        QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("pagingPort"))->text(),
                 QStringLiteral("6000"));
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("pagingPortTo"))->text(),
                 QStringLiteral(" to 6011(UDP)"));
    }

    // Checking a box of a row among the selected ones checks the selected rows: a zone keeps
    // 160 stations and tells once why it took no more.
    void zoneTakesAtMost160Stations()
    {
        fill({"R-4100EX", "R-4100EX", "R-4100EX", "R-4100EX", "R-4100EX", "R-4100EX",
              "R-4100EX", "R-4100EX", "R-4100EX", "R-4100EX", "R-4100EX"});
        for (int unit = 1; unit <= 11; ++unit)
            for (int output = 1; output <= 2; ++output)
                QVERIFY(system_->audioOutAt(unit, output)->setMode("NONE"));
        DlgPaging page(resources_, messages_, system_->locale());
        page.attach(*system_);
        PagingMemberModel& members = page.members();
        QCOMPARE(members.rowCount(), 176);
        const int zone1 = members.captionCount();
        QVERIFY(check(members, 170, zone1, true));

        members.setSelectedRows(allRows(members));
        QVERIFY(check(members, 0, zone1, true));
        QCOMPARE(system_->paging(1)->stations().size(), std::size_t(160));
        QVERIFY(checked(members, 170, zone1));
        QVERIFY(!checked(members, 175, zone1));
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages.front().icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(told(), QStringList{QStringLiteral("Up to 160 stations can be set in one zone.")});

        QVERIFY(check(members, 3, zone1, false));
        QCOMPARE(system_->paging(1)->stations().size(), std::size_t(0));
    }

    // Stations, PBX and tie-line inputs and contact outputs with an operation number are
    // listed; a line in one group cannot be checked into a second one.
    void blockingGroupTakesOneGroupALine()
    {
        fill({"R-4100EX", "R-4100MI"});
        QVERIFY(system_->audioInAt(2, 2)->setMode("TIE_LINE"));
        QVERIFY(system_->contactOutAt(2, 3)->setOperationNumber("12"));
        DlgGroup groups(resources_, messages_, system_->locale());
        groups.attach(*system_);
        BlockMemberModel& members = groups.blockMembers().table();
        const int group1 = members.captionCount();

        QCOMPARE(members.rowCount(), 16 + 2);
        QCOMPARE(members.columnCount(), group1 + 31);
        QCOMPARE(members.headerData(group1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Group 1"));
        QCOMPARE(cell(members, 16, 2), QStringLiteral("PBX / Tie line 2"));
        QCOMPARE(cell(members, 17, 2), QStringLiteral("Contact Output 3"));
        // Everything starts in group 0, which has no column.
        QVERIFY(!checked(members, 0, group1));

        QVERIFY(check(members, 0, group1 + 1, true));
        QCOMPARE(station(1, 1)->settings().blockGroup(), system_->blockGroup(2));
        QVERIFY(!check(members, 0, group1 + 4, true));
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages.front().caption, QString());
        QCOMPARE(dialogs_.messages.front().icon, UserDialogs::Icon::None);
        QCOMPARE(told(), QStringList{QStringLiteral("Only one group can select at a time.")});
        QCOMPARE(station(1, 1)->settings().blockGroup(), system_->blockGroup(2));
        QVERIFY(!checked(members, 0, group1 + 4));

        QVERIFY(check(members, 0, group1 + 1, false));
        QCOMPARE(station(1, 1)->settings().blockGroup(), system_->blockGroup(0));
        QVERIFY(check(members, 0, group1 + 4, true));
        QVERIFY(check(members, 17, group1 + 30, true));
        QCOMPARE(system_->contactOutAt(2, 3)->blockGroup(), system_->blockGroup(31));
        QVERIFY(check(members, 16, group1, true));
        QCOMPARE(system_->audioInAt(2, 2)->blockGroup(), system_->blockGroup(1));
        QVERIFY(told().isEmpty());
    }

    // Columns are the groups blocked, rows the groups and zones they are blocked to; "ALL"
    // is zone 0.
    void blockingToChecksTheGroupsSets()
    {
        fill({"R-4100EX"});
        DlgGroup groups(resources_, messages_, system_->locale());
        groups.attach(*system_);
        BlockToModel& table = groups.blockTo().table();
        const int all = table.firstZoneRow();
        QCOMPARE(all, 32);
        QCOMPARE(cell(table, 0, BlockToModel::Section), QStringLiteral("Group blocking group"));
        QCOMPARE(cell(table, 5, BlockToModel::Entry), QStringLiteral("Group 5"));
        QCOMPARE(cell(table, all, BlockToModel::Section), QStringLiteral("Paging"));
        QCOMPARE(cell(table, all, BlockToModel::Entry), QStringLiteral("ALL"));
        QCOMPARE(cell(table, all + 9, BlockToModel::Entry), QStringLiteral("ZONE 9"));
        QCOMPARE(table.headerData(BlockToModel::FirstGroup + 7, Qt::Horizontal, Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("Group 7"));

        // As made: group 0 against every group and zone, the others against group 0.
        QVERIFY(checked(table, 9, BlockToModel::FirstGroup));
        QVERIFY(checked(table, all, BlockToModel::FirstGroup));
        QVERIFY(checked(table, 0, BlockToModel::FirstGroup + 9));
        QVERIFY(!checked(table, 2, BlockToModel::FirstGroup + 5));

        QVERIFY(check(table, 2, BlockToModel::FirstGroup + 5, true));
        QCOMPARE(system_->blockGroup(5)->callBlocks(), (std::set<int>{0, 2}));
        QVERIFY(check(table, all + 3, BlockToModel::FirstGroup + 5, true));
        QCOMPARE(system_->blockGroup(5)->pagingBlocks(), std::set<int>{3});
        QVERIFY(check(table, all, BlockToModel::FirstGroup, false));
        QCOMPARE(system_->blockGroup(0)->pagingBlocks().count(0), std::size_t(0));
        QCOMPARE(system_->blockGroup(0)->pagingBlocks().count(1), std::size_t(1));
        QVERIFY(check(table, 2, BlockToModel::FirstGroup + 5, false));
        QCOMPARE(system_->blockGroup(5)->callBlocks(), std::set<int>{0});
        QVERIFY(checked(table, all + 3, BlockToModel::FirstGroup + 5));
    }

    // Three groups made with "New"; deleting the second renumbers the third and the deleted
    // group's stations belong to none.
    void remoteGroupsAreMadeAndDeleted()
    {
        fill({"R-4100EX", "R-4120EX", "R-4760DS"});
        DlgGroup groups(resources_, messages_, system_->locale());
        groups.attach(*system_);
        DlgRemoteGrp& page = groups.remoteGroups();
        RemoteStationModel& stations = page.table();
        const int member = stations.captionCount();
        // The R-4120EX has no remote-response groups; a door station is no choice.
        QCOMPARE(stations.rowCount(), 16 + 1);
        QVERIFY(!(stations.flags(stations.index(16, member)) & Qt::ItemIsUserCheckable));
        // Nothing to check before a group is chosen.
        QVERIFY(!check(stations, 0, member, true));

        for (int group = 0; group < 3; ++group) {
            page.addGroup();
            QCOMPARE(page.groups().selectedItems().size(), 1);
            QVERIFY(check(stations, 2 * group, member, true));
            QVERIFY(check(stations, 2 * group + 1, member, true));
        }
        QCOMPARE(page.groups().count(), 3);
        QCOMPARE(system_->remoteAnsGroups().size(), std::size_t(3));
        // The first station checked heads the group.
        RemoteAnsGroup* third = station(1, 5)->remoteAnsGroup();
        QCOMPARE(third->head(), station(1, 5));
        QCOMPARE(third->members(), (std::vector<Station*>{station(1, 5), station(1, 6)}));

        page.groups().setCurrentRow(1);
        QVERIFY(checked(stations, 3, member));
        QVERIFY(!checked(stations, 5, member));
        page.deleteGroup();
        QCOMPARE(page.groups().count(), 2);
        QCOMPARE(page.groups().item(1)->text(), QStringLiteral("Group 2"));
        QCOMPARE(system_->remoteAnsGroups(),
                 (std::vector<RemoteAnsGroup*>{station(1, 1)->remoteAnsGroup(), third}));
        QCOMPARE(station(1, 3)->remoteAnsGroup(), nullptr);
        QCOMPARE(station(1, 4)->remoteAnsGroup(), nullptr);

        // The renumbered row is the third group.
        page.groups().setCurrentRow(1);
        QVERIFY(checked(stations, 5, member));
        QCOMPARE(stations.headerData(member, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Group 2"));

        page.groups().clearSelection();
        page.deleteGroup();
        QCOMPARE(dialogs_.messages.front().caption, QStringLiteral("R-4000 Software"));
        QCOMPARE(told(), QStringList{QStringLiteral("Select the group to delete.")});
        QCOMPARE(system_->remoteAnsGroups().size(), std::size_t(2));
    }

    void remoteGroupRefusals_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("messages");
        const QString other = QStringLiteral("Only one group can select at a time.");
        const QString full = QStringLiteral("Up to 16 stations can be preset.");
        // Rows 0-15 are in the selected group, row 16 in another, rows 17.. in none.
        QTest::newRow("17th station") << QList<int>{17} << QStringList{full};
        QTest::newRow("station of another group") << QList<int>{16} << QStringList{other};
        QTest::newRow("both, full met first")
            << QList<int>{18, 17, 16} << QStringList{other + QLatin1Char('\n') + full};
    }

    // Whatever one action refused is told in one message; the groups stay as they were.
    void remoteGroupRefusals()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, messages);
        fill({"R-4100EX", "R-4100EX"});
        DlgRemoteGrp page(resources_, messages_, system_->locale());
        page.attach(*system_);
        RemoteStationModel& stations = page.table();
        const int member = stations.captionCount();
        page.addGroup();
        QVERIFY(check(stations, 16, member, true));
        page.addGroup();
        stations.setSelectedRows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        QVERIFY(check(stations, 0, member, true));
        QVERIFY(told().isEmpty());
        RemoteAnsGroup* full = station(1, 1)->remoteAnsGroup();
        RemoteAnsGroup* other = station(2, 1)->remoteAnsGroup();
        QCOMPARE(full->members().size(), std::size_t(16));

        stations.setSelectedRows(std::vector<int>(rows.begin(), rows.end()));
        QVERIFY(!check(stations, rows.front(), member, true));
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages.front().icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(told(), messages);
        QCOMPARE(full->members().size(), std::size_t(16));
        QCOMPARE(other->members(), std::vector<Station*>{station(2, 1)});
        QCOMPARE(station(2, 2)->remoteAnsGroup(), nullptr);
        QCOMPARE(station(2, 3)->remoteAnsGroup(), nullptr);
    }

    // Detached pages show nothing, hear nothing and outlive the model they showed.
    void detachedPagesLetGoOfTheModel()
    {
        fill({"R-4100EX", "R-4100MI"});
        DlgPaging paging(resources_, messages_, system_->locale());
        DlgGroup groups(resources_, messages_, system_->locale());
        paging.attach(*system_);
        groups.attach(*system_);
        groups.remoteGroups().addGroup();
        QVERIFY(check(groups.remoteGroups().table(), 0, 4, true));
        QCOMPARE(groups.tabs().tabText(DlgGroup::RemoteResponse),
                 QStringLiteral("Remote response group"));

        paging.detach();
        groups.detach();
        QCOMPARE(paging.members().rowCount(), 0);
        QCOMPARE(paging.zones().rowCount(), 0);
        QCOMPARE(groups.blockTo().table().rowCount(), 0);
        QCOMPARE(groups.remoteGroups().groups().count(), 0);
        QCOMPARE(paging.findChild<QLabel*>(QStringLiteral("pagingPortTo"))->text(),
                 QStringLiteral("to      (UDP)"));
        QVERIFY(system_->setPagingDigits(3));
        system_->announce("pag_no_digits");
        QCOMPARE(paging.zones().rowCount(), 0);
        system_.reset();
    }
};

QTEST_MAIN(GroupPagesTest)
#include "GroupPagesTest.moc"
