#pragma once

#include "sim/unitstate.h"

namespace Sim {

// The state of a unit as it leaves the installer: a configured communicator with a few months of
// history, used when no state file exists yet.
UnitState factoryState();

// A log of count records, oldest first: inputs and relays switching a minute apart.
QVector<EventRecord> generatedLog(int count);

} // namespace Sim
