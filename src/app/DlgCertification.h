#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;
class ResourceChain;
class SystemSelection;
class UserDialogs;

// The system-selection dialog: pick a known system and prove its password, or pick the
// new-system entry. On OK, chosenName() is the system to open (empty for a new one).
class DlgCertification : public QDialog
{
    Q_OBJECT

public:
    DlgCertification(const ResourceChain& resources, SystemSelection& selection,
                     const std::string& currentName, int codePage, UserDialogs& dialogs,
                     QWidget* parent = nullptr);

    const std::string& chosenName() const { return chosenName_; }

    void accept() override;

private:
    void onSelectionChanged(int index);

    const ResourceChain& resources_;
    SystemSelection& selection_;
    int codePage_;
    UserDialogs& dialogs_;
    QComboBox* systems_;
    QLineEdit* password_;
    std::string chosenName_;
};
