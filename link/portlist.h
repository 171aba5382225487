#pragma once

#include "portcandidate.h"

#include <QList>
#include <QString>

namespace moduleRV_23 {

// The ports that discovery and the search by serial number go through: the system's serial
// ports, then the entries of RV23_EXTRA_PORTS. Pseudo-terminals (simulated and test units) are
// not serial ports to the system, so they can only join through that variable.
QList<PortCandidate> candidatePorts();

// The entries of an RV23_EXTRA_PORTS value: ";"-separated, each a path or
// "path|description|manufacturer". A bare path is announced as the maker's own USB interface.
QList<PortCandidate> parseExtraPorts(const QString& value);

} // namespace moduleRV_23
