#include "transportrules.h"

#include "logging.h"

#include <QStringList>

#include <cstring>

namespace moduleRV_23 {

namespace {

bool startsWithAny(const QString& text, const QStringList& prefixes)
{
    for (const QString& prefix : prefixes) {
        if (text.startsWith(prefix))
            return true;
    }
    return false;
}

bool isOpenAtStartError(const QString& line)
{
    const bool awaited = line.startsWith(QLatin1String("+CME ERROR:")) || line.startsWith(QLatin1String("ERROR"));
    qCDebug(lcLink) << "Data : " << line << " ret : " << awaited;
    return awaited;
}

// Whether the line is the answer the command waits for; the first matching command rule decides.
bool isAwaitedAnswer(const QString& line, const QString& command)
{
    if (command == QLatin1String("AT+OATGSM=0"))
        return line == QLatin1String("ERROR") || line.startsWith(QLatin1String("+WIND: 0"));
    if (command == QLatin1String("AT+OATGSM=1"))
        return line == QLatin1String("ERROR") || line.startsWith(QLatin1String("+WIND: 11"));
    if (command.startsWith(QLatin1String("AT+WOPEN=0")) || command.startsWith(QLatin1String("AT+WOPEN=3")))
        return isOpenAtStartError(line);
    if (command.startsWith(QLatin1String("AT+WOPEN=1")))
        return line == QLatin1String("+WIND: 7") || line == QLatin1String("+CME ERROR:");
    if (command.startsWith(QLatin1String("AT+WDWL=")))
        return line == QLatin1String("+WDWL: 0");
    if (command.startsWith(QLatin1String("AT+OATMEM")))
        return line == QLatin1String("ERROR") || line.startsWith(QLatin1String("+OATMEM:"));
    return !line.startsWith(QLatin1String("+WIND:"));
}

int hexDigit(QChar c)
{
    const char latin = c.toLatin1();
    if (latin >= '0' && latin <= '9')
        return latin - '0';
    if (latin >= 'a' && latin <= 'f')
        return latin - 'a' + 10;
    if (latin >= 'A' && latin <= 'F')
        return latin - 'A' + 10;
    return -1;
}

} // namespace

bool isRegularAnswer(const QString& text)
{
    static const QStringList prefixes = {
        QStringLiteral("+OATMSG:"), QStringLiteral("AT+OATMEM"), QStringLiteral("+OATMEM:"),
        QStringLiteral("+OATEVENT:"), QStringLiteral("+WIMEI:"), QStringLiteral("ATE1"),
        QStringLiteral("OK"), QStringLiteral("AT+RFSET"), QStringLiteral("AT+COPS?"),
        QStringLiteral("+COPS"), QStringLiteral("+CME"), QStringLiteral("ERROR"),
        QStringLiteral("+OATERROR"), QStringLiteral("+WIND:"), QStringLiteral("+WDWL:")};
    return startsWithAny(text, prefixes);
}

bool isUnwantedAnswer(const QString& line, const QString& command)
{
    return !isAwaitedAnswer(line, command);
}

QString chunkText(const char* data, qint64 size)
{
    const void* zero = std::memchr(data, 0, static_cast<size_t>(size));
    const qint64 length = zero ? static_cast<const char*>(zero) - data : size;
    return QString::fromLatin1(data, static_cast<int>(length));
}

QByteArray hexToBytes(const QString& hex)
{
    if (hex.size() % 2 != 0)
        return {};
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (int i = 0; i < hex.size(); i += 2) {
        const int high = hexDigit(hex.at(i));
        const int low = hexDigit(hex.at(i + 1));
        if (high < 0 || low < 0)
            return {};
        bytes.append(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

} // namespace moduleRV_23
