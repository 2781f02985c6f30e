#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>

class LineField;
class ModelObserver;
class QPushButton;
class ResourceChain;
class SettingGrid;
class StationTableModel;
class UserMessages;

// "Station Table": the digits of a station number, and every station of the system with
// its type, number and name, edited in the table or for many stations at once through the
// collective setup.
class DlgStationList : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Field { StationDigits };

    DlgStationList(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                   QWidget* parent = nullptr);
    ~DlgStationList() override;

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int field) override;

    SettingGrid& grid() const { return *grid_; }
    StationTableModel& table() const { return *table_; }
    // The collective setup over the selected rows, or all when none is selected.
    void collectiveSetup();

private:
    const ResourceChain& resources_;
    const UserMessages& messages_;
    Locale locale_;
    LineField* digits_;
    QPushButton* setupButton_;
    SettingGrid* grid_;
    StationTableModel* table_;
    ModelObserver* observer_;
    System* system_ = nullptr;
};
