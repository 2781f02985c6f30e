#include "DlgProgress.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

DlgProgress::DlgProgress(const QString& title, const QString& text, int seconds,
                         const QString& overdue, const QString& closeText, QWidget* parent)
    : QDialog(parent), bar_(new QProgressBar(this)), overdue_(new QLabel(overdue, this)),
      close_(new QPushButton(this)), timer_(new QTimer(this))
{
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
    // Four steps a second, every 250 ms.
    bar_->setRange(0, 4 * std::max(seconds, 1));
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(280);
    layout->addWidget(bar_);
    overdue_->setWordWrap(true);
    overdue_->hide();
    layout->addWidget(overdue_);
    close_->setText(closeText);
    close_->setAutoDefault(false);
    close_->hide();
    layout->addWidget(close_, 0, Qt::AlignRight);
    connect(close_, &QPushButton::clicked, this, &DlgProgress::finish);
    connect(timer_, &QTimer::timeout, this, &DlgProgress::step);
    timer_->start(250);
}

void DlgProgress::step()
{
    bar_->setValue(bar_->value() + 1);
    if (bar_->value() < bar_->maximum())
        return;
    timer_->stop();
    overdue_->show();
    close_->show();
}

bool DlgProgress::overdue() const
{
    return close_->isVisible();
}

void DlgProgress::finish()
{
    finished_ = true;
    timer_->stop();
    done(QDialog::Accepted);
}

void DlgProgress::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DlgProgress::closeEvent(QCloseEvent* event)
{
    // The title-bar close counts only once the work is overdue.
    if (finished_ || overdue())
        finish();
    else
        event->ignore();
}

void DlgProgress::reject()
{
    if (overdue())
        finish();
}
