// The event log as the unit sends it: "+OATEVENT:" lines ended by a final result. Every
// element goes through the element and time readers, every line through the connector's event
// handler, and the whole text through the end-of-answer test.

#include "fuzzinput.h"

#include "link/eventlogformat.h"
#include "link/livestatus.h"
#include "tests/link/localconnectoraccess.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::ensureApplication();
    const QString text = QString::fromLatin1(Fuzz::bytes(data, size));
    moduleRV_23::endsWithFinalResult(text);
    moduleRV_23::LocalConnector connector;
    Testing::LocalConnectorAccess access(connector);
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        for (const QString& element : line.split(QLatin1Char(','))) {
            const moduleRV_23::EventElement parsed = moduleRV_23::parseEventElement(element);
            moduleRV_23::applyEventCode(parsed.number, access.liveStatus());
        }
        access.dispatchLine(line);
    }
    return 0;
}
