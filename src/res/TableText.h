#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

// The text of an entry of the resource tables ("id TAB text"): "\n" stands for a line break,
// any other character after a backslash for itself ("\\" for a backslash).
inline QString unescapeTableText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == u'n' ? QChar(u'\n') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Adds the entries of a table file's content to table. Lines starting with "#", and lines
// without a key before their tab, are skipped; a CR before the line end is dropped.
inline void readTableText(QStringView content, QHash<QString, QString>& table)
{
    for (QStringView line : content.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (line.startsWith(u'#') || tab <= 0)
            continue;
        table.insert(line.left(tab).toString(), unescapeTableText(line.mid(tab + 1)));
    }
}
