#include "CodePageText.h"

#include <cerrno>
#include <iconv.h>

namespace {

const char* iconvName(int codePage)
{
    switch (codePage) {
    case 932:
        return "CP932";
    case 949:
        return "CP949";
    case 1251:
        return "CP1251";
    default:
        return "CP1252";
    }
}

// One conversion; on an invalid or unconvertible input sequence, replacement is written
// instead and one input byte is skipped, unless replacement is null (then it fails).
bool convert(const char* to, const char* from, std::string_view in, std::string& out,
             const char* replacement)
{
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[256];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (done != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        if (!replacement) {
            ok = false;
            break;
        }
        out += replacement;
        ++inPtr;
        --inLeft;
    }
    iconv_close(cd);
    if (!ok)
        out.clear();
    return ok;
}

} // namespace

namespace CodePageText {

bool fromUtf8(std::string_view utf8, int codePage, std::string& bytes)
{
    return convert(iconvName(codePage), "UTF-8", utf8, bytes, nullptr);
}

std::string toUtf8(std::string_view bytes, int codePage)
{
    std::string utf8;
    convert("UTF-8", iconvName(codePage), bytes, utf8, "\xEF\xBF\xBD");
    return utf8;
}

} // namespace CodePageText
