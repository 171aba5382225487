#pragma once

#include <QByteArray>
#include <QString>

namespace Praxon {

// Replaces the file at path with data in one step (written beside it, then renamed), readable and
// writable by the user alone: saved configurations hold the unit's programming code. The old
// content stays whole when the write fails. A device or a pipe at path (/dev/stdout) is written
// through as it stands. False with a message in *error on failure.
bool writePrivateFile(const QString& path, const QByteArray& data, QString* error);

// Why path cannot be written (its folder is missing, or it may not be written), empty when it
// can. A missing folder is not made: a mistyped path is the technician's to correct.
QString outputProblem(const QString& path);

} // namespace Praxon
