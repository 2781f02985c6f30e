#include "DlgChangePasswd.h"

#include "DialogLayout.h"
#include "DlgPasswd.h"
#include "DlgStnPasswd.h"
#include "ModelText.h"
#include "PasswordCodec.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "System.h"
#include "SystemCredentials.h"
#include "UserMessages.h"

#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Text { SystemTab = 3, MaintenanceTab };

constexpr int kMaintenanceDigits = 4;

} // namespace

DlgChangePasswd::DlgChangePasswd(const ResourceChain& resources, const UserMessages& messages,
                                 System& system, QWidget* parent)
    : QDialog(parent), messages_(messages), system_(system), pages_(new QTabWidget(this)),
      systemPage_(new DlgPasswd(resources)), maintenancePage_(new DlgStnPasswd(resources))
{
    DialogLayout layout(this, resources, DialogId::PasswordChange);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addTab(systemPage_, layout.text(SystemTab));
    pages_->addTab(maintenancePage_, layout.text(MaintenanceTab));
    layout.layout()->addWidget(pages_);
    layout.addButtons();

    const int codePage = system.locale().codePage();
    systemPage_->setSystemName(ModelText::toUi(system.systemName(), codePage));
    systemPage_->setPassword(QString::fromStdString(system.plainPassword()));
    // The dialog opens in the name field, and each page in its first field.
    systemPage_->setFocus();
    connect(pages_, &QTabWidget::currentChanged, this,
            [this] { pages_->currentWidget()->setFocus(); });
}

void DlgChangePasswd::keyPressEvent(QKeyEvent* event)
{
    // Enter finishes a field, not the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DlgChangePasswd::accept()
{
    const bool taken =
        pages_->currentIndex() == SystemPage ? takeSystemPage() : takeMaintenancePage();
    if (taken)
        QDialog::accept();
}

bool DlgChangePasswd::takeSystemPage()
{
    const int codePage = system_.locale().codePage();
    const std::string typed = ModelText::asciiFieldBytes(systemPage_->systemName(), codePage);
    const std::string name = SystemCredentials::trimmed(typed);
    if (name != typed) {
        messages_.show(StringId::Caption, messages_.resources().string(StringId::NameTrimmed),
                       UserDialogs::Icon::Information);
        systemPage_->setSystemName(ModelText::toUi(name, codePage));
    }
    if (systemPage_->password() != systemPage_->reentry()) {
        messages_.tell(StringId::PasswordsDiffer);
        return false;
    }
    const std::string previous = system_.systemName();
    if (!system_.setSystemName(name)) {
        messages_.tell(StringId::NameRefused,
                       {QString::fromLatin1(SystemCredentials::kExcludedCharacters.data(),
                                            int(SystemCredentials::kExcludedCharacters.size()))});
        return false;
    }
    const std::string password = ModelText::asciiFieldBytes(systemPage_->password(), codePage);
    if (password.size() > PasswordCodec::kMaxPlainLength ||
        !system_.setPassword(PasswordCodec::encode(password, name))) {
        messages_.tell(StringId::PasswordRefused);
        system_.setSystemName(previous);
        return false;
    }
    return true;
}

bool DlgChangePasswd::takeMaintenancePage()
{
    if (maintenancePage_->current().toStdString() != system_.maintenancePassword()) {
        messages_.tell(StringId::InvalidPassword);
        return false;
    }
    if (maintenancePage_->password() != maintenancePage_->reentry()) {
        messages_.tell(StringId::PasswordsDiffer);
        return false;
    }
    if (!system_.setMaintenancePassword(maintenancePage_->password().toStdString())) {
        messages_.tell(StringId::EnterDigits, {QString::number(kMaintenanceDigits)});
        return false;
    }
    return true;
}
