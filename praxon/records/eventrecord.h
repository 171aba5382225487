#pragma once

#include <QString>

namespace Records {

// One record of a unit's event log as a host read it, in the words of the language it was read
// in: the time stamp as the unit keeps it (month, day and time, no year), the event and its source.
struct EventRecord
{
    QString serial;
    QString logged;
    QString event;
    QString source;

    // A record line of the module's semicolon-separated history export ("time;event;source;"),
    // without its line end; false for the empty row the module shows for an empty log.
    static bool fromExportLine(const QString& line, EventRecord* record);
};

} // namespace Records
