#pragma once

#include <QWidget>

class QLineEdit;
class ResourceChain;

// The page with the new system name and password inside the password-change dialog, which
// reads the three fields and does the checking.
class DlgPasswd : public QWidget
{
    Q_OBJECT

public:
    explicit DlgPasswd(const ResourceChain& resources, QWidget* parent = nullptr);

    QString systemName() const;
    QString password() const;
    QString reentry() const;
    void setSystemName(const QString& name);
    // Shows password in both password fields.
    void setPassword(const QString& password);

private:
    QLineEdit* name_;
    QLineEdit* password_;
    QLineEdit* reentry_;
};
