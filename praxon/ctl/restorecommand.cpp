// rv23ctl restore N: writes a stored version back to its unit, the way write does.
#include "runner.h"

#include "console.h"

#include "praxon/core/configurationdiff.h"
#include "praxon/core/fieldlabels.h"

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
    // What the unit tells of itself (its versions) is not written back.
    const QByteArray settings = Praxon::FieldLabels(session.widget()).pagesOnly(version.configuration);
    return applySettings(settings, filter, QStringLiteral("version %1").arg(version.id), Apply::Restore);
}

int Runner::offerRestore(const Records::VersionRecord& before)
{
    const QList<Praxon::ConfigurationDiff::Change> changes = session.changedSince(before);
    if (session.lastLoadResult() == Module::Device::LoadFailed)
        return fail(UnitFailure, QStringLiteral("unit %1 could not be read after the firmware upload").arg(session.serial()));
    if (changes.isEmpty()) {
        Console::out(QStringLiteral("unit %1 holds the settings it held before the upload\n").arg(session.serial()));
        return Success;
    }
    Console::out(QStringLiteral("unit %1 holds other settings after the firmware upload than version %2 stored before it:\n")
                     .arg(session.serial()).arg(before.id));
    const Praxon::FieldLabels labels = fieldLabels();
    for (const Praxon::ConfigurationDiff::Change& change : changes)
        Console::out(labels.describe(change) + QLatin1Char('\n'));
    options.version = before.id;
    if (!options.yes && !confirmRestore()) {
        Console::out(QStringLiteral("\nversion %1 not restored (rv23ctl restore %1 writes it)\n").arg(before.id));
        return Success;
    }
    // Asked once: the restore itself does not ask again.
    options.yes = true;
    QString filter;
    if (const int code = versionUnit(before, &filter))
        return code;
    const QByteArray settings = Praxon::FieldLabels(session.widget()).pagesOnly(before.configuration);
    return applyLoaded(settings, filter, QStringLiteral("version %1").arg(before.id), Apply::Restore);
}

bool Runner::confirmRestore()
{
    Console::out(QStringLiteral("Write version %1 to unit %2? [y/N] ").arg(options.version).arg(session.serial()));
    QTextStream input(stdin);
    const QString answer = input.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

} // namespace Ctl
