#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>

class BlockMemberModel;
class ModelObserver;
class ResourceChain;
class SettingGrid;
class UserMessages;

// "Group blocking group": which blocking group each station and blockable line belongs to.
class DlgGroupBlockMember : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    DlgGroupBlockMember(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                        QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int) override { return true; }

    SettingGrid& grid() const { return *grid_; }
    BlockMemberModel& table() const { return *table_; }

private:
    SettingGrid* grid_;
    BlockMemberModel* table_;
    ModelObserver* observer_;
};
