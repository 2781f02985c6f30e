// The dialogs of system selection, first save and unit login, driven as the user would.
#include "DlgCertification.h"
#include "CMainFrame.h"
#include "DlgCertification2.h"
#include "DlgMsg.h"
#include "DlgSave.h"
#include "R4000App.h"
#include "PosixFileOps.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScriptedDialogs.h"
#include "SystemFixture.h"
#include "SystemSelection.h"
#include "TempFolder.h"
#include "UiCredentialsPrompt.h"
#include "WidgetDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <thread>

namespace {
constexpr int kCodePage = 1252;
}

class DialogsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> data_;
    PosixFileOps files_;
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;

    const std::string& data() const { return data_->path(); }
    SystemSelection selection() { return {files_, data(), "(New System)"}; }

private slots:
    void init()
    {
        data_ = std::make_unique<TempFolder>();
        dialogs_ = ScriptedDialogs();
    }

    // Names and passwords take at most 15 characters: more cannot be typed.
    void textFieldsTakeNoMoreThanTheirRuleAllows()
    {
        SystemSelection choices = selection();
        DlgCertification certification(resources_, choices, "Tower", kCodePage, dialogs_);
        R4000System system;
        DlgSave save(resources_, system, kCodePage, dialogs_);
        DlgCertification2 login(resources_, QStringLiteral("198.18.1.10"), 80,
                                QStringLiteral("Tower"), QStringLiteral("r4000"));
        for (QDialog* dialog : std::initializer_list<QDialog*>{&certification, &save, &login}) {
            const auto fields = dialog->findChildren<QLineEdit*>();
            QVERIFY(!fields.isEmpty());
            for (QLineEdit* field : fields) {
                field->setText(QStringLiteral("abcdefghijklmnopq"));
                QCOMPARE(field->text(), QStringLiteral("abcdefghijklmno"));
            }
        }
    }

    void selectionWithoutSystemsOffersOnlyANewSystem()
    {
        SystemSelection choices = selection();
        DlgCertification dialog(resources_, choices, "Tower", kCodePage, dialogs_);
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("systemName"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentText(), QStringLiteral("(New System)"));
        QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("password"))->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenName(), std::string());
    }

    void selectionProposesTheFirstSystemTheCurrentNameBegins()
    {
        QVERIFY(SystemFixture::save(data(), "Towers"));
        QVERIFY(SystemFixture::save(data(), "tower2"));
        QVERIFY(SystemFixture::save(data(), "Annex"));
        SystemSelection choices = selection();
        DlgCertification dialog(resources_, choices, "TOWER", kCodePage, dialogs_);
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("systemName"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentText(), QStringLiteral("tower2"));
        QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("password"))->isEnabled());
        // Choosing the new-system entry disables the password.
        list->setCurrentIndex(list->findText(QStringLiteral("(New System)")));
        QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("password"))->isEnabled());
    }

    void selectionOpensAKnownSystemOnlyWithItsPassword_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("own password") << "secret"
                                      << "secret" << true;
        QTest::newRow("wrong password") << "secret"
                                        << "Secret" << false;
        QTest::newRow("empty password") << "secret"
                                        << "" << false;
        QTest::newRow("default password of a new system") << ""
                                                          << "r4000" << true;
        QTest::newRow("other than the default") << ""
                                                << "r4001" << false;
    }

    void selectionOpensAKnownSystemOnlyWithItsPassword()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QVERIFY(SystemFixture::save(data(), "Tower", stored.toStdString()));
        SystemSelection choices = selection();
        DlgCertification dialog(resources_, choices, "Tower", kCodePage, dialogs_);
        auto* password = dialog.findChild<QLineEdit*>(QStringLiteral("password"));
        QTest::keyClicks(password, typed);
        dialog.accept();
        if (opens) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.chosenName(), std::string("Tower"));
            QVERIFY(dialogs_.messages.empty());
        } else {
            // "Invalid password.", the whole text selected for typing it again.
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(dialogs_.messages.size(), std::size_t(1));
            QCOMPARE(dialogs_.messages[0].text, QStringLiteral("Invalid password."));
            QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("R-4000 Software"));
            QCOMPARE(password->selectedText(), typed);
        }
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("reentry");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("nameShown");
        QTest::addColumn<bool>("accepted");
        const QString trimmed =
            QStringLiteral("Leading and trailing white-spaces was removed from system name. ");
        QTest::newRow("good") << "Tower"
                              << "pw"
                              << "pw" << QStringList() << "Tower" << true;
        QTest::newRow("blanks are trimmed and the save goes on")
            << "  Tower "
            << "pw"
            << "pw" << QStringList{trimmed} << "Tower" << true;
        QTest::newRow("slash in the name")
            << "To/wer"
            << "pw"
            << "pw"
            << QStringList{QStringLiteral(
                   "Enter using up to 15 characters. (except \\/:,;*?\"<>|)")}
            << "To/wer" << false;
        // Sixteen characters cannot be typed (the fields take fifteen); the model refuses an
        // empty password with the same message.
        QTest::newRow("empty password")
            << "Tower"
            << ""
            << "" << QStringList{QStringLiteral("Enter using up to 15 characters.")} << "Tower"
            << false;
        QTest::newRow("different re-entry before the name is examined")
            << " To/wer"
            << "pw"
            << "pv" << QStringList{trimmed, QStringLiteral("Enter the same password twice.")}
            << "To/wer" << false;
        QTest::newRow("non-ASCII name")
            << QStringLiteral("Tür") << "pw"
            << "pw"
            << QStringList{QStringLiteral("Enter using up to 15 characters. (except "
                                          "\\/:,;*?\"<>|)")}
            << QStringLiteral("Tür") << false;
    }

    void saveChecksInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, reentry);
        QFETCH(QStringList, messages);
        QFETCH(QString, nameShown);
        QFETCH(bool, accepted);
        R4000System system;
        DlgSave dialog(resources_, system, kCodePage, dialogs_);
        dialog.findChild<QLineEdit*>(QStringLiteral("systemName"))->setText(name);
        dialog.findChild<QLineEdit*>(QStringLiteral("password"))->setText(password);
        dialog.findChild<QLineEdit*>(QStringLiteral("reentry"))->setText(reentry);
        dialog.accept();
        QStringList shown;
        for (const auto& message : dialogs_.messages)
            shown << message.text;
        QCOMPARE(shown, messages);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("systemName"))->text(), nameShown);
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        // A refused save leaves the system as it was.
        QCOMPARE(system.systemName(), accepted ? std::string("Tower") : std::string("R-4000"));
        if (accepted)
            QCOMPARE(dialog.systemName(), std::string("Tower"));
    }

    void loginPromptNamesTheUnitAndStartsWithTheTriedCredentials()
    {
        DlgCertification2 dialog(resources_, QStringLiteral("192.168.1.10"), 8080,
                                 QStringLiteral("Tower"), QStringLiteral("r4000"));
        QCOMPARE(dialog.prompt(),
                 QStringLiteral("Enter system name and password.\n(IP Address:192.168.1.10, "
                                "Web port:8080)"));
        QCOMPARE(dialog.systemName(), QStringLiteral("Tower"));
        QCOMPARE(dialog.password(), QStringLiteral("r4000"));
    }

    // A unit's login comes up while a long command's wait window is shown: it must open over
    // that window, not under it.
    void loginOpensOverTheWaitWindow()
    {
        QVERIFY(SystemFixture::save(data(), "Tower", {}, 1));
        dialogs_.selectName = "Tower";
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data();
        options.dialogs = &dialogs_;
        R4000App app(std::move(options));
        QVERIFY(app.initInstance());
        WidgetDialogs widgets(app);
        DlgMsg wait(resources_, QStringLiteral("Uploading settings file."), app.frame());
        QWidget* parent = nullptr;
        QTimer::singleShot(0, this, [&] {
            QWidget* login = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<DlgCertification2*>(login));
            parent = login->parentWidget();
            static_cast<QDialog*>(login)->reject();
        });
        QVERIFY(!widgets.unitCredentials("198.18.1.10", 80, {"Tower", "r4000"}));
        QCOMPARE(parent, &wait);
    }

    // The work it waits for closes it, not the user.
    void waitWindowStaysUntilTheWorkEnds()
    {
        auto wait = std::make_unique<DlgMsg>(resources_, QStringLiteral("Downloading settings file."),
                                             nullptr);
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->windowModality(), Qt::ApplicationModal);
        QTest::keyClick(wait.get(), Qt::Key_Escape);
        QVERIFY(!wait->close());
        QVERIFY(wait->isVisible());
        wait.reset();
        QVERIFY(!QApplication::activeModalWidget());
    }

    void workerWaitsForTheAnswerOfTheUserInterfaceThread()
    {
        dialogs_.credentialsAnswer = Credentials{"Tower", "secret"};
        UiCredentialsPrompt prompt(dialogs_);
        std::optional<Credentials> answer;
        std::atomic<bool> done{false};
        std::thread worker([&] {
            answer = prompt.ask("192.168.1.10", 80, {"R-4000", "r4000"});
            done = true;
        });
        QTRY_VERIFY(done.load());
        worker.join();
        QVERIFY(answer.has_value());
        QCOMPARE(answer->password, std::string("secret"));
        QCOMPARE(dialogs_.credentialRequests.size(), std::size_t(1));
        QCOMPARE(dialogs_.credentialRequests[0].thread, QThread::currentThread());
        QCOMPARE(dialogs_.credentialRequests[0].tried.name, std::string("R-4000"));

        // Cancel reaches the worker as no answer.
        dialogs_.credentialsAnswer.reset();
        done = false;
        std::thread cancelled([&] {
            answer = prompt.ask("192.168.1.10", 80, {"R-4000", "r4000"});
            done = true;
        });
        QTRY_VERIFY(done.load());
        cancelled.join();
        QVERIFY(!answer.has_value());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
