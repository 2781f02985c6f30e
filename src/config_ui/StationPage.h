#pragma once

#include "SettingsPage.h"

#include <QColor>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class ContactOut;
class LineField;
class QComboBox;
class QLabel;
class QLineEdit;
class ResourceChain;
class Station;
class UserMessages;

// A page of the settings of one station, the station the sheet above it selected. Its text
// fields commit into the station as the user leaves them; an accepted value is announced to
// the system's observers with its settings key. A station object is replaced when its model
// changes, so the sheet hands the page the present object again after every change.
class StationPage : public SettingsPage
{
    Q_OBJECT

public:
    StationPage(const ResourceChain& resources, const UserMessages& messages, int dialogId,
                QWidget* parent = nullptr);

    // The station shown; null shows nothing. The page is disabled while it has no station in
    // use (a model and a number) or the station does not have what the page sets.
    void setStation(Station* station);
    Station* station() const { return station_; }
    // Shows the station's values again.
    virtual void refresh();

    // The text colour of a field or list entry that names a door station.
    static QColor doorStationColor() { return QColor(0, 0, 255); }

protected:
    using Show = std::function<QString(const Station&)>;
    using Commit = std::function<Refusal(Station&, const QString&)>;
    using Target = std::function<Station*(const Station&)>;
    using Apply = std::function<bool(Station&, Station*)>;

    // Whether the page edits this station.
    virtual bool appliesTo(const Station&) const { return true; }
    // Shows what a field does not: check boxes, choices, lists.
    virtual void refreshControls() {}

    // A text field, number field in the page's numbering.
    QLineEdit* addField(int field, const QString& objectName, int maxLength, Show show,
                        Commit commit);
    // A number field whose value lies within min..max and goes to the station through apply.
    QLineEdit* addNumberField(int field, const QString& objectName, int min, int max,
                              std::function<int(const Station&)> value,
                              std::function<bool(Station&, int)> apply, const char* key);
    // A field naming one station by its number among all stations of the system: empty
    // clears the reference; notSelf refuses the edited station itself. Drawn marked while the
    // station named is a door station.
    QLineEdit* addStationField(int field, const QString& objectName, Target value, Apply apply,
                               std::string key, bool notSelf = false);
    // A field that adds the station it names to a set of at most fifteen; the field is empty
    // again afterwards. A station already in the set, or a full set, is refused as duplicated.
    QLineEdit* addMemberField(int field, const QString& objectName,
                              std::function<std::size_t(const Station&)> count, Apply add,
                              const char* key);
    // Marks a field or other control as naming a door station.
    void markDoorStation(QWidget& control, Target target);
    // A contact output chosen as a multi-interface unit and one of its outputs: a unit
    // chosen anew starts at its first output, the empty unit clears the reference.
    void addContactChoice(QComboBox& unit, QComboBox& output,
                          std::function<ContactOut*(const Station&)> value,
                          std::function<bool(Station&, ContactOut*)> apply, const char* key);
    // The station of the system with that number; null when none has it.
    static Station* stationNumbered(const Station& edited, const QString& number);

private:
    struct DoorMark {
        QWidget* control;
        Target target;
    };
    struct ContactChoice {
        QComboBox* unit;
        QComboBox* output;
        std::function<ContactOut*(const Station&)> value;
    };

    void refreshMarks();
    void refreshContacts();

    std::vector<DoorMark> doorMarks_;
    std::vector<ContactChoice> contacts_;
    Station* station_ = nullptr;
};
