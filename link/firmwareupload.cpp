#include "localconnector.h"

#include "logging.h"

namespace moduleRV_23 {

// Firmware upload is not built yet; the caller is told at once that it failed.
void LocalConnector::uploadFirmware(QString)
{
    qCWarning(lcLink) << "Firmware upload is not available yet";
    emit firmwareWasUploaded(FirmwareUploadFailed);
}

} // namespace moduleRV_23
