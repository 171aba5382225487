#pragma once

#include "connectorbase.h"
#include "deviceinfo.h"

namespace Module {

// The host's base of connectors that search the PC's own ports for units.
class RV23HOST_EXPORT LocalConnectorBase : public ConnectorBase
{
    Q_OBJECT

public:
    explicit LocalConnectorBase(QObject* parent = nullptr);

signals:
    void deviceFound(DeviceInfo device);
    void allDevicesFound();
};

} // namespace Module
