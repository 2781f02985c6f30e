#pragma once

#include "StationPage.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QListWidget;
class QPushButton;

// "Function Settings" of a station: how it answers calls, its levels, the stations of its
// group call, where its calls are transferred, BGM, what it may do, and the contact outputs
// of its door remote and its calling-station indication with the stations they serve.
// Controls whose values a door station (or a master station) cannot keep are disabled.
class DlgStnFunction : public StationPage
{
    Q_OBJECT

public:
    enum Field {
        GroupMember,
        CalledStation,
        CallForwarding,
        TimeForwarding,
        AbsenceTransfer,
        GroupHunting
    };
    // The check boxes.
    enum Switch {
        AutoCallTone,
        ManualCallTone,
        DoorStationMode,
        PriorityAccess,
        PriorityRefusal,
        PagingAccess,
        ExternalControl,
        SwitchCount
    };
    enum Level { Microphone, Speaker, CallVolume, LevelCount };

    DlgStnFunction(const ResourceChain& resources, const UserMessages& messages,
                   QWidget* parent = nullptr);

    // As a click on the check box of the switch.
    void setSwitch(int which, bool on);
    // 1 "Automatic connection", 0 "Continuous call".
    void setReceiptMode(int mode);
    void setLevel(int which, int level);
    // The BGM channel the station receives, 0 for none.
    void setBgmChannel(int channel);
    // Takes the entry at row out of the group-call list or the called-station list.
    void removeGroupMember(int row);
    void removeCalledStation(int row);

protected:
    void refreshControls() override;

private:
    // A list of stations under the field that adds to it, beside the button that removes
    // from it.
    QLayout* memberRows(int labelText, QLineEdit* field, QListWidget* list, QPushButton* remove);
    void fillList(QListWidget& list, const std::vector<Station*>& stations);

    std::array<QCheckBox*, SwitchCount> switches_{};
    QButtonGroup* receipt_;
    std::array<QComboBox*, LevelCount> levels_{};
    QCheckBox* receivesBgm_;
    QComboBox* bgmInput_;
    QListWidget* groupMembers_;
    QListWidget* calledStations_;
    QGroupBox* groupCall_ = nullptr;
};
