#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

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
    // A text of a dialog or form by dialog id and control id; control 0 is the caption.
    QString dialogText(int dialog, int control) const;
    // A table text with printf conversions ("%s", "%d", "%u") filled in order with values,
    // and places "%1" to "%9" filled with the value of that number; "%%" is a percent sign.
    // Conversions without a value are left as they are.
    static QString substitute(const QString& format, const QStringList& values);
    // The resource path of a file, in the active language when it has one.
    QString path(const QString& name) const;
    // The resource path of a picture by its id.
    QString bitmapPath(int id) const;
    // Whether the launcher shows the Message button, as the language's launcher form says.
    bool launcherShowsMessage() const;

private:
    // Reads "key TAB text" lines of a table file of one language into table; an entry
    // replaces an earlier one with the same key.
    static void readTable(const QString& language, const QString& file,
                          QHash<QString, QString>& table);

    QString language_;
    QHash<QString, QString> strings_;
    QHash<QString, QString> dialogTexts_;
};
