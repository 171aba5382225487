#pragma once

#include <QString>

namespace Records {

// Where a searched text was found: a unit's serial number or note, or a setting of one of its
// stored versions (the newest that holds it).
struct SearchMatch
{
    QString serial;
    QString field; // "serial", "note", or the setting's path
    QString value;
    qint64 version = 0; // 0 for the serial number and the note
};

} // namespace Records
