#pragma once

#include "CR4700Player.h"
#include "CR4700Recorder.h"

#include <QWidget>
#include <set>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QTreeWidget;
class R4000MessageDoc;
class ToolHost;
struct ReportBlock;

// The list of the system's own messages, and what is done with one: record from the sound
// input, play, pause and stop, new, save under a name, import from and export to WAVE
// files, rename and delete. The bar shows the time of a recording (20 s at most) or of the
// message playing, moved on by a 100 ms timer.
class DlgMessageList : public QWidget
{
    Q_OBJECT

public:
    DlgMessageList(ToolHost& host, R4000MessageDoc& document, QWidget* parent = nullptr);
    ~DlgMessageList() override;

    // Shows the document's list again, with its message selected.
    void refreshList();

    void record();
    void play();
    void pause();
    void stop();
    void newMessage();
    // Saves the message under a name the user gives; false when it was not saved.
    bool save();
    void importWave();
    void exportWave();
    // The same for a message file chosen by the user (".pmf" or ".wav").
    void openFile();
    void deleteMessage();
    void renameMessage();
    // Before the message is replaced or the tool closes: ends playing and recording and asks
    // about a recording not saved; false when the user cancelled.
    bool letGoOfMessage();

    bool isRecording() const { return recorder_.IsRecording(); }
    bool isPlaying() const { return player_.IsLoaded(); }
    bool isPaused() const { return player_.IsLoaded() && player_.IsPaused(); }
    bool hasMessage() const;
    bool hasSelection() const;
    // The list as printed: name, recording date and length of every message.
    ReportBlock listBlock() const;

signals:
    // Recording or playing started or ended: the commands that apply change.
    void stateChanged();
    // From the audio threads, delivered queued on the window's thread.
    void recordingEnded();
    void playingEnded();

private:
    void onRecordingEnded();
    void onPlayingEnded();
    void onSelectionChanged();
    // A WAVE file becomes the message, unless a message of its name is listed.
    void importFile(const QString& path);
    void tick();
    void updateButtons();
    // Before the message is replaced: Yes saves, No discards; false on Cancel.
    bool settleUnsaved();
    void finishRecording();
    void showError(int captionId, int textId);
    void select(const std::string& title);
    std::string selectedTitle() const;
    // The titles of the system's own messages.
    std::set<std::string> titles() const;
    // The gain step of the volume slider, in dB.
    int gain() const;
    void startProgress(int maximumMs);
    void stopProgress(bool full);

    ToolHost& host_;
    R4000MessageDoc& document_;
    CR4700Recorder recorder_;
    CR4700Player player_;
    QTreeWidget* list_;
    QPushButton* rec_;
    QPushButton* play_;
    QPushButton* pause_;
    QPushButton* stop_;
    QPushButton* new_;
    QPushButton* save_;
    QPushButton* load_;
    QPushButton* export_;
    QSlider* volume_;
    QProgressBar* progress_;
    QTimer* ticks_;
    // The title the list shows selected, kept while a question may still take it back.
    std::string shown_;
};
