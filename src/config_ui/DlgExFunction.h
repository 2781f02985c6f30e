#pragma once

#include "UnitPage.h"

#include <array>
#include <string>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Function Settings" of an exchange: call transfers, time limits, the sources of its BGM
// channels, and how paging, calls and door stations behave.
class DlgExFunction : public UnitPage
{
    Q_OBJECT

public:
    enum Field {
        StartTime,
        EndTime,
        Interval,
        OneShot,
        CallTimeLimit,
        ConversationTimeLimit,
        PagingTimeLimit
    };
    // The switches, in the order of their check boxes.
    enum Switch {
        CallForwarding,
        TimeForwarding,
        GroupHunting,
        AbsenceTransfer,
        CallTimeout,
        ConversationTimeout,
        PagingTimeout,
        SwitchCount
    };
    // The choices, each a group of buttons.
    enum Choice { PagingAnswer, PagingPriority, CallingIndication, DoorContact, ChoiceCount };
    static constexpr int kBgmChannels = 8;

    DlgExFunction(const ResourceChain& resources, const UserMessages& messages,
                  QWidget* parent = nullptr);

    void refresh() override;
    // As a click on the check box of the switch.
    void setSwitch(int which, bool on);
    // As a click on the button at index of the choice.
    void choose(int choice, int index);
    // The source of a BGM channel (1..8): a multi-interface unit and its audio input, 0 for
    // none.
    void setBgmSource(int channel, int unitNumber, int input);

protected:
    void refreshControls() override;

private:
    QCheckBox* check(Switch which, int textId, const char* name);
    // "hh:mm" of a time-based transfer.
    QLineEdit* transferTimeField(int field, const char* name,
                                 const std::string& (Exchange::*value)() const,
                                 bool (Exchange::*setter)(std::string_view), const char* key);
    QLineEdit* timeLimitField(int field, const char* name, int (Exchange::*value)() const,
                              bool (Exchange::*setter)(int), const char* key);
    void refreshBgm();

    std::array<QCheckBox*, SwitchCount> switches_{};
    std::array<QButtonGroup*, ChoiceCount> choices_{};
    std::array<QWidget*, ChoiceCount> choiceBoxes_{};
    std::array<QComboBox*, kBgmChannels> bgmUnits_{};
    std::array<QComboBox*, kBgmChannels> bgmInputs_{};
    QWidget* bgm_;
    std::array<QLineEdit*, 7> fields_{};
    // The time limits in seconds as last shown, 0 for none yet.
    std::array<int, 3> lastLimits_{};
    const Exchange* limitsUnit_ = nullptr;
};
