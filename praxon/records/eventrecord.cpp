#include "eventrecord.h"

#include <QStringList>

namespace Records {

bool EventRecord::fromExportLine(const QString& line, EventRecord* record)
{
    const QStringList cells = line.split(QLatin1Char(';'));
    if (cells.size() < 3 || (cells.at(0).isEmpty() && cells.at(1).isEmpty()))
        return false;
    record->logged = cells.at(0);
    record->event = cells.at(1);
    record->source = cells.at(2);
    return true;
}

} // namespace Records
