#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>

class ModelObserver;
class PagingMemberModel;
class PagingZoneModel;
class QComboBox;
class QLabel;
class QLineEdit;
class ResourceChain;
class SettingGrid;
class UserMessages;

// The "Paging" page: how many digits a paging number has, which zones that dials and their
// names, which public-address outputs and stations each zone pages, and the UDP ports the
// units page on.
class DlgPaging : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    DlgPaging(const ResourceChain& resources, const UserMessages& messages, Locale locale,
              QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    // The digits and the cells are taken as they are chosen.
    bool commitField(int) override { return true; }

    // Takes the digit count the user chose; false when the system refused it.
    bool choosePagingDigits(int digits);

    SettingGrid& zoneGrid() const { return *zoneGrid_; }
    PagingZoneModel& zones() const { return *zones_; }
    SettingGrid& memberGrid() const { return *memberGrid_; }
    PagingMemberModel& members() const { return *members_; }

private:
    const ResourceChain& resources_;
    const UserMessages& messages_;
    QComboBox* digits_;
    QLineEdit* port_;
    QLabel* portTo_;
    SettingGrid* zoneGrid_;
    PagingZoneModel* zones_;
    PagingMemberModel* members_;
    SettingGrid* memberGrid_;
    ModelObserver* observer_;
    System* system_ = nullptr;
};
