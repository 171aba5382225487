#pragma once

#include <QMetaType>

namespace moduleRV_23 {

// How a firmware upload ended; 0 is success, anything else a failure.
enum FirmwareUploadResult {
    FirmwareUploaded = 0,
    FirmwareFileUnusable = 1,
    FirmwareUploadFailed = 3
};

} // namespace moduleRV_23

Q_DECLARE_METATYPE(moduleRV_23::FirmwareUploadResult)
