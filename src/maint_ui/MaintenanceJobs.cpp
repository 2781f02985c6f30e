#include "MaintenanceJobs.h"

#include "DlgChangePasswd.h"
#include "DlgTime.h"
#include "Maintenance.h"
#include "ModelText.h"
#include "R4000System.h"
#include "ResourceChain.h"
#include "ResourceIds.h"
#include "SystemDocument.h"
#include "Timestamp.h"
#include "ToolHost.h"
#include "UserMessages.h"
#include "WaitScope.h"

#include <QWidget>

namespace {

constexpr auto kPainting = AllUnitRun::WaitMode::ProcessingEvents;

} // namespace

MaintenanceJobs::MaintenanceJobs(ToolHost& host, UnitClient::Options options, QWidget& view)
    : host_(host), options_(std::move(options)), view_(view)
{
}

bool MaintenanceJobs::prepare()
{
    SystemDocument& document = host_.document();
    if (document.currentSystemName().empty())
        return true;
    const WaitScope waiting(host_.resources(), StringId::LoadingFile, view_);
    return document.reload();
}

void MaintenanceJobs::tellFailures(const std::string& failures) const
{
    if (failures.empty())
        return;
    host_.messages().showFailures(StringId::Caption,
                                  ModelText::toUi(failures, host_.locale().codePage()),
                                  UserDialogs::Icon::None);
}

void MaintenanceJobs::setClock()
{
    if (!prepare())
        return;
    DlgTime dialog(host_.resources(), view_.window());
    if (host_.dialogs().exec(dialog) != QDialog::Accepted)
        return;
    System& system = host_.document().system();
    std::string failures;
    {
        const WaitScope waiting(host_.resources(), StringId::SettingClock, view_);
        failures = Maintenance::setClockOnAll(
                       system, {system, &host_.credentialsPrompt(), options_}, kPainting)
                       .failures;
    }
    tellFailures(failures);
}

void MaintenanceJobs::changePassword()
{
    if (!prepare())
        return;
    System& system = host_.document().system();
    const Maintenance::Previous previous{system.systemName(), system.password(),
                                         system.maintenancePassword()};
    DlgChangePasswd dialog(host_.resources(), host_.messages(), system, view_.window());
    if (host_.dialogs().exec(dialog) != QDialog::Accepted)
        return;
    // What the dialog took goes back when nothing can be sent.
    const auto restore = [&] {
        system.setSystemName(previous.name);
        system.setPassword(previous.storedPassword);
        system.setMaintenancePassword(previous.maintenancePassword);
    };
    std::string stamp;
    std::string error;
    if (!Timestamp::current(stamp, error)) {
        restore();
        host_.messages().show(StringId::ErrorCaption, QString::fromStdString(error),
                              UserDialogs::Icon::Error);
        return;
    }
    // A system never saved has no folder of its own yet: it is saved under a name the user
    // gives it, never into the folder its name may belong to.
    SystemDocument& document = host_.document();
    const bool saved = !document.currentSystemName().empty();
    Maintenance::Outcome outcome;
    {
        const WaitScope waiting(host_.resources(), StringId::ChangingPassword, view_);
        outcome = Maintenance::changePassword(
            system, previous, {system, &host_.credentialsPrompt(), options_}, host_.files(),
            saved ? host_.dataFolder() : std::string(), stamp, kPainting);
    }
    if (!outcome.sent) {
        // Nothing changed, or the new name's folder is not free: no unit was reached.
        if (!outcome.error.empty()) {
            restore();
            host_.messages().show(StringId::ErrorCaption, QString::fromStdString(outcome.error),
                                  UserDialogs::Icon::Error);
        }
        return;
    }
    tellFailures(outcome.report.failures);
    if (!saved) {
        document.save();
        return;
    }
    if (!outcome.error.empty()) {
        // The units have the new values and the model keeps them; which of the folder's
        // files hold them is not known, so the next save asks where it goes.
        host_.messages().show(StringId::ErrorCaption, QString::fromStdString(outcome.error),
                              UserDialogs::Icon::Error);
        document.forgetFile();
        return;
    }
    document.adopt(system.systemName());
}
