#pragma once

#include <QByteArray>
#include <QString>

namespace Praxon {

// Replaces the file at path with data in one step (written beside it, then renamed), readable and
// writable by the user alone: saved configurations hold the unit's programming code. The old
// content stays whole when the write fails. False with a message in *error on failure.
bool writePrivateFile(const QString& path, const QByteArray& data, QString* error);

} // namespace Praxon
