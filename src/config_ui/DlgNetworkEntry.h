#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>

class ModelObserver;
class PeerTableModel;
class SettingGrid;

// "Network Communication Registration": which units may connect to which.
class DlgNetworkEntry : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    explicit DlgNetworkEntry(Locale locale, QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int) override { return true; }

    PeerTableModel& table() const { return *table_; }

private:
    SettingGrid* grid_;
    PeerTableModel* table_;
    ModelObserver* observer_;
};
