#include "StationPage.h"

#include "ContactOut.h"
#include "Exchange.h"
#include "LineField.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "Station.h"
#include "System.h"
#include "WheelGuard.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <algorithm>

namespace {

// The longest station numbers of the R-4000 family.
constexpr int kStationNumberLength = 6;

} // namespace

StationPage::StationPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                         QWidget* parent)
    : SettingsPage(resources, messages, dialogId, parent)
{
}

void StationPage::setStation(Station* station)
{
    station_ = station;
    refresh();
}

void StationPage::refresh()
{
    // A slot without a model or a number is no terminal: the writer drops its settings.
    setEnabled(station_ && !station_->isNone() && station_->inUse() && appliesTo(*station_));
    refreshFields();
    refreshMarks();
    refreshContacts();
    refreshControls();
}

QLineEdit* StationPage::addField(int field, const QString& objectName, int maxLength, Show show,
                                 Commit commit)
{
    return addLineField(
        field, objectName, maxLength,
        [this, show] { return station_ ? show(*station_) : QString(); },
        [this, commit](const QString& entered) {
            if (!station_)
                return Refusal{};
            const Refusal refusal = commit(*station_, entered.trimmed());
            // What depends on the value shows it at once (marks, lists, enabled controls).
            if (!refusal) {
                refreshMarks();
                refreshControls();
            }
            return refusal;
        });
}

QLineEdit* StationPage::addNumberField(int field, const QString& objectName, int min, int max,
                                       std::function<int(const Station&)> value,
                                       std::function<bool(Station&, int)> apply, const char* key)
{
    QLineEdit* edit = addField(
        field, objectName, int(QString::number(max).size()),
        [value](const Station& station) { return QString::number(value(station)); },
        [=](Station& station, const QString& entered) {
            const Refusal refusal = takeNumber(entered, min, max,
                                               [&](int number) { return apply(station, number); });
            if (!refusal)
                station.system().announce(key);
            return refusal;
        });
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

Station* StationPage::stationNumbered(const Station& edited, const QString& number)
{
    return number.isEmpty() ? nullptr : edited.system().stationByNumber(number.toStdString());
}

QLineEdit* StationPage::addStationField(int field, const QString& objectName, Target value,
                                        Apply apply, std::string key, bool notSelf)
{
    QLineEdit* edit = addField(
        field, objectName, kStationNumberLength,
        [value](const Station& station) {
            const Station* target = value(station);
            return target ? QString::fromStdString(target->number()) : QString();
        },
        [=](Station& station, const QString& entered) -> Refusal {
            Station* target = stationNumbered(station, entered);
            if ((!entered.isEmpty() && (!target || (notSelf && target == &station))) ||
                !apply(station, target))
                return {StringId::InvalidStationNumber, {}};
            station.system().announce(key);
            return {};
        });
    markDoorStation(*edit, std::move(value));
    return edit;
}

QLineEdit* StationPage::addMemberField(int field, const QString& objectName,
                                       std::function<std::size_t(const Station&)> count, Apply add,
                                       const char* key)
{
    return addField(
        field, objectName, kStationNumberLength, [](const Station&) { return QString(); },
        [=](Station& station, const QString& entered) -> Refusal {
            if (entered.isEmpty())
                return {};
            Station* member = stationNumbered(station, entered);
            if (!member)
                return {StringId::InvalidStationNumber, {}};
            const std::size_t before = count(station);
            add(station, member);
            if (count(station) <= before)
                return {StringId::StationNumberDuplicated, {}};
            station.system().announce(key);
            return {};
        });
}

void StationPage::markDoorStation(QWidget& control, Target target)
{
    doorMarks_.push_back({&control, std::move(target)});
}

void StationPage::refreshMarks()
{
    for (const DoorMark& mark : doorMarks_) {
        const Station* target = station_ ? mark.target(*station_) : nullptr;
        // An empty palette takes the page's colours again.
        QPalette palette;
        if (target && target->isDoorStation())
            palette.setColor(QPalette::Text, doorStationColor());
        mark.control->setPalette(palette);
    }
}

void StationPage::addContactChoice(QComboBox& unit, QComboBox& output,
                                   std::function<ContactOut*(const Station&)> value,
                                   std::function<bool(Station&, ContactOut*)> apply,
                                   const char* key)
{
    for (QComboBox* box : {&unit, &output}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(2);
        WheelGuard::guard(*box);
    }
    const auto choose = [this, value, apply, key](int unitNumber, int outputNumber) {
        if (!station_)
            return;
        ContactOut* chosen =
            unitNumber > 0 ? station_->system().contactOutAt(unitNumber, outputNumber) : nullptr;
        if (value(*station_) != chosen && apply(*station_, chosen))
            station_->system().announce(key);
        refreshContacts();
    };
    connect(&unit, &QComboBox::activated, this,
            [&unit, choose] { choose(unit.currentData().toInt(), 1); });
    connect(&output, &QComboBox::activated, this, [&unit, &output, choose] {
        choose(unit.currentData().toInt(), output.currentData().toInt());
    });
    contacts_.push_back({&unit, &output, std::move(value)});
}

void StationPage::refreshContacts()
{
    for (const ContactChoice& choice : contacts_) {
        const QSignalBlocker blockUnit(choice.unit);
        const QSignalBlocker blockOutput(choice.output);
        choice.unit->clear();
        choice.output->clear();
        choice.unit->addItem(QString(), 0);
        if (!station_)
            continue;
        const System& system = station_->system();
        for (int n = 1; n <= system.registeredCount(); ++n)
            if (system.equipment(n)->isMultiInterface())
                choice.unit->addItem(QString::number(n), n);
        const ContactOut* chosen = choice.value(*station_);
        if (!chosen)
            continue;
        const int owner = chosen->owner().number();
        choice.unit->setCurrentIndex(std::max(0, choice.unit->findData(owner)));
        for (int n = 1; n <= system.equipment(owner)->contactOutCount(); ++n)
            choice.output->addItem(QString::number(n), n);
        choice.output->setCurrentIndex(std::max(0, choice.output->findData(chosen->number())));
    }
}
