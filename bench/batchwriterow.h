#pragma once

#include "buildtree.h"
#include "measurement.h"

#include <QString>

// rv23ctl batch write to four simulated units at once, against the same write to one of them
// alone: the row's floor is the one unit's time, so its ratio is what the other three cost.
namespace BatchWriteRow {

Measurement fourUnits(const QString& folder, const HostPrograms& programs);

} // namespace BatchWriteRow
