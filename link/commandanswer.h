#pragma once

#include <QString>

namespace moduleRV_23 {

// The outcome of one command exchange with the unit.
struct CommandAnswer
{
    QString cmd;
    // The last line taken from the port: the accepted one, or the last one dropped as unwanted.
    QString answer;
    // The exchange ended without an accepted answer.
    bool timeout = false;
    bool ok = false;
    // The accepted text, chunks trimmed and joined; empty unless ok.
    QString data;
    // Raw mode only: the first byte of the accepted chunk.
    char firstChar = 0;
};

} // namespace moduleRV_23
