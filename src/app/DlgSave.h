#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class ResourceChain;
class System;
class UserDialogs;

// Name and password of a system saved for the first time. OK is accepted only when the
// system took both; systemName() is then its name.
class DlgSave : public QDialog
{
    Q_OBJECT

public:
    DlgSave(const ResourceChain& resources, System& system, int codePage, UserDialogs& dialogs,
            QWidget* parent = nullptr);

    const std::string& systemName() const { return systemName_; }

    void accept() override;

private:
    void tell(int messageId, const QString& text);

    const ResourceChain& resources_;
    System& system_;
    int codePage_;
    UserDialogs& dialogs_;
    QLineEdit* name_;
    QLineEdit* password_;
    QLineEdit* reentry_;
    std::string systemName_;
};
