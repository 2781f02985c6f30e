#pragma once

#include "StationImpl.h"
#include "StationPage.h"

// "Scan Monitor" of a station: how long it listens to each station it scans, and the four
// groups of sixteen stations it scans. A door station scans nothing: its page is disabled.
class DlgScanMonitor : public StationPage
{
    Q_OBJECT

public:
    static constexpr int kGroups = StationImpl::kMonitorGroups;
    static constexpr int kPositions = StationImpl::kMonitorPositions;
    enum Field { MonitoringTime };
    // The field of a group's position (both from 1).
    static constexpr int entry(int group, int position)
    {
        return 1 + (group - 1) * kPositions + (position - 1);
    }

    DlgScanMonitor(const ResourceChain& resources, const UserMessages& messages,
                   QWidget* parent = nullptr);

protected:
    bool appliesTo(const Station& station) const override;
};
