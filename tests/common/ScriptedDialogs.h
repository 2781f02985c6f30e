#pragma once

#include "SystemCredentials.h"
#include "UserDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QString>
#include <QThread>
#include <deque>
#include <functional>
#include <map>
#include <vector>

// Answers the program's questions from a script and records what it was shown.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
    };

    // How the user answers one dialog: the text typed into its fields, by their object names
    // (a combo box takes the text of an entry, a check box "1" or "0"), what else they do in
    // it, then OK or Cancel.
    struct DialogAnswer {
        std::map<QString, QString> fields;
        bool accept = true;
        std::function<void(QDialog&)> act = {};
    };

    void message(const QString& caption, const QString& text, Icon icon) override
    {
        messages.push_back({caption, text, icon});
    }

    bool question(const QString& caption, const QString& text) override
    {
        messages.push_back({caption, text, Icon::None});
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    // OK/Cancel: answered like a yes/no question, by the next of answers.
    bool confirm(const QString& caption, const QString& text) override
    {
        return question(caption, text);
    }

    // The path in openPath.
    QString openFileName(const QString&, const QString&, const QString&) override
    {
        return openPath;
    }

    // Answered by the next of choices; Cancel when none is left.
    Answer questionWithCancel(const QString& caption, const QString& text) override
    {
        messages.push_back({caption, text, Icon::None});
        if (choices.empty())
            return Answer::Cancel;
        const Answer answer = choices.front();
        choices.pop_front();
        return answer;
    }

    // The system selection: by default picks the system named selectName ("" for a new
    // one) without asking for a password, or cancels when cancelSelection is set.
    bool selectSystem(SystemSelection&, const std::string& currentName,
                      std::string& chosen) override
    {
        proposedNames.push_back(currentName);
        if (cancelSelection)
            return false;
        chosen = selectName;
        return true;
    }

    // The save dialog: the name and password in newName and newPassword, checked as the
    // dialog checks them.
    bool nameSystem(System& system, std::string& name) override
    {
        const auto outcome = SystemCredentials::apply(system, newName, newPassword, newPassword);
        name = outcome.name;
        return outcome.ok();
    }

    // The path in savePath, with the default suffix added as the file dialog adds it to a
    // name typed without one.
    QString saveFileName(const QString&, const QString& proposedPath, const QString&,
                         const QString& defaultSuffix) override
    {
        proposedPaths.push_back(proposedPath);
        if (savePath.isEmpty() || !QFileInfo(savePath).suffix().isEmpty())
            return savePath;
        return savePath + u'.' + defaultSuffix;
    }

    std::optional<Credentials> unitCredentials(const std::string& address, int webPort,
                                               const Credentials& tried) override
    {
        credentialRequests.push_back({address, webPort, tried, QThread::currentThread()});
        return credentialsAnswer;
    }

    // Any other dialog: answered by the next of dialogAnswers (Cancel when none is left).
    // OK goes through the dialog's own accept(), so its checks run as for a user; an OK the
    // dialog refuses is followed by Cancel.
    int exec(QDialog& dialog) override
    {
        shownDialogs.push_back(QString::fromLatin1(dialog.metaObject()->className()));
        DialogAnswer answer{{}, false};
        if (!dialogAnswers.empty()) {
            answer = dialogAnswers.front();
            dialogAnswers.pop_front();
        }
        for (const auto& [name, text] : answer.fields)
            fill(dialog, name, text);
        if (answer.act)
            answer.act(dialog);
        dialog.setResult(QDialog::Rejected);
        if (answer.accept)
            dialog.accept();
        if (dialog.result() != QDialog::Accepted)
            dialog.reject();
        return dialog.result();
    }

    struct CredentialRequest {
        std::string address;
        int webPort;
        Credentials tried;
        QThread* thread;
    };

    std::vector<Shown> messages;
    std::vector<QString> proposedPaths;
    QString savePath;
    QString openPath;
    std::deque<bool> answers;
    std::deque<Answer> choices;
    std::vector<std::string> proposedNames;
    bool cancelSelection = false;
    std::string selectName;
    std::string newName = "Tower";
    std::string newPassword = "secret";
    std::optional<Credentials> credentialsAnswer;
    std::vector<CredentialRequest> credentialRequests;
    std::deque<DialogAnswer> dialogAnswers;
    // The class of every dialog given to exec, in order.
    std::vector<QString> shownDialogs;

private:
    static void fill(QDialog& dialog, const QString& name, const QString& text)
    {
        if (auto* edit = dialog.findChild<QLineEdit*>(name))
            edit->setText(text);
        else if (auto* box = dialog.findChild<QComboBox*>(name))
            box->setCurrentIndex(box->findText(text));
        else if (auto* button = dialog.findChild<QAbstractButton*>(name))
            button->setChecked(text == QStringLiteral("1"));
        else
            qFatal("%s has no field named %s", dialog.metaObject()->className(), qPrintable(name));
    }
};
