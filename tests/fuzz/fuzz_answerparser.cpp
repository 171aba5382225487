// executeCmd's line dispatch: the answer is cut into lines as an exchange delivers it and each
// line goes to the connector's handler for its prefix (status, operator, IMEI, memory cell with
// its decoder, unit errors, event lines).

#include "fuzzinput.h"

#include "tests/link/localconnectoraccess.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::ensureApplication();
    // A fresh connector for every input: each run starts from the state a connection starts with.
    moduleRV_23::LocalConnector connector;
    Testing::LocalConnectorAccess access(connector);
    const QStringList lines = QString::fromLatin1(Fuzz::bytes(data, size)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& line : lines)
        access.dispatchLine(line);
    return 0;
}
