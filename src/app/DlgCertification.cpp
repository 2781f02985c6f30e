#include "DlgCertification.h"

#include "DialogLayout.h"
#include "ModelText.h"
#include "PasswordCodec.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemSelection.h"
#include "UserDialogs.h"

#include <QComboBox>
#include <QLineEdit>

DlgCertification::DlgCertification(const ResourceChain& resources, SystemSelection& selection,
                                   const std::string& currentName, int codePage,
                                   UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), resources_(resources), selection_(selection), codePage_(codePage),
      dialogs_(dialogs), systems_(new QComboBox(this)), password_(new QLineEdit(this))
{
    password_->setMaxLength(int(PasswordCodec::kMaxPlainLength));
    DialogLayout layout(this, resources, DialogId::SystemSelection);
    layout.addText(1100);
    layout.addField(1101, systems_);
    layout.addField(1102, password_);
    layout.addButtons();
    password_->setEchoMode(QLineEdit::Password);
    systems_->setObjectName(QStringLiteral("systemName"));
    password_->setObjectName(QStringLiteral("password"));

    selection_.refresh();
    for (int i = 0; i < int(selection_.entries().size()); ++i) {
        const std::string& entry = selection_.entries()[std::size_t(i)];
        systems_->addItem(selection_.isKnownSystem(i) ? ModelText::toUi(entry, codePage_)
                                                      : QString::fromStdString(entry));
    }
    systems_->setCurrentIndex(selection_.initialEntry(currentName));
    onSelectionChanged(systems_->currentIndex());
    if (password_->isEnabled())
        password_->setFocus();
    connect(systems_, &QComboBox::currentIndexChanged, this, &DlgCertification::onSelectionChanged);
}

void DlgCertification::onSelectionChanged(int index)
{
    password_->setEnabled(selection_.passwordEnabled(index));
}

void DlgCertification::accept()
{
    std::string name;
    const auto result = selection_.accept(
        systems_->currentIndex(), ModelText::asciiFieldBytes(password_->text(), codePage_), name);
    if (result == SystemSelection::Result::WrongPassword) {
        dialogs_.message(resources_.stringField(StringId::ProgramName, 0),
                         resources_.string(StringId::InvalidPassword), UserDialogs::Icon::None);
        password_->setFocus();
        password_->selectAll();
        return;
    }
    chosenName_ = name;
    QDialog::accept();
}
