#pragma once

#include "measurement.h"

#include <QString>
#include <QVector>

// The rows of a unit with a long event log: a host process that loads the unit and exports its
// history (time and peak resident memory), and the module's load of the whole log, unpaced and
// at 115200 baud.
namespace EventLogRows {

// The runs of the host that loads and exports a log of each size, then the peak memory of each.
QVector<Measurement> hostExports(const QString& folder);
QString hostPeaks();

// The module's load of a 20,000-record log from a unit answering at once, and from a paced one.
QVector<Measurement> loads();

} // namespace EventLogRows
