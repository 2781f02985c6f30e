#include "DlgMessageSave.h"

#include "CR4700RecordData.h"
#include "DialogLayout.h"
#include "ModelText.h"
#include "ResourceIds.h"
#include "UserMessages.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Control { NameLabel = 1000 };

// The characters a file name of the units' systems may not hold.
const QString kForbidden = QStringLiteral("\\/:*?\"<>|");

} // namespace

DlgMessageSave::DlgMessageSave(const ResourceChain& resources, const UserMessages& messages,
                               int codePage, std::set<std::string> taken,
                               const std::string& current, QWidget* parent)
    : QDialog(parent), messages_(messages), codePage_(codePage), taken_(std::move(taken)),
      current_(current), edit_(new QLineEdit(this))
{
    DialogLayout layout(this, resources, DialogId::MessageSave);
    edit_->setObjectName(QStringLiteral("name"));
    edit_->setMaxLength(int(CR4700RecordData::kMaxNameSize));
    edit_->setText(ModelText::toUi(current, codePage));
    edit_->setMinimumWidth(300);
    layout.addField(NameLabel, edit_);
    layout.addButtons()->button(QDialogButtonBox::Ok)->setDefault(true);
}

void DlgMessageSave::accept()
{
    const QString text = edit_->text().trimmed();
    edit_->setText(text);
    QString refused;
    std::string bytes;
    const bool representable = ModelText::fromUi(text, codePage_, bytes);
    // Control characters, and what the code page has no form for, are refused like the
    // characters a file name may not hold.
    for (const char32_t code : text.toUcs4()) {
        const QString c = QString::fromUcs4(&code, 1);
        std::string ignored;
        if ((kForbidden.contains(c) || code < 0x20 || code == 0x7f ||
             (!representable && !ModelText::fromUi(c, codePage_, ignored))) &&
            !refused.contains(c))
            refused += c;
    }
    int refusal = 0;
    if (text.isEmpty())
        refusal = StringId::MessageNameRequired;
    else if (!refused.isEmpty())
        refusal = StringId::MessageNameCharacters;
    else if (bytes.size() > CR4700RecordData::kMaxNameSize)
        refusal = StringId::MessageNameTooLong;
    else if (bytes != current_ && taken_.count(bytes))
        refusal = StringId::MessageNameExists;
    if (refusal) {
        messages_.tell(refusal, {refused});
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    name_ = bytes;
    QDialog::accept();
}
