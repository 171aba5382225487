#include "historyevent.h"

namespace moduleRV_23 {

HistoryEvent::HistoryEvent(const QString& eventText, const QString& sourceText,
                           const QDateTime& dateTime)
    : m_dateTime(dateTime)
    , m_eventText(eventText)
    , m_sourceText(sourceText)
{
}

} // namespace moduleRV_23
