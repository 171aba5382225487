#include "localconnector.h"

#include "logging.h"

namespace moduleRV_23 {

// Writing the configuration is not built yet; the caller gets its failure answer at once.
void LocalConnector::save(Framework::Item*)
{
    qCWarning(lcLink) << "Configuration save is not available yet";
    emit savedSignal(false);
}

} // namespace moduleRV_23
