#pragma once

#include <QString>

namespace Sim {

// What the line carried and how long the unit held back on purpose, for the benchmarks.
struct Stats
{
    int commands = 0;
    qint64 bytesIn = 0;
    qint64 bytesOut = 0;
    qint64 waitedUs = 0;       // gaps, pacing and restarts: deliberate
    qint64 readerWaitUs = 0;   // waiting for the reader to take what was written

    QString toText() const
    {
        return QStringLiteral("STATS commands=%1 bytes-in=%2 bytes-out=%3 waited-ms=%4 reader-wait-ms=%5")
            .arg(commands)
            .arg(bytesIn)
            .arg(bytesOut)
            .arg(waitedUs / 1000.0, 0, 'f', 1)
            .arg(readerWaitUs / 1000.0, 0, 'f', 1);
    }
};

} // namespace Sim
