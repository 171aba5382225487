#include "linefault.h"

#include <QByteArray>
#include <QHash>

namespace Sim {

namespace {

// Printable ASCII in order: no piece of it, wherever a read cuts it, begins like an answer.
QByteArray endlessLine()
{
    QByteArray line(64 * 1024, ' ');
    for (int i = 0; i < line.size(); ++i)
        line[i] = char(' ' + i % 95);
    return line;
}

} // namespace

bool LineFault::parse(const QString& text, int* command, LineFault* fault, QString* error)
{
    static const QHash<QString, Kind> kinds = {
        {QStringLiteral("garbage"), Garbage},     {QStringLiteral("nul"), NulBytes},
        {QStringLiteral("long-line"), LongLine},  {QStringLiteral("wind-storm"), WindStorm},
        {QStringLiteral("merge-echo"), MergeEcho}, {QStringLiteral("oaterror"), OatError},
        {QStringLiteral("unplug"), Unplug},       {QStringLiteral("silent"), Silent},
    };
    const QString number = text.section(QLatin1Char(':'), 0, 0);
    const QString name = text.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
    const QString argument = text.section(QLatin1Char('='), 1);
    bool numberOk = false;
    bool codeOk = true;
    LineFault result;
    result.kind = kinds.value(name, Garbage);
    if (result.kind == OatError)
        result.code = argument.toInt(&codeOk);
    const int at = number.toInt(&numberOk);
    if (!numberOk || at < 1 || !kinds.contains(name) || !codeOk || (result.kind != OatError && !argument.isEmpty())
        || (result.kind == OatError && argument.isEmpty())) {
        *error = QStringLiteral("a fault is N:KIND with N at least 1 and KIND one of garbage, nul, long-line, "
                                "wind-storm, merge-echo, oaterror=CODE, unplug, silent; not \"%1\"")
                     .arg(text);
        return false;
    }
    *command = at;
    *fault = result;
    return true;
}

QByteArray LineFault::noise() const
{
    switch (kind) {
    case Garbage:
        return QByteArray("~\x7f%#\xff\x80~\r\n");
    case NulBytes:
        return QByteArray(16, '\0');
    case LongLine:
        return endlessLine();
    case WindStorm:
        return QByteArray("+WIND: 4\r\n").repeated(64);
    default:
        return {};
    }
}

} // namespace Sim
