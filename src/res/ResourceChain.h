#pragma once

#include <QHash>
#include <QString>

// Where the program finds its texts and pictures: the active language's resources first,
// then the built-in English ones, so a language library may leave out whatever it does not
// translate. Resources live under ":/res/<language>/"; a language library adds its own
// folder when it is loaded.
class ResourceChain
{
public:
    explicit ResourceChain(const QString& language);

    const QString& language() const { return language_; }

    // A string of the table by its id; empty when no table holds it.
    QString string(int id) const;
    // One of the "\n"-separated fields of a string (document-template strings).
    QString stringField(int id, int field) const;
    // The resource path of a file, in the active language when it has one.
    QString path(const QString& name) const;
    // Whether the launcher shows the Message button, as the language's launcher form says.
    bool launcherShowsMessage() const;

private:
    void readStrings(const QString& language);

    QString language_;
    QHash<int, QString> strings_;
};
