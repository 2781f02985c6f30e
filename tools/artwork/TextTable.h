#pragma once

#include <QHash>
#include <QString>

// A resource text table as the resource folders keep it: one entry a line, its key, a tab,
// the text. Lines starting with "#" are comments; "\n" in a text stands for a line break and
// "\\" for a backslash. Reading a second file replaces the entries it holds key by key, so a
// language's table read after the English one leaves untranslated keys in English.
class TextTable
{
public:
    // Adds the entries of a UTF-8 file; false with error set when it cannot be read.
    bool read(const QString& path, QString* error);

    bool contains(const QString& key) const { return texts_.contains(key); }
    QString text(const QString& key) const { return texts_.value(key); }
    // One of the "\n"-separated fields of a text (document-template strings).
    QString field(const QString& key, int index) const;

private:
    QHash<QString, QString> texts_;
};
