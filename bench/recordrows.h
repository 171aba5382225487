#pragma once

#include "measurement.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The unit records at a service technician's scale: 1,000 units with 20 versions each of a full
// saved configuration, in a SQLite file below folder.
namespace RecordRows {

// configuration: the module's saved-configuration text, varied per unit and version.
QVector<Measurement> sqlite(const QString& folder, const QByteArray& configuration);
// How long filling the store took, for the table's notes.
QString fillNote();

} // namespace RecordRows
