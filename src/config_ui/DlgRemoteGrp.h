#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>

class ModelObserver;
class QListWidget;
class QPushButton;
class RemoteStationModel;
class ResourceChain;
class SettingGrid;
class UserMessages;

// "Remote response group": the groups of stations that answer for one another, made with
// "New" and deleted with "Delete", and the stations of the group selected.
class DlgRemoteGrp : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    DlgRemoteGrp(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                 QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int) override { return true; }

    // "New": a group row is appended and selected.
    void addGroup();
    // "Delete": the selected group goes and the rows are numbered again.
    void deleteGroup();

    QListWidget& groups() const { return *groups_; }
    SettingGrid& grid() const { return *grid_; }
    RemoteStationModel& table() const { return *table_; }

private:
    void showGroups();

    const ResourceChain& resources_;
    const UserMessages& messages_;
    QListWidget* groups_;
    QPushButton* new_;
    QPushButton* delete_;
    SettingGrid* grid_;
    RemoteStationModel* table_;
    ModelObserver* observer_;
};
