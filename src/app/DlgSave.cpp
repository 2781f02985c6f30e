#include "DlgSave.h"

#include "DialogLayout.h"
#include "ModelText.h"
#include "PasswordCodec.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemCredentials.h"
#include "UserDialogs.h"

#include <QLineEdit>

DlgSave::DlgSave(const ResourceChain& resources, System& system, int codePage, UserDialogs& dialogs,
                 QWidget* parent)
    : QDialog(parent), resources_(resources), system_(system), codePage_(codePage),
      dialogs_(dialogs), name_(new QLineEdit(this)), password_(new QLineEdit(this)),
      reentry_(new QLineEdit(this))
{
    DialogLayout layout(this, resources, DialogId::SaveSystem);
    layout.addText(1100);
    layout.addField(1017, name_);
    layout.addField(1018, password_);
    layout.addField(1023, reentry_);
    layout.addButtons();
    name_->setObjectName(QStringLiteral("systemName"));
    password_->setObjectName(QStringLiteral("password"));
    reentry_->setObjectName(QStringLiteral("reentry"));
    for (QLineEdit* field : {name_, password_, reentry_})
        field->setMaxLength(int(PasswordCodec::kMaxPlainLength));
    password_->setEchoMode(QLineEdit::Password);
    reentry_->setEchoMode(QLineEdit::Password);
}

void DlgSave::tell(int messageId, const QString& text)
{
    dialogs_.message(resources_.string(StringId::Caption), text,
                     messageId == SystemCredentials::kTrimmedNoticeId
                         ? UserDialogs::Icon::Information
                         : UserDialogs::Icon::Exclamation);
}

void DlgSave::accept()
{
    const auto outcome =
        SystemCredentials::apply(system_, ModelText::asciiFieldBytes(name_->text(), codePage_),
                                 ModelText::asciiFieldBytes(password_->text(), codePage_),
                                 ModelText::asciiFieldBytes(reentry_->text(), codePage_));
    if (outcome.trimmed) {
        tell(SystemCredentials::kTrimmedNoticeId,
             resources_.string(SystemCredentials::kTrimmedNoticeId));
        name_->setText(ModelText::toUi(outcome.name, codePage_));
    }
    if (!outcome.ok()) {
        const int id = SystemCredentials::messageId(outcome.result);
        QString text = resources_.string(id);
        if (outcome.result == SystemCredentials::Result::NameRefused)
            text = text.arg(QString::fromLatin1(SystemCredentials::kExcludedCharacters.data(),
                                                SystemCredentials::kExcludedCharacters.size()));
        tell(id, text);
        return;
    }
    systemName_ = outcome.name;
    QDialog::accept();
}
