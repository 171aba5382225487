#pragma once

#include <QDateTime>
#include <QString>

namespace moduleRV_23 {

struct LiveStatus;

// The unit's event log on the line: the command that reads it, the elements of its
// "+OATEVENT:" records and how its answer ends. Nothing here fails: what cannot be read as a
// number counts as 0.

// Reads the whole log.
QString eventLogCommand();
// Whether the command reads the event log (an answer far longer than one read of the line).
bool readsEventLog(const QString& command);

// One comma-separated element of a "+OATEVENT:" line, told by its first letter after trimming.
struct EventElement
{
    enum Kind { Other, Code, Source, Time };
    Kind kind = Other;
    // Code and Source: the number after the first "=" (0 without one).
    int number = 0;
    // Time: the stamp after the first ":".
    QDateTime dateTime;
};
EventElement parseEventElement(const QString& element);

// "month.day hour:minute:second" in 1970, local time; a missing field counts as 0, so a stamp
// without month or day gives an invalid date-time.
QDateTime parseEventTime(const QString& stamp);

// Sets the input (codes 0..7) or output (8..11) flag that the event code reports; other codes
// leave the status as it is.
void applyEventCode(int code, LiveStatus& status);

// True when the last line of text is the unit's final result: "OK", "ERROR", "+CME ERROR:..."
// or "+OATERROR:...".
bool endsWithFinalResult(const QString& text);

} // namespace moduleRV_23
