#include "rv23status.h"

#include "livestatus.h"

namespace moduleRV_23 {

RV23Status::RV23Status(const LiveStatus& status)
    : field1(status.field1)
    , serialNumber(status.serialNumber)
    , firmware(status.firmware)
    , behaviourVersion(status.behaviourVersion)
    , imei(status.imei)
    , rssi(status.rssi)
    , voltage(status.voltage)
    , inputA(status.inputA)
    , inputB(status.inputB)
    , inputC(status.inputC)
    , inputD(status.inputD)
    , outputX(status.outputX)
    , outputY(status.outputY)
{
}

RV23Status::RV23Status(const RV23Status& other)
{
    *this = other;
}

RV23Status& RV23Status::operator=(const RV23Status& other)
{
    field1 = other.field1;
    serialNumber = other.serialNumber;
    firmware = other.firmware;
    behaviourVersion = other.behaviourVersion;
    imei = other.imei;
    rssi = other.rssi;
    voltage = other.voltage;
    inputA = other.inputA;
    inputB = other.inputB;
    inputC = other.inputC;
    inputD = other.inputD;
    outputX = other.outputX;
    outputY = other.outputY;
    return *this;
}

} // namespace moduleRV_23
