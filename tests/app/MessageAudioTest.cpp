// The Message Tool's recording and playing against a private sound server (with-pulse.sh):
// a null sink whose monitor is the default source, so what is played comes back as input.
#include "CR4700Player.h"
#include "CR4700Recorder.h"
#include "MessageToolFixture.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <cmath>

namespace {

// Power of one frequency (Goertzel).
double power(const std::vector<std::int16_t>& samples, double hz)
{
    const double coeff = 2 * std::cos(2 * M_PI * hz / 16000);
    double s1 = 0;
    double s2 = 0;
    for (std::int16_t x : samples) {
        const double s0 = x + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coeff * s1 * s2;
}

std::vector<std::int16_t> widebandOf(CR4700RecordData& record)
{
    std::vector<std::uint8_t> pcm(record.WidebandLength());
    std::size_t length = 0;
    record.GetWideband(pcm.data(), pcm.size(), length);
    return msgtest::Samples(pcm);
}

// Whether hz stands out of what was recorded.
bool dominates(const std::vector<std::int16_t>& samples, double hz)
{
    const double at = power(samples, hz);
    for (double other : {450.0, 1500.0, 2300.0, 3100.0})
        if (at < 50 * power(samples, other))
            return false;
    return at > 0;
}

} // namespace

class MessageAudioTest : public MessageToolFixture
{
    Q_OBJECT

    QProgressBar& progress() const
    {
        return *list().findChild<QProgressBar*>(QStringLiteral("progress"));
    }
    QPushButton& button(const char* name) const
    {
        return *list().findChild<QPushButton*>(QString::fromLatin1(name));
    }

private slots:
    void init()
    {
        makeFolders();
        QVERIFY(saveSystem({"R-4700MS"}));
    }
    void cleanup() { app_.reset(); }

    // A tone played into the sink while the tool records becomes the message; saved and
    // played by the tool, it comes back out of the sink, and the bar ends with it.
    void recordsThenPlaysBackWhatWasHeard()
    {
        QVERIFY(start());
        QTest::mouseClick(&button("rec"), Qt::LeftButton);
        QVERIFY(list().isRecording());
        QVERIFY(!button("rec").isEnabled());
        QVERIFY(button("stop").isEnabled());
        QCOMPARE(progress().maximum(), 20000);

        CR4700RecordData heard = tone(1.0, 1000);
        CR4700Player outside;
        QVERIFY(outside.Play(&heard, true, {}));
        QTest::qWait(1500);
        QVERIFY(progress().value() >= 1000);
        QTest::mouseClick(&button("stop"), Qt::LeftButton);
        QVERIFY(!list().isRecording());
        QVERIFY(document().isModified());
        QVERIFY(document().record().WidebandLength() >= 32000);
        QVERIFY(dominates(widebandOf(document().record()), 1000));

        dialogs_.dialogAnswers = {{{{QStringLiteral("name"), QStringLiteral("Heard")}}, true}};
        QVERIFY(list().save());
        QCOMPARE(shownTitles(), QStringList({QStringLiteral("Heard")}));

        CR4700Recorder monitor;
        QVERIFY(monitor.Start({}, 10));
        QSignalSpy ended(&list(), &DlgMessageList::playingEnded);
        QTest::mouseClick(&button("play"), Qt::LeftButton);
        QVERIFY(list().isPlaying());
        QVERIFY(ended.wait(10000));
        QTest::qWait(300);
        QVERIFY(monitor.Stop());
        CR4700RecordData played;
        QVERIFY(monitor.BuildRecord(&played));
        QVERIFY(dominates(widebandOf(played), 1000));
        // Where playing ends: the bar full, the player idle, Play offered again.
        QCOMPARE(progress().value(), progress().maximum());
        QVERIFY(!list().isPlaying());
        QVERIFY(button("play").isEnabled());
        QVERIFY(!button("stop").isEnabled());
    }

    void pauseHoldsTheBarAndPlayGoesOn()
    {
        QVERIFY(writeMessage(ownFolder() + "/Long.pmf", 3.0));
        QVERIFY(start());
        selectRow(0);
        QSignalSpy ended(&list(), &DlgMessageList::playingEnded);
        list().play();
        QTest::qWait(600);
        list().pause();
        QVERIFY(list().isPaused());
        QVERIFY(button("play").isEnabled());
        QVERIFY(!button("pause").isEnabled());
        const int held = progress().value();
        QVERIFY(held > 0 && held < 3000);
        QTest::qWait(700);
        QCOMPARE(progress().value(), held);
        QCOMPARE(ended.count(), 0);
        list().play();
        QVERIFY(!list().isPaused());
        QVERIFY(ended.wait(8000));
        QCOMPARE(progress().value(), progress().maximum());
        QVERIFY(told().isEmpty());
    }

    void deleteIsRefusedWhilePlayingOrRecording()
    {
        QVERIFY(writeMessage(ownFolder() + "/Long.pmf", 3.0));
        QVERIFY(start());
        selectRow(0);
        list().play();
        QVERIFY(list().isPlaying());
        list().deleteMessage();
        QCOMPARE(told(), QStringList({QStringLiteral("再生中はメッセージを削除できません。")}));
        list().stop();
        QVERIFY(!list().isPlaying());
        QCOMPARE(progress().value(), 0);

        selectRow(0);
        list().record();
        QVERIFY(list().isRecording());
        list().deleteMessage();
        QCOMPARE(told().back(), QStringLiteral("録音中はメッセージを削除できません。"));
        QVERIFY(std::filesystem::exists(ownFolder() + "/Long.pmf"));
        // Leaving the tool ends the recording and asks about it; No gives it up.
        dialogs_.choices = {UserDialogs::Answer::No};
        view().closeTool();
        QVERIFY(!list().isRecording());
        QCOMPARE(app_->currentView(), app_->view(ToolId::Launcher));
    }
};

QTEST_MAIN(MessageAudioTest)
#include "MessageAudioTest.moc"
