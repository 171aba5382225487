#pragma once

#include <QString>

namespace moduleRV_23 {

// The command lines the connector sends, without their line end.
namespace Commands {

QString echoOn();
QString statusRequest();
QString memoryRead(int cell);
QString unitReset();
QString gsmReset();
// Switches the output to the opposite of its state: off when it is on.
QString toggleOutput(char output, bool isOn);
// Counter indexes count from 0 (input A, output X); the unit counts from 1.
QString inputCounterReset(int index);
QString outputCounterReset(int index);
QString sentSmsReset();
QString sentServiceSmsReset();

} // namespace Commands

} // namespace moduleRV_23
