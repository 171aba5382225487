#pragma once

#include "portcandidate.h"

#include <QList>
#include <QString>

namespace moduleRV_23 {

// The ports that discovery and the search by serial number go through: the system's serial
// ports, then the entries of RV23_EXTRA_PORTS, each device once. Pseudo-terminals (simulated and test units) are
// not serial ports to the system, so they can only join through that variable.
QList<PortCandidate> candidatePorts();

// The entries of an RV23_EXTRA_PORTS value: ";"-separated, each a path or
// "path|description|manufacturer". A bare path is announced as the maker's own USB interface.
QList<PortCandidate> parseExtraPorts(const QString& value);

// The device a port path leads to, links resolved; the path itself when it leads nowhere.
QString canonicalPortPath(const QString& location);

// The candidates without those leading to a device met earlier in the list.
QList<PortCandidate> distinctPorts(const QList<PortCandidate>& candidates);

} // namespace moduleRV_23
