#pragma once

#include "buildtree.h"
#include "measurement.h"

#include <QString>
#include <QVector>

// The rows of a unit with a long event log: a host process that loads the unit and exports its
// history (time and peak resident memory), from a unit answering at once and at 115200 baud.
namespace EventLogRows {

// The runs of the host that loads and exports a log of each size, then the peak memory of each.
QVector<Measurement> hostExports(const QString& folder, const HostPrograms& programs);
QString hostPeaks();

} // namespace EventLogRows
