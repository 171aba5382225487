#include "cellclipboard.h"

#include <QMap>
#include <QStringList>

#include <optional>

namespace Framework::CellClipboard {

namespace {

std::optional<Cell> parseLine(const QString& line)
{
    if (!line.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const int comma = line.indexOf(QLatin1Char(','));
    const int bracket = comma < 0 ? -1 : line.indexOf(QLatin1Char(']'), comma);
    if (bracket < 0)
        return std::nullopt;
    bool rowOk = false;
    bool columnOk = false;
    Cell cell;
    cell.row = line.mid(1, comma - 1).toInt(&rowOk);
    cell.column = line.mid(comma + 1, bracket - comma - 1).toInt(&columnOk);
    if (!rowOk || !columnOk)
        return std::nullopt;
    cell.text = line.mid(bracket + 1);
    return cell;
}

} // namespace

QString toText(const QList<Cell>& cells)
{
    QStringList lines;
    for (const Cell& cell : cells)
        lines << QStringLiteral("[%1,%2]").arg(cell.row).arg(cell.column) + cell.text;
    return lines.join(QLatin1Char('\n'));
}

QList<QList<Cell>> parse(const QString& text)
{
    QMap<int, QList<Cell>> rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (const std::optional<Cell> cell = parseLine(line))
            rows[cell->row].append(*cell);
    }
    return rows.values();
}

} // namespace Framework::CellClipboard
