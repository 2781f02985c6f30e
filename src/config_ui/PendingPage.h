#pragma once

#include "ModelPage.h"

#include <QWidget>

class QLabel;
class ResourceChain;

// A tab page whose settings are not edited here yet: it follows the model like every page
// and says what it will hold.
class PendingPage : public QWidget, public ModelPage
{
    Q_OBJECT

public:
    PendingPage(const ResourceChain& resources, int dialogId, QWidget* parent = nullptr);

    void attach(System& system) override;
    void detach() override;
    void refresh() override {}
    bool commitField(int) override { return true; }

    bool isAttached() const { return system_ != nullptr; }

private:
    QLabel* text_;
    System* system_ = nullptr;
};
