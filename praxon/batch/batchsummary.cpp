#include "batchsummary.h"

#include <QStringList>

#include <algorithm>

namespace Batch {

namespace {

// The child's message lines say "rv23ctl: WHAT"; notes and warnings are no reason for failing.
QString lastError(const QString& err)
{
    const QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        QString line = it->trimmed();
        if (line.startsWith(QLatin1String("rv23ctl: ")))
            line = line.mid(9);
        if (!line.startsWith(QLatin1String("note:")) && !line.startsWith(QLatin1String("warning:")))
            return line;
    }
    return {};
}

QString cell(const QString& text, int width)
{
    return text.leftJustified(width) + QLatin1String("  ");
}

} // namespace

BatchSummary::Row BatchSummary::fromChild(const Child& child, int code, const QString& out, const QString& err)
{
    Row row{child.serial, child.port, code, -1, child.milliseconds, code == 0 ? QString() : lastError(err)};
    // write prints each change as "PATH: BEFORE -> AFTER" before it writes; a failed write
    // leaves the unit as it was or to be read again, so it counts none.
    if (child.writes)
        row.changed = code == 0 ? out.split(QLatin1Char('\n')).filter(QLatin1String(" -> ")).size() : 0;
    return row;
}

QString BatchSummary::result(int code)
{
    switch (code) {
    case 0: return QStringLiteral("ok");
    case 1: return QStringLiteral("failed");
    case 2: return QStringLiteral("stopped");
    case 3: return QStringLiteral("refused");
    default: return QStringLiteral("crashed");
    }
}

QString BatchSummary::table() const
{
    const QStringList header{QStringLiteral("SERIAL"), QStringLiteral("PORT"), QStringLiteral("RESULT"),
                             QStringLiteral("CHANGED"), QStringLiteral("TIME")};
    QList<Row> sorted = rows;
    std::sort(sorted.begin(), sorted.end(), [](const Row& a, const Row& b) { return a.serial < b.serial; });
    QList<QStringList> lines{header};
    for (const Row& row : qAsConst(sorted)) {
        lines << QStringList{row.serial, row.port.isEmpty() ? QStringLiteral("(system)") : row.port, result(row.code),
                             row.changed < 0 ? QStringLiteral("-") : QString::number(row.changed),
                             QStringLiteral("%1 s").arg(row.milliseconds / 1000.0, 0, 'f', 1)};
    }
    QList<int> widths;
    for (int column = 0; column < header.size(); ++column) {
        int width = 0;
        for (const QStringList& line : qAsConst(lines))
            width = std::max(width, line.at(column).size());
        widths << width;
    }
    QString text;
    for (int i = 0; i < lines.size(); ++i) {
        QString line;
        for (int column = 0; column < header.size(); ++column)
            line += cell(lines.at(i).at(column), widths.at(column));
        line += i == 0 ? QStringLiteral("ERROR") : sorted.at(i - 1).error;
        text += line.trimmed() + QLatin1Char('\n');
    }
    return text;
}

int BatchSummary::exitCode() const
{
    const auto any = [this](const auto& test) { return std::any_of(rows.begin(), rows.end(), test); };
    if (any([](const Row& row) { return row.code == 1 || row.code < 0 || row.code > 3; }))
        return 1;
    if (any([](const Row& row) { return row.code == 3; }))
        return 3;
    return any([](const Row& row) { return row.code != 0; }) ? 2 : 0;
}

} // namespace Batch
