#pragma once

#include <QString>

// Why a port the technician named led to no unit: the module's search passes over a port it
// cannot open in silence.
namespace Praxon::PortProblem {

// What keeps the port at path from being opened; empty when it opens (then it holds no unit).
QString explain(const QString& path);

// The message for the error number that opening path gave.
QString describe(const QString& path, int error);

} // namespace Praxon::PortProblem
