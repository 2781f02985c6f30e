#pragma once

#include "UnitSelectionPage.h"

class DlgExClock;
class DlgExFunction;
class DlgExNetwork;
class DlgMiAudio;
class DlgMiContactInput;
class DlgMiContactOutput;
class UserMessages;

// The "Multi Interface" page: one multi-interface unit chosen by number or by name, its
// network, correction and function settings as an exchange has them, and its lines.
class DlgMiConfig : public UnitSelectionPage
{
    Q_OBJECT

public:
    enum Tab { Network, Clock, Function, Audio, ContactInput, ContactOutput, TabCount };

    DlgMiConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                QWidget* parent = nullptr);

    DlgExNetwork& network() const { return *network_; }
    DlgExClock& clock() const { return *clock_; }
    DlgExFunction& function() const { return *function_; }
    DlgMiAudio& audio() const { return *audio_; }
    DlgMiContactInput& contactInput() const { return *contactInput_; }
    DlgMiContactOutput& contactOutput() const { return *contactOutput_; }

protected:
    bool lists(const Exchange& unit) const override;

private:
    DlgExNetwork* network_;
    DlgExClock* clock_;
    DlgExFunction* function_;
    DlgMiAudio* audio_;
    DlgMiContactInput* contactInput_;
    DlgMiContactOutput* contactOutput_;
};
