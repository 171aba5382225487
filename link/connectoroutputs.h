#pragma once

#include <QMetaType>

namespace moduleRV_23 {

// One value per relay output X, Y (known to the interface as Connector::Outputs).
struct ConnectorOutputs
{
    qint32 x = 0;
    qint32 y = 0;
};

} // namespace moduleRV_23

Q_DECLARE_METATYPE(moduleRV_23::ConnectorOutputs)
