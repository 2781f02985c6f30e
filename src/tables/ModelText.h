#pragma once

#include <QString>
#include <string>

// Texts cross between the window and the model here: the model keeps names as bytes in the
// code page of the active language.
namespace ModelText {

QString toUi(const std::string& bytes, int codePage);
// The text in the code page; false, with bytes empty, when a character has no form there:
// such a text is refused with the field's message, never stored with stand-ins.
bool fromUi(const QString& text, int codePage, std::string& bytes);
// What a name or password field hands to a rule that takes plain ASCII only (system names,
// passwords): the text in the code page, or its UTF-8 bytes when it has no form there, which
// the rule refuses in its own order and with its own message.
std::string asciiFieldBytes(const QString& text, int codePage);
// A number as number fields take it: decimal digits only, at most nine.
bool toNumber(const QString& text, int& value);

} // namespace ModelText
