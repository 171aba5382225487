#include "localconnector.h"

#include "eventlogformat.h"
#include "logging.h"

#include "framework/handover.h"
#include "framework/item.h"
#include "history/historyevent.h"
#include "history/timestampformat.h"

#include <QStringList>
#include <QThread>

namespace moduleRV_23 {

namespace {

// The pauses the unit's protocol prescribes around a log read.
const unsigned long settleBeforeReadMs = 1100;
const unsigned long settleAfterReadMs = 1500;

enum EventColumn { DatesColumn = 0, EventsColumn = 1, SourcesColumn = 2 };

Framework::Item::Children cellsOf(const Framework::Item* table, EventColumn column)
{
    const Framework::Item* item = table->child(column);
    return item ? item->children() : Framework::Item::Children();
}

void setCell(const Framework::Item::Children& column, int row, const QString& text)
{
    if (Framework::Item* cell = column.value(row))
        cell->setValue(text);
}

} // namespace

void LocalConnector::reloadEvents()
{
    translator.rebuild();
    QThread::msleep(settleBeforeReadMs);
    const bool answered = readEventLog();
    QThread::msleep(settleAfterReadMs);
    emit eventsLoaded(answered);
}

// Dropped records are deleted at once: nothing refers to them, the table holds copies of their
// texts. False when the unit did not answer.
bool LocalConnector::readEventLog()
{
    qDeleteAll(events);
    events.clear();
    return executeCmd(eventLogCommand());
}

void LocalConnector::handleEventLine(const QString& line)
{
    qCDebug(lcLink).noquote() << "event : " << line;
    QString eventText;
    QString sourceText;
    QDateTime dateTime;
    const QStringList elements = line.split(QLatin1Char(','));
    for (int i = 0; i < elements.size(); ++i) {
        const EventElement element = parseEventElement(elements.at(i));
        switch (element.kind) {
        case EventElement::Code:
            eventText = translator.eventText(element.number);
            applyEventCode(element.number, liveStatus);
            qCDebug(lcLink) << "emit deviceStatusChanged 3";
            emit deviceStatusChanged(RV23Status(liveStatus));
            break;
        case EventElement::Source:
            sourceText = translator.sourceText(element.number);
            break;
        case EventElement::Time:
            dateTime = element.dateTime;
            break;
        case EventElement::Other:
            break;
        }
        qCDebug(lcLink).noquote() << "par " << i << ": " << elements.at(i);
    }
    events.append(new HistoryEvent(eventText, sourceText, dateTime));
}

// The whole fill is one hand-over: every item operation from this thread would be one, and a
// long log would spend its time passing cells between the threads. The records are only read
// meanwhile, while this thread waits.
void LocalConnector::loadEvents(Framework::Item* eventsItem)
{
    qCDebug(lcLink) << Q_FUNC_INFO;
    if (!eventsItem || !connected) {
        emit eventsLoaded(false);
        return;
    }
    qCDebug(lcLink) << "+++ Events Size : " << events.size();
    const QString format = timeStampFormat();
    Framework::handOver(eventsItem, [this, eventsItem, &format] {
        eventsItem->setRowCount(0);
        eventsItem->setRowCount(events.size());
        const Framework::Item::Children dates = cellsOf(eventsItem, DatesColumn);
        const Framework::Item::Children texts = cellsOf(eventsItem, EventsColumn);
        const Framework::Item::Children sources = cellsOf(eventsItem, SourcesColumn);
        for (int row = 0; row < events.size(); ++row) {
            const HistoryEvent* record = events.at(row);
            setCell(dates, row, record->dateTime().toString(format));
            setCell(texts, row, record->eventText());
            if (!record->sourceText().isEmpty())
                setCell(sources, row, record->sourceText());
        }
    });
    emit eventsLoaded(true);
}

// Only the table on the PC is emptied; the unit keeps its log and the records stay.
void LocalConnector::clearEvents(Framework::Item* eventsItem)
{
    qCDebug(lcLink) << "Smazani udalosti";
    if (eventsItem)
        eventsItem->setRowCount(0);
    emit showLoader(false, QString());
}

} // namespace moduleRV_23
