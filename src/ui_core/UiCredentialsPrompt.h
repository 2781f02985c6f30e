#pragma once

#include "CredentialsPrompt.h"

#include <QObject>

class UserDialogs;

// The credentials prompt of the program: a worker thread that needs the login dialog asks
// the user-interface thread for it and waits until the user has answered. The object lives
// on the user-interface thread, whose event loop must keep turning while workers run.
class UiCredentialsPrompt : public QObject, public CredentialsPrompt
{
    Q_OBJECT

public:
    explicit UiCredentialsPrompt(UserDialogs& dialogs, QObject* parent = nullptr);

    std::optional<Credentials> ask(const std::string& address, int webPort,
                                   const Credentials& tried) override;

private:
    UserDialogs& dialogs_;
};
