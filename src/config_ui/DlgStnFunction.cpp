#include "DlgStnFunction.h"

#include "Exchange.h"
#include "ModelText.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"
#include "WheelGuard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Text {
    IncomingGroup = 1,
    AutomaticLabel,
    ContinuousLabel,
    CallToneLabel,
    LevelGroup,
    MicrophoneLabel,
    SpeakerLabel,
    CallVolumeLabel,
    GroupCallGroup,
    StationNoLabel,
    TransferGroup,
    CallForwardingLabel,
    TimeForwardingLabel,
    AbsenceTransferLabel,
    GroupHuntingLabel,
    BgmGroup,
    ReceivesBgmLabel,
    BgmInputLabel,
    DoorStationModeLabel,
    PriorityAccessLabel,
    PriorityRefusalLabel,
    PagingAccessLabel,
    ExternalControlLabel,
    DoorRemoteGroup,
    MiEquipmentLabel,
    ContactOutputLabel,
    IndicationGroup,
    ControlOutputGroup,
    CalledStationLabel,
    DeleteLabel,
};

// The rows a station list shows; a longer list scrolls.
constexpr int kListRows = 4;

struct SwitchInfo {
    bool (Station::*set)(bool);
    bool (Station::*get)() const;
    const char* key;
    int text;
    const char* name;
};

constexpr SwitchInfo kSwitches[] = {
    {&Station::setAutoCallSignal, &Station::autoCallSignal, "auto_callsig", CallToneLabel,
     "autoCallTone"},
    {&Station::setManualCallSignal, &Station::manualCallSignal, "manual_callsig", CallToneLabel,
     "manualCallTone"},
    {&Station::setDoorTimer, &Station::doorTimer, "door_sta_timer", DoorStationModeLabel,
     "doorStationMode"},
    {&Station::setPriorityStation, &Station::priorityStation, "priority_sta", PriorityAccessLabel,
     "priorityAccess"},
    {&Station::setPriorityLimit, &Station::priorityLimit, "priority_lim", PriorityRefusalLabel,
     "priorityRefusal"},
    {&Station::setPagingReception, &Station::pagingReception, "is_enable_pag", PagingAccessLabel,
     "pagingAccess"},
    {&Station::setControl, &Station::control, "is_enable_ctrl", ExternalControlLabel,
     "externalControl"},
};

struct LevelInfo {
    bool (Station::*set)(int);
    int (Station::*get)() const;
    int max;
    const char* key;
    int text;
    const char* name;
};

constexpr LevelInfo kLevels[] = {
    {&Station::setMicLevel, &Station::micLevel, 3, "mic_level", MicrophoneLabel, "micLevel"},
    {&Station::setSpeakerLevel, &Station::speakerLevel, 5, "sp_level", SpeakerLabel,
     "speakerLevel"},
    {&Station::setSignalLevel, &Station::signalLevel, 5, "sig_level", CallVolumeLabel,
     "callVolume"},
};

struct TransferInfo {
    int field;
    int which;
    const char* key;
    int text;
    const char* name;
};

constexpr TransferInfo kTransfers[] = {
    {DlgStnFunction::CallForwarding, StationImpl::XferAbs, "xfer_abs", CallForwardingLabel,
     "callForwarding"},
    {DlgStnFunction::TimeForwarding, StationImpl::XferTime, "xfer_time", TimeForwardingLabel,
     "timeForwarding"},
    {DlgStnFunction::AbsenceTransfer, StationImpl::XferNoAns, "xfer_noans", AbsenceTransferLabel,
     "absenceTransfer"},
    {DlgStnFunction::GroupHunting, StationImpl::XferBusy, "xfer_busy", GroupHuntingLabel,
     "groupHunting"},
};

QComboBox* numberChoice(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    WheelGuard::guard(*box);
    return box;
}

} // namespace

DlgStnFunction::DlgStnFunction(const ResourceChain& resources, const UserMessages& messages,
                               QWidget* parent)
    : StationPage(resources, messages, DialogId::StnFunction, parent),
      receipt_(new QButtonGroup(this)), receivesBgm_(new QCheckBox(text(ReceivesBgmLabel), this)),
      bgmInput_(numberChoice(this, QStringLiteral("bgmInput"))),
      groupMembers_(new QListWidget(this)), calledStations_(new QListWidget(this))
{
    for (int which = 0; which < SwitchCount; ++which) {
        auto* box = new QCheckBox(text(kSwitches[which].text), this);
        box->setObjectName(QString::fromLatin1(kSwitches[which].name));
        switches_[std::size_t(which)] = box;
        connect(box, &QCheckBox::clicked, this, [this, which](bool on) { setSwitch(which, on); });
    }
    // The groups keep close together so the page fits the tool's window.
    const auto tight = [](QLayout* layout) {
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(2);
        return layout;
    };

    // Incoming calls: each way of answering with its own call tone.
    auto* incoming = new QGroupBox(text(IncomingGroup), this);
    auto* incomingLayout = new QGridLayout(incoming);
    tight(incomingLayout);
    const struct {
        int mode;
        int text;
        const char* name;
        Switch tone;
    } modes[] = {{1, AutomaticLabel, "automaticConnection", AutoCallTone},
                 {0, ContinuousLabel, "continuousCall", ManualCallTone}};
    int row = 0;
    for (const auto& mode : modes) {
        auto* button = new QRadioButton(text(mode.text), incoming);
        button->setObjectName(QString::fromLatin1(mode.name));
        receipt_->addButton(button, mode.mode);
        incomingLayout->addWidget(button, row++, 0, 1, 2);
        incomingLayout->addWidget(switches_[mode.tone], row++, 1);
    }
    incomingLayout->setColumnMinimumWidth(0, 16);
    connect(receipt_, &QButtonGroup::idClicked, this, &DlgStnFunction::setReceiptMode);

    auto* level = new QGroupBox(text(LevelGroup), this);
    auto* levelLayout = new QGridLayout(level);
    tight(levelLayout);
    for (int which = 0; which < LevelCount; ++which) {
        const LevelInfo& info = kLevels[which];
        QComboBox* box = numberChoice(level, QString::fromLatin1(info.name));
        for (int value = 1; value <= info.max; ++value)
            box->addItem(QString::number(value), value);
        levels_[std::size_t(which)] = box;
        levelLayout->addWidget(label(info.text, box), which, 0);
        levelLayout->addWidget(box, which, 1, Qt::AlignLeft);
        connect(box, &QComboBox::activated, this,
                [this, which, box](int index) { setLevel(which, box->itemData(index).toInt()); });
    }

    // Group call and transfers.
    QLineEdit* groupMember = addMemberField(
        GroupMember, QStringLiteral("groupMember"),
        [](const Station& station) { return station.groupMembers().size(); },
        [](Station& station, Station* member) { return station.addGroupMember(member); },
        "gr_member");
    auto* removeMember = new QPushButton(text(DeleteLabel), this);
    removeMember->setObjectName(QStringLiteral("removeGroupMember"));
    groupMembers_->setObjectName(QStringLiteral("groupMembers"));
    groupCall_ = new QGroupBox(text(GroupCallGroup), this);
    groupCall_->setLayout(
        tight(memberRows(StationNoLabel, groupMember, groupMembers_, removeMember)));
    connect(removeMember, &QPushButton::clicked, this,
            [this] { removeGroupMember(groupMembers_->currentRow()); });

    auto* transfer = new QGroupBox(text(TransferGroup), this);
    auto* transferLayout = new QGridLayout(transfer);
    tight(transferLayout);
    std::vector<QWidget*> transfers;
    row = 0;
    for (const TransferInfo& info : kTransfers) {
        const int which = info.which;
        // A station does not transfer its calls to itself.
        QLineEdit* edit = addStationField(
            info.field, QString::fromLatin1(info.name),
            [which](const Station& station) { return station.transfer(which); },
            [which](Station& station, Station* target) {
                return station.setTransfer(which, target);
            },
            info.key, true);
        transferLayout->addWidget(label(info.text, edit), row, 0);
        transferLayout->addWidget(edit, row++, 1);
        transfers.push_back(edit);
    }
    transferLayout->setColumnStretch(2, 1);

    auto* bgm = new QGroupBox(text(BgmGroup), this);
    auto* bgmLayout = new QGridLayout(bgm);
    tight(bgmLayout);
    receivesBgm_->setObjectName(QStringLiteral("receivesBgm"));
    bgmLayout->addWidget(receivesBgm_, 0, 0, 1, 2);
    bgmLayout->addWidget(label(BgmInputLabel, bgmInput_), 1, 0);
    bgmLayout->addWidget(bgmInput_, 1, 1, Qt::AlignLeft);
    // Switched on, the station receives the channel shown, the first one when none is.
    connect(receivesBgm_, &QCheckBox::clicked, this, [this](bool on) {
        setBgmChannel(on ? std::max(1, bgmInput_->currentData().toInt()) : 0);
    });
    connect(bgmInput_, &QComboBox::activated, this,
            [this](int index) { setBgmChannel(bgmInput_->itemData(index).toInt()); });

    // Contact outputs: the door remote, and the calling-station indication with the stations
    // whose calls operate it.
    std::vector<QWidget*> contactChoices;
    const auto contactRows = [&](QGroupBox* box, const char* name,
                                 ContactOut* (Station::*value)() const,
                                 void (Station::*set)(ContactOut*), const char* key) {
        auto* grid = new QGridLayout(box);
        tight(grid);
        QComboBox* unit = numberChoice(box, QString::fromLatin1(name) + QStringLiteral("Unit"));
        QComboBox* output = numberChoice(box, QString::fromLatin1(name) + QStringLiteral("Output"));
        grid->addWidget(label(MiEquipmentLabel, unit), 0, 0);
        grid->addWidget(unit, 0, 1, Qt::AlignLeft);
        grid->addWidget(label(ContactOutputLabel, output), 1, 0);
        grid->addWidget(output, 1, 1, Qt::AlignLeft);
        contactChoices.push_back(unit);
        contactChoices.push_back(output);
        addContactChoice(
            *unit, *output, [value](const Station& station) { return (station.*value)(); },
            [set](Station& station, ContactOut* chosen) {
                (station.*set)(chosen);
                return true;
            },
            key);
    };
    auto* doorRemote = new QGroupBox(text(DoorRemoteGroup), this);
    contactRows(doorRemote, "doorRemote", &Station::doorRemote, &Station::setDoorRemote,
                "door_remote");
    auto* indication = new QGroupBox(text(IndicationGroup), this);
    auto* control = new QGroupBox(text(ControlOutputGroup), indication);
    contactRows(control, "callingContact", &Station::callingContact, &Station::setCallingContact,
                "calling_no");
    QLineEdit* calledField = addMemberField(
        CalledStation, QStringLiteral("calledStation"),
        [](const Station& station) { return station.calledStations().size(); },
        [](Station& station, Station* called) { return station.addCalledStation(called); },
        "called_no");
    calledStations_->setObjectName(QStringLiteral("calledStations"));
    auto* removeCalled = new QPushButton(text(DeleteLabel), indication);
    removeCalled->setObjectName(QStringLiteral("removeCalledStation"));
    connect(removeCalled, &QPushButton::clicked, this,
            [this] { removeCalledStation(calledStations_->currentRow()); });
    auto* indicationLayout = new QVBoxLayout(indication);
    tight(indicationLayout);
    indicationLayout->addWidget(control);
    indicationLayout->addLayout(
        memberRows(CalledStationLabel, calledField, calledStations_, removeCalled));

    for (QListWidget* list : {groupMembers_, calledStations_}) {
        list->setFixedHeight(list->fontMetrics().height() * kListRows + 6);
        list->setFixedWidth(list->fontMetrics().horizontalAdvance(QLatin1Char('8')) * 12);
    }

    // Three columns, the switches under the first two where they fit.
    const Switch leftSwitches[] = {DoorStationMode, ExternalControl};
    const Switch middleSwitches[] = {PriorityAccess, PriorityRefusal, PagingAccess};
    auto* left = new QVBoxLayout;
    left->addWidget(incoming);
    left->addWidget(level);
    left->addWidget(bgm);
    for (Switch which : leftSwitches)
        left->addWidget(switches_[which]);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(groupCall_);
    middle->addWidget(transfer);
    for (Switch which : middleSwitches)
        middle->addWidget(switches_[which]);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(doorRemote);
    right->addWidget(indication);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(right);

    std::vector<QWidget*> order;
    for (QAbstractButton* button : receipt_->buttons()) {
        order.push_back(button);
        order.push_back(switches_[receipt_->id(button) == 1 ? AutoCallTone : ManualCallTone]);
    }
    order.insert(order.end(), levels_.begin(), levels_.end());
    order.insert(order.end(), {receivesBgm_, bgmInput_});
    for (Switch which : leftSwitches)
        order.push_back(switches_[which]);
    order.insert(order.end(), {groupMember, groupMembers_, removeMember});
    order.insert(order.end(), transfers.begin(), transfers.end());
    for (Switch which : middleSwitches)
        order.push_back(switches_[which]);
    order.insert(order.end(), contactChoices.begin(), contactChoices.end());
    order.insert(order.end(), {calledField, calledStations_, removeCalled});
    chainTabOrder(order);
}

QLayout* DlgStnFunction::memberRows(int labelText, QLineEdit* field, QListWidget* list,
                                    QPushButton* remove)
{
    auto* grid = new QGridLayout;
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(label(labelText, field));
    fieldRow->addWidget(field);
    fieldRow->addStretch();
    grid->addLayout(fieldRow, 0, 0, 1, 2);
    grid->addWidget(list, 1, 0);
    grid->addWidget(remove, 1, 1, Qt::AlignTop);
    return grid;
}

void DlgStnFunction::setSwitch(int which, bool on)
{
    Station* shown = station();
    if (!shown || which < 0 || which >= SwitchCount)
        return;
    const SwitchInfo& info = kSwitches[which];
    if ((shown->*info.get)() != on && (shown->*info.set)(on))
        shown->system().announce(info.key);
    refresh();
}

void DlgStnFunction::setReceiptMode(int mode)
{
    Station* shown = station();
    if (!shown)
        return;
    if (shown->receiptMode() != mode && shown->setReceiptMode(mode))
        shown->system().announce("receipt_mode");
    refresh();
}

void DlgStnFunction::setLevel(int which, int level)
{
    Station* shown = station();
    if (!shown || which < 0 || which >= LevelCount)
        return;
    const LevelInfo& info = kLevels[which];
    if ((shown->*info.get)() != level && (shown->*info.set)(level))
        shown->system().announce(info.key);
    refresh();
}

void DlgStnFunction::setBgmChannel(int channel)
{
    Station* shown = station();
    if (!shown || channel < 0 || channel > shown->exchange().bgmChannelCount())
        return;
    if (shown->bgmMode() != channel) {
        shown->setBgmMode(channel);
        shown->system().announce("bgm_mode");
    }
    refresh();
}

void DlgStnFunction::removeGroupMember(int row)
{
    Station* shown = station();
    if (!shown)
        return;
    const std::vector<Station*> members = shown->groupMembers();
    if (row >= 0 && row < int(members.size()) &&
        shown->removeGroupMember(members[std::size_t(row)]))
        shown->system().announce("gr_member");
    refresh();
}

void DlgStnFunction::removeCalledStation(int row)
{
    Station* shown = station();
    if (!shown)
        return;
    const std::vector<Station*> called = shown->calledStations();
    if (row >= 0 && row < int(called.size()) &&
        shown->removeCalledStation(called[std::size_t(row)]))
        shown->system().announce("called_no");
    refresh();
}

void DlgStnFunction::fillList(QListWidget& list, const std::vector<Station*>& stations)
{
    const int current = list.currentRow();
    list.clear();
    for (const Station* member : stations) {
        QStringList shown{QString::fromStdString(member->number()),
                          ModelText::toUi(member->name(), member->system().locale().codePage())};
        shown.removeAll(QString());
        auto* item = new QListWidgetItem(shown.join(QStringLiteral("  ")), &list);
        if (member->isDoorStation())
            item->setForeground(doorStationColor());
    }
    list.setCurrentRow(std::min(current, list.count() - 1));
}

void DlgStnFunction::refreshControls()
{
    const Station* shown = station();
    for (int which = 0; which < SwitchCount; ++which) {
        const QSignalBlocker block(switches_[std::size_t(which)]);
        switches_[std::size_t(which)]->setChecked(shown && (shown->*kSwitches[which].get)());
    }
    receipt_->button(shown ? shown->receiptMode() : 1)->setChecked(true);
    for (int which = 0; which < LevelCount; ++which) {
        const LevelInfo& info = kLevels[which];
        QComboBox* box = levels_[std::size_t(which)];
        box->setCurrentIndex(shown ? box->findData((shown->*info.get)()) : -1);
    }

    const QSignalBlocker blockBgm(bgmInput_);
    const QSignalBlocker blockReceives(receivesBgm_);
    bgmInput_->clear();
    for (int channel = 1; shown && channel <= shown->exchange().bgmChannelCount(); ++channel)
        bgmInput_->addItem(QString::number(channel), channel);
    const int channel = shown ? shown->bgmMode() : 0;
    receivesBgm_->setChecked(channel > 0);
    bgmInput_->setCurrentIndex(bgmInput_->findData(channel));
    bgmInput_->setEnabled(channel > 0);

    fillList(*groupMembers_, shown ? shown->groupMembers() : std::vector<Station*>());
    fillList(*calledStations_, shown ? shown->calledStations() : std::vector<Station*>());

    // What the settings file cannot keep for the model is not offered: a door station
    // answers automatically and neither pages, controls, calls a group nor has priority; a
    // master station has no door station mode.
    const bool door = shown && shown->isDoorStation();
    groupCall_->setEnabled(!door);
    receipt_->button(0)->setEnabled(!door);
    switches_[ManualCallTone]->setEnabled(!door);
    for (Switch which : {PriorityAccess, PagingAccess, ExternalControl})
        switches_[which]->setEnabled(!door);
    switches_[DoorStationMode]->setEnabled(shown && !shown->traits().isMasterStation);
}
