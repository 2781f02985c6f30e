#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// A small modal window while the units are scanned or written: one line of text and a bar
// that fills in the given time. The tool closes it when the work is done; Enter and Escape
// do nothing. When the bar is full and the work is still not done (units that never
// answer), it says so and offers a Close button, so the user is never locked out.
class DlgProgress : public QDialog
{
    Q_OBJECT

public:
    // overdue: what it says when the bar is full; closeText: its Close button.
    DlgProgress(const QString& title, const QString& text, int seconds, const QString& overdue,
                const QString& closeText, QWidget* parent = nullptr);

    // Ends the window from the tool's side.
    void finish();
    bool overdue() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void step();

    QProgressBar* bar_;
    QLabel* overdue_;
    QPushButton* close_;
    QTimer* timer_;
    bool finished_ = false;
};
