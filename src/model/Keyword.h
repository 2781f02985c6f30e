#pragma once

#include "TextRules.h"

#include <string_view>

// One entry of a keyword table: the text a settings file or dialog uses and its value.
struct Keyword {
    std::string_view text;
    int value;
};

// Looks a keyword up without regard to case.
template <std::size_t N>
bool findKeyword(const Keyword (&table)[N], std::string_view text, int& value)
{
    for (const Keyword& entry : table) {
        if (TextRules::equalsIgnoreCase(entry.text, text)) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

// The keyword of a value; the first entry's text for a value the table does not hold.
template <std::size_t N> std::string_view keywordOf(const Keyword (&table)[N], int value)
{
    for (const Keyword& entry : table) {
        if (entry.value == value)
            return entry.text;
    }
    return table[0].text;
}
