#include "DlgMiAudio.h"

#include "Exchange.h"
#include "Paging.h"
#include "ResourceIds.h"
#include "System.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum Text {
    ChannelGroup = 1,
    InputModeGroup,
    InputTieLine,
    InputPbx,
    InputAuxPaging,
    InputBgm,
    InputUnused,
    InputLevelLabel,
    AccessLabel,
    PagingLabel,
    LineAttributeGroup,
    AttributePb,
    AttributeDp10,
    AttributeDp20,
    LineStartGroup,
    StartWink,
    StartSecondDialTone,
    StartTiming,
    OutputModeGroup,
    OutputTieLine,
    OutputPbx,
    OutputPaPaging,
    OutputUnused,
    OutputLevelLabel,
    InputGroup,
    OutputGroup,
};

// The modes in the order of their buttons.
constexpr AudioIn::Mode kInputModes[] = {AudioIn::TieLine, AudioIn::Pbx, AudioIn::AuxInputPag,
                                         AudioIn::Bgm, AudioIn::None};
constexpr AudioOut::Mode kOutputModes[] = {AudioOut::TieLine, AudioOut::Pbx, AudioOut::PaPag,
                                           AudioOut::None};
constexpr int kMaxLevel = 3;

// A trunk mode is the same number on both sides of a channel.
static_assert(int(AudioIn::Pbx) == int(AudioOut::Pbx) &&
              int(AudioIn::TieLine) == int(AudioOut::TieLine));

template <class Mode, std::size_t N> int indexOf(const Mode (&modes)[N], Mode mode)
{
    for (std::size_t i = 0; i < N; ++i)
        if (modes[i] == mode)
            return int(i);
    return int(N) - 1;
}

// PBX trunks and tie lines take both directions of a channel.
bool isTrunk(int mode)
{
    return mode == AudioIn::Pbx || mode == AudioIn::TieLine;
}

} // namespace

DlgMiAudio::DlgMiAudio(const ResourceChain& resources, const UserMessages& messages,
                       QWidget* parent)
    : UnitPage(resources, messages, DialogId::MiAudio, parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    std::vector<QWidget*> order;
    for (int channel = 1; channel <= kChannels; ++channel) {
        layout->addWidget(makeChannel(channel), 0, Qt::AlignTop);
        const Channel& shown = channels_[std::size_t(channel - 1)];
        for (QAbstractButton* button : shown.inputModes->buttons())
            order.push_back(button);
        order.insert(order.end(), {shown.inputLevel, shown.access, shown.paging});
        for (QButtonGroup* group : {shown.lineAttributes, shown.lineStarts, shown.outputModes})
            for (QAbstractButton* button : group->buttons())
                order.push_back(button);
        order.push_back(shown.outputLevel);
    }
    layout->addStretch();
    chainTabOrder(order);
}

QWidget* DlgMiAudio::makeChannel(int channel)
{
    Channel& made = channels_[std::size_t(channel - 1)];
    const QString name = QStringLiteral("ch%1").arg(channel);
    auto* frame = new QGroupBox(text(ChannelGroup).arg(channel), this);

    QGroupBox* inputModes = nullptr;
    made.inputModes =
        addChoice(inputModes, text(InputModeGroup),
                  texts({InputTieLine, InputPbx, InputAuxPaging, InputBgm, InputUnused}),
                  name + QStringLiteral("InputMode"),
                  [this, channel](int index) { chooseInputMode(channel, kInputModes[index]); });
    QGroupBox* attributes = nullptr;
    made.lineAttributes = addChoice(
        attributes, text(LineAttributeGroup), texts({AttributePb, AttributeDp10, AttributeDp20}),
        name + QStringLiteral("LineAttr"),
        [this, channel](int index) { chooseLineAttribute(channel, index); });
    QGroupBox* starts = nullptr;
    made.lineStarts = addChoice(starts, text(LineStartGroup),
                                texts({StartWink, StartSecondDialTone, StartTiming}),
                                name + QStringLiteral("LineStart"),
                                [this, channel](int index) { chooseLineStart(channel, index); });
    QGroupBox* outputModes = nullptr;
    made.outputModes = addChoice(outputModes, text(OutputModeGroup),
                                 texts({OutputTieLine, OutputPbx, OutputPaPaging, OutputUnused}),
                                 name + QStringLiteral("OutputMode"), [this, channel](int index) {
                                     chooseOutputMode(channel, kOutputModes[index]);
                                 });
    made.lineAttributeFrame = attributes;
    made.lineStartFrame = starts;

    made.inputLevel = addList(name + QStringLiteral("InputLevel"),
                              [this, channel](int level) { chooseInputLevel(channel, level); });
    made.outputLevel = addList(name + QStringLiteral("OutputLevel"),
                               [this, channel](int level) { chooseOutputLevel(channel, level); });
    for (QComboBox* list : {made.inputLevel, made.outputLevel})
        for (int level = 0; level <= kMaxLevel; ++level)
            list->addItem(QString::number(level), level);

    made.access = addField(
        accessField(channel), name + QStringLiteral("Access"), 2,
        [this, channel](const Exchange&) {
            const AudioIn* in = input(channel);
            return in ? QString::fromStdString(in->accessNumber()) : QString();
        },
        [this, channel](Exchange& unit, const QString& entered) -> Refusal {
            AudioIn* in = input(channel);
            if (!in)
                return {};
            // A trunk is reached by one or two digits.
            if (entered.isEmpty() || !in->setAccessNumber(entered.toStdString()))
                return {StringId::EnterDigitsRange, {QStringLiteral("1"), QStringLiteral("2")}};
            unit.system().announce("access");
            return {};
        });
    made.paging = addField(
        pagingField(channel), name + QStringLiteral("Paging"), 3,
        [this, channel](const Exchange&) {
            const AudioIn* in = input(channel);
            const Paging* zone = in ? in->pagingZone() : nullptr;
            return zone ? QString::number(zone->number()) : QString();
        },
        [this, channel](Exchange& unit, const QString& entered) -> Refusal {
            AudioIn* in = input(channel);
            if (!in)
                return {};
            System& system = unit.system();
            if (entered.isEmpty())
                in->setPagingZone(nullptr);
            else if (const Refusal refusal =
                         takeNumber(entered, 1, system.maxPagingNo(), [&](int zone) {
                             in->setPagingZone(system.paging(zone));
                             return true;
                         }))
                return refusal;
            system.announce("pag_id");
            return {};
        });
    made.access->setAlignment(Qt::AlignRight);
    made.paging->setAlignment(Qt::AlignRight);

    auto* input = new QGroupBox(text(InputGroup), frame);
    auto* inputGrid = new QGridLayout(input);
    inputGrid->addWidget(inputModes, 0, 0, 4, 1);
    inputGrid->addWidget(label(InputLevelLabel, made.inputLevel), 0, 1);
    inputGrid->addWidget(made.inputLevel, 0, 2, Qt::AlignLeft);
    inputGrid->addWidget(label(AccessLabel, made.access), 1, 1);
    inputGrid->addWidget(made.access, 1, 2, Qt::AlignLeft);
    inputGrid->addWidget(label(PagingLabel, made.paging), 2, 1);
    inputGrid->addWidget(made.paging, 2, 2, Qt::AlignLeft);
    inputGrid->setRowStretch(3, 1);
    auto* lineSettings = new QHBoxLayout;
    lineSettings->addWidget(attributes);
    lineSettings->addWidget(starts);
    inputGrid->addLayout(lineSettings, 4, 0, 1, 3);

    auto* output = new QGroupBox(text(OutputGroup), frame);
    auto* outputGrid = new QGridLayout(output);
    outputGrid->addWidget(outputModes, 0, 0, 2, 1);
    outputGrid->addWidget(label(OutputLevelLabel, made.outputLevel), 0, 1);
    outputGrid->addWidget(made.outputLevel, 0, 2, Qt::AlignLeft);
    outputGrid->setRowStretch(1, 1);

    auto* column = new QVBoxLayout(frame);
    column->addWidget(input);
    column->addWidget(output);
    return frame;
}

bool DlgMiAudio::appliesTo(const Exchange& unit) const
{
    return unit.audioInCount() >= kChannels && unit.audioOutCount() >= kChannels;
}

AudioIn* DlgMiAudio::input(int channel) const
{
    return unit() && channel >= 1 && channel <= kChannels ? unit()->audioIn(channel) : nullptr;
}

AudioOut* DlgMiAudio::output(int channel) const
{
    return unit() && channel >= 1 && channel <= kChannels ? unit()->audioOut(channel) : nullptr;
}

void DlgMiAudio::chooseInputMode(int channel, AudioIn::Mode mode)
{
    AudioIn* in = input(channel);
    AudioOut* out = output(channel);
    if (!in || !out)
        return;
    const AudioIn::Mode before = in->mode();
    if (before == mode || !in->setMode(AudioIn::keyword(mode)))
        return;
    unit()->system().announce("audio_in_mode");
    // The other direction of the channel follows: into a trunk mode with it, out of it
    // when this one leaves.
    if (isTrunk(mode))
        chooseOutputMode(channel, AudioOut::Mode(mode));
    else if (!isTrunk(mode) && isTrunk(before) && isTrunk(out->mode()))
        chooseOutputMode(channel, AudioOut::None);
    refresh();
}

void DlgMiAudio::chooseOutputMode(int channel, AudioOut::Mode mode)
{
    AudioIn* in = input(channel);
    AudioOut* out = output(channel);
    if (!in || !out)
        return;
    const AudioOut::Mode before = out->mode();
    if (before == mode || !out->setMode(AudioOut::keyword(mode)))
        return;
    unit()->system().announce("audio_out_mode");
    if (isTrunk(mode))
        chooseInputMode(channel, AudioIn::Mode(mode));
    else if (!isTrunk(mode) && isTrunk(before) && isTrunk(in->mode()))
        chooseInputMode(channel, AudioIn::None);
    refresh();
}

void DlgMiAudio::chooseLineAttribute(int channel, int index)
{
    AudioIn* in = input(channel);
    if (!in || index < 0 || index >= 3 || in->lineAttribute() == index)
        return;
    if (in->setLineAttribute(AudioIn::keyword(AudioIn::LineAttribute(index))))
        unit()->system().announce("line_attr");
    refresh();
}

void DlgMiAudio::chooseLineStart(int channel, int index)
{
    AudioIn* in = input(channel);
    if (!in || index < 0 || index >= 3 || in->lineStart() == index)
        return;
    if (in->setLineStart(AudioIn::keyword(AudioIn::LineStart(index))))
        unit()->system().announce("line_start");
    refresh();
}

void DlgMiAudio::chooseInputLevel(int channel, int level)
{
    AudioIn* in = input(channel);
    if (in && in->inputLevel() != level && in->setInputLevel(level))
        unit()->system().announce("input_level");
    refresh();
}

void DlgMiAudio::chooseOutputLevel(int channel, int level)
{
    AudioOut* out = output(channel);
    if (out && out->outputLevel() != level && out->setOutputLevel(level))
        unit()->system().announce("output_level");
    refresh();
}

void DlgMiAudio::refreshControls()
{
    for (int channel = 1; channel <= kChannels; ++channel) {
        Channel& shown = channels_[std::size_t(channel - 1)];
        const AudioIn* in = input(channel);
        const AudioOut* out = output(channel);
        const AudioIn::Mode inMode = in ? in->mode() : AudioIn::None;
        shown.inputModes->button(indexOf(kInputModes, inMode))->setChecked(true);
        shown.outputModes->button(indexOf(kOutputModes, out ? out->mode() : AudioOut::None))
            ->setChecked(true);
        shown.lineAttributes->button(in ? int(in->lineAttribute()) : 0)->setChecked(true);
        shown.lineStarts->button(in ? int(in->lineStart()) : 0)->setChecked(true);
        for (auto [list, level] : {std::pair{shown.inputLevel, in ? in->inputLevel() : 0},
                                   std::pair{shown.outputLevel, out ? out->outputLevel() : 0}}) {
            const QSignalBlocker block(list);
            list->setCurrentIndex(list->findData(level));
        }
        // A mode enables only the values it uses.
        shown.access->setEnabled(isTrunk(inMode));
        shown.paging->setEnabled(inMode == AudioIn::AuxInputPag);
        shown.lineAttributeFrame->setEnabled(inMode == AudioIn::Pbx);
        shown.lineStartFrame->setEnabled(inMode == AudioIn::Pbx);
    }
}
