// rv23ctl versions: the stored configuration versions, newest first, with what each changed.
#include "runner.h"

#include "console.h"

#include "praxon/core/configurationdiff.h"

#include <QHash>

namespace Ctl {

namespace {

constexpr int namedChanges = 3;

QString summary(const Records::VersionRecord* previous, const Records::VersionRecord& version)
{
    if (!previous)
        return QStringLiteral("first version");
    const QList<Praxon::ConfigurationDiff::Change> changes =
        Praxon::ConfigurationDiff::compare(previous->configuration, version.configuration);
    QStringList paths;
    for (int i = 0; i < changes.size() && i < namedChanges; ++i)
        paths << changes.at(i).path;
    if (changes.size() > namedChanges)
        paths << QStringLiteral("…");
    const QString count = changes.size() == 1 ? QStringLiteral("1 setting")
                                              : QStringLiteral("%1 settings").arg(changes.size());
    return changes.isEmpty() ? QStringLiteral("no setting changed") : count + QStringLiteral(": ") + paths.join(QStringLiteral(", "));
}

QString reason(const Records::VersionRecord& version)
{
    const QString why = Records::VersionRecord::describe(version.reason);
    return version.kept ? why + QStringLiteral(", kept") : why;
}

} // namespace

int Runner::markVersion()
{
    Records::VersionRecord version;
    if (const int code = storedVersion(options.mark, &version))
        return code;
    if (!records.setKept(version.id, true))
        return fail(UnitFailure, records.errorString());
    Console::out(QStringLiteral("version %1 of unit %2 is kept: --keep never removes it\n").arg(version.id).arg(version.serial));
    return Success;
}

int Runner::versions()
{
    if (!records.open())
        return fail(UnitFailure, records.errorString());
    if (options.mark > 0)
        return markVersion();
    const QList<Records::VersionRecord> list = records.versions(options.serial);
    if (list.isEmpty()) {
        Console::out(options.serial.isEmpty() ? QStringLiteral("no version in the records %1\n").arg(records.location())
                                              : QStringLiteral("no version of unit %1 in the records\n").arg(options.serial));
        return Success;
    }
    // Oldest first, so that each version meets the one before it of its unit.
    QHash<QString, int> before;
    QStringList lines;
    for (int i = list.size() - 1; i >= 0; --i) {
        const Records::VersionRecord& version = list.at(i);
        const int previous = before.value(version.serial, -1);
        lines.prepend(QStringLiteral("%1 %2 %3 %4 %5").arg(version.id, -7)
                          .arg(version.made.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), -19)
                          .arg(version.serial, -12).arg(reason(version), -24)
                          .arg(summary(previous < 0 ? nullptr : &list.at(previous), version)));
        before.insert(version.serial, i);
    }
    Console::out(QStringLiteral("%1 %2 %3 %4 %5\n").arg(QStringLiteral("VERSION"), -7).arg(QStringLiteral("TIME"), -19)
                     .arg(QStringLiteral("UNIT"), -12).arg(QStringLiteral("REASON"), -24).arg(QStringLiteral("CHANGES"))
                 + lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return Success;
}

} // namespace Ctl
