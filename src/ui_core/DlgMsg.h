#pragma once

#include <QDialog>

class ResourceChain;

// A small window with one line of text, shown while a long operation runs: it appears and
// is drawn at once when made, and goes away with the object.
class DlgMsg : public QDialog
{
    Q_OBJECT

public:
    DlgMsg(const ResourceChain& resources, const QString& text, QWidget* parent);

    // The work decides when the window goes: Escape and the close button do nothing.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
};
