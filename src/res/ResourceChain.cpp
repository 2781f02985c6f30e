#include "ResourceChain.h"

#include "TableText.h"

#include <QFile>
#include <QStringList>

namespace {

QString folder(const QString& language)
{
    return QStringLiteral(":/res/") + language + u'/';
}

} // namespace

ResourceChain::ResourceChain(const QString& language) : language_(language)
{
    // English first; the language's own entries replace it key by key.
    QStringList languages{QStringLiteral("en")};
    if (language_ != QStringLiteral("en"))
        languages << language_;
    for (const QString& each : languages) {
        readTable(each, QStringLiteral("strings.txt"), strings_);
        readTable(each, QStringLiteral("dialogs.txt"), dialogTexts_);
    }
}

void ResourceChain::readTable(const QString& language, const QString& file,
                              QHash<QString, QString>& table)
{
    QFile source(folder(language) + file);
    if (!source.open(QIODevice::ReadOnly))
        return;
    readTableText(QString::fromUtf8(source.readAll()), table);
}

QString ResourceChain::string(int id) const
{
    return strings_.value(QString::number(id));
}

QString ResourceChain::dialogText(int dialog, int control) const
{
    return dialogTexts_.value(QString::number(dialog) + u'.' + QString::number(control));
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

QString ResourceChain::substitute(const QString& format, const QStringList& values)
{
    QString out;
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        const QChar conversion = i + 1 < format.size() ? format[i + 1] : QChar();
        if (c != u'%' || conversion.isNull()) {
            out += c;
        } else if (conversion == u'%') {
            out += c;
            ++i;
        } else if (QStringLiteral("sdu").contains(conversion) && next < values.size()) {
            out += values[next++];
            ++i;
        } else if (conversion >= u'1' && conversion <= u'9' &&
                   conversion.unicode() - u'1' < values.size()) {
            out += values[conversion.unicode() - u'1'];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString ResourceChain::bitmapPath(int id) const
{
    return path(QStringLiteral("bitmaps/") + QString::number(id) + QStringLiteral(".png"));
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
