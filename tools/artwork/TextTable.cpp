#include "TextTable.h"

#include "TableText.h"

#include <QFile>
#include <QStringList>

bool TextTable::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    const QString content = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(content).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (line.startsWith(u'#') || tab <= 0)
            continue;
        texts_.insert(line.left(tab).toString(), unescapeTableText(line.mid(tab + 1)));
    }
    return true;
}

QString TextTable::field(const QString& key, int index) const
{
    return text(key).split(u'\n').value(index);
}
