#pragma once

#include <QString>
#include <string>

// Texts cross between the window and the model here: the model keeps names as bytes in the
// code page of the active language.
namespace ModelText {

QString toUi(const std::string& bytes, int codePage);
// Characters without a form in the code page become "?", which no name rule accepts.
std::string fromUi(const QString& text, int codePage);

} // namespace ModelText
