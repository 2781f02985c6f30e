#include "UserMessages.h"

#include "ResourceChain.h"
#include "ResourceIds.h"
#include "UserDialogs.h"

UserMessages::UserMessages(const ResourceChain& resources, UserDialogs& dialogs)
    : resources_(resources), dialogs_(dialogs)
{
}

void UserMessages::showMessage(int messageId, const QStringList& values, UserDialogs::Icon icon) const
{
    dialogs_.message(resources_.string(StringId::Caption),
                     ResourceChain::substitute(resources_.string(messageId), values), icon);
}

void UserMessages::tell(int messageId, const QStringList& values) const
{
    showMessage(messageId, values, UserDialogs::Icon::Exclamation);
}

void UserMessages::fail(int messageId, const QStringList& values) const
{
    showMessage(messageId, values, UserDialogs::Icon::Error);
}

void UserMessages::inform(const QString& text) const
{
    dialogs_.message(resources_.string(StringId::Caption), text, UserDialogs::Icon::None);
}

bool UserMessages::ask(const QString& text) const
{
    return dialogs_.question(resources_.string(StringId::Caption), text);
}

bool UserMessages::ask(int captionId, int messageId) const
{
    return dialogs_.question(resources_.string(captionId), resources_.string(messageId));
}

UserDialogs::Answer UserMessages::askOrCancel(int captionId, int messageId) const
{
    return dialogs_.questionWithCancel(resources_.string(captionId), resources_.string(messageId));
}

void UserMessages::show(int captionId, const QString& text, UserDialogs::Icon icon) const
{
    dialogs_.message(resources_.string(captionId), text, icon);
}

void UserMessages::showFailures(int captionId, const QString& failures,
                                UserDialogs::Icon icon) const
{
    show(captionId, resources_.string(StringId::ConnectionFailure) + u'\n' + failures, icon);
}
