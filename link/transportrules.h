#pragma once

#include <QByteArray>
#include <QString>

namespace moduleRV_23 {

// True when the text begins like one of the answers the unit gives (echoes included).
bool isRegularAnswer(const QString& text);

// For a regular (trimmed) line: true when it is not the answer that command waits for.
bool isUnwantedAnswer(const QString& line, const QString& command);

// The text of one read: the bytes up to the first zero byte, as Latin-1.
QString chunkText(const char* data, qint64 size);

// A raw-mode packet given as hexadecimal text; empty when the text is not whole bytes of hex.
QByteArray hexToBytes(const QString& hex);

} // namespace moduleRV_23
