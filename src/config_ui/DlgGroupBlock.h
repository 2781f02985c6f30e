#pragma once

#include "ModelPage.h"

#include <QWidget>

class BlockToModel;
class ModelObserver;
class ResourceChain;
class SettingGrid;

// "Group blocking to": which groups and paging zones each blocking group is blocked to.
class DlgGroupBlock : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    explicit DlgGroupBlock(const ResourceChain& resources, QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int) override { return true; }

    SettingGrid& grid() const { return *grid_; }
    BlockToModel& table() const { return *table_; }

private:
    SettingGrid* grid_;
    BlockToModel* table_;
    ModelObserver* observer_;
};
