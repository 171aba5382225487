#pragma once

#include <QDateTime>
#include <QString>

namespace Records {

// A unit the hosts have seen, as the record store lists it.
struct UnitRecord
{
    QString serial;
    QString imei;
    QString firmware;
    QString behaviour;
    QDateTime firstSeen;
    QDateTime lastSeen;
    QString note;
    int versions = 0;
};

} // namespace Records
