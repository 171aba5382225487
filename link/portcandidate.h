#pragma once

#include <QList>
#include <QString>

namespace moduleRV_23 {

// One port the connector may probe: where it is and how it announces itself.
struct PortCandidate
{
    QString portName;
    // What QSerialPort opens: the device path.
    QString location;
    QString description;
    QString manufacturer;
};

} // namespace moduleRV_23
