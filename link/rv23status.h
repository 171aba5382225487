#pragma once

#include <QMetaType>
#include <QString>

namespace moduleRV_23 {

struct LiveStatus;

// The status record the connector hands to the device module after each poll or event.
struct RV23Status
{
    RV23Status() = default;
    explicit RV23Status(const LiveStatus& status);
    // A copy carries everything but reserved, which the unit never fills.
    RV23Status(const RV23Status& other);
    RV23Status& operator=(const RV23Status& other);

    QString field1;
    QString serialNumber;
    QString firmware;
    QString behaviourVersion;
    QString imei;
    QString reserved;
    QString rssi;
    QString voltage;
    bool inputA = false;
    bool inputB = false;
    bool inputC = false;
    bool inputD = false;
    bool outputX = false;
    bool outputY = false;
};

} // namespace moduleRV_23

Q_DECLARE_METATYPE(moduleRV_23::RV23Status)
