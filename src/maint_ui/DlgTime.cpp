#include "DlgTime.h"

#include "DialogLayout.h"
#include "ResourceIds.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace {

enum Text { Explanation = 1000, TimeLabel = 1001 };

} // namespace

DlgTime::DlgTime(const ResourceChain& resources, QWidget* parent)
    : QDialog(parent), time_(new QLineEdit(this)), ticks_(new QTimer(this))
{
    DialogLayout layout(this, resources, DialogId::ClockSetting);
    layout.addText(Explanation)->setWordWrap(true);
    time_->setObjectName(QStringLiteral("currentTime"));
    time_->setReadOnly(true);
    time_->setText(currentTime());
    layout.addField(TimeLabel, time_);
    QDialogButtonBox* buttons = layout.addButtons();
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(ticks_, &QTimer::timeout, this, [this] { time_->setText(currentTime()); });
    ticks_->start(1000);
}

QString DlgTime::currentTime()
{
    // "%b/%d/%Y %H:%M:%S" with the month's English abbreviation, whatever the locale.
    return QLocale::c().toString(QDateTime::currentDateTime(),
                                 QStringLiteral("MMM/dd/yyyy HH:mm:ss"));
}
