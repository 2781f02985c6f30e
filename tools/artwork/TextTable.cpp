#include "TextTable.h"

#include <QFile>
#include <QStringList>

namespace {

QString unescape(QStringView text)
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

} // namespace

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
        texts_.insert(line.left(tab).toString(), unescape(line.mid(tab + 1)));
    }
    return true;
}

QString TextTable::field(const QString& key, int index) const
{
    return text(key).split(u'\n').value(index);
}
