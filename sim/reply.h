#pragma once

#include <QStringList>

namespace Sim {

// What the unit answers to one command line, and what the line must do around the answer.
struct Reply
{
    enum Restart { NoRestart, AfterAnswer, BeforeAnswer };

    QStringList lines;       // answer lines, the final "OK" or error included
    bool silent = false;     // accepted without any answer
    Restart restart = NoRestart;
    QString indication = {}; // an unsolicited line that follows once the answer was taken
    bool download = false;   // an XModem transfer follows once the answer was taken
};

} // namespace Sim
