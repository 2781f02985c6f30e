#pragma once

#include "AudioIn.h"
#include "AudioOut.h"
#include "UnitPage.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QWidget;

// "Audio I/O" of a multi-interface unit: what each of its two channels takes in and gives
// out. A PBX trunk or a tie line uses both directions of its channel, so those two modes
// are chosen for input and output together.
class DlgMiAudio : public UnitPage
{
    Q_OBJECT

public:
    static constexpr int kChannels = 2;
    // Fields of channel 1..2.
    static constexpr int accessField(int channel) { return 2 * (channel - 1); }
    static constexpr int pagingField(int channel) { return 2 * (channel - 1) + 1; }

    DlgMiAudio(const ResourceChain& resources, const UserMessages& messages,
               QWidget* parent = nullptr);

    // As a click on the mode's button of the channel (1..2).
    void chooseInputMode(int channel, AudioIn::Mode mode);
    void chooseOutputMode(int channel, AudioOut::Mode mode);
    // As a click on the button at index of "Line attr" and "Line start".
    void chooseLineAttribute(int channel, int index);
    void chooseLineStart(int channel, int index);
    // As a choice in "Input sensitivity:" and "Output level:".
    void chooseInputLevel(int channel, int level);
    void chooseOutputLevel(int channel, int level);

protected:
    bool appliesTo(const Exchange& unit) const override;
    void refreshControls() override;

private:
    struct Channel {
        QButtonGroup* inputModes = nullptr;
        QButtonGroup* lineAttributes = nullptr;
        QButtonGroup* lineStarts = nullptr;
        QButtonGroup* outputModes = nullptr;
        QWidget* lineAttributeFrame = nullptr;
        QWidget* lineStartFrame = nullptr;
        QComboBox* inputLevel = nullptr;
        QComboBox* outputLevel = nullptr;
        QLineEdit* access = nullptr;
        QLineEdit* paging = nullptr;
    };

    QWidget* makeChannel(int channel);
    AudioIn* input(int channel) const;
    AudioOut* output(int channel) const;

    std::array<Channel, kChannels> channels_;
};
