// rv23ctl events --stored: the event records the hosts kept, also those the unit no longer holds.
#include "runner.h"

#include "console.h"

namespace Ctl {

int Runner::storedEvents()
{
    if (!records.open())
        return fail(UnitFailure, records.errorString());
    const QList<Records::EventRecord> kept = records.events(options.serial);
    if (kept.isEmpty() && !records.errorString().isEmpty())
        return fail(UnitFailure, records.errorString());
    if (kept.isEmpty()) {
        Console::out(options.serial.isEmpty() ? QStringLiteral("no event in the records %1\n").arg(records.location())
                                              : QStringLiteral("no event of unit %1 in the records %2\n")
                                                    .arg(options.serial, records.location()));
        return Success;
    }
    // The same semicolon-separated lines as the unit's own export, each led by its unit.
    QString text = QStringLiteral("Serial;Time;Event;Source\n");
    for (const Records::EventRecord& record : kept)
        text += QStringList{record.serial, record.logged, record.event, record.source}.join(QLatin1Char(';')) + QLatin1Char('\n');
    Console::out(text);
    return Success;
}

} // namespace Ctl
