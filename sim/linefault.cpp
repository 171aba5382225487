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
        {QStringLiteral("flood"), Flood},
    };
    const QString name = text.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
    const bool takesCode = name == QLatin1String("oaterror");
    bool numberOk = false;
    bool codeOk = !takesCode;
    const int at = text.section(QLatin1Char(':'), 0, 0).toInt(&numberOk);
    const LineFault result{kinds.value(name), takesCode ? text.section(QLatin1Char('='), 1).toInt(&codeOk) : 0};
    if (!numberOk || at < 1 || !kinds.contains(name) || !codeOk || (!takesCode && text.contains(QLatin1Char('=')))) {
        *error = QStringLiteral("a fault is N:KIND with N at least 1 and KIND one of garbage, nul, long-line, "
                                "wind-storm, merge-echo, oaterror=CODE, unplug, silent, flood; not \"%1\"")
                     .arg(text);
        return false;
    }
    *command = at;
    *fault = result;
    return true;
}

QByteArray LineFault::floodPiece()
{
    static const QByteArray piece = endlessLine().left(1024);
    return piece;
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
