#pragma once

#include <string>
#include <string_view>

// The user-interface language as the model needs it: the two-letter code (model
// R-4720MS exists only under "ja") and the single-byte/double-byte code page that names
// typed by the user are stored in.
class Locale
{
public:
    // Unknown codes fall back to English, code page 1252. Dashes are ignored, case too.
    static Locale fromCode(std::string_view code);
    static Locale english() { return fromCode("en"); }

    const std::string& code() const { return code_; }
    int codePage() const { return codePage_; }
    // The language as one lower-case English word ("english", "japanese", "korean").
    const std::string& word() const { return word_; }
    bool isJapanese() const { return code_ == "ja"; }

    // True for the first byte of a double-byte character in this code page.
    bool isLeadByte(unsigned char byte) const;

private:
    Locale(std::string code, std::string word, int codePage)
        : code_(std::move(code)), word_(std::move(word)), codePage_(codePage)
    {
    }

    std::string code_;
    std::string word_;
    int codePage_;
};
