#include "UiCredentialsPrompt.h"

#include "UserDialogs.h"

#include <QThread>

UiCredentialsPrompt::UiCredentialsPrompt(UserDialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs)
{
}

std::optional<Credentials> UiCredentialsPrompt::ask(const std::string& address, int webPort,
                                                    const Credentials& tried)
{
    if (QThread::currentThread() == thread())
        return dialogs_.unitCredentials(address, webPort, tried);
    std::optional<Credentials> answer;
    QMetaObject::invokeMethod(
        this, [&] { answer = dialogs_.unitCredentials(address, webPort, tried); },
        Qt::BlockingQueuedConnection);
    return answer;
}
