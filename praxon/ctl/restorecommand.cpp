// rv23ctl restore N: writes a stored version back to its unit, the way write does.
#include "runner.h"

#include "console.h"

#include <QTextStream>

namespace Ctl {

int Runner::restore()
{
    Records::VersionRecord version;
    QString filter;
    if (const int code = storedVersion(options.version, &version))
        return code;
    if (const int code = versionUnit(version, &filter))
        return code;
    return applySettings(version.configuration, filter, QStringLiteral("version %1").arg(version.id), Apply::Restore);
}

bool Runner::confirmRestore()
{
    Console::out(QStringLiteral("Write version %1 to unit %2? [y/N] ").arg(options.version).arg(session.serial()));
    QTextStream input(stdin);
    const QString answer = input.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

} // namespace Ctl
