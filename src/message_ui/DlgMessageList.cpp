#include "DlgMessageList.h"

#include "CR4700RecordData.h"
#include "DlgMessageSave.h"
#include "FileOps.h"
#include "Locale.h"
#include "MessageError.h"
#include "MessageErrors.h"
#include "MessageFile.h"
#include "MessageFolder.h"
#include "ModelText.h"
#include "R4000MessageDoc.h"
#include "ReportBlock.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "ToolHost.h"
#include "UserMessages.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

namespace {

enum Control {
    RecButton = 1000,
    PlayButton = 1001,
    PauseButton = 1002,
    StopButton = 1003,
    NewButton = 1004,
    SaveButton = 1005,
    LoadButton = 1006,
    ExportButton = 1007,
    VolumeLabel = 1008
};

enum Column { NameColumn, DateColumn, LengthColumn };

constexpr int kRecordSeconds = 20;
constexpr int kTickMs = 100;
constexpr int kTitleRole = Qt::UserRole;

// "%b/%d/%Y %H:%M" with the month's English abbreviation, whatever the locale.
QString dateText(const RecordTime& date)
{
    const QDateTime time(QDate(date.year, date.month, date.day),
                         QTime(date.hour, date.minute, date.second));
    return QLocale::c().toString(time, QStringLiteral("MMM/dd/yyyy HH:mm"));
}

// The length of a message of bytes of wideband PCM, in milliseconds.
int lengthMs(std::size_t bytes)
{
    return int(bytes * 1000 / CR4700Recorder::kBytesPerSecond);
}

QString pathText(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

DlgMessageList::DlgMessageList(ToolHost& host, R4000MessageDoc& document, QWidget* parent)
    : QWidget(parent), host_(host), document_(document), list_(new QTreeWidget(this)),
      volume_(new QSlider(Qt::Horizontal, this)), progress_(new QProgressBar(this)),
      ticks_(new QTimer(this))
{
    const ResourceChain& resources = host.resources();
    const auto text = [&](int control) {
        return resources.dialogText(DialogId::MessageList, control);
    };
    const auto button = [&](int control, const char* name) {
        auto* b = new QPushButton(text(control), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    rec_ = button(RecButton, "rec");
    play_ = button(PlayButton, "play");
    pause_ = button(PauseButton, "pause");
    stop_ = button(StopButton, "stop");
    new_ = button(NewButton, "new");
    save_ = button(SaveButton, "save");
    load_ = button(LoadButton, "load");
    export_ = button(ExportButton, "export");

    list_->setObjectName(QStringLiteral("messages"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderLabels({resources.string(StringId::MessageNameHeading),
                            resources.string(StringId::MessageDateHeading),
                            resources.string(StringId::MessageLengthHeading)});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);
    list_->header()->setMinimumSectionSize(120);

    volume_->setObjectName(QStringLiteral("volume"));
    volume_->setRange(-5, 5);
    volume_->setPageStep(1);
    volume_->setTickPosition(QSlider::TicksBelow);
    volume_->setTickInterval(1);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setTextVisible(false);
    progress_->setRange(0, kRecordSeconds * 1000);
    progress_->setValue(0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {rec_, play_, pause_, stop_})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    for (QPushButton* b : {new_, save_, load_, export_})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    auto* volume = new QHBoxLayout;
    volume->addWidget(new QLabel(text(VolumeLabel), this));
    volume->addWidget(volume_, 1);
    layout->addLayout(volume);
    layout->addWidget(progress_);

    connect(rec_, &QPushButton::clicked, this, &DlgMessageList::record);
    connect(play_, &QPushButton::clicked, this, &DlgMessageList::play);
    connect(pause_, &QPushButton::clicked, this, &DlgMessageList::pause);
    connect(stop_, &QPushButton::clicked, this, &DlgMessageList::stop);
    connect(new_, &QPushButton::clicked, this, &DlgMessageList::newMessage);
    connect(save_, &QPushButton::clicked, this, &DlgMessageList::save);
    connect(load_, &QPushButton::clicked, this, &DlgMessageList::importWave);
    connect(export_, &QPushButton::clicked, this, &DlgMessageList::exportWave);
    // Queued: what a selection leads to (a question, a save) may rebuild the list, which the
    // view must not see while it is still handling the click.
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &DlgMessageList::onSelectionChanged,
            Qt::QueuedConnection);
    connect(volume_, &QSlider::valueChanged, this, [this] {
        if (isPlaying())
            player_.SetVolume(gain());
    });
    // The audio threads end recording and playing; the window hears of it on its own thread.
    connect(this, &DlgMessageList::recordingEnded, this, &DlgMessageList::onRecordingEnded,
            Qt::QueuedConnection);
    connect(this, &DlgMessageList::playingEnded, this, &DlgMessageList::onPlayingEnded,
            Qt::QueuedConnection);
    connect(ticks_, &QTimer::timeout, this, &DlgMessageList::tick);
    ticks_->setInterval(kTickMs);
    ticks_->setTimerType(Qt::PreciseTimer);
    updateButtons();
}

DlgMessageList::~DlgMessageList()
{
    // The audio threads call into this window: they end before it goes.
    player_.StopThread();
    recorder_.Stop();
}

bool DlgMessageList::hasMessage() const
{
    return document_.record().HasData();
}

bool DlgMessageList::hasSelection() const
{
    return list_->currentItem() && list_->currentItem()->isSelected();
}

std::set<std::string> DlgMessageList::titles() const
{
    std::set<std::string> taken;
    for (const auto& entry : document_.messages())
        taken.insert(entry.first);
    return taken;
}

int DlgMessageList::gain() const
{
    return volume_->value() * 3;
}

void DlgMessageList::refreshList()
{
    const int codePage = host_.locale().codePage();
    const QSignalBlocker blocker(list_);
    list_->clear();
    FileOps& files = host_.files();
    for (const auto& [title, path] : document_.messages()) {
        CR4700RecordData::Header header;
        const bool readable = MessageFile::readHeader(files, path, header);
        auto* item = new QTreeWidgetItem(list_);
        item->setText(NameColumn, ModelText::toUi(title, codePage));
        item->setData(NameColumn, kTitleRole, QByteArray::fromStdString(title));
        if (readable) {
            item->setText(DateColumn, dateText(header.date));
            item->setText(LengthColumn,
                          QString::fromStdString(MessageFile::lengthText(
                              header.widebandCode * 4, CR4700Recorder::kBytesPerSecond)));
        }
    }
    const bool own = !document_.isModified() && !document_.path().empty() &&
                     document_.path() == document_.ownPath(document_.title());
    select(own ? document_.title() : std::string());
    updateButtons();
}

void DlgMessageList::select(const std::string& title)
{
    const QSignalBlocker blocker(list_);
    list_->clearSelection();
    list_->setCurrentItem(nullptr);
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->data(NameColumn, kTitleRole).toByteArray().toStdString() == title &&
            !title.empty()) {
            list_->setCurrentItem(item);
            item->setSelected(true);
            list_->scrollToItem(item);
        }
    }
    shown_ = title;
}

std::string DlgMessageList::selectedTitle() const
{
    return hasSelection()
               ? list_->currentItem()->data(NameColumn, kTitleRole).toByteArray().toStdString()
               : std::string();
}

void DlgMessageList::onSelectionChanged()
{
    const std::string title = selectedTitle();
    if (title == shown_)
        return;
    if (!letGoOfMessage()) {
        select(shown_);
        return;
    }
    // Saving the recording may have rebuilt the list around another message: the one the user
    // chose is the one shown and opened.
    select(title);
    if (title.empty())
        return;
    const auto path = document_.messages().find(title);
    const int error = path == document_.messages().end() ? MessageError::FileNotFound
                                                         : document_.open(path->second);
    if (error != MessageError::None) {
        host_.messages().fail(
            StringId::MessageNotRead,
            {pathText(document_.ownPath(title)) +
             (document_.problem().empty()
                  ? QString()
                  : QStringLiteral(": ") + QString::fromStdString(document_.problem()))});
        document_.newDocument({}, {});
        select({});
    }
    stopProgress(false);
    updateButtons();
}

bool DlgMessageList::settleUnsaved()
{
    if (!document_.isModified() || !hasMessage())
        return true;
    switch (host_.messages().askOrCancel(StringId::Caption, StringId::SaveRecordingQuestion)) {
    case UserDialogs::Answer::Yes:
        return save();
    case UserDialogs::Answer::No:
        document_.newDocument({}, {});
        return true;
    default:
        return false;
    }
}

void DlgMessageList::showError(int captionId, int textId)
{
    host_.messages().show(captionId, host_.resources().string(textId), UserDialogs::Icon::Error);
}

void DlgMessageList::startProgress(int maximumMs)
{
    progress_->setRange(0, std::max(1, maximumMs));
    progress_->setValue(0);
    ticks_->start();
}

void DlgMessageList::stopProgress(bool full)
{
    ticks_->stop();
    progress_->setValue(full ? progress_->maximum() : 0);
}

void DlgMessageList::tick()
{
    if (isPaused())
        return;
    progress_->setValue(std::min(progress_->maximum(), progress_->value() + kTickMs));
}

void DlgMessageList::record()
{
    if (isRecording())
        return;
    if (isPlaying())
        player_.Stop();
    if (!settleUnsaved())
        return;
    if (!recorder_.Start([this](int, int) { emit recordingEnded(); }, kRecordSeconds)) {
        const auto box = MessageErrors::recordStart(recorder_.LastError());
        showError(box.caption, box.text);
        return;
    }
    select({});
    startProgress(kRecordSeconds * 1000);
    updateButtons();
    emit stateChanged();
}

void DlgMessageList::onRecordingEnded()
{
    if (isRecording())
        finishRecording();
}

void DlgMessageList::finishRecording()
{
    const bool stopped = recorder_.Stop();
    // The bar stays at the length recorded.
    ticks_->stop();
    auto record = std::make_unique<CR4700RecordData>();
    if (!stopped) {
        const auto box = MessageErrors::stopRecord(recorder_.LastError());
        showError(box.caption, box.text);
    } else if (!recorder_.BuildRecord(record.get())) {
        showError(StringId::RecordErrorCaption, StringId::RecordFailed);
    } else {
        document_.replaceRecord(std::move(record));
        // A recording cut short by a failing input keeps what came before; the user is told.
        if (recorder_.InputFailed())
            showError(StringId::RecordErrorCaption, StringId::RecordFailed);
    }
    updateButtons();
    emit stateChanged();
}

void DlgMessageList::play()
{
    if (isPaused()) {
        if (!player_.Play(&document_.record(), true, {})) {
            const auto box = MessageErrors::play(player_.LastError());
            showError(box.caption, box.text);
        }
        updateButtons();
        emit stateChanged();
        return;
    }
    if (isRecording() || !hasMessage())
        return;
    if (!player_.SetVolume(gain())) {
        showError(StringId::PlayErrorCaption, StringId::PlayGainFailed);
        return;
    }
    if (!player_.Play(&document_.record(), true, [this](int, int) { emit playingEnded(); })) {
        const auto box = MessageErrors::play(player_.LastError());
        showError(box.caption, box.text);
        return;
    }
    startProgress(lengthMs(document_.record().WidebandLength()));
    updateButtons();
    emit stateChanged();
}

void DlgMessageList::onPlayingEnded()
{
    // The end hook has unloaded the player; its worker is reaped by the next play or stop.
    if (isPlaying())
        return;
    player_.StopThread();
    stopProgress(true);
    updateButtons();
    emit stateChanged();
}

void DlgMessageList::pause()
{
    if (!player_.Pause()) {
        const auto box = MessageErrors::pause(player_.LastError());
        showError(box.caption, box.text);
    }
    updateButtons();
    emit stateChanged();
}

void DlgMessageList::stop()
{
    if (isRecording()) {
        finishRecording();
        return;
    }
    if (!player_.Stop()) {
        const auto box = MessageErrors::stopPlay(player_.LastError());
        showError(box.caption, box.text);
    }
    stopProgress(false);
    updateButtons();
    emit stateChanged();
}

void DlgMessageList::newMessage()
{
    if (!letGoOfMessage())
        return;
    document_.newDocument({}, {});
    select({});
    stopProgress(false);
    updateButtons();
}

bool DlgMessageList::save()
{
    if (!hasMessage() || isRecording())
        return false;
    if (isPlaying())
        stop();
    const std::string current =
        document_.isModified() ? document_.record().Name() : document_.title();
    DlgMessageSave dialog(host_.resources(), host_.messages(), host_.locale().codePage(), titles(),
                          current, window());
    if (host_.dialogs().exec(dialog) != QDialog::Accepted)
        return false;

    // The volume is made part of the message; what is saved is a copy until it is written.
    auto saved = std::make_unique<CR4700RecordData>(document_.record());
    if (gain() != 0 && !saved->ApplyGain(gain())) {
        showError(StringId::SaveErrorCaption, StringId::SaveGainFailed);
        return false;
    }
    saved->SetName(dialog.name());
    if (!document_.saveRecord(std::move(saved), document_.ownPath(dialog.name()))) {
        showError(StringId::SaveErrorCaption, StringId::SaveFailedText);
        return false;
    }
    volume_->setValue(0);
    refreshList();
    return true;
}

void DlgMessageList::importWave()
{
    if (!letGoOfMessage())
        return;
    const QString path = host_.dialogs().openFileName(
        host_.resources().dialogText(DialogId::MessageList, LoadButton), QString(),
        QStringLiteral("*.wav"));
    if (!path.isEmpty())
        importFile(path);
}

void DlgMessageList::importFile(const QString& path)
{
    std::string title;
    if (ModelText::fromUi(QFileInfo(path).completeBaseName(), host_.locale().codePage(), title) &&
        document_.messages().count(title)) {
        host_.messages().tell(StringId::AlreadyImported);
        return;
    }
    const int error = document_.open(pathBytes(path));
    if (error != MessageError::None) {
        const auto box = MessageErrors::import(error);
        showError(box.caption, box.text);
        return;
    }
    select({});
    stopProgress(false);
    updateButtons();
}

void DlgMessageList::openFile()
{
    if (!letGoOfMessage())
        return;
    const QString path = host_.dialogs().openFileName(
        host_.resources().stringField(MenuId::Message, 3), pathText(document_.ownFolder()),
        QStringLiteral("*.pmf *.wav"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0) {
        importFile(path);
        return;
    }
    if (document_.open(pathBytes(path)) != MessageError::None)
        host_.messages().fail(
            StringId::MessageNotRead,
            {path + QStringLiteral(": ") + QString::fromStdString(document_.problem())});
    refreshList();
}

void DlgMessageList::exportWave()
{
    if (!hasMessage() || isRecording())
        return;
    if (document_.isModified()) {
        if (!host_.dialogs().confirm(host_.resources().string(StringId::Caption),
                                     host_.resources().string(StringId::SaveBeforeExport)) ||
            !save())
            return;
    }
    const QString path = host_.dialogs().saveFileName(
        host_.resources().dialogText(DialogId::MessageList, ExportButton),
        ModelText::toUi(document_.title(), host_.locale().codePage()) + QStringLiteral(".wav"),
        QStringLiteral("*.wav"), QStringLiteral("wav"));
    if (path.isEmpty())
        return;
    if (!document_.save(pathBytes(path)))
        showError(StringId::ExportErrorCaption, StringId::ExportFailed);
}

void DlgMessageList::deleteMessage()
{
    if (isPlaying()) {
        host_.messages().tell(StringId::NoDeleteWhilePlaying);
        return;
    }
    if (isRecording()) {
        host_.messages().tell(StringId::NoDeleteWhileRecording);
        return;
    }
    const std::string title = selectedTitle();
    if (title.empty())
        return;
    const QString shown = ModelText::toUi(title, host_.locale().codePage());
    if (!host_.messages().ask(ResourceChain::substitute(
            host_.resources().string(StringId::DeleteMessageQuestion), {shown})))
        return;
    if (!document_.remove(title))
        host_.messages().fail(StringId::MessageNotDeleted, {pathText(document_.ownPath(title))});
    refreshList();
}

void DlgMessageList::renameMessage()
{
    const std::string title = selectedTitle();
    if (title.empty() || isRecording())
        return;
    if (isPlaying())
        stop();
    DlgMessageSave dialog(host_.resources(), host_.messages(), host_.locale().codePage(), titles(),
                          title, window());
    if (host_.dialogs().exec(dialog) != QDialog::Accepted)
        return;
    if (!document_.rename(title, dialog.name()))
        host_.messages().fail(StringId::MessageNotRenamed, {pathText(document_.ownPath(title))});
    refreshList();
}

bool DlgMessageList::letGoOfMessage()
{
    if (isRecording() || isPlaying())
        stop();
    return settleUnsaved();
}

void DlgMessageList::updateButtons()
{
    const bool recording = isRecording();
    const bool playing = isPlaying();
    const bool data = hasMessage();
    rec_->setEnabled(!recording);
    play_->setEnabled(!recording && data && (!playing || isPaused()));
    pause_->setEnabled(playing && !isPaused());
    stop_->setEnabled(recording || playing);
    new_->setEnabled(!recording);
    save_->setEnabled(!recording && data);
    load_->setEnabled(!recording);
    export_->setEnabled(!recording && data);
}

ReportBlock DlgMessageList::listBlock() const
{
    ReportBlock block;
    block.kind = ReportBlock::Kind::Table;
    for (int column = 0; column < list_->columnCount(); ++column)
        block.headings << list_->headerItem()->text(column);
    block.templates = {QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMM"),
                       QStringLiteral("MMM/00/0000 00:00"), QStringLiteral("00.000 sec.")};
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list_->topLevelItem(i);
        block.rows.push_back(
            {item->text(NameColumn), item->text(DateColumn), item->text(LengthColumn)});
    }
    block.keyColumns = 1;
    return block;
}
