#pragma once

#include "SystemCredentials.h"
#include "UserDialogs.h"

#include <QString>
#include <QThread>
#include <deque>
#include <functional>
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

    QString saveFileName(const QString&, const QString& proposedPath, const QString&) override
    {
        proposedPaths.push_back(proposedPath);
        return savePath;
    }

    std::optional<Credentials> unitCredentials(const std::string& address, int webPort,
                                               const Credentials& tried) override
    {
        credentialRequests.push_back({address, webPort, tried, QThread::currentThread()});
        return credentialsAnswer;
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
    std::deque<bool> answers;
    std::vector<std::string> proposedNames;
    bool cancelSelection = false;
    std::string selectName;
    std::string newName = "Tower";
    std::string newPassword = "secret";
    std::optional<Credentials> credentialsAnswer;
    std::vector<CredentialRequest> credentialRequests;
};
