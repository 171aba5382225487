#pragma once

#include "fuzzinput.h"

#include "link/parametercommands.h"

#include <QString>

// What every parameter write that the save would send must be: one line, one quoted argument,
// and in it only characters the value rule lets through. Commands the save holds back (a
// builder's empty refusal, a line with a fault) are not sent.
namespace Fuzz {

inline void requireSendable(const QString& command)
{
    if (!moduleRV_23::ParameterCommands::lineFault(command).isEmpty())
        return;
    Fuzz::require(command.startsWith(QLatin1String("AT+OATSET=\"")) && command.endsWith(QLatin1Char('"')));
    Fuzz::require(command.count(QLatin1Char('"')) == 2);
    for (const QChar c : command)
        Fuzz::require(c.unicode() >= 0x20 && c.unicode() != 0x7f);
}

} // namespace Fuzz
