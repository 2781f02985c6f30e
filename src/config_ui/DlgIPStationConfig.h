#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>
#include <array>

class DlgExNetwork;
class DlgScanMonitor;
class DlgStnFunction;
class DlgStnMsg;
class DlgStnSpeedDial;
class ModelObserver;
class QComboBox;
class QTabWidget;
class ResourceChain;
class StationPage;
class UserMessages;

// The "IP Station" page: one IP station chosen by its unit, the unit's network settings and
// the settings of its one station. The "Message" tab is there for IP master stations only.
class DlgIPStationConfig : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Tab { Network, Function, SpeedDial, ScanMonitor, Message, TabCount };

    DlgIPStationConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                       QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // The fields of the shown tab.
    bool commitField(int field) override;

    // Shows the IP station with that unit number; false when it is no IP station in use.
    bool selectUnit(int number);
    // The unit number of the IP station shown; 0 when none.
    int selectedUnit() const { return unit_; }

    QTabWidget& tabs() const { return *tabs_; }
    DlgExNetwork& network() const { return *network_; }
    DlgStnFunction& function() const { return *function_; }
    DlgStnSpeedDial& speedDial() const { return *speedDial_; }
    DlgScanMonitor& scanMonitor() const { return *scanMonitor_; }
    DlgStnMsg& message() const { return *message_; }

private:
    bool isIPStation(int unit) const;
    void fillSelection();
    void showSelected();

    Locale locale_;
    QComboBox* units_;
    QTabWidget* tabs_;
    DlgExNetwork* network_;
    DlgStnFunction* function_;
    DlgStnSpeedDial* speedDial_;
    DlgScanMonitor* scanMonitor_;
    DlgStnMsg* message_;
    std::array<StationPage*, TabCount - 1> stationPages_{};
    ModelObserver* observer_;
    System* system_ = nullptr;
    int unit_ = 0;
};
