#include "versionrecord.h"

#include <QObject>

namespace Records {

QString VersionRecord::code(Reason reason)
{
    switch (reason) {
    case Reason::Write:
        return QStringLiteral("write");
    case Reason::Import:
        return QStringLiteral("import");
    case Reason::Firmware:
        return QStringLiteral("firmware");
    case Reason::Read:
        break;
    }
    return QStringLiteral("read");
}

VersionRecord::Reason VersionRecord::reasonOf(const QString& code)
{
    for (Reason reason : {Reason::Write, Reason::Import, Reason::Firmware}) {
        if (VersionRecord::code(reason) == code)
            return reason;
    }
    return Reason::Read;
}

QString VersionRecord::describe(Reason reason)
{
    switch (reason) {
    case Reason::Write:
        return QObject::tr("before a write");
    case Reason::Import:
        return QObject::tr("imported from a file");
    case Reason::Firmware:
        return QObject::tr("before a firmware upload");
    case Reason::Read:
        break;
    }
    return QObject::tr("read from the unit");
}

} // namespace Records
