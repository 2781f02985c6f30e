#include "ResourceChain.h"

#include <QFile>
#include <QStringList>

namespace {

QString unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == u'n' ? QChar(u'\n') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString folder(const QString& language)
{
    return QStringLiteral(":/res/") + language + u'/';
}

} // namespace

ResourceChain::ResourceChain(const QString& language) : language_(language)
{
    // The English table first; the language's own entries replace it id by id.
    readStrings(QStringLiteral("en"));
    if (language_ != QStringLiteral("en"))
        readStrings(language_);
}

void ResourceChain::readStrings(const QString& language)
{
    QFile file(folder(language) + QStringLiteral("strings.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(u'\n')) {
        const int tab = line.indexOf(u'\t');
        if (line.startsWith(u'#') || tab <= 0)
            continue;
        bool ok = false;
        const int id = line.left(tab).toInt(&ok);
        if (ok)
            strings_.insert(id, unescape(line.mid(tab + 1)));
    }
}

QString ResourceChain::string(int id) const
{
    return strings_.value(id);
}

QString ResourceChain::stringField(int id, int field) const
{
    return string(id).split(u'\n').value(field);
}

QString ResourceChain::path(const QString& name) const
{
    const QString own = folder(language_) + name;
    return QFile::exists(own) ? own : folder(QStringLiteral("en")) + name;
}

bool ResourceChain::launcherShowsMessage() const
{
    QFile file(path(QStringLiteral("launcher.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.trimmed() == "message_visible=true")
            return true;
    }
    return false;
}
