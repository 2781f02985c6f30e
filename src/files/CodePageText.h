#pragma once

#include <string>
#include <string_view>

// Names and texts typed by the user are kept, in the model and in the files, as bytes in
// the code page of the active language (1252, 1251, 949 or 932). The user interface works
// in UTF-8 and converts at its edge.
namespace CodePageText {

// The text in the code page; false when a character has no form there (bytes then holds
// nothing).
bool fromUtf8(std::string_view utf8, int codePage, std::string& bytes);

// The bytes as UTF-8; a byte sequence that is not valid in the code page becomes U+FFFD.
std::string toUtf8(std::string_view bytes, int codePage);

} // namespace CodePageText
