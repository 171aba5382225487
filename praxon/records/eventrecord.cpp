#include "eventrecord.h"

#include <QStringList>

namespace Records {

QList<EventRecord> EventRecord::fromExport(const QByteArray& text)
{
    QString lines = QString::fromUtf8(text);
    if (lines.startsWith(QChar::ByteOrderMark))
        lines.remove(0, 1);
    QList<EventRecord> records;
    const QStringList rows = lines.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (int row = 1; row < rows.size(); ++row) {
        const QStringList cells = rows.at(row).split(QLatin1Char(';'));
        if (cells.size() < 3 || (cells.at(0).isEmpty() && cells.at(1).isEmpty()))
            continue;
        records << EventRecord{QString(), cells.at(0), cells.at(1), cells.at(2), rows.at(row)};
    }
    return records;
}

} // namespace Records
