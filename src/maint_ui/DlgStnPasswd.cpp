#include "DlgStnPasswd.h"

#include "DialogLayout.h"
#include "ResourceIds.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

enum Text { Explanation = 1021, Group = 1024, CurrentLabel = 1031, NewLabel, ReentryLabel };

// Station-maintenance passwords are four digits; a longer entry is told, not cut.
constexpr int kFieldLength = 8;

} // namespace

DlgStnPasswd::DlgStnPasswd(const ResourceChain& resources, QWidget* parent)
    : QWidget(parent), current_(new QLineEdit(this)), password_(new QLineEdit(this)),
      reentry_(new QLineEdit(this))
{
    DialogLayout layout(this, resources, DialogId::StationPassword);
    auto* group = new QGroupBox(layout.text(Group), this);
    auto* form = new QFormLayout(group);
    form->addRow(layout.text(CurrentLabel), current_);
    form->addRow(layout.text(NewLabel), password_);
    form->addRow(layout.text(ReentryLabel), reentry_);
    layout.addText(Explanation);
    layout.layout()->addWidget(group);
    current_->setObjectName(QStringLiteral("currentMaintenance"));
    password_->setObjectName(QStringLiteral("maintenance"));
    reentry_->setObjectName(QStringLiteral("maintenanceReentry"));
    for (QLineEdit* field : {current_, password_, reentry_}) {
        field->setMaxLength(kFieldLength);
        field->setEchoMode(QLineEdit::Password);
    }
    setFocusProxy(current_);
}

QString DlgStnPasswd::current() const
{
    return current_->text();
}

QString DlgStnPasswd::password() const
{
    return password_->text();
}

QString DlgStnPasswd::reentry() const
{
    return reentry_->text();
}
