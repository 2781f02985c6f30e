#include "DlgExFunction.h"

#include "AudioIn.h"
#include "Exchange.h"
#include "ExchangeImpl.h"
#include "ModelText.h"
#include "ResourceIds.h"
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
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Text {
    CallForwardingLabel = 1,
    TimeForwardingLabel,
    StartLabel,
    EndLabel,
    GroupHuntingLabel,
    AbsenceTransferLabel,
    IntervalLabel,
    OneShotLabel,
    CallTimeoutLabel,
    ConversationTimeoutLabel,
    PagingTimeoutLabel,
    TimeLimitLabel,
    BgmGroup,
    ChannelLabel,
    UnitLabel,
    InputLabel,
    PagingAnswerGroup,
    ZoneSelectionLabel,
    AutomaticResponseLabel,
    PriorityGroup,
    PagingPriorityLabel,
    ConversationPriorityLabel,
    IndicationGroup,
    CallAndTalkLabel,
    TalkLabel,
    DoorGroup,
    DoorRemoteLabel,
    DoorCallLabel,
    DoorTalkLabel,
    DoorCallAndTalkLabel,
    TransferGroup,
    TimeLimitGroup,
};

// The time limits are entered in seconds and kept in tens of seconds.
constexpr int kLimitMin = 10;
constexpr int kLimitMax = 990;
constexpr int kLimitUnit = 10;

constexpr const char* kDoorModes[] = {"DS_REMOTE", "DS_CALLING", "DS_CONVERS", "DS_BUSY"};

struct SwitchInfo {
    bool (Exchange::*set)(bool);
    bool (Exchange::*get)() const;
    const char* key;
};

constexpr SwitchInfo kTransferSwitches[] = {
    {&Exchange::setCallForwarding, &Exchange::callForwarding, "is_abs_xfer"},
    {&Exchange::setTimeForwarding, &Exchange::timeForwarding, "is_time_xfer"},
    {&Exchange::setGroupHunting, &Exchange::groupHunting, "is_busy_xfer"},
    {&Exchange::setAbsenceTransfer, &Exchange::absenceTransfer, "is_no_ans_xfer"},
};

struct LimitInfo {
    bool (Exchange::*set)(int);
    int (Exchange::*get)() const;
    const char* key;
};

constexpr LimitInfo kLimits[] = {
    {&Exchange::setCallTimeLimit, &Exchange::callTimeLimit, "alert_time"},
    {&Exchange::setConversationTimeLimit, &Exchange::conversationTimeLimit, "cnv_time"},
    {&Exchange::setPagingTimeLimit, &Exchange::pagingTimeLimit, "pag_time"},
};

// The index of a choice's button for the unit's value.
int chosenIndex(const Exchange& unit, int choice)
{
    switch (choice) {
    case DlgExFunction::PagingAnswer:
        return unit.pagingAnswerMode() == Exchange::Auto ? 1 : 0;
    case DlgExFunction::PagingPriority:
        return unit.pagingPriorityMode() == Exchange::PagingFirst ? 0 : 1;
    case DlgExFunction::CallingIndication:
        return unit.callingPartyIndicationMode() == Exchange::CallActivated ? 0 : 1;
    default:
        for (int i = 0; i < 4; ++i)
            if (unit.dsOutMode() == kDoorModes[i])
                return i;
        return 0;
    }
}

} // namespace

DlgExFunction::DlgExFunction(const ResourceChain& resources, const UserMessages& messages,
                             QWidget* parent)
    : UnitPage(resources, messages, DialogId::ExFunction, parent), bgm_(new QGroupBox(this))
{
    // Transfers.
    auto* transfer = new QGroupBox(text(TransferGroup), this);
    auto* transferGrid = new QGridLayout(transfer);
    fields_[StartTime] = transferTimeField(StartTime, "startTime", &Exchange::transferStartTime,
                                           &Exchange::setTransferStartTime, "abs_xfer_start_time");
    fields_[EndTime] = transferTimeField(EndTime, "endTime", &Exchange::transferEndTime,
                                         &Exchange::setTransferEndTime, "abs_xfer_end_time");
    fields_[Interval] = addNumberField(
        Interval, QStringLiteral("interval"), 1, 99,
        [](const Exchange& unit) { return unit.noAnswerTime(); },
        [](Exchange& unit, int seconds) { return unit.setNoAnswerTime(seconds); }, "no_ans_time");
    fields_[OneShot] = addNumberField(
        OneShot, QStringLiteral("oneShot"), 0, 9,
        [](const Exchange& unit) { return unit.oneShotTime(); },
        [](Exchange& unit, int value) { return unit.setOneShotTime(value); }, "oneshot_time");
    transferGrid->addWidget(check(CallForwarding, CallForwardingLabel, "callForwarding"), 0, 0, 1, 3);
    transferGrid->addWidget(check(TimeForwarding, TimeForwardingLabel, "timeForwarding"), 1, 0, 1, 3);
    transferGrid->addWidget(label(StartLabel, fields_[StartTime]), 2, 1);
    transferGrid->addWidget(fields_[StartTime], 2, 2);
    transferGrid->addWidget(label(EndLabel, fields_[EndTime]), 3, 1);
    transferGrid->addWidget(fields_[EndTime], 3, 2);
    transferGrid->addWidget(check(GroupHunting, GroupHuntingLabel, "groupHunting"), 4, 0, 1, 3);
    transferGrid->addWidget(check(AbsenceTransfer, AbsenceTransferLabel, "absenceTransfer"), 5, 0, 1, 3);
    transferGrid->addWidget(label(IntervalLabel, fields_[Interval]), 6, 1);
    transferGrid->addWidget(fields_[Interval], 6, 2);
    transferGrid->addWidget(label(OneShotLabel, fields_[OneShot]), 7, 0, 1, 2);
    transferGrid->addWidget(fields_[OneShot], 7, 2);
    transferGrid->setColumnMinimumWidth(0, 16);
    transferGrid->setColumnStretch(3, 1);
    transferGrid->setVerticalSpacing(2);

    // Time limits: a switch and its limit in seconds.
    auto* limits = new QGroupBox(text(TimeLimitGroup), this);
    auto* limitGrid = new QGridLayout(limits);
    const struct {
        Switch which;
        int label;
        const char* name;
        const char* field;
    } limitRows[] = {{CallTimeout, CallTimeoutLabel, "callTimeout", "callTimeLimit"},
                     {ConversationTimeout, ConversationTimeoutLabel, "conversationTimeout",
                      "conversationTimeLimit"},
                     {PagingTimeout, PagingTimeoutLabel, "pagingTimeout", "pagingTimeLimit"}};
    for (int i = 0; i < 3; ++i) {
        const LimitInfo& limit = kLimits[i];
        const int field = CallTimeLimit + i;
        fields_[std::size_t(field)] =
            timeLimitField(field, limitRows[i].field, limit.get, limit.set, limit.key);
        QCheckBox* box = check(limitRows[i].which, limitRows[i].label, limitRows[i].name);
        limitGrid->addWidget(box, i + 1, 0);
        limitGrid->addWidget(fields_[std::size_t(field)], i + 1, 1);
    }
    // One heading over the three limits.
    limitGrid->addWidget(label(TimeLimitLabel), 0, 1);
    limitGrid->setColumnStretch(3, 1);
    limitGrid->setVerticalSpacing(2);

    // BGM channels: a multi-interface unit and one of its audio inputs each.
    static_cast<QGroupBox*>(bgm_)->setTitle(text(BgmGroup));
    auto* bgmGrid = new QGridLayout(bgm_);
    // "MI No. /" and "Audio input No." head the two lists as one.
    bgmGrid->addWidget(new QLabel(text(UnitLabel) + u' ' + text(InputLabel), bgm_), 0, 1, 1, 2);
    for (int ch = 0; ch < kBgmChannels; ++ch) {
        bgmUnits_[std::size_t(ch)] = new QComboBox(bgm_);
        bgmUnits_[std::size_t(ch)]->setObjectName(QStringLiteral("bgmUnit%1").arg(ch + 1));
        bgmInputs_[std::size_t(ch)] = new QComboBox(bgm_);
        bgmInputs_[std::size_t(ch)]->setObjectName(QStringLiteral("bgmInput%1").arg(ch + 1));
        for (QComboBox* box : {bgmUnits_[std::size_t(ch)], bgmInputs_[std::size_t(ch)]}) {
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            box->setMinimumContentsLength(2);
            WheelGuard::guard(*box);
        }
        bgmGrid->addWidget(new QLabel(text(ChannelLabel).arg(ch + 1), bgm_), ch + 1, 0);
        bgmGrid->addWidget(bgmUnits_[std::size_t(ch)], ch + 1, 1);
        bgmGrid->addWidget(bgmInputs_[std::size_t(ch)], ch + 1, 2);
        connect(bgmUnits_[std::size_t(ch)], &QComboBox::activated, this, [this, ch] {
            // A unit chosen anew starts at its first input.
            const int number = bgmUnits_[std::size_t(ch)]->currentData().toInt();
            setBgmSource(ch + 1, number, number > 0 ? 1 : 0);
        });
        connect(bgmInputs_[std::size_t(ch)], &QComboBox::activated, this, [this, ch] {
            setBgmSource(ch + 1, bgmUnits_[std::size_t(ch)]->currentData().toInt(),
                         bgmInputs_[std::size_t(ch)]->currentData().toInt());
        });
    }
    bgmGrid->setVerticalSpacing(2);

    // The choices.
    const struct {
        int title;
        const char* name;
        std::initializer_list<int> labels;
    } choiceGroups[ChoiceCount] = {
        {PagingAnswerGroup, "pagingAnswer", {ZoneSelectionLabel, AutomaticResponseLabel}},
        {PriorityGroup, "pagingPriority", {PagingPriorityLabel, ConversationPriorityLabel}},
        {IndicationGroup, "callingIndication", {CallAndTalkLabel, TalkLabel}},
        {DoorGroup, "doorContact", {DoorRemoteLabel, DoorCallLabel, DoorTalkLabel, DoorCallAndTalkLabel}}};
    auto* choiceColumn = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    middle->addWidget(bgm_);
    for (int choice = 0; choice < ChoiceCount; ++choice) {
        auto* box = new QGroupBox(text(choiceGroups[choice].title), this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setSpacing(0);
        auto* group = new QButtonGroup(box);
        int index = 0;
        for (int labelId : choiceGroups[choice].labels) {
            auto* button = new QRadioButton(text(labelId), box);
            button->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(choiceGroups[choice].name)).arg(index));
            group->addButton(button, index++);
            boxLayout->addWidget(button);
        }
        connect(group, &QButtonGroup::idClicked, this,
                [this, choice](int index) { choose(choice, index); });
        choices_[std::size_t(choice)] = group;
        choiceBoxes_[std::size_t(choice)] = box;
        // The door contact goes under the BGM inputs, so the page fits its window.
        (choice == DoorContact ? middle : choiceColumn)->addWidget(box);
    }
    choiceColumn->addStretch();

    std::vector<QWidget*> order{switches_[CallForwarding], switches_[TimeForwarding],
                                fields_[StartTime],        fields_[EndTime],
                                switches_[GroupHunting],   switches_[AbsenceTransfer],
                                fields_[Interval],         fields_[OneShot]};
    for (int i = 0; i < 3; ++i) {
        order.push_back(switches_[std::size_t(CallTimeout + i)]);
        order.push_back(fields_[std::size_t(CallTimeLimit + i)]);
    }
    for (int ch = 0; ch < kBgmChannels; ++ch) {
        order.push_back(bgmUnits_[std::size_t(ch)]);
        order.push_back(bgmInputs_[std::size_t(ch)]);
    }
    for (int choice : {int(DoorContact), int(PagingAnswer), int(PagingPriority),
                       int(CallingIndication)})
        for (QAbstractButton* button : choices_[std::size_t(choice)]->buttons())
            order.push_back(button);
    chainTabOrder(order);
    middle->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(transfer);
    left->addWidget(limits);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(choiceColumn);
}

QCheckBox* DlgExFunction::check(Switch which, int textId, const char* name)
{
    auto* box = new QCheckBox(text(textId), this);
    box->setObjectName(QString::fromLatin1(name));
    switches_[std::size_t(which)] = box;
    connect(box, &QCheckBox::clicked, this, [this, which](bool on) { setSwitch(which, on); });
    return box;
}

QLineEdit* DlgExFunction::transferTimeField(int field, const char* name,
                                            const std::string& (Exchange::*value)() const,
                                            bool (Exchange::*setter)(std::string_view),
                                            const char* key)
{
    return addField(
        field, QString::fromLatin1(name), 5,
        [value](const Exchange& unit) { return QString::fromStdString((unit.*value)()); },
        [setter, key](Exchange& unit, const QString& entered) -> Refusal {
            if (!(unit.*setter)(entered.toStdString()))
                return {StringId::EnterTime, {}};
            unit.system().announce(key);
            return {};
        });
}

QLineEdit* DlgExFunction::timeLimitField(int field, const char* name,
                                         int (Exchange::*value)() const,
                                         bool (Exchange::*setter)(int), const char* key)
{
    const std::size_t limit = std::size_t(field - CallTimeLimit);
    QLineEdit* edit = addField(
        field, QString::fromLatin1(name), 3,
        // Without a limit the field keeps the last one shown, for the switch to take again.
        [this, value, limit](const Exchange& unit) {
            if (const int tens = (unit.*value)(); tens != 0)
                lastLimits_[limit] = tens * kLimitUnit;
            return lastLimits_[limit] == 0 ? QString() : QString::number(lastLimits_[limit]);
        },
        [setter, key](Exchange& unit, const QString& entered) -> Refusal {
            int seconds = 0;
            if (!ModelText::toNumber(entered, seconds) || seconds < kLimitMin ||
                seconds > kLimitMax || !(unit.*setter)(seconds / kLimitUnit))
                return enterNumber(kLimitMin, kLimitMax);
            unit.system().announce(key);
            return {};
        });
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void DlgExFunction::setSwitch(int which, bool on)
{
    Exchange* shown = unit();
    if (!shown || which < 0 || which >= SwitchCount)
        return;
    if (which < CallTimeout) {
        const SwitchInfo& info = kTransferSwitches[which];
        if ((shown->*info.get)() != on && (shown->*info.set)(on))
            shown->system().announce(info.key);
        refresh();
        return;
    }
    const LimitInfo& limit = kLimits[which - CallTimeout];
    if (((shown->*limit.get)() != 0) == on)
        return;
    // A limit switched on takes the field's value; an empty field starts at the shortest,
    // selected for the user to type over.
    const int seconds = lastLimits_[std::size_t(which - CallTimeout)];
    (shown->*limit.set)(on ? std::max(seconds, kLimitMin) / kLimitUnit : 0);
    shown->system().announce(limit.key);
    refresh();
    if (on) {
        QLineEdit* field = fields_[std::size_t(CallTimeLimit + which - CallTimeout)];
        field->setFocus();
        field->selectAll();
    }
}

void DlgExFunction::refresh()
{
    // The limits last shown belong to the unit shown.
    if (unit() != limitsUnit_) {
        lastLimits_.fill(0);
        limitsUnit_ = unit();
    }
    UnitPage::refresh();
}

void DlgExFunction::choose(int choice, int index)
{
    Exchange* shown = unit();
    if (!shown || index == chosenIndex(*shown, choice))
        return;
    switch (choice) {
    case PagingAnswer:
        if (shown->setPagingAnswerMode(index == 1 ? Exchange::Auto : Exchange::Manual))
            shown->system().announce("pag_answer_mode");
        break;
    case PagingPriority:
        if (shown->setPagingPriorityMode(index == 0 ? Exchange::PagingFirst
                                                    : Exchange::Conversation))
            shown->system().announce("pag_priority_mode");
        break;
    case CallingIndication:
        if (shown->setCallingPartyIndicationMode(index == 0 ? Exchange::CallActivated
                                                            : Exchange::ResponseActivated))
            shown->system().announce("calling_party_indication_mode");
        break;
    case DoorContact:
        if (index >= 0 && index < 4 && shown->setDsOutMode(kDoorModes[index]))
            shown->system().announce("DS_out_mode");
        break;
    default:
        break;
    }
    refresh();
}

void DlgExFunction::setBgmSource(int channel, int unitNumber, int input)
{
    Exchange* shown = unit();
    if (!shown)
        return;
    AudioIn* source = unitNumber > 0 ? shown->system().audioInAt(unitNumber, input) : nullptr;
    if (shown->bgmSource(channel) != source && shown->setBgmSource(channel, source))
        shown->system().announce("bgm_input_no");
    refresh();
}

void DlgExFunction::refreshControls()
{
    const Exchange* shown = unit();
    for (int which = 0; which < CallTimeout; ++which) {
        const QSignalBlocker block(switches_[std::size_t(which)]);
        switches_[std::size_t(which)]->setChecked(shown &&
                                                  (shown->*kTransferSwitches[which].get)());
    }
    for (int limit = 0; limit < 3; ++limit) {
        QCheckBox* box = switches_[std::size_t(CallTimeout + limit)];
        const QSignalBlocker block(box);
        box->setChecked(shown && (shown->*kLimits[limit].get)() != 0);
    }
    // A value belongs to its switch.
    fields_[StartTime]->setEnabled(switches_[TimeForwarding]->isChecked());
    fields_[EndTime]->setEnabled(switches_[TimeForwarding]->isChecked());
    fields_[Interval]->setEnabled(switches_[AbsenceTransfer]->isChecked());
    for (int i = 0; i < 3; ++i)
        fields_[std::size_t(CallTimeLimit + i)]->setEnabled(
            switches_[std::size_t(CallTimeout + i)]->isChecked());
    for (int choice = 0; choice < ChoiceCount; ++choice)
        choices_[std::size_t(choice)]->button(shown ? chosenIndex(*shown, choice) : 0)->setChecked(true);
    choiceBoxes_[PagingPriority]->setEnabled(shown && shown->hasPagingPriority());
    refreshBgm();
}

void DlgExFunction::refreshBgm()
{
    const Exchange* shown = unit();
    bgm_->setEnabled(shown && shown->bgmChannelCount() > 0);
    for (int ch = 0; ch < kBgmChannels; ++ch) {
        QComboBox* units = bgmUnits_[std::size_t(ch)];
        QComboBox* inputs = bgmInputs_[std::size_t(ch)];
        const QSignalBlocker blockUnits(units);
        const QSignalBlocker blockInputs(inputs);
        units->clear();
        inputs->clear();
        units->addItem(QString(), 0);
        inputs->addItem(QString(), 0);
        if (!shown)
            continue;
        const System& system = shown->system();
        for (int n = 1; n <= system.registeredCount(); ++n)
            if (system.equipment(n)->isMultiInterface())
                units->addItem(QString::number(n), n);
        const AudioIn* source = shown->bgmSource(ch + 1);
        if (!source)
            continue;
        const int owner = source->owner().number();
        units->setCurrentIndex(std::max(0, units->findData(owner)));
        for (int input = 1; input <= system.equipment(owner)->audioInCount(); ++input)
            inputs->addItem(QString::number(input), input);
        inputs->setCurrentIndex(std::max(0, inputs->findData(source->number())));
    }
}
