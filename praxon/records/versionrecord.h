#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>

namespace Records {

// One stored configuration of a unit, as the module handed it.
struct VersionRecord
{
    // Why a version was made; stored by its code.
    enum class Reason {
        Read,     // read from the unit and different from the newest version
        Write,    // handed over by the module before it writes to the unit
        Import,   // imported from a file
        Firmware, // read from the unit just before a firmware upload
    };

    qint64 id = 0;
    QString serial;
    QDateTime made;
    Reason reason = Reason::Read;
    QByteArray configuration;
    QString hash;
    bool kept = false;

    static QString code(Reason reason);
    // Unknown codes read as Read.
    static Reason reasonOf(const QString& code);
    // "read from the unit", ...
    static QString describe(Reason reason);
};

} // namespace Records

Q_DECLARE_METATYPE(Records::VersionRecord)
