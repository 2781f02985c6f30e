// The Message Tool without sound or units: the list of the system's own messages, naming,
// the questions before unsaved data is lost, WAVE import and export, rename and delete, the
// registration page over msglist.csv, and the error boxes when there is no sound server.
#include "FileText.h"
#include "MessageListFile.h"
#include "MessageToolFixture.h"
#include "MessageTree.h"
#include "ModelText.h"
#include "StationDropTable.h"

#include <QComboBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QProcess>
#include <QSlider>
#include <QTabWidget>
#include <fstream>

class MessageToolTest : public MessageToolFixture
{
    Q_OBJECT

    // Tower with two IP master stations among other units, Bell and Chime its own messages.
    bool startWithMessages()
    {
        return saveSystem({"R-4100EX", "R-4700MS", "R-4700MS", "R-4760DS"}) &&
               writeMessage(ownFolder() + "/Bell.pmf", 3.0) &&
               writeMessage(ownFolder() + "/Chime.pmf", 1.5, 600) && start();
    }

    std::string bytesOf(const std::string& title) const
    {
        return readWholeFile(ownFolder() + "/" + title + ".pmf");
    }

    // A message recorded just now, not yet saved.
    void recordSomething(double seconds = 2.0)
    {
        document().replaceRecord(std::make_unique<CR4700RecordData>(tone(seconds)));
    }

private slots:
    void init() { makeFolders(); }
    void cleanup() { app_.reset(); }

    void listShowsTheSystemsOwnMessagesInJapanese()
    {
        QVERIFY(startWithMessages());
        std::ofstream(ownFolder() + "/notes.txt") << "not a message";
        QCOMPARE(view().tabs().tabText(MessageView::List),
                 QStringLiteral("オリジナルメッセージ一覧"));
        QCOMPARE(view().tabs().tabText(MessageView::Transfer), QStringLiteral("メッセージの登録"));
        QCOMPARE(view().caption(), QStringLiteral("R-4000 メッセージツール"));
        QCOMPARE(shownTitles(), QStringList({QStringLiteral("Bell"), QStringLiteral("Chime")}));
        const QTreeWidgetItem* bell = listWidget().topLevelItem(0);
        QCOMPARE(bell->text(1), QStringLiteral("Mar/06/2026 09:05"));
        QCOMPARE(bell->text(2), QStringLiteral("3.000 sec."));
        QCOMPARE(listWidget().headerItem()->text(1), QStringLiteral("録音日時"));
        QVERIFY(!list().hasMessage());

        selectRow(1);
        QCOMPARE(document().title(), std::string("Chime"));
        QCOMPARE(document().record().WidebandLength(), std::size_t(48000));
        QVERIFY(!document().isModified());
    }

    void savingRefusesAnotherMessagesNameAndKeepsItsOwn_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("saved");
        QTest::newRow("empty") << "   " << int(StringId::MessageNameRequired) << "";
        QTest::newRow("file name character")
            << "a:b|c" << int(StringId::MessageNameCharacters) << "";
        QTest::newRow("no form in the code page")
            << "Bell 😀" << int(StringId::MessageNameCharacters) << "";
        // 65 full-width characters are 130 bytes in code page 932.
        QTest::newRow("over 128 bytes")
            << QString(65, QChar(0x3042)) << int(StringId::MessageNameTooLong) << "";
        QTest::newRow("another message") << "Chime" << int(StringId::MessageNameExists) << "";
        QTest::newRow("its own name") << "Bell" << 0 << "Bell";
        QTest::newRow("a new name, trimmed") << "  玄関 チャイム " << 0 << "玄関 チャイム";
    }

    void savingRefusesAnotherMessagesNameAndKeepsItsOwn()
    {
        QFETCH(QString, typed);
        QFETCH(int, refusal);
        QFETCH(QString, saved);
        QVERIFY(startWithMessages());
        const std::string bell = bytesOf("Bell");
        const std::string chime = bytesOf("Chime");
        selectRow(0);
        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), typed}}, true}};
        QCOMPARE(list().save(), refusal == 0);
        if (refusal) {
            QCOMPARE(told().size(), 1);
            QVERIFY2(told().front().startsWith(text(refusal).section(QStringLiteral("%s"), 0, 0)),
                     qPrintable(told().front()));
            QCOMPARE(shownTitles().size(), 2);
        } else {
            QVERIFY(told().isEmpty());
            QVERIFY(shownTitles().contains(saved));
            std::string bytes;
            QVERIFY(ModelText::fromUi(saved, 932, bytes));
            QCOMPARE(document().path(), ownFolder() + "/" + bytes + ".pmf");
            QCOMPARE(document().record().Name(), bytes);
            QCOMPARE(listWidget().currentItem()->text(0), saved);
        }
        // Whatever happened, the other message is as it was.
        QCOMPARE(bytesOf("Chime"), chime);
        if (saved != QStringLiteral("Bell"))
            QCOMPARE(bytesOf("Bell"), bell);
    }

    void refusedCharactersAreNamed()
    {
        QVERIFY(startWithMessages());
        recordSomething();
        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), QStringLiteral("a?b*?")}}, true}};
        QVERIFY(!list().save());
        QCOMPARE(told(),
                 QStringList({QStringLiteral("メッセージ名には次の文字は入力できません。?*")}));
        QVERIFY(document().isModified());
    }

    void savingMakesTheVolumePartOfTheMessage()
    {
        QVERIFY(startWithMessages());
        recordSomething(1.0);
        auto* volume = list().findChild<QSlider*>(QStringLiteral("volume"));
        volume->setValue(-2); // -6 dB
        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), QStringLiteral("Soft")}}, true}};
        QVERIFY(list().save());
        QCOMPARE(volume->value(), 0);
        CR4700RecordData soft;
        PosixFileOps files;
        QVERIFY(MessageFile::read(files, ownFolder() + "/Soft.pmf", soft));
        std::vector<std::uint8_t> pcm(soft.WidebandLength());
        std::size_t length = 0;
        QVERIFY(soft.GetWideband(pcm.data(), pcm.size(), length));
        const auto samples = msgtest::Samples(pcm);
        const auto loudest = *std::max_element(samples.begin(), samples.end());
        // A tone of 8000 at -6 dB, give or take the coder.
        QVERIFY2(loudest > 3600 && loudest < 4500, qPrintable(QString::number(loudest)));
    }

    void unsavedRecordingIsAskedAboutBeforeAnotherMessage_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << int(UserDialogs::Answer::Cancel);
        QTest::newRow("no") << int(UserDialogs::Answer::No);
        QTest::newRow("yes") << int(UserDialogs::Answer::Yes);
    }

    void unsavedRecordingIsAskedAboutBeforeAnotherMessage()
    {
        QFETCH(int, answer);
        QVERIFY(startWithMessages());
        recordSomething(2.0);
        dialogs_.choices = {UserDialogs::Answer(answer)};
        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), QStringLiteral("Take 1")}}, true}};
        selectRow(0);
        QCOMPARE(told(), QStringList({text(StringId::SaveRecordingQuestion)}));
        switch (UserDialogs::Answer(answer)) {
        case UserDialogs::Answer::Cancel:
            // Nothing changed: the recording is there, nothing is selected.
            QVERIFY(document().isModified());
            QCOMPARE(document().record().WidebandLength(), std::size_t(64000));
            QVERIFY(!list().hasSelection());
            QCOMPARE(shownTitles().size(), 2);
            break;
        case UserDialogs::Answer::No:
            QVERIFY(!document().isModified());
            QCOMPARE(document().title(), std::string("Bell"));
            QCOMPARE(shownTitles().size(), 2);
            break;
        case UserDialogs::Answer::Yes:
            QCOMPARE(dialogs_.shownDialogs, std::vector<QString>{QStringLiteral("DlgMessageSave")});
            QCOMPARE(shownTitles(), QStringList({QStringLiteral("Bell"), QStringLiteral("Chime"),
                                                 QStringLiteral("Take 1")}));
            QVERIFY(std::filesystem::exists(ownFolder() + "/Take 1.pmf"));
            // Then the message chosen is the one shown and opened.
            QCOMPARE(listWidget().currentItem()->text(0), QStringLiteral("Bell"));
            QCOMPARE(document().title(), std::string("Bell"));
            break;
        }
    }

    void closingAsksAboutAnUnsavedRecording()
    {
        QVERIFY(startWithMessages());
        recordSomething();
        dialogs_.choices = {UserDialogs::Answer::Cancel, UserDialogs::Answer::No};
        view().closeTool();
        QCOMPARE(app_->currentView(), static_cast<ToolView*>(&view()));
        QVERIFY(document().isModified());
        view().closeTool();
        QCOMPARE(app_->currentView(), app_->view(ToolId::Launcher));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(ownFolder()),
                               std::filesystem::directory_iterator()),
                 2L);
    }

    void importTellsWhyAWaveFileIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("error");
        QTest::newRow("missing") << "gone.wav" << int(StringId::ImportNoFile);
        QTest::newRow("no WAVE file") << "text.wav" << int(StringId::ImportNotWave);
        QTest::newRow("44.1 kHz") << "cd.wav" << int(StringId::ImportBadFormat);
        QTest::newRow("8-bit") << "bits.wav" << int(StringId::ImportBadFormat);
    }

    void importTellsWhyAWaveFileIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(int, error);
        QVERIFY(startWithMessages());
        const std::string dir = program_->path();
        std::ofstream(dir + "/text.wav") << "hello";
        msgtest::WriteFile(dir + "/cd.wav",
                           msgtest::Wave({44100, 16, 1, std::vector<std::uint8_t>(8000)}));
        msgtest::WriteFile(dir + "/bits.wav",
                           msgtest::Wave({16000, 8, 1, std::vector<std::uint8_t>(8000)}));
        selectRow(0);
        dialogs_.openPath = QString::fromStdString(dir) + u'/' + file;
        list().importWave();
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].caption, text(StringId::ImportErrorCaption));
        QCOMPARE(dialogs_.messages[0].text, text(error));
        QCOMPARE(dialogs_.messages[0].icon, UserDialogs::Icon::Error);
        // The message shown stays.
        QCOMPARE(document().title(), std::string("Bell"));
        QVERIFY(!document().isModified());
    }

    void importedWaveIsSavedAsAnOwnMessage()
    {
        QVERIFY(startWithMessages());
        const std::string dir = program_->path();
        CR4700RecordData source = tone(2.0, 700);
        QVERIFY(source.ExportWave(dir + "/Gate.wav", true));
        QVERIFY(source.ExportWave(dir + "/Bell.wav", true));

        dialogs_.openPath = QString::fromStdString(dir + "/Bell.wav");
        list().importWave();
        QCOMPARE(told(), QStringList({QStringLiteral("すでにインポートされています。")}));
        QVERIFY(!list().hasMessage());

        dialogs_.messages.clear();
        dialogs_.openPath = QString::fromStdString(dir + "/Gate.wav");
        list().importWave();
        QVERIFY(told().isEmpty());
        QVERIFY(document().isModified());
        QCOMPARE(document().record().Name(), std::string("Gate"));
        QCOMPARE(document().record().WidebandLength(), std::size_t(64000));
        QVERIFY2(!std::filesystem::exists(ownFolder() + "/Gate.pmf"), "not before a save");

        // The name proposed is the file's; OK keeps it.
        dialogs_.dialogAnswers = {{{}, true}};
        QVERIFY(list().save());
        QVERIFY(!document().isModified());
        QCOMPARE(shownTitles(), QStringList({QStringLiteral("Bell"), QStringLiteral("Chime"),
                                             QStringLiteral("Gate")}));
        QCOMPARE(listWidget().currentItem()->text(2), QStringLiteral("2.000 sec."));
    }

    void exportWritesTheWidebandTrackAndAsksFirstAboutUnsavedData()
    {
        QVERIFY(startWithMessages());
        const std::string out = program_->path() + "/out.wav";
        recordSomething(1.0);
        dialogs_.savePath = QString::fromStdString(out);
        dialogs_.answers = {false};
        list().exportWave();
        QCOMPARE(told(), QStringList({text(StringId::SaveBeforeExport)}));
        QVERIFY(!std::filesystem::exists(out));
        QVERIFY(dialogs_.shownDialogs.empty());

        // The recording given up, a saved message goes out without a question.
        dialogs_.choices = {UserDialogs::Answer::No};
        selectRow(0);
        dialogs_.messages.clear();
        list().exportWave();
        QVERIFY(told().isEmpty());
        CR4700RecordData back;
        QVERIFY(back.ImportWave(out));
        QCOMPARE(back.WidebandLength(), std::size_t(96000));
        QCOMPARE(dialogs_.proposedPaths.back(), QStringLiteral("Bell.wav"));
    }

    void renameAndDeleteWorkOnTheFiles()
    {
        QVERIFY(startWithMessages());
        const std::string bell = bytesOf("Bell");
        selectRow(0);
        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), QStringLiteral("Chime")}}, true},
                                  {{{QStringLiteral("name"), QStringLiteral("Gong")}}, true}};
        list().renameMessage(); // refused: another message's name, then Cancel
        QCOMPARE(told(), QStringList({text(StringId::MessageNameExists)}));
        QCOMPARE(bytesOf("Bell"), bell);
        list().renameMessage();
        QCOMPARE(shownTitles(), QStringList({QStringLiteral("Chime"), QStringLiteral("Gong")}));
        QCOMPARE(bytesOf("Gong"), bell);
        QVERIFY(!std::filesystem::exists(ownFolder() + "/Bell.pmf"));
        QCOMPARE(document().title(), std::string("Gong"));

        selectRow(0);
        dialogs_.answers = {false, true};
        list().deleteMessage();
        QVERIFY(std::filesystem::exists(ownFolder() + "/Chime.pmf"));
        list().deleteMessage();
        QVERIFY(!std::filesystem::exists(ownFolder() + "/Chime.pmf"));
        QCOMPARE(shownTitles(), QStringList({QStringLiteral("Gong")}));
        QVERIFY2(!list().hasMessage(), "the deleted message is not kept as the current one");
    }

    void withoutASoundServerRecordAndPlayTellWhy()
    {
        // Run with PULSE_SERVER naming no server.
        QVERIFY(startWithMessages());
        list().record();
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("録音エラー"));
        QCOMPARE(dialogs_.messages[0].text,
                 QStringLiteral("録音を開始できませんでした。音声入力デバイスを開けません。"));
        QVERIFY(!list().isRecording());
        selectRow(0);
        list().play();
        QCOMPARE(dialogs_.messages.size(), std::size_t(2));
        QCOMPARE(dialogs_.messages[1].caption, QStringLiteral("再生エラー"));
        QCOMPARE(dialogs_.messages[1].text, QStringLiteral("再生を開始できませんでした。"));
        QVERIFY(!list().isPlaying());
    }

    void printedListHasTheMessagesUnderItsHeading()
    {
        QVERIFY(startWithMessages());
        const QString pdf = QString::fromStdString(program_->path() + "/list.pdf");
        {
            QPdfWriter writer(pdf);
            QCOMPARE(view().printList(writer, 1, 0), 1);
        }
        QProcess pdftotext;
        pdftotext.start(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(printed.contains(text(StringId::MessageListTitle)), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("Chime")));
        QVERIFY(printed.contains(QStringLiteral("1.500 sec.")));
        QVERIFY(printed.contains(QStringLiteral("Tower")));
    }

    void registrationPageReadsMsglistAndKeepsWhatChanged()
    {
        QVERIFY(saveSystem({"R-4100EX", "R-4700MS", "R-4700MS", "R-4760DS"}));
        QVERIFY(writeMessage(ownFolder() + "/Bell.pmf", 1.0));
        QVERIFY(writeMessage(program_->path() + "/Message/Chimes/Ding.pmf", 1.0));
        const std::string list = "No.,x,y\r\n2,Bell,/old/Bell.pmf\r\n9,Bell,/x\r\n3,Ding,/d\r\n";
        writeWholeFile(folder() + "/msglist.csv", list);
        QVERIFY(start());
        view().tabs().setCurrentIndex(MessageView::Transfer);

        auto* stations = transfer().findChild<StationDropTable*>(QStringLiteral("stations"));
        QCOMPARE(stations->rowCount(), 2);
        QCOMPARE(stations->item(0, 0)->text(), QStringLiteral("2"));
        QCOMPARE(stations->item(0, 2)->text(), QStringLiteral("198.18.0.12"));
        QCOMPARE(stations->item(0, 4)->text(), QStringLiteral("Bell"));
        QCOMPARE(stations->item(1, 4)->text(), QStringLiteral("Ding"));
        QCOMPARE(stations->horizontalHeaderItem(3)->text(), text(StringId::TransferHeadings + 3));
        QVERIFY2(!transfer().listChanged(), "a number without a row changes nothing");

        auto* tree = transfer().findChild<MessageTree*>(QStringLiteral("messageTree"));
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("標準メッセージ"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Chimes"));
        QTreeWidgetItem* ding = tree->topLevelItem(0)->child(0)->child(0);
        QCOMPARE(ding->text(0), QStringLiteral("Ding"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("オリジナルメッセージ"));

        // A message dragged from the tree onto the first station.
        std::unique_ptr<QMimeData> drag(tree->mimeData({ding}));
        QVERIFY(drag);
        const QPoint at = stations->visualItemRect(stations->item(0, 1)).center();
        QDragEnterEvent enter(at, Qt::CopyAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(stations->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(stations->viewport(), &drop);
        QCOMPARE(stations->item(0, 4)->text(), QStringLiteral("Ding"));
        QVERIFY(transfer().listChanged());
        QCOMPARE(readWholeFile(folder() + "/msglist.csv"), list); // not written before a transfer

        // Leaving the tool keeps what the stations were given.
        view().closeTool();
        const auto entries = MessageListFile::read(readWholeFile(folder() + "/msglist.csv"));
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[0].title, std::string("Ding"));
        QCOMPARE(entries[0].path, program_->path() + "/Message/Chimes/Ding.pmf");
    }

    void messageSavedLaterIsOfferedAndAssignmentsStay()
    {
        QVERIFY(startWithMessages());
        view().tabs().setCurrentIndex(MessageView::Transfer);
        transfer().assign(0, "Bell");
        view().tabs().setCurrentIndex(MessageView::List);
        recordSomething();
        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), QStringLiteral("Later")}}, true}};
        QVERIFY(list().save());
        view().tabs().setCurrentIndex(MessageView::Transfer);
        auto* tree = transfer().findChild<MessageTree*>(QStringLiteral("messageTree"));
        QTreeWidgetItem* own = tree->topLevelItem(1);
        QCOMPARE(own->childCount(), 3);
        QCOMPARE(own->child(2)->text(0), QStringLiteral("Later"));
        QCOMPARE(transfer().assignments().rows()[0].title, std::string("Bell"));
        QVERIFY(transfer().listChanged());
    }

    void lineForAUnitWithoutMessagesMarksTheListChanged()
    {
        QVERIFY(saveSystem({"R-4100EX", "R-4700MS"}));
        QVERIFY(writeMessage(ownFolder() + "/Bell.pmf", 1.0));
        writeWholeFile(folder() + "/msglist.csv", "No.,x,y\r\n1,Bell,/b\r\n2,Bell,/b\r\n");
        QVERIFY(start());
        QVERIFY(transfer().listChanged());
        view().closeTool();
        QCOMPARE(readWholeFile(folder() + "/msglist.csv"),
                 MessageListFile::write({{"2", "Bell", ownFolder() + "/Bell.pmf"}}));
    }

    void nothingTickedSendsNothingAndClearsTheTicks()
    {
        QVERIFY(saveSystem({"R-4700MS", "R-4700MS"}));
        writeWholeFile(folder() + "/msglist.csv", "No.,x,y\r\n1,Gone,/g\r\n");
        QVERIFY(start());
        auto* stations = transfer().findChild<StationDropTable*>(QStringLiteral("stations"));
        // The ticked station's message is found nowhere: nothing to send.
        stations->item(0, 0)->setCheckState(Qt::Checked);
        QVERIFY(transfer().assignments().rows()[0].checked);
        transfer().transfer();
        QVERIFY(told().isEmpty());
        QCOMPARE(stations->item(0, 0)->checkState(), Qt::Unchecked);
        QVERIFY(!transfer().assignments().rows()[0].checked);
        auto* siren = transfer().findChild<QComboBox*>(QStringLiteral("siren"));
        QCOMPARE(siren->count(), 8);
        QCOMPARE(siren->currentText(), QStringLiteral("系統ページング予鈴音"));
    }
};

QTEST_MAIN(MessageToolTest)
#include "MessageToolTest.moc"
