#pragma once

#include <QString>

namespace moduleRV_23 {

// The unit's status as the connector last parsed it. Values stay as the unit wrote them.
struct LiveStatus
{
    QString field1;
    QString serialNumber;
    QString firmware;
    QString behaviourVersion;
    QString imei;
    QString rssi;
    QString voltage;
    QString operatorName;
    bool inputA = false;
    bool inputB = false;
    bool inputC = false;
    bool inputD = false;
    bool outputX = false;
    bool outputY = false;
};

} // namespace moduleRV_23
