// The password-change dialog over a model: every check of OK in its order, what each
// refusal tells and leaves in the system, and the clock dialog's time.
#include "DlgChangePasswd.h"
#include "DlgTime.h"
#include "PasswordCodec.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ScriptedDialogs.h"
#include "UserMessages.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

class ChangePasswdTest : public QObject
{
    Q_OBJECT

private:
    ResourceChain resources_{QStringLiteral("en")};
    ScriptedDialogs dialogs_;
    UserMessages messages_{resources_, dialogs_};
    std::unique_ptr<R4000System> system_;

    static void type(QDialog& dialog, const char* field, const QString& text)
    {
        auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
        QVERIFY2(edit, field);
        edit->setText(text);
    }

    QStringList told()
    {
        QStringList texts;
        for (const auto& message : dialogs_.messages)
            texts << message.text;
        dialogs_.messages.clear();
        return texts;
    }

private slots:
    void init()
    {
        system_ = std::make_unique<R4000System>(Locale::fromCode("en"));
        QVERIFY(system_->setSystemName("Tower"));
        QVERIFY(system_->setPassword(PasswordCodec::encode("secret", "Tower")));
        dialogs_ = ScriptedDialogs();
    }

    void systemPageOpensWithTheSystemsNameAndPassword()
    {
        DlgChangePasswd dialog(resources_, messages_, *system_);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("systemName"))->text(),
                 QStringLiteral("Tower"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("password"))->text(),
                 QStringLiteral("secret"));
        // Accepted unchanged: nothing to send, and the system as it was.
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(system_->systemName(), "Tower");
    }

    // Each refusal keeps the dialog open and the system's name and password as they were.
    void systemPageRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("reentry");
        QTest::addColumn<QString>("message");
        QTest::newRow("twice differently") << "Hall"
                                           << "one"
                                           << "two"
                                           << "Enter the same password twice.";
        QTest::newRow("forbidden character")
            << "Ha:ll"
            << "one"
            << "one"
            << "Enter using up to 15 characters. (except \\/:,;*?\"<>|)";
        QTest::newRow("empty password") << "Hall"
                                        << ""
                                        << ""
                                        << "Enter using up to 15 characters.";
        QTest::newRow("not ASCII") << "Hall" << QString::fromUtf8("só") << QString::fromUtf8("só")
                                   << "Enter using up to 15 characters.";
    }

    void systemPageRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, reentry);
        QFETCH(QString, message);
        const std::string stored = system_->password();
        DlgChangePasswd dialog(resources_, messages_, *system_);
        type(dialog, "systemName", name);
        type(dialog, "password", password);
        type(dialog, "reentry", reentry);
        dialog.accept();
        QCOMPARE(told(), QStringList{message});
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(system_->systemName(), "Tower");
        QCOMPARE(system_->password(), stored);
    }

    void nameWithSpacesIsTrimmedAndTheUserTold()
    {
        DlgChangePasswd dialog(resources_, messages_, *system_);
        type(dialog, "systemName", QStringLiteral("  Hall "));
        dialog.accept();
        QCOMPARE(dialogs_.messages.size(), std::size_t(1));
        QVERIFY(dialogs_.messages[0].icon == UserDialogs::Icon::Information);
        QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("R-4000 Software"));
        QCOMPARE(told(), QStringList{QStringLiteral(
                             "Leading and trailing white-spaces was removed from system name. ")});
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("systemName"))->text(),
                 QStringLiteral("Hall"));
        QCOMPARE(system_->systemName(), "Hall");
        QCOMPARE(system_->plainPassword(), "secret");
    }

    void maintenancePageChecksInOrder_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("reentry");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong current") << "1111"
                                       << "1234"
                                       << "1234"
                                       << "Invalid password.";
        QTest::newRow("twice differently") << "8629"
                                           << "1234"
                                           << "1235"
                                           << "Enter the same password twice.";
        QTest::newRow("three digits") << "8629"
                                      << "123"
                                      << "123"
                                      << "Enter 4 digits number.";
        QTest::newRow("letters") << "8629"
                                 << "12a4"
                                 << "12a4"
                                 << "Enter 4 digits number.";
        QTest::newRow("taken") << "8629"
                               << "1234"
                               << "1234"
                               << "";
    }

    void maintenancePageChecksInOrder()
    {
        QFETCH(QString, current);
        QFETCH(QString, password);
        QFETCH(QString, reentry);
        QFETCH(QString, message);
        DlgChangePasswd dialog(resources_, messages_, *system_);
        dialog.pages().setCurrentIndex(DlgChangePasswd::MaintenancePage);
        // The system page's fields are not what OK takes here.
        type(dialog, "systemName", QStringLiteral("Other"));
        type(dialog, "currentMaintenance", current);
        type(dialog, "maintenance", password);
        type(dialog, "maintenanceReentry", reentry);
        dialog.accept();
        QCOMPARE(told(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(dialog.result() == QDialog::Accepted, message.isEmpty());
        QCOMPARE(system_->maintenancePassword(), message.isEmpty() ? "1234" : "8629");
        QCOMPARE(system_->systemName(), "Tower");
    }

    void enterDoesNotCloseTheDialog()
    {
        DlgChangePasswd dialog(resources_, messages_, *system_);
        dialog.show();
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("systemName")), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialogs_.messages.empty());
    }

    void clockShowsTheTimeInItsFormat()
    {
        DlgTime dialog(resources_);
        const QString shown = dialog.findChild<QLineEdit*>(QStringLiteral("currentTime"))->text();
        QVERIFY2(
            QRegularExpression(QStringLiteral("^[A-Z][a-z]{2}/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"))
                .match(shown)
                .hasMatch(),
            qPrintable(shown));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("System clock settings"));
    }
};

QTEST_MAIN(ChangePasswdTest)
#include "ChangePasswdTest.moc"
