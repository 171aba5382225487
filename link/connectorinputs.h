#pragma once

#include <QMetaType>

namespace moduleRV_23 {

// One value per input A, B, C, D (known to the interface as Connector::Inputs).
struct ConnectorInputs
{
    qint32 a = 0;
    qint32 b = 0;
    qint32 c = 0;
    qint32 d = 0;
};

} // namespace moduleRV_23

Q_DECLARE_METATYPE(moduleRV_23::ConnectorInputs)
