#pragma once

#include <QWidget>

class QLineEdit;
class ResourceChain;

// The page with the station-maintenance password inside the password-change dialog: the
// current one, and the new one twice. The dialog does the checking.
class DlgStnPasswd : public QWidget
{
    Q_OBJECT

public:
    explicit DlgStnPasswd(const ResourceChain& resources, QWidget* parent = nullptr);

    QString current() const;
    QString password() const;
    QString reentry() const;

private:
    QLineEdit* current_;
    QLineEdit* password_;
    QLineEdit* reentry_;
};
