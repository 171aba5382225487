#include "callsequence.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const char* const callNames[] = {"createWidget", "search", "searchWhileConnected", "connect", "load",
                                 "saveRequested", "saveUnrequested", "reloadEvents", "upload", "disconnect",
                                 "unplug", "deleteWidget", "deleteInstance", "leaveEverything"};
const char* const meanwhileNames[] = {"", "deleteInstance", "disconnect", "unplug"};

// Calls that wait for the unit, and how often the host interrupts them (percent). An upload
// left alone waits out two long deadlines, so it is always interrupted.
int interruptPercent(Call call)
{
    switch (call) {
    case Call::Load:
        return 75;
    case Call::SaveRequested:
    case Call::SaveUnrequested:
    case Call::ReloadEvents:
    case Call::Connect:
        return 30;
    case Call::Upload:
        return 100;
    default:
        return 0;
    }
}

Call pick(QRandomGenerator& random, const QList<QPair<Call, int>>& weighted)
{
    int total = 0;
    for (const auto& entry : weighted)
        total += entry.second;
    int draw = random.bounded(total);
    for (const auto& entry : weighted) {
        if ((draw -= entry.second) < 0)
            return entry.first;
    }
    return weighted.last().first;
}

Step step(QRandomGenerator& random, Call call)
{
    Step next{call};
    if (int(random.bounded(100)) < interruptPercent(call)) {
        next.meanwhile = static_cast<Meanwhile>(1 + random.bounded(3));
        next.afterMs = random.bounded(call == Call::Load ? 1500 : 600);
    }
    return next;
}

} // namespace

QString Step::text() const
{
    QString shown = QLatin1String(callNames[int(call)]);
    if (meanwhile != Meanwhile::Nothing)
        shown += QStringLiteral(" (%1 after %2 ms)").arg(QLatin1String(meanwhileNames[int(meanwhile)])).arg(afterMs);
    return shown;
}

QList<Step> parsedSequence(const QString& text)
{
    QList<Step> steps;
    const QRegularExpression pattern(QStringLiteral("^(\\w+)(?: \\((\\w+) after (\\d+) ms\\))?$"));
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const QRegularExpressionMatch match = pattern.match(part.trimmed());
        const auto call = std::find(std::begin(callNames), std::end(callNames), match.captured(1));
        const auto meanwhile = std::find(std::begin(meanwhileNames), std::end(meanwhileNames), match.captured(2));
        if (!match.hasMatch() || call == std::end(callNames) || meanwhile == std::end(meanwhileNames))
            return {};
        steps << Step{Call(call - std::begin(callNames)), Meanwhile(meanwhile - std::begin(meanwhileNames)),
                      match.captured(3).toInt()};
    }
    return steps;
}

QList<Step> callSequence(QRandomGenerator& random)
{
    // Mostly the host's normal order; the rest anything a host may call.
    const QList<QPair<Call, int>> anyCall = {
        {Call::Search, 3},          {Call::SearchWhileConnected, 1}, {Call::Connect, 4},
        {Call::Load, 1},            {Call::SaveRequested, 2},        {Call::SaveUnrequested, 1},
        {Call::ReloadEvents, 2},    {Call::Upload, 1},               {Call::Disconnect, 2},
        {Call::Unplug, 1},          {Call::DeleteWidget, 1},
    };
    QList<Step> steps;
    // Some hosts call before they ask for the widget.
    while (random.bounded(4) == 0)
        steps << step(random, pick(random, anyCall));
    steps << Step{Call::CreateWidget};
    if (random.bounded(4) == 0)
        steps << Step{Call::Search} << step(random, Call::Connect) << step(random, Call::Load);
    for (int count = random.bounded(2, 8); count > 0; --count)
        steps << step(random, pick(random, anyCall));
    steps << step(random, random.bounded(2) == 0 ? Call::DeleteInstance : Call::LeaveEverything);
    return steps;
}
