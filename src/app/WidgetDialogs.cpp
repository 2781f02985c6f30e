#include "WidgetDialogs.h"

#include "CMainFrame.h"
#include "DlgCertification.h"
#include "DlgCertification2.h"
#include "DlgSave.h"
#include "ModelText.h"
#include "R4000App.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

WidgetDialogs::WidgetDialogs(R4000App& app) : app_(app) {}

QWidget* WidgetDialogs::parent() const
{
    // Over the window the user is looking at: a wait window of a long command, else the
    // main window.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    QWidget* frame = app_.frame();
    return frame && frame->isVisible() ? frame : nullptr;
}

void WidgetDialogs::message(const QString& caption, const QString& text, Icon icon)
{
    const QMessageBox::Icon shown = icon == Icon::Information   ? QMessageBox::Information
                                    : icon == Icon::Exclamation ? QMessageBox::Warning
                                    : icon == Icon::Error       ? QMessageBox::Critical
                                                                : QMessageBox::NoIcon;
    QMessageBox box(shown, caption, text, QMessageBox::Ok, parent());
    box.exec();
}

bool WidgetDialogs::question(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool WidgetDialogs::confirm(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

UserDialogs::Answer WidgetDialogs::questionWithCancel(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent());
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool WidgetDialogs::selectSystem(SystemSelection& selection, const std::string& currentName,
                                 std::string& chosen)
{
    DlgCertification dialog(app_.resources(), selection, currentName, app_.locale().codePage(),
                            *this, parent());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosen = dialog.chosenName();
    return true;
}

bool WidgetDialogs::nameSystem(System& system, std::string& name)
{
    DlgSave dialog(app_.resources(), system, app_.locale().codePage(), *this, parent());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.systemName();
    return true;
}

QString WidgetDialogs::openFileName(const QString& caption, const QString& folder,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent(), caption, folder, filter);
}

QString WidgetDialogs::saveFileName(const QString& caption, const QString& proposedPath,
                                    const QString& filter, const QString& defaultSuffix)
{
    // The dialog adds the suffix itself, so it asks before replacing the file really meant.
    QFileDialog dialog(parent(), caption, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<Credentials> WidgetDialogs::unitCredentials(const std::string& address, int webPort,
                                                          const Credentials& tried)
{
    const int codePage = app_.locale().codePage();
    DlgCertification2 dialog(app_.resources(), QString::fromStdString(address), webPort,
                             ModelText::toUi(tried.name, codePage),
                             ModelText::toUi(tried.password, codePage), parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Credentials{ModelText::asciiFieldBytes(dialog.systemName(), codePage),
                       ModelText::asciiFieldBytes(dialog.password(), codePage)};
}

int WidgetDialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}
