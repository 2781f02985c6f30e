#include "DlgMiContactInput.h"

#include "AudioIn.h"
#include "ContactIn.h"
#include "ContactInTableModel.h"
#include "ContactOut.h"
#include "Exchange.h"
#include "Paging.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SettingGrid.h"
#include "Station.h"
#include "System.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum Text {
    ModeGroup = 1,
    InterlockGroup,
    InterlockUnitLabel,
    InterlockOutputLabel,
    AuxPagingGroup,
    ZoneLabel,
    AudioInputLabel,
    RemoteGroup,
    RemoteUnitLabel,
    RemoteLineLabel,
    DialCodeLabel,
};

// Dial codes are at most 20 keys of up to two letters.
constexpr int kDialCodeLength = 40;

// A frame of labelled controls, one a row.
QGroupBox* frame(QWidget* parent, const QString& title,
                 std::initializer_list<std::pair<QLabel*, QWidget*>> rows)
{
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row++, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

} // namespace

DlgMiContactInput::DlgMiContactInput(const ResourceChain& resources, const UserMessages& messages,
                                     QWidget* parent)
    : ContactPage(resources, messages, DialogId::MiContactInput, new ContactInTableModel(resources),
                  parent)
{
    static_assert(ModeCount == ContactInTableModel::kModeCount);
    QStringList modeNames;
    for (int choice = 0; choice < ModeCount; ++choice)
        modeNames << resources.string(StringId::ContactInModes + choice);
    QGroupBox* modeFrame = nullptr;
    modes_ = addChoice(modeFrame, text(ModeGroup), modeNames, QStringLiteral("mode"),
                       [this](int choice) { chooseMode(choice); });

    // A unit chosen anew starts at its first line; choosing the same one keeps the line.
    interlockUnits_ = addList(QStringLiteral("interlockUnit"), [this](int number) {
        const ContactOut* now = input() ? input()->bridgeOutput() : nullptr;
        setInterlock(number, now && now->owner().number() == number ? now->number() : 1);
    });
    interlockOutputs_ = addList(QStringLiteral("interlockOutput"), [this](int output) {
        setInterlock(interlockUnits_->currentData().toInt(), output);
    });
    zones_ = addList(QStringLiteral("zone"),
                     [this](int zone) { setAuxPaging(zone, audioInputs_->currentData().toInt()); });
    audioInputs_ = addList(QStringLiteral("audioInput"), [this](int audio) {
        setAuxPaging(zones_->currentData().toInt(), audio);
    });
    remoteUnits_ = addList(QStringLiteral("remoteUnit"), [this](int number) {
        const Station* now = input() ? input()->remoteStation() : nullptr;
        setRemoteStation(number, now && now->exchange().exchangeNumber() == number ? now->id() : 1);
    });
    remoteLines_ = addList(QStringLiteral("remoteLine"), [this](int line) {
        setRemoteStation(remoteUnits_->currentData().toInt(), line);
    });
    dialCode_ = addField(
        DialCode, QStringLiteral("dialCode"), kDialCodeLength,
        [this](const Exchange&) {
            const ContactIn* shown = input();
            return shown ? QString::fromStdString(shown->remoteDial()) : QString();
        },
        [this](Exchange& unit, const QString& entered) -> Refusal {
            ContactIn* shown = input();
            if (!shown)
                return {};
            if (!shown->setRemoteDial(entered.toStdString()))
                return {StringId::DialCodeKeys, {}};
            unit.system().announce("remote_dial");
            return {};
        });
    fitWidth(*dialCode_, 20);

    interlock_ = frame(this, text(InterlockGroup),
                       {{label(InterlockUnitLabel, interlockUnits_), interlockUnits_},
                        {label(InterlockOutputLabel, interlockOutputs_), interlockOutputs_}});
    auxPaging_ = frame(
        this, text(AuxPagingGroup),
        {{label(ZoneLabel, zones_), zones_}, {label(AudioInputLabel, audioInputs_), audioInputs_}});
    remote_ = frame(this, text(RemoteGroup),
                    {{label(RemoteUnitLabel, remoteUnits_), remoteUnits_},
                     {label(RemoteLineLabel, remoteLines_), remoteLines_},
                     {label(DialCodeLabel, dialCode_), dialCode_}});

    auto* settings = new QVBoxLayout;
    settings->addWidget(modeFrame);
    settings->addWidget(interlock_);
    settings->addWidget(auxPaging_);
    settings->addWidget(remote_);
    settings->addStretch();
    setSettings(settings);

    std::vector<QWidget*> order{&list()};
    for (QAbstractButton* button : modes_->buttons())
        order.push_back(button);
    order.insert(order.end(), {interlockUnits_, interlockOutputs_, zones_, audioInputs_,
                               remoteUnits_, remoteLines_, dialCode_});
    chainTabOrder(order);
}

ContactIn* DlgMiContactInput::input() const
{
    return unit() && selected() > 0 ? unit()->contactIn(selected()) : nullptr;
}

void DlgMiContactInput::chooseMode(int choice)
{
    ContactIn* shown = input();
    const ContactIn::Mode mode = ContactInTableModel::modeAt(choice);
    if (!shown || choice < 0 || choice >= ModeCount || shown->mode() == mode)
        return;
    if (shown->setMode(ContactIn::keyword(mode)))
        unit()->system().announce("ein_mode");
    refresh();
}

void DlgMiContactInput::setInterlock(int unitNumber, int output)
{
    ContactIn* shown = input();
    if (!shown)
        return;
    ContactOut* target =
        unitNumber > 0 ? unit()->system().contactOutAt(unitNumber, output) : nullptr;
    if (shown->bridgeOutput() != target) {
        shown->setBridgeOutput(target);
        unit()->system().announce("bridge_eout");
    }
    refresh();
}

void DlgMiContactInput::setAuxPaging(int zone, int audioInput)
{
    ContactIn* shown = input();
    if (!shown)
        return;
    System& system = unit()->system();
    Paging* targetZone = zone > 0 ? system.paging(zone) : nullptr;
    AudioIn* targetInput = audioInput > 0 ? unit()->audioIn(audioInput) : nullptr;
    if (shown->pagingZone() != targetZone) {
        shown->setPagingZone(targetZone);
        system.announce("pag_id");
    }
    if (shown->audioInLink() != targetInput) {
        shown->setAudioInLink(targetInput);
        system.announce("input_signal_no");
    }
    refresh();
}

void DlgMiContactInput::setRemoteStation(int unitNumber, int line)
{
    ContactIn* shown = input();
    if (!shown)
        return;
    System& system = unit()->system();
    const Exchange* target = unitNumber > 0 && unitNumber <= system.registeredCount()
                                 ? system.equipment(unitNumber)
                                 : nullptr;
    Station* station = target ? target->station(line) : nullptr;
    if (shown->remoteStation() != station) {
        shown->setRemoteStation(station);
        system.announce("remote_stn");
    }
    refresh();
}

std::vector<int> DlgMiContactInput::unitsWith(int (Exchange::*count)() const) const
{
    std::vector<int> units;
    const System& system = unit()->system();
    for (int n = 1; n <= system.registeredCount(); ++n)
        if ((system.equipment(n)->*count)() > 0)
            units.push_back(n);
    return units;
}

std::vector<int> DlgMiContactInput::lines(int count)
{
    std::vector<int> numbers;
    for (int line = 1; line <= count; ++line)
        numbers.push_back(line);
    return numbers;
}

void DlgMiContactInput::refreshContact()
{
    const ContactIn* shown = input();
    const ContactIn::Mode mode = shown ? shown->mode() : ContactIn::None;
    modes_->button(ContactInTableModel::placeOf(mode))->setChecked(true);
    interlock_->setEnabled(mode == ContactIn::Level || mode == ContactIn::Edge);
    auxPaging_->setEnabled(mode == ContactIn::AuxInputPag);
    remote_->setEnabled(mode == ContactIn::RemoteControl);
    if (!shown) {
        for (QComboBox* list :
             {interlockUnits_, interlockOutputs_, zones_, audioInputs_, remoteUnits_, remoteLines_})
            list->clear();
        return;
    }
    const System& system = unit()->system();

    const ContactOut* bridge = shown->bridgeOutput();
    const int bridgeUnit = bridge ? bridge->owner().number() : 0;
    fillNumbers(*interlockUnits_, unitsWith(&Exchange::contactOutCount), bridgeUnit, true);
    fillNumbers(*interlockOutputs_,
                lines(bridgeUnit > 0 ? system.equipment(bridgeUnit)->contactOutCount() : 0),
                bridge ? bridge->number() : 0, true);

    fillNumbers(*zones_, lines(system.maxPagingNo()),
                shown->pagingZone() ? shown->pagingZone()->number() : 0, true);
    fillNumbers(*audioInputs_, lines(unit()->audioInCount()),
                shown->audioInLink() ? shown->audioInLink()->number() : 0, true);

    const Station* station = shown->remoteStation();
    const int stationUnit = station ? station->exchange().exchangeNumber() : 0;
    fillNumbers(*remoteUnits_, unitsWith(&Exchange::stationCount), stationUnit, true);
    fillNumbers(*remoteLines_,
                lines(stationUnit > 0 ? system.equipment(stationUnit)->stationCount() : 0),
                station ? station->id() : 0, true);
}
