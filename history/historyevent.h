#pragma once

#include <QDateTime>
#include <QString>

namespace moduleRV_23 {

// One decoded record of the unit's event log; never changed after construction. Not a QObject:
// a log holds up to 65535 of them, and the owner deletes them.
class HistoryEvent final
{
public:
    HistoryEvent(const QString& eventText, const QString& sourceText, const QDateTime& dateTime);

    // The unit logs no year: the date always lies in 1970.
    QDateTime dateTime() const { return m_dateTime; }
    QString eventText() const { return m_eventText; }
    // Empty when the record named no source.
    QString sourceText() const { return m_sourceText; }

private:
    const QDateTime m_dateTime;
    const QString m_eventText;
    const QString m_sourceText;
};

} // namespace moduleRV_23
