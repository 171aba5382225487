#include "eventlogformat.h"

#include "livestatus.h"

namespace moduleRV_23 {

namespace {

QString afterFirst(const QString& text, QChar separator)
{
    const int at = text.indexOf(separator);
    return at < 0 ? QString() : text.mid(at + 1);
}

// Cuts the text up to the separator off the front of rest; all of it when there is none.
QString takeUpTo(QString& rest, QChar separator)
{
    const int at = rest.indexOf(separator);
    const QString taken = at < 0 ? rest : rest.left(at);
    rest = at < 0 ? QString() : rest.mid(at + 1);
    return taken;
}

} // namespace

QString eventLogCommand()
{
    return QStringLiteral("AT+OATEVENT=65535");
}

bool readsEventLog(const QString& command)
{
    return command.startsWith(QLatin1String("AT+OATEVENT="));
}

EventElement parseEventElement(const QString& element)
{
    const QString text = element.trimmed();
    EventElement parsed;
    if (text.startsWith(QLatin1Char('E')) || text.startsWith(QLatin1Char('S'))) {
        parsed.kind = text.startsWith(QLatin1Char('E')) ? EventElement::Code : EventElement::Source;
        parsed.number = afterFirst(text, QLatin1Char('=')).toInt();
    } else if (text.startsWith(QLatin1Char('T'))) {
        parsed.kind = EventElement::Time;
        parsed.dateTime = parseEventTime(afterFirst(text, QLatin1Char(':')));
    }
    return parsed;
}

QDateTime parseEventTime(const QString& stamp)
{
    QString rest = stamp;
    const int month = takeUpTo(rest, QLatin1Char('.')).toInt();
    const int day = takeUpTo(rest, QLatin1Char(' ')).toInt();
    const int hour = takeUpTo(rest, QLatin1Char(':')).toInt();
    const int minute = takeUpTo(rest, QLatin1Char(':')).toInt();
    const int second = rest.trimmed().toInt();
    return QDateTime(QDate(1970, month, day), QTime(hour, minute, second), Qt::LocalTime);
}

void applyEventCode(int code, LiveStatus& status)
{
    bool* const inputs[] = {&status.inputA, &status.inputB, &status.inputC, &status.inputD};
    bool* const outputs[] = {&status.outputX, &status.outputY};
    if (code >= 0 && code < 8)
        *inputs[code % 4] = code < 4;
    else if (code >= 8 && code < 12)
        *outputs[code % 2] = code < 10;
}

bool endsWithFinalResult(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QString last = trimmed.mid(trimmed.lastIndexOf(QLatin1Char('\n')) + 1).trimmed();
    return last == QLatin1String("OK") || last == QLatin1String("ERROR")
        || last.startsWith(QLatin1String("+CME ERROR:")) || last.startsWith(QLatin1String("+OATERROR:"));
}

} // namespace moduleRV_23
