#include "LanguageChoice.h"

#include "LanguageLibrary.h"

#include <algorithm>
#include <cctype>

namespace LanguageChoice {

std::string requested(const std::vector<std::string>& arguments, const Environment& environment)
{
    std::string line;
    for (const std::string& argument : arguments)
        line += (line.empty() ? "" : " ") + argument;
    std::string code;
    for (char c : line) {
        if (c != '-')
            code += c;
    }
    if (!code.empty())
        return code;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value && *value) {
            std::string locale(value,
                               std::min<std::size_t>(2, std::char_traits<char>::length(value)));
            for (char& c : locale)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            return locale;
        }
    }
    return "en";
}

std::string activate(const std::string& requested, const std::string& directory)
{
    if (requested == "en" || !LanguageLibrary::load(requested, directory))
        return "en";
    return requested;
}

} // namespace LanguageChoice
