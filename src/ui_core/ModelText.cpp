#include "ModelText.h"

#include "CodePageText.h"

namespace ModelText {

QString toUi(const std::string& bytes, int codePage)
{
    return QString::fromStdString(CodePageText::toUtf8(bytes, codePage));
}

std::string fromUi(const QString& text, int codePage)
{
    std::string bytes;
    if (CodePageText::fromUtf8(text.toStdString(), codePage, bytes))
        return bytes;
    bytes.clear();
    for (const QChar c : text)
        bytes += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    return bytes;
}

} // namespace ModelText
