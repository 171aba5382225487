#include "localconnector.h"

#include "logging.h"

namespace moduleRV_23 {

// The event log is not built yet; every request is answered at once as failed.
void LocalConnector::loadEvents(Framework::Item*)
{
    qCWarning(lcLink) << "Event log is not available yet";
    emit eventsLoaded(false);
}

void LocalConnector::clearEvents(Framework::Item*)
{
    qCWarning(lcLink) << "Event log is not available yet";
    emit eventsLoaded(false);
}

void LocalConnector::reloadEvents()
{
    qCWarning(lcLink) << "Event log is not available yet";
    emit eventsLoaded(false);
}

} // namespace moduleRV_23
