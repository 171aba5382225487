// rv23ctl units: the units the records hold, or those a searched text was found in.
#include "runner.h"

#include "console.h"

#include "praxon/core/fieldlabels.h"

#include <algorithm>

namespace Ctl {

namespace {

QString seen(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString unitTable(const QList<Records::UnitRecord>& units)
{
    QString text = QStringLiteral("%1 %2 %3 %4 %5\n").arg(QStringLiteral("SERIAL"), -12).arg(QStringLiteral("FIRMWARE"), -12)
                       .arg(QStringLiteral("LAST SEEN"), -16).arg(QStringLiteral("VERSIONS"), -8).arg(QStringLiteral("NOTE"));
    for (const Records::UnitRecord& unit : units) {
        text += QStringLiteral("%1 %2 %3 %4 %5").arg(unit.serial, -12).arg(unit.firmware, -12)
                    .arg(seen(unit.lastSeen), -16).arg(unit.versions, -8).arg(unit.note).trimmed()
                + QLatin1Char('\n');
    }
    return text;
}

QString matchLine(const Records::SearchMatch& match, const Praxon::FieldLabels& labels)
{
    const QString field = match.field == QLatin1String("serial") ? QStringLiteral("serial number")
                          : match.field == QLatin1String("note") ? QStringLiteral("site note")
                                                                 : labels.describe(match.field);
    const QString where = QStringLiteral("%1 %2 = \"%3\"").arg(match.serial, -12).arg(field, match.value);
    return match.version > 0 ? where + QStringLiteral(" (version %1)\n").arg(match.version) : where + QLatin1Char('\n');
}

} // namespace

int Runner::units()
{
    if (!records.open())
        return fail(UnitFailure, records.errorString());
    if (!options.note.isNull())
        return setNote();
    if (options.search.isEmpty()) {
        const QList<Records::UnitRecord> list = records.units();
        Console::out(list.isEmpty() ? QStringLiteral("no unit in the records %1\n").arg(records.location())
                                    : unitTable(list));
        return Success;
    }
    const QList<Records::SearchMatch> matches = records.search(options.search);
    const Praxon::FieldLabels labels = fieldLabels();
    QString text;
    for (const Records::SearchMatch& match : matches)
        text += matchLine(match, labels);
    Console::out(matches.isEmpty() ? QStringLiteral("no unit in the records holds \"%1\"\n").arg(options.search) : text);
    return Success;
}

int Runner::setNote()
{
    const QList<Records::UnitRecord> known = records.units();
    const bool found = std::any_of(known.cbegin(), known.cend(),
                                   [this](const Records::UnitRecord& unit) { return unit.serial == options.serial; });
    if (!found)
        return fail(UsageError, QStringLiteral("no unit %1 in the records %2").arg(options.serial, records.location()));
    if (!records.setNote(options.serial, options.note))
        return fail(UnitFailure, records.errorString());
    Console::out(QStringLiteral("site note of unit %1 set\n").arg(options.serial));
    return Success;
}

} // namespace Ctl
