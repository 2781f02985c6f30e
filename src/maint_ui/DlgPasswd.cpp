#include "DlgPasswd.h"

#include "DialogLayout.h"
#include "PasswordCodec.h"
#include "ResourceIds.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

DlgPasswd::DlgPasswd(const ResourceChain& resources, QWidget* parent)
    : QWidget(parent), name_(new QLineEdit(this)), password_(new QLineEdit(this)),
      reentry_(new QLineEdit(this))
{
    DialogLayout layout(this, resources, DialogId::SystemPassword);
    auto* group = new QGroupBox(layout.text(1024), this);
    auto* form = new QFormLayout(group);
    form->addRow(layout.text(1017), name_);
    form->addRow(layout.text(1018), password_);
    form->addRow(layout.text(1023), reentry_);
    layout.addText(1021);
    layout.layout()->addWidget(group);
    name_->setObjectName(QStringLiteral("systemName"));
    password_->setObjectName(QStringLiteral("password"));
    reentry_->setObjectName(QStringLiteral("reentry"));
    for (QLineEdit* field : {name_, password_, reentry_})
        field->setMaxLength(int(PasswordCodec::kMaxPlainLength));
    password_->setEchoMode(QLineEdit::Password);
    reentry_->setEchoMode(QLineEdit::Password);
    setFocusProxy(name_);
}

QString DlgPasswd::systemName() const
{
    return name_->text();
}

QString DlgPasswd::password() const
{
    return password_->text();
}

QString DlgPasswd::reentry() const
{
    return reentry_->text();
}

void DlgPasswd::setSystemName(const QString& name)
{
    name_->setText(name);
}

void DlgPasswd::setPassword(const QString& password)
{
    password_->setText(password);
    reentry_->setText(password);
}
