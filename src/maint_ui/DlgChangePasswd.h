#pragma once

#include <QDialog>

class DlgPasswd;
class DlgStnPasswd;
class QTabWidget;
class ResourceChain;
class System;
class UserMessages;

// "Password change": a new system name and password, or a new station-maintenance
// password, whichever page is shown when OK is pressed. OK checks the page's entries in
// order and puts them into the system, or tells why not and stays open with the system as
// it was; Enter does not close it.
class DlgChangePasswd : public QDialog
{
    Q_OBJECT

public:
    enum Page { SystemPage, MaintenancePage };

    DlgChangePasswd(const ResourceChain& resources, const UserMessages& messages, System& system,
                    QWidget* parent = nullptr);

    QTabWidget& pages() const { return *pages_; }
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool takeSystemPage();
    bool takeMaintenancePage();

    const UserMessages& messages_;
    System& system_;
    QTabWidget* pages_;
    DlgPasswd* systemPage_;
    DlgStnPasswd* maintenancePage_;
};
