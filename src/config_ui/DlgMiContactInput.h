#pragma once

#include "ContactPage.h"

#include <vector>

class ContactIn;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QWidget;

// "Contact Input" of a multi-interface unit: what each of its 16 contact inputs starts. An
// interlock drives a contact output of any unit, an auxiliary-input paging sends one of
// the unit's audio inputs to a zone, a remote dial control dials for a station.
class DlgMiContactInput : public ContactPage
{
    Q_OBJECT

public:
    // The modes, in the order of their buttons.
    enum ModeChoice { Level, Edge, AuxPaging, Busy1, Busy2, RemoteControl, Unused, ModeCount };
    enum Field { DialCode };

    DlgMiContactInput(const ResourceChain& resources, const UserMessages& messages,
                      QWidget* parent = nullptr);

    // As a click on the mode's button.
    void chooseMode(int choice);
    // As choices in the lists: the contact output interlocked, the zone and audio input of
    // an auxiliary-input paging, the station of a remote dial control; 0 for none.
    void setInterlock(int unitNumber, int output);
    void setAuxPaging(int zone, int audioInput);
    void setRemoteStation(int unitNumber, int line);

protected:
    void refreshContact() override;

private:
    ContactIn* input() const;
    // The units in use that have lines of a kind, and the numbers 1..count.
    std::vector<int> unitsWith(int (Exchange::*count)() const) const;
    static std::vector<int> lines(int count);

    QButtonGroup* modes_;
    QWidget* interlock_;
    QWidget* auxPaging_;
    QWidget* remote_;
    QComboBox* interlockUnits_;
    QComboBox* interlockOutputs_;
    QComboBox* zones_;
    QComboBox* audioInputs_;
    QComboBox* remoteUnits_;
    QComboBox* remoteLines_;
    QLineEdit* dialCode_;
};
