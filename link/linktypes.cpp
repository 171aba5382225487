#include "linktypes.h"

#include "connector.h"
#include "firmwareuploadresult.h"
#include "rv23_config.h"
#include "rv23status.h"

#include "host/hosttypes.h"

namespace moduleRV_23 {

void registerLinkTypes()
{
    Module::registerHostTypes();
    qRegisterMetaType<RV23Status>();
    qRegisterMetaType<RV23Status>("RV23Status");
    qRegisterMetaType<Connector::Inputs>();
    qRegisterMetaType<Connector::Inputs>("Connector::Inputs");
    qRegisterMetaType<Connector::Outputs>();
    qRegisterMetaType<Connector::Outputs>("Connector::Outputs");
    qRegisterMetaType<FirmwareUploadResult>();
    registerConfigType();
}

} // namespace moduleRV_23
