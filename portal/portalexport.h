#pragma once

#include "link/rv23_config.h"

#include <QString>

namespace moduleRV_23 {

// The web-portal text: one HTML form fragment per setting, named by the unit's parameter keys,
// each ended by a line feed, with the values inserted unescaped as the portal expects them.
namespace PortalExport {

// The non-empty ones of the n texts, one per line, without a final line feed. With counts, a
// count above 0 follows its text after ",".
QString joinLines(const QString* texts, const qint32* counts, int n);

// The whole text for config, with the unit's own phone number as the destination.
QString exportText(const RV23_Config& config, const QString& ownNumber);

// Writes exportText to path in UTF-8, replacing the file; false when it cannot be written.
bool exportData(const QString& path, const RV23_Config& config, const QString& ownNumber);

} // namespace PortalExport

} // namespace moduleRV_23
