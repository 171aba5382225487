#pragma once

#include <QString>

// Length limits that count UTF-8 bytes, as the unit stores texts, rather than characters.
namespace Framework::Utf8Text {

int length(const QString& text);

// The longest prefix of text made of whole characters whose UTF-8 form fits in maxBytes
// (characters are dropped from the end; a surrogate pair is never split).
QString cutToLength(const QString& text, int maxBytes);

} // namespace Framework::Utf8Text
