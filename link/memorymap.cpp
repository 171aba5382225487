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

void LocalConnector::dataImported(RV23_Config cfgData, Framework::Item*)
{
    qCDebug(lcLink) << "Mam signal v lokatoru";
    configData = cfgData;
    qCWarning(lcLink) << "Writing imported configurations into the pages is not available yet";
}

} // namespace moduleRV_23
