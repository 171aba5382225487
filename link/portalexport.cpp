// LocalConnector: the configuration as a web-portal text.
#include "localconnector.h"

#include "portal/portalexport.h"

namespace moduleRV_23 {

bool LocalConnector::exportData(const QString& path, const QString& ownNumber)
{
    return PortalExport::exportData(path, configData, ownNumber);
}

} // namespace moduleRV_23
