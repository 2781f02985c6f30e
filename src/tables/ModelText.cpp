#include "ModelText.h"

#include "CodePageText.h"

namespace ModelText {

QString toUi(const std::string& bytes, int codePage)
{
    return QString::fromStdString(CodePageText::toUtf8(bytes, codePage));
}

bool fromUi(const QString& text, int codePage, std::string& bytes)
{
    return CodePageText::fromUtf8(text.toStdString(), codePage, bytes);
}

std::string asciiFieldBytes(const QString& text, int codePage)
{
    std::string bytes;
    return fromUi(text, codePage, bytes) ? bytes : text.toStdString();
}

bool toNumber(const QString& text, int& value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    value = text.toInt();
    return true;
}

} // namespace ModelText
