#pragma once

#include "rv23_config.h"

#include <QString>

namespace moduleRV_23 {

// Stores the value of one configuration memory cell in config, converted as that cell holds
// it. Cells that mean nothing to the record (cell 1, the behaviour version, among them) are
// ignored. Reading a peripheral's mode cell also assigns that peripheral to its slot.
void decodeMemoryCell(RV23_Config& config, int address, const QString& value);

// Puts the learning code of peripheral n into the slot its mode names; an output's
// peripherals fill its four slots from the first free one.
void decodePeripheral(RV23_Config::Peripherals& peripherals, int n);

} // namespace moduleRV_23
