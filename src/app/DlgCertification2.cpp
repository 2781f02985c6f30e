#include "DlgCertification2.h"

#include "DialogLayout.h"
#include "PasswordCodec.h"
#include "ResourceChain.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kPrompt = 1487;
} // namespace

DlgCertification2::DlgCertification2(const ResourceChain& resources, const QString& address,
                                     int webPort, const QString& name, const QString& password,
                                     QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(name, this)), password_(new QLineEdit(password, this))
{
    DialogLayout layout(this, resources, DialogId::Login);
    prompt_ = layout.addText(kPrompt);
    layout.addField(1101, name_);
    layout.addField(1102, password_);
    layout.addButtons();
    name_->setObjectName(QStringLiteral("systemName"));
    name_->setMaxLength(int(PasswordCodec::kMaxPlainLength));
    password_->setMaxLength(int(PasswordCodec::kMaxPlainLength));
    password_->setObjectName(QStringLiteral("password"));
    password_->setEchoMode(QLineEdit::Password);

    prompt_->setText(ResourceChain::substitute(resources.string(StringId::EnterCredentials),
                                               {address, QString::number(webPort)}));
}

QString DlgCertification2::prompt() const
{
    return prompt_->text();
}

QString DlgCertification2::systemName() const
{
    return name_->text();
}

QString DlgCertification2::password() const
{
    return password_->text();
}
