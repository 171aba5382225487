#pragma once

#include "sim/linefault.h"
#include "sim/xmodemreceiver.h"

#include <QMultiMap>
#include <QString>
#include <QStringList>

namespace Sim {

// How rv23-sim was asked to behave: files, line timing and the faults it shows on purpose.
struct Options
{
    QString linkPath;       // also reachable under this symbolic link
    QString statePath;      // JSON state, rewritten after every change
    QString serial;         // replaces the serial number of the state
    QString logPath;        // every received line is appended here
    int gapMs = 0;          // pause between the taken echo and the answer
    int restartMs = 2000;   // how long a reset unit stays deaf
    bool mergeEcho = false;
    bool pace = false;      // output at the speed of 115200 baud 8N1
    bool pushEvents = false;
    bool stats = false;
    int unplugAfter = 0;    // 0: never
    int silentAfter = 0;
    int floodAfter = 0;
    int garbageEvery = 0;
    int windEvery = 0;
    bool oatError = false;
    int oatErrorCode = 0;
    QMultiMap<int, LineFault> faults;  // by the number of the command they hit
    QString imagePath;      // the installed firmware image
    QString downloadRefusal;  // answers "AT+WDWL" instead of "+WDWL: 0"
    XmodemReceiver::Faults xmodem;
    int unplugAtBlock = 0;  // 0: never
    int generatedEvents = -1;  // the event log replaced by this many generated records; -1: kept
    int longCells = 0;      // memory cells answer values of this many characters; 0: as kept

    bool wantsHelp = false;  // only the help text was asked for

    // Parses rv23-sim's command line (arguments[0] is the program); false with a message in
    // *error when it is wrong, or with the help text when that was asked for.
    static bool parse(const QStringList& arguments, Options* options, QString* error);
};

} // namespace Sim
