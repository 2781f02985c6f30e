#pragma once

#include <string>
#include <string_view>

// Columns of UTF-8 text as a terminal shows them: a kana or kanji takes two cells, so
// padding by bytes would push the columns after a Japanese or Korean name out of line.
namespace TerminalColumns {

// The cells text takes.
std::size_t width(std::string_view utf8);
// text followed by blanks up to width cells (text as it is when it is wider).
std::string padded(const std::string& utf8, std::size_t cells);

} // namespace TerminalColumns
