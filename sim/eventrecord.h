#pragma once

#include <QDateTime>

namespace Sim {

// One record of the unit's event log: what happened, what caused it, and when.
struct EventRecord
{
    int code = 0;
    int source = 0;
    QDateTime time;

    bool operator==(const EventRecord& other) const
    {
        return code == other.code && source == other.source && time == other.time;
    }
};

} // namespace Sim
