#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>
#include <array>

class DlgScanMonitor;
class DlgStnFunction;
class DlgStnSpeedDial;
class ModelObserver;
class QComboBox;
class QTabWidget;
class ResourceChain;
class StationPage;
class UserMessages;

// The "Station" page: one station of an exchange, chosen by its exchange and its line, and
// its settings in three tabs.
class DlgStationConfig : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Tab { Function, SpeedDial, ScanMonitor, TabCount };

    DlgStationConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                     QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // The fields of the shown tab.
    bool commitField(int field) override;

    // Shows the station on that line of that exchange; false when the unit is no exchange
    // in use or has no such line.
    bool selectStation(int unit, int line);
    // The exchange and line of the station shown; 0 when none.
    int selectedUnit() const { return unit_; }
    int selectedLine() const { return line_; }

    QTabWidget& tabs() const { return *tabs_; }
    DlgStnFunction& function() const { return *function_; }
    DlgStnSpeedDial& speedDial() const { return *speedDial_; }
    DlgScanMonitor& scanMonitor() const { return *scanMonitor_; }

private:
    bool isExchange(int unit) const;
    void fillSelection();
    void showSelected();

    Locale locale_;
    QComboBox* exchanges_;
    QComboBox* lines_;
    QTabWidget* tabs_;
    DlgStnFunction* function_;
    DlgStnSpeedDial* speedDial_;
    DlgScanMonitor* scanMonitor_;
    std::array<StationPage*, TabCount> pages_{};
    ModelObserver* observer_;
    System* system_ = nullptr;
    int unit_ = 0;
    int line_ = 0;
};
