#pragma once

#include "Locale.h"
#include "ModelPage.h"

#include <QWidget>

class LineField;
class ModelObserver;
class PeerTableModel;
class ResourceChain;
class SettingGrid;
class UserMessages;

// "Multicast Registration": the system's multicast address, and from which units each unit
// receives multicast.
class DlgMulticast : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    enum Field { MulticastAddress };

    DlgMulticast(const ResourceChain& resources, const UserMessages& messages, Locale locale,
                 QWidget* parent = nullptr);
    ~DlgMulticast() override;

    void attach(System& system) override;
    void detach() override;
    void refresh() override;
    bool commitField(int field) override;

    PeerTableModel& table() const { return *table_; }

private:
    LineField* address_;
    SettingGrid* grid_;
    PeerTableModel* table_;
    ModelObserver* observer_;
    System* system_ = nullptr;
};
