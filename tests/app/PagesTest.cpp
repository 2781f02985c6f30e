// Pages over the model: a page lets go of the model before every rebuild of the current
// system's document and takes it again after it, and the model's notifications reach it as a
// Qt signal.
#include "ModelObserver.h"
#include "ModelPage.h"
#include "PageAttachment.h"
#include "R4000App.h"
#include "R4000ConfigDoc.h"
#include "R4000System.h"
#include "ResourceIds.h"
#include "ScriptedDialogs.h"
#include "SystemFixture.h"
#include "TempFolder.h"
#include "ToolView.h"

#include <QAction>
#include <QtTest>

namespace {

// Records what it is told, with the number of units the model holds at that moment: a
// detach must still see the model it was given, whole.
class RecordingPage : public ModelPage
{
public:
    void attach(System& system) override
    {
        system_ = &system;
        events << QStringLiteral("attach %1").arg(system.registeredCount());
    }
    void detach() override
    {
        events << (system_ ? QStringLiteral("detach %1").arg(system_->registeredCount())
                           : QStringLiteral("detach unattached"));
        system_ = nullptr;
    }
    void refresh() override {}
    bool commitField(int) override { return false; }

    QStringList events;

private:
    System* system_ = nullptr;
};

} // namespace

class PagesTest : public QObject
{
    Q_OBJECT

private slots:
    void pageIsDetachedAroundEveryRebuild()
    {
        TempFolder data;
        QVERIFY(SystemFixture::save(data.path(), "Tower", {}, 2));
        QVERIFY(SystemFixture::save(data.path(), "Annex", {}, 1));
        ScriptedDialogs dialogs;
        dialogs.selectName = "Tower";
        R4000App::Options options;
        options.libraryDirectory = R4000_LIBRARY_DIR;
        options.dataFolder = data.path();
        options.dialogs = &dialogs;
        R4000App app(std::move(options));
        QVERIFY(app.initInstance());

        RecordingPage page;
        {
            const PageAttachment attachment(app.document(), page);
            app.switchView(ToolId::Config); // loads Tower
            ToolView& tool = *app.view(ToolId::Config);
            dialogs.answers = {true};
            tool.action(CommandId::Save)->trigger(); // writes, then loads what was written
            dialogs.selectName = "Annex";
            dialogs.choices = {UserDialogs::Answer::No, UserDialogs::Answer::No};
            tool.action(CommandId::Open)->trigger();
            tool.action(CommandId::New)->trigger();
            QCOMPARE(app.configDoc().currentSystemName(), std::string());
        }
        QCOMPARE(page.events,
                 QStringList({"attach 0", "detach 0", "attach 2", "detach 2", "attach 2",
                              "detach 2", "attach 1", "detach 1", "attach 0", "detach 0"}));
        QCOMPARE(dialogs.messages.size(), std::size_t(3)); // the questions before each command
    }

    void modelNotificationsArriveAsASignal()
    {
        R4000System system;
        QStringList hints;
        {
            ModelObserver observer;
            connect(&observer, &ModelObserver::changed, this,
                    [&](const QString& hint) { hints << hint; });
            observer.observe(system);
            system.setScanAssignCount(2);
            system.notifyObservers("assign_no");
            system.notifyObservers("assign_no"); // nothing changed since
            QVERIFY(system.hasObserver(&observer));
            observer.release();
            QVERIFY(!system.hasObserver(&observer));
            observer.observe(system);
        }
        // The observer let go when it went: the model can still tell its observers.
        system.setScanAssignCount(3);
        system.notifyObservers("assign_no");
        QCOMPARE(hints, QStringList{QStringLiteral("assign_no")});
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
