#pragma once

#include <QStringList>

namespace Sim {

// What the unit answers to one command line, and what the line must do around the answer.
struct Reply
{
    QStringList lines;       // answer lines, the final "OK" or error included
    bool silent = false;     // accepted without any answer
    bool restarts = false;   // the unit restarts once the answer is out
};

} // namespace Sim
