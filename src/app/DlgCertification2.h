#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class ResourceChain;

// Asks for the system name and password a unit accepts, after it refused the ones tried.
// Both fields start with the credentials of the failed attempt; nothing is checked.
class DlgCertification2 : public QDialog
{
    Q_OBJECT

public:
    DlgCertification2(const ResourceChain& resources, const QString& address, int webPort,
                      const QString& name, const QString& password, QWidget* parent = nullptr);

    QString prompt() const;
    QString systemName() const;
    QString password() const;

private:
    QLabel* prompt_;
    QLineEdit* name_;
    QLineEdit* password_;
};
