#pragma once

#include <QDialog>

class QLineEdit;
class QTimer;
class ResourceChain;

// "System clock settings": what OK does, and this computer's time, which is what the units
// will be given, going on second by second.
class DlgTime : public QDialog
{
    Q_OBJECT

public:
    explicit DlgTime(const ResourceChain& resources, QWidget* parent = nullptr);

    // The local time now, as "Dec/10/2026 09:00:00".
    static QString currentTime();

private:
    QLineEdit* time_;
    QTimer* ticks_;
};
