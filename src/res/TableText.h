#pragma once

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
