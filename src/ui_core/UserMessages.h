#pragma once

#include "UserDialogs.h"

#include <QStringList>

class ResourceChain;

// What the program tells and asks the user, by the ids of the message table: the text with
// its places filled, under the program's caption.
class UserMessages
{
public:
    UserMessages(const ResourceChain& resources, UserDialogs& dialogs);

    const ResourceChain& resources() const { return resources_; }
    UserDialogs& dialogs() const { return dialogs_; }

    // Refused input: the text of messageId with values in its places, with the warning icon.
    void tell(int messageId, const QStringList& values = {}) const;
    // A failure (a file not read or written, say): the same with the error icon.
    void fail(int messageId, const QStringList& values = {}) const;
    // A notice without an icon, such as the result of a command.
    void inform(const QString& text) const;
    // A yes/no question; true for yes.
    bool ask(const QString& text) const;
    // The same under the caption string captionId.
    bool ask(int captionId, int messageId) const;
    UserDialogs::Answer askOrCancel(int captionId, int messageId) const;
    // A message under the caption string captionId.
    void show(int captionId, const QString& text, UserDialogs::Icon icon) const;
    // The units that failed a job, under "Connection failure to the following units.".
    void showFailures(int captionId, const QString& failures, UserDialogs::Icon icon) const;

private:
    void showMessage(int messageId, const QStringList& values, UserDialogs::Icon icon) const;

    const ResourceChain& resources_;
    UserDialogs& dialogs_;
};
