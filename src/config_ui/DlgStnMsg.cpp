#include "DlgStnMsg.h"

#include "ModelText.h"
#include "Paging.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"
#include "UserMessages.h"

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

namespace {

enum Text {
    MessagePagingLabel = 1,
    StartGroup,
    DialOperationLabel,
    ExternalInputLabel,
    PagingNoLabel,
    RepeatGroup,
    RepeatWhileActiveLabel,
    RepeatCountLabel,
    InterlockGroup,
    ControlOutputGroup,
    MiEquipmentLabel,
    ContactOutputLabel,
    BusyLabel,
    OneshotLabel,
};

constexpr int kRepeatMax = 255;
constexpr const char* kInterlockModes[] = {"BUSY", "ONESHOT"};

} // namespace

DlgStnMsg::DlgStnMsg(const ResourceChain& resources, const UserMessages& messages, QWidget* parent)
    : StationPage(resources, messages, DialogId::StnMsg, parent),
      messagePaging_(new QCheckBox(text(MessagePagingLabel), this)),
      repeat_(new QButtonGroup(this)), interlockModes_(new QButtonGroup(this)),
      startWith_(new QGroupBox(text(StartGroup), this)),
      repetition_(new QGroupBox(text(RepeatGroup), this))
{
    messagePaging_->setObjectName(QStringLiteral("messagePaging"));
    connect(messagePaging_, &QCheckBox::clicked, this, &DlgStnMsg::setMessagePaging);

    auto* startLayout = new QVBoxLayout(startWith_);
    const int startTexts[StartCount] = {DialOperationLabel, ExternalInputLabel};
    const char* startNames[StartCount] = {"dialOperation", "externalInput"};
    for (int which = 0; which < StartCount; ++which) {
        auto* box = new QCheckBox(text(startTexts[which]), startWith_);
        box->setObjectName(QString::fromLatin1(startNames[which]));
        starts_[std::size_t(which)] = box;
        startLayout->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, which](bool on) { clickStart(which, on); });
    }

    // The zone is one the paging digits can dial; empty pages none.
    pagingNo_ = addField(
        PagingNo, QStringLiteral("pagingNo"), 3,
        [](const Station& station) {
            const Paging* zone = station.messagePagingZone();
            return zone ? QString::number(zone->number()) : QString();
        },
        [](Station& station, const QString& entered) -> Refusal {
            System& system = station.system();
            const int highest = system.highestDialableZone();
            int number = 0;
            if (!entered.isEmpty() &&
                (!ModelText::toNumber(entered, number) || number < 1 || number > highest))
                return enterNumber(1, highest);
            if (!station.setMessagePagingZone(number > 0 ? system.paging(number) : nullptr))
                return enterNumber(1, highest);
            system.announce("msg_pag_id");
            return {};
        });
    pagingNo_->setAlignment(Qt::AlignRight);
    auto* pagingRow = new QHBoxLayout;
    pagingRow->addWidget(label(PagingNoLabel, pagingNo_));
    pagingRow->addWidget(pagingNo_);
    pagingRow->addStretch();

    // The count of a limited repetition; 0 is no count, the message repeating while active.
    auto* whileActive = new QRadioButton(text(RepeatWhileActiveLabel), repetition_);
    whileActive->setObjectName(QStringLiteral("repeatWhileActive"));
    auto* limited = new QRadioButton(text(RepeatCountLabel), repetition_);
    limited->setObjectName(QStringLiteral("repeatLimited"));
    repeat_->addButton(whileActive, 0);
    repeat_->addButton(limited, 1);
    repeatCount_ = addField(
        RepeatCount, QStringLiteral("repeatCount"), 3,
        [](const Station& station) {
            return station.repeat() > 0 ? QString::number(station.repeat()) : QString();
        },
        [](Station& station, const QString& entered) -> Refusal {
            int count = 0;
            if (!ModelText::toNumber(entered, count) || count < 1 || count > kRepeatMax ||
                !station.setRepeat(count))
                return enterNumber(1, kRepeatMax);
            station.system().announce("repeat_param");
            return {};
        });
    repeatCount_->setAlignment(Qt::AlignRight);
    auto* repeatLayout = new QGridLayout(repetition_);
    repeatLayout->addWidget(whileActive, 0, 0, 1, 2);
    repeatLayout->addWidget(limited, 1, 0);
    repeatLayout->addWidget(repeatCount_, 1, 1);
    repeatLayout->setColumnStretch(2, 1);
    connect(repeat_, &QButtonGroup::idClicked, this, [this](int id) { chooseRepeat(id == 1); });

    auto* interlock = new QGroupBox(text(InterlockGroup), this);
    auto* output = new QGroupBox(text(ControlOutputGroup), interlock);
    auto* unitChoice = new QComboBox(output);
    unitChoice->setObjectName(QStringLiteral("interlockUnit"));
    auto* outputChoice = new QComboBox(output);
    outputChoice->setObjectName(QStringLiteral("interlockOutput"));
    addContactChoice(
        *unitChoice, *outputChoice,
        [](const Station& station) { return station.interlockContact(); },
        [](Station& station, ContactOut* chosen) { return station.setInterlockContact(chosen); },
        "interlock_contact");
    auto* outputLayout = new QGridLayout(output);
    outputLayout->addWidget(label(MiEquipmentLabel, unitChoice), 0, 0);
    outputLayout->addWidget(unitChoice, 0, 1, Qt::AlignLeft);
    outputLayout->addWidget(label(ContactOutputLabel, outputChoice), 1, 0);
    outputLayout->addWidget(outputChoice, 1, 1, Qt::AlignLeft);
    auto* interlockLayout = new QVBoxLayout(interlock);
    interlockLayout->addWidget(output);
    const int modeTexts[] = {BusyLabel, OneshotLabel};
    const char* modeNames[] = {"busy", "oneshot"};
    for (int index = 0; index < 2; ++index) {
        auto* button = new QRadioButton(text(modeTexts[index]), interlock);
        button->setObjectName(QString::fromLatin1(modeNames[index]));
        interlockModes_->addButton(button, index);
        interlockLayout->addWidget(button);
    }
    connect(interlockModes_, &QButtonGroup::idClicked, this, &DlgStnMsg::chooseInterlockMode);

    auto* left = new QVBoxLayout;
    left->addWidget(startWith_);
    left->addLayout(pagingRow);
    left->addWidget(repetition_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(interlock);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    columns->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(messagePaging_);
    layout->addLayout(columns);
    layout->addStretch();

    chainTabOrder({messagePaging_, starts_[DialOperation], starts_[ExternalInput], pagingNo_,
                   whileActive, limited, repeatCount_, unitChoice, outputChoice,
                   interlockModes_->button(0), interlockModes_->button(1)});
}

bool DlgStnMsg::pagesMessages(const Station& station)
{
    return station.traits().messagePaging != StationTraits::MessagePaging::None;
}

bool DlgStnMsg::appliesTo(const Station& station) const
{
    return pagesMessages(station);
}

void DlgStnMsg::setMessagePaging(bool on)
{
    Station* shown = station();
    if (!shown)
        return;
    if (shown->messagePaging() != on && shown->setMessagePaging(on))
        shown->system().announce("is_enable_msg_pag");
    refresh();
}

void DlgStnMsg::clickStart(int which, bool on)
{
    Station* shown = station();
    if (!shown || which < 0 || which >= StartCount)
        return;
    const std::string mode = shown->startMode();
    std::array<bool, StartCount> checked{mode != "EXTERNAL_INPUT", mode != "DIAL_OPERATION"};
    checked[std::size_t(which)] = on;
    if (!checked[DialOperation] && !checked[ExternalInput]) {
        // The one message told as it stands in every language, without caption or icon.
        messages().dialogs().message(QString(),
                                     messages().resources().string(StringId::ChooseEither),
                                     UserDialogs::Icon::None);
    } else {
        const char* chosen = !checked[ExternalInput]   ? "DIAL_OPERATION"
                             : !checked[DialOperation] ? "EXTERNAL_INPUT"
                                                       : "BOTH";
        // A mode the model refuses leaves the boxes as the station has them.
        if (mode != chosen && shown->setStartMode(chosen))
            shown->system().announce("start_mode");
    }
    refresh();
}

void DlgStnMsg::chooseRepeat(bool limited)
{
    Station* shown = station();
    if (!shown || (shown->repeat() > 0) == limited)
        return;
    // A count chosen anew starts at one, selected for the user to type over.
    if (shown->setRepeat(limited ? 1 : 0))
        shown->system().announce("repeat_param");
    refresh();
    if (limited) {
        repeatCount_->setFocus();
        repeatCount_->selectAll();
    }
}

void DlgStnMsg::chooseInterlockMode(int index)
{
    Station* shown = station();
    if (!shown || index < 0 || index > 1)
        return;
    if (shown->interlockMode() != kInterlockModes[index] &&
        shown->setInterlockMode(kInterlockModes[index]))
        shown->system().announce("interlock_mode");
    refresh();
}

void DlgStnMsg::refreshControls()
{
    const Station* shown = station();
    const bool on = shown && shown->messagePaging();
    {
        const QSignalBlocker block(messagePaging_);
        messagePaging_->setChecked(on);
    }
    const std::string mode = shown ? shown->startMode() : std::string();
    const bool startChecked[StartCount] = {shown && mode != "EXTERNAL_INPUT",
                                           shown && mode != "DIAL_OPERATION"};
    for (int which = 0; which < StartCount; ++which) {
        const QSignalBlocker block(starts_[std::size_t(which)]);
        starts_[std::size_t(which)]->setChecked(startChecked[which]);
    }
    const bool limited = shown && shown->repeat() > 0;
    repeat_->button(limited ? 1 : 0)->setChecked(true);
    interlockModes_->button(shown && shown->interlockMode() == kInterlockModes[1] ? 1 : 0)
        ->setChecked(true);

    // The settings file carries these only while the station pages messages.
    startWith_->setEnabled(on);
    pagingNo_->setEnabled(on);
    repetition_->setEnabled(on);
    repeatCount_->setEnabled(on && limited);
    for (QAbstractButton* button : interlockModes_->buttons())
        button->setEnabled(on);
}
