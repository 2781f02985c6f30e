#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>
#include <array>

class DlgExClock;
class DlgExFunction;
class DlgExNetwork;
class ModelObserver;
class QComboBox;
class QTabWidget;
class ResourceChain;
class UnitPage;
class UserMessages;

// The "Exchange" page: one exchange chosen by number or by name, and its settings in three
// tabs.
class DlgExConfig : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Tab { Network, Clock, Function, TabCount };

    DlgExConfig(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // The fields of the shown tab.
    bool commitField(int field) override;

    // Shows the exchange with that unit number; false when it is no exchange in use.
    bool selectUnit(int number);
    // The unit number of the exchange shown; 0 when none.
    int selectedUnit() const { return selected_; }

    QTabWidget& tabs() const { return *tabs_; }
    DlgExNetwork& network() const { return *network_; }
    DlgExClock& clock() const { return *clock_; }
    DlgExFunction& function() const { return *function_; }

private:
    void fillSelection();
    void showSelected();

    Locale locale_;
    QComboBox* numbers_;
    QComboBox* names_;
    QTabWidget* tabs_;
    DlgExNetwork* network_;
    DlgExClock* clock_;
    DlgExFunction* function_;
    std::array<UnitPage*, TabCount> pages_{};
    ModelObserver* observer_;
    System* system_ = nullptr;
    int selected_ = 0;
};
