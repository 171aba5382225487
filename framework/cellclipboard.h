#pragma once

#include <QList>
#include <QString>

// The clipboard text of copied table cells: one line "[row,column]text" per cell.
namespace Framework::CellClipboard {

struct Cell
{
    int row = 0;
    int column = 0;
    QString text;

    bool operator==(const Cell& other) const
    {
        return row == other.row && column == other.column && text == other.text;
    }
};

QString toText(const QList<Cell>& cells);

// The cells of the lines that start with "[" and carry a numeric row and column, grouped by
// row in ascending order (the cells of a row in the order of their lines). Other lines are
// dropped.
QList<QList<Cell>> parse(const QString& text);

} // namespace Framework::CellClipboard
