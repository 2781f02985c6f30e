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
    readTableText(QString::fromUtf8(file.readAll()), texts_);
    return true;
}

QString TextTable::field(const QString& key, int index) const
{
    return text(key).split(u'\n').value(index);
}
