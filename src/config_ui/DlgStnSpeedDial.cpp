#include "DlgStnSpeedDial.h"

#include "ResourceIds.h"
#include "Station.h"
#include "System.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

enum Text {
    OneTouchGroup = 1,
    Dial7Label,
    Dial8Label,
    Dial9Label,
    Dial0Label,
    OffhookLabel,
    CallButtonGroup,
    DialCodeLabel,
};

constexpr int kDialLength = 20;
// A door station's call button dials its number with the 0 key.
constexpr const char* kCallButtonKey = "onetouch_0";

} // namespace

DlgStnSpeedDial::DlgStnSpeedDial(const ResourceChain& resources, const UserMessages& messages,
                                 QWidget* parent)
    : StationPage(resources, messages, DialogId::StnSpeedDial, parent),
      oneTouch_(new QGroupBox(text(OneTouchGroup), this)),
      callButton_(new QGroupBox(text(CallButtonGroup), this))
{
    const struct {
        Field field;
        const char* key;
        int text;
        const char* name;
    } keys[] = {{Dial7, "onetouch_7", Dial7Label, "dial7"},
                {Dial8, "onetouch_8", Dial8Label, "dial8"},
                {Dial9, "onetouch_9", Dial9Label, "dial9"},
                {Dial0, "onetouch_0", Dial0Label, "dial0"},
                {Offhook, "onetouch_oh", OffhookLabel, "offhook"}};
    auto* oneTouchLayout = new QGridLayout(oneTouch_);
    oneTouchLayout->setVerticalSpacing(2);
    int row = 0;
    for (const auto& key : keys) {
        const char* name = key.key;
        QLineEdit* edit = addField(
            key.field, QString::fromLatin1(key.name), kDialLength,
            [name](const Station& station) {
                return QString::fromStdString(station.oneTouch(name));
            },
            [name](Station& station, const QString& entered) -> Refusal {
                if (!station.setOneTouch(name, entered.toStdString()))
                    return {StringId::ProgrammingKeys, {}};
                station.system().announce(name);
                return {};
            });
        oneTouchLayout->addWidget(label(key.text, edit), row, 0);
        oneTouchLayout->addWidget(edit, row++, 1);
    }
    oneTouchLayout->setColumnStretch(2, 1);

    // The call button calls a station of the system, marked when it is a door station.
    const auto called = [](const Station& station) {
        return station.system().stationByNumber(station.oneTouch(kCallButtonKey));
    };
    QLineEdit* dialCode = addField(
        DialCode, QStringLiteral("dialCode"), kDialLength,
        [](const Station& station) {
            return QString::fromStdString(station.oneTouch(kCallButtonKey));
        },
        [](Station& station, const QString& entered) -> Refusal {
            if ((!entered.isEmpty() && !stationNumbered(station, entered)) ||
                !station.setOneTouch(kCallButtonKey, entered.toStdString()))
                return {StringId::InvalidStationNumber, {}};
            station.system().announce(kCallButtonKey);
            return {};
        });
    markDoorStation(*dialCode, called);
    auto* callButtonLayout = new QGridLayout(callButton_);
    callButtonLayout->addWidget(label(DialCodeLabel, dialCode), 0, 0);
    callButtonLayout->addWidget(dialCode, 0, 1);
    callButtonLayout->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(oneTouch_);
    layout->addWidget(callButton_);
    layout->addStretch();
}

void DlgStnSpeedDial::refreshControls()
{
    // A door station keeps only the 0 key, as the number its call button calls.
    const Station* shown = station();
    const bool door = shown && shown->isDoorStation();
    oneTouch_->setEnabled(!door);
    callButton_->setEnabled(door);
}
