#pragma once

#include "UnitSelectionPage.h"

class DlgMiAudio;
class DlgMiContactInput;
class DlgMiContactOutput;

// The "Multi Interface" page: one multi-interface unit chosen by number or by name, its
// network, correction and function settings as an exchange has them, and its lines.
class DlgMiConfig : public UnitSelectionPage
{
    Q_OBJECT

public:
    enum Tab { Network, Clock, Function, Audio, ContactInput, ContactOutput, TabCount };

    DlgMiConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                QWidget* parent = nullptr);

    DlgMiAudio& audio() const { return *audio_; }
    DlgMiContactInput& contactInput() const { return *contactInput_; }
    DlgMiContactOutput& contactOutput() const { return *contactOutput_; }

protected:
    bool lists(const Exchange& unit) const override;

private:
    DlgMiAudio* audio_;
    DlgMiContactInput* contactInput_;
    DlgMiContactOutput* contactOutput_;
};
