#pragma once

#include "UnitClient.h"

#include <string>

class QWidget;
class ToolHost;

// The launcher's two maintenance jobs: every unit's clock set to this computer's, and a new
// system name and password, or a new station-maintenance password, given to every unit.
// Each loads the current system's file again first, works on all units at once behind a
// wait window while the main window waits (a unit's login prompt comes over it), and names
// the units that failed.
class MaintenanceJobs
{
public:
    // view: what takes no input while the units are reached; the dialogs and the wait
    // window stand over its window.
    MaintenanceJobs(ToolHost& host, UnitClient::Options options, QWidget& view);

    void setClock();
    void changePassword();

private:
    // Loads the current system's file again behind "Loading File ..."; false when it could
    // not be read.
    bool prepare();
    void tellFailures(const std::string& failures) const;

    ToolHost& host_;
    UnitClient::Options options_;
    QWidget& view_;
};
