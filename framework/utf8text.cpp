#include "utf8text.h"

namespace Framework::Utf8Text {

namespace {

int characterLength(const QString& text, int position)
{
    const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size()
        && text.at(position + 1).isLowSurrogate();
    return pair ? 2 : 1;
}

} // namespace

int length(const QString& text)
{
    return text.toUtf8().size();
}

QString cutToLength(const QString& text, int maxBytes)
{
    // Measured character by character with the same encoder as length(), so that lone
    // surrogates count exactly as they do for the whole text.
    int bytes = 0;
    int position = 0;
    while (position < text.size()) {
        const int units = characterLength(text, position);
        bytes += text.mid(position, units).toUtf8().size();
        if (bytes > maxBytes)
            break;
        position += units;
    }
    return text.left(position);
}

} // namespace Framework::Utf8Text
