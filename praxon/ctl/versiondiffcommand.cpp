// rv23ctl diff --version N [--against M]: a stored version against another or against its unit.
#include "runner.h"

#include "console.h"

#include "praxon/core/configurationdiff.h"

namespace Ctl {

int Runner::storedVersion(int number, Records::VersionRecord* version)
{
    if (!records.open())
        return fail(UnitFailure, records.errorString());
    *version = records.version(number);
    if (version->id == 0)
        return fail(UsageError, QStringLiteral("no version %1 in the records %2").arg(number).arg(records.location()));
    return Success;
}

// A version is compared with, or written to, the unit it came from.
int Runner::versionUnit(const Records::VersionRecord& version, QString* filter)
{
    if (!options.serial.isEmpty() && options.serial != version.serial)
        return fail(UsageError, QStringLiteral("version %1 is of unit %2, not %3").arg(version.id).arg(version.serial, options.serial));
    options.serial = version.serial;
    *filter = Praxon::HostSession::filterFor(session.device()->importFileTypes(), QStringLiteral("version.rv23"));
    if (filter->isEmpty())
        return fail(UnitFailure, QStringLiteral("the module reads no saved settings"));
    return Success;
}

int Runner::diffVersion()
{
    Records::VersionRecord version;
    if (const int code = storedVersion(options.version, &version))
        return code;
    if (options.against == 0) {
        QString filter;
        if (const int code = versionUnit(version, &filter))
            return code;
        return applySettings(version.configuration, filter, QStringLiteral("version %1").arg(version.id), Apply::Compare);
    }
    Records::VersionRecord against;
    if (const int code = storedVersion(options.against, &against))
        return code;
    const QList<Praxon::ConfigurationDiff::Change> changes =
        Praxon::ConfigurationDiff::compare(against.configuration, version.configuration);
    const Praxon::FieldLabels labels = fieldLabels();
    QString text;
    for (const Praxon::ConfigurationDiff::Change& change : changes)
        text += labels.describe(change) + QLatin1Char('\n');
    Console::out(changes.isEmpty() ? QStringLiteral("versions %1 and %2 hold the same settings\n").arg(against.id).arg(version.id)
                                   : text);
    return Success;
}

} // namespace Ctl
