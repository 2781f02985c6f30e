#pragma once

#include "StationPage.h"

class QGroupBox;

// "Speed Dialing" of a station: the dial strings of the one-touch keys of a master station,
// and the station a door station's call button calls. Each kind of station has only its own
// group enabled.
class DlgStnSpeedDial : public StationPage
{
    Q_OBJECT

public:
    enum Field { Dial7, Dial8, Dial9, Dial0, Offhook, DialCode };

    DlgStnSpeedDial(const ResourceChain& resources, const UserMessages& messages,
                    QWidget* parent = nullptr);

protected:
    void refreshControls() override;

private:
    QGroupBox* oneTouch_;
    QGroupBox* callButton_;
};
