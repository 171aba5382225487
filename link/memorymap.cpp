#include "localconnector.h"

#include "logging.h"

namespace moduleRV_23 {

// Reading the configuration memory into the pages is not built yet; the caller gets its
// failure answer at once instead of waiting for one that never comes.
void LocalConnector::load(Framework::Item*)
{
    qCWarning(lcLink) << "Configuration load is not available yet";
    emit loadedSignal(false);
}

void LocalConnector::dataImported(Framework::Item*)
{
    qCWarning(lcLink) << "Applying imported configurations is not available yet";
}

} // namespace moduleRV_23
