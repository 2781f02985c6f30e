#pragma once

#include "EquipmentCounts.h"
#include "Locale.h"
#include "ModelPage.h"
#include "Refusal.h"

#include <QWidget>
#include <array>

class EquipmentTableModel;
class LineField;
class ModelObserver;
class QLabel;
class QPushButton;
class ResourceChain;
class SettingGrid;
class UserMessages;

// "Equipment Registration": how many exchanges, IP stations and multi-interface units the
// system has, and the list of its units with their names and the places they are reached at.
class DlgSystemList : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    // The count fields, by category.
    enum Field { ExchangeCount, IPStationCount, MultiInterfaceCount, FieldCount };

    DlgSystemList(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                  QWidget* parent = nullptr);
    ~DlgSystemList() override;

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int field) override;

    SettingGrid& grid() const { return *grid_; }
    EquipmentTableModel& table() const { return *table_; }
    // Opens the import from the scan result; enabled while the system has units.
    QPushButton& importButton() const { return *import_; }

private:
    Refusal setCount(EquipmentCounts::Category category, const QString& text);

    const ResourceChain& resources_;
    const UserMessages& messages_;
    std::array<LineField*, FieldCount> counts_{};
    QLabel* total_;
    SettingGrid* grid_;
    EquipmentTableModel* table_;
    QPushButton* import_;
    ModelObserver* observer_;
    System* system_ = nullptr;
};
