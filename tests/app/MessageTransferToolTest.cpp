// The Message Tool's transfer against simulated units, inside a network namespace of the
// test's own (scripts/in-netns): what each unit received, the siren question's three
// answers, what the data folder holds afterwards and that the wait window is gone.
#include "DlgMsg.h"
#include "FileText.h"
#include "MessageListFile.h"
#include "MessageToolFixture.h"
#include "StationDropTable.h"
#include "TowerUnits.h"
#include "UnitStateFolder.h"

#include <QComboBox>

class MessageTransferToolTest : public MessageToolFixture
{
    Q_OBJECT

    std::unique_ptr<TowerUnits> units_;

    std::string unitDir(int n) const { return units_->dir(n); }
    std::string received(int n) const
    {
        return UnitStateFolder::file(unitDir(n), "messages/001.pmf");
    }

    bool startUnits(int count) { return units_->start(count, {}, {}, "model=R-4700MS"); }

    // Tower of three IP master stations; Bell is its own message, Ding a standard one, and
    // msglist.csv gives 1 Bell, 2 Ding and 3 Bell.
    bool prepare()
    {
        const std::string list = "No.,x,y\r\n1,Bell,/b\r\n2,Ding,/d\r\n3,Bell,/b\r\n";
        if (!saveSystem({"R-4700MS", "R-4700MS", "R-4700MS"}) ||
            !writeMessage(ownFolder() + "/Bell.pmf", 1.0) ||
            !writeMessage(program_->path() + "/Message/Chimes/Ding.pmf", 0.5, 700))
            return false;
        writeWholeFile(folder() + "/msglist.csv", list);
        return true;
    }

    StationDropTable& stations() const
    {
        return *transfer().findChild<StationDropTable*>(QStringLiteral("stations"));
    }

    void tick(std::initializer_list<int> rows) const
    {
        for (int row : rows)
            stations().item(row, 0)->setCheckState(Qt::Checked);
    }

    // Where every transfer must end: no wait window, the page taking input again.
    void checkPageIsBack() const
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!(window->isVisible() && qobject_cast<DlgMsg*>(window)));
        QVERIFY(transfer().isEnabled());
    }

    int sirenOnDisk() const
    {
        R4000System system;
        PosixFileOps files;
        std::string error;
        SystemFolder(files, folder(), "Tower").load(system, error);
        return system.siren();
    }

private slots:
    void init()
    {
        makeFolders();
        units_ = std::make_unique<TowerUnits>();
    }
    void cleanup()
    {
        app_.reset();
        units_.reset();
    }

    void transferSendsEachTickedStationItsMessage()
    {
        QVERIFY(prepare());
        QVERIFY(startUnits(2)); // unit 3 is down
        QVERIFY(start());
        view().tabs().setCurrentIndex(MessageView::Transfer);
        tick({0, 1, 2});
        transfer().transfer();
        checkPageIsBack();

        QCOMPARE(received(1), readWholeFile(ownFolder() + "/Bell.pmf"));
        QCOMPARE(received(2), readWholeFile(program_->path() + "/Message/Chimes/Ding.pmf"));
        QCOMPARE(told().size(), 1);
        QCOMPARE(told().front(), QStringLiteral("次のユニットに接続できませんでした。\n"
                                                "\nEX3 (id=3 ,198.18.0.13)"));
        // msglist.csv now names the files the stations were sent.
        QCOMPARE(
            readWholeFile(folder() + "/msglist.csv"),
            MessageListFile::write({{"1", "Bell", ownFolder() + "/Bell.pmf"},
                                    {"2", "Ding", program_->path() + "/Message/Chimes/Ding.pmf"},
                                    {"3", "Bell", ownFolder() + "/Bell.pmf"}}));
    }

    void changedSirenIsAskedAbout_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("siren");
        QTest::addColumn<bool>("sent");
        QTest::newRow("yes") << int(UserDialogs::Answer::Yes) << 255 << true;
        QTest::newRow("no") << int(UserDialogs::Answer::No) << 1 << true;
        QTest::newRow("cancel") << int(UserDialogs::Answer::Cancel) << 1 << false;
    }

    void changedSirenIsAskedAbout()
    {
        QFETCH(int, answer);
        QFETCH(int, siren);
        QFETCH(bool, sent);
        QVERIFY(prepare());
        QVERIFY(startUnits(3));
        QVERIFY(start());
        auto* choice = transfer().findChild<QComboBox*>(QStringLiteral("siren"));
        choice->setCurrentIndex(choice->findText(QStringLiteral("サイレン音なし")));
        QCOMPARE(transfer().chosenSiren(), 255);
        tick({0});
        dialogs_.choices = {UserDialogs::Answer(answer)};
        transfer().transfer();
        checkPageIsBack();

        QCOMPARE(told().front(), QStringLiteral("サイレン音が変更されています。"
                                                "全端末のサイレン音を更新しますか？"));
        QCOMPARE(app_->system().siren(), siren);
        QCOMPARE(sirenOnDisk(), siren);
        // Every unit was given the message-paging settings, with the siren, only on Yes.
        for (int n = 1; n <= 3; ++n) {
            const std::string log = UnitStateFolder::file(unitDir(n), "requests.log");
            QCOMPARE(log.find("POST /file_upload.cgi") != std::string::npos, siren == 255);
        }
        QCOMPARE(received(1) == readWholeFile(ownFolder() + "/Bell.pmf"), sent);
        QCOMPARE(received(2), std::string());
    }
};

QTEST_MAIN(MessageTransferToolTest)
#include "MessageTransferToolTest.moc"
