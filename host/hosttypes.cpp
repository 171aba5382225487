#include "hosttypes.h"

#include "configurationsource.h"
#include "deviceinfo.h"
#include "hostenums.h"
#include "iostate.h"

namespace Module {

void registerHostTypes()
{
    qRegisterMetaType<DeviceInfo>("DeviceInfo");
    qRegisterMetaType<IoState>("IoState");
    qRegisterMetaType<QList<IoState>>("QList<IoState>");
    qRegisterMetaType<ConnectionState>("ConnectionState");
    qRegisterMetaType<ConnectionResult>("ConnectionResult");
    qRegisterMetaType<FirmwareCheckResult>("FirmwareCheckResult");
    qRegisterMetaType<ConfigurationState>("ConfigurationState");
    qRegisterMetaType<Common::ConfigurationSource>("Common::ConfigurationSource");
}

} // namespace Module
