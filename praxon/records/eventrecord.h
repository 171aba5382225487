#pragma once

#include <QByteArray>
#include <QList>
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
    QString line; // the export's whole line, with any columns beyond these

    // The records of the module's semicolon-separated history export: a header line, then one
    // line per record ended by ";". The empty row the module shows for an empty log is no record.
    static QList<EventRecord> fromExport(const QByteArray& text);
};

} // namespace Records
