#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>
#include <vector>

class DlgExClock;
class DlgExFunction;
class DlgExNetwork;
class Exchange;
class ModelObserver;
class QComboBox;
class QTabWidget;
class ResourceChain;
class UnitPage;
class UserMessages;

// A page for the exchange-class units of one kind: one unit chosen by its number or by its
// name, and its settings in tabs, first the network, correction and function settings every
// such unit has. The unit shown stays shown while it is of that kind; else the first one is.
class UnitSelectionPage : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // The fields of the shown tab.
    bool commitField(int field) override;

    // Shows the unit with that number; false when it is no unit of the page's kind in use.
    bool selectUnit(int number);
    // The number of the unit shown; 0 when none.
    int selectedUnit() const { return selected_; }

    QTabWidget& tabs() const { return *tabs_; }
    DlgExNetwork& network() const { return *network_; }
    DlgExClock& clock() const { return *clock_; }
    DlgExFunction& function() const { return *function_; }

protected:
    // The dialog's texts 1 to 3 head the selection: its frame, the number and the name;
    // texts 4 to 6 name the first three tabs.
    UnitSelectionPage(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                      int dialogId, QWidget* parent = nullptr);

    // Appends a tab; the page then shows the selected unit.
    void addPage(UnitPage* page, const QString& title);
    // Whether the page lists the unit.
    virtual bool lists(const Exchange& unit) const = 0;

private:
    bool isListed(int number) const;
    void fillSelection();
    void showSelected();

    Locale locale_;
    QComboBox* numbers_;
    QComboBox* names_;
    QTabWidget* tabs_;
    std::vector<UnitPage*> pages_;
    DlgExNetwork* network_;
    DlgExClock* clock_;
    DlgExFunction* function_;
    ModelObserver* observer_;
    System* system_ = nullptr;
    int selected_ = 0;
};
