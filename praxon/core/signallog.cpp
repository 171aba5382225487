#include "signallog.h"

#include <QCoreApplication>

#include <algorithm>

namespace Praxon {

namespace {

constexpr int topLevel = 31;

QString csvText(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// 1 on or active, 0 off or inactive, empty when the unit did not say.
QString stateColumns(const QList<IoState>& states, int count)
{
    QStringList columns;
    for (int i = 0; i < count; ++i) {
        const int state = i < states.size() ? states.at(i).state : -1;
        columns << (state == 2 ? QStringLiteral("1") : state == 0 ? QStringLiteral("0") : QString());
    }
    return columns.join(QLatin1Char(','));
}

QString timeText(const QDateTime& time)
{
    return time.toString(Qt::ISODate);
}

QString markRow(const SignalLog::Mark& mark)
{
    return timeText(mark.time) + QStringLiteral(",,,,,,,,,,,") + csvText(mark.label) + QLatin1Char('\n');
}

} // namespace

int SignalLog::Sample::level() const
{
    bool isNumber = false;
    const int value = signal.trimmed().toInt(&isNumber);
    return isNumber && value >= 0 && value <= topLevel ? value : -1;
}

QString SignalLog::Sample::voltageText() const
{
    bool isNumber = false;
    const int millivolts = voltage.trimmed().toInt(&isNumber);
    return isNumber ? QStringLiteral("%1 V").arg(millivolts / 1000.0, 0, 'f', 2) : voltage;
}

SignalLog::Band SignalLog::band(int level)
{
    if (level < 0 || level > topLevel)
        return Band::Unknown;
    if (level <= 1)
        return Band::None;
    if (level <= 9)
        return Band::Weak;
    if (level <= 14)
        return Band::Fair;
    if (level <= 19)
        return Band::Good;
    return Band::Excellent;
}

const char* SignalLog::bandName(Band band)
{
    switch (band) {
    case Band::None:
        return QT_TRANSLATE_NOOP("Praxon::SignalLog", "none");
    case Band::Weak:
        return QT_TRANSLATE_NOOP("Praxon::SignalLog", "weak");
    case Band::Fair:
        return QT_TRANSLATE_NOOP("Praxon::SignalLog", "fair");
    case Band::Good:
        return QT_TRANSLATE_NOOP("Praxon::SignalLog", "good");
    case Band::Excellent:
        return QT_TRANSLATE_NOOP("Praxon::SignalLog", "excellent");
    case Band::Unknown:
        break;
    }
    return QT_TRANSLATE_NOOP("Praxon::SignalLog", "unknown");
}

QString SignalLog::csvHeader()
{
    return QStringLiteral("time,signal,band,voltage_mV,operator,A,B,C,D,X,Y,mark\n");
}

QString SignalLog::csvRow(const Sample& sample)
{
    return QStringList{timeText(sample.time), csvText(sample.signal),
                       QLatin1String(bandName(band(sample.level()))), csvText(sample.voltage),
                       csvText(sample.operatorName), stateColumns(sample.inputs, 4),
                       stateColumns(sample.outputs, 2), QString()}
               .join(QLatin1Char(','))
        + QLatin1Char('\n');
}

void SignalLog::add(const Sample& sample)
{
    all.append(sample);
    ++totals.samples;
    const int level = sample.level();
    if (level < 0)
        return;
    totals.minimum = totals.rated == 0 ? level : std::min(totals.minimum, level);
    totals.maximum = std::max(totals.maximum, level);
    ++totals.rated;
    levelSum += level;
    totals.mean = double(levelSum) / totals.rated;
}

void SignalLog::addMark(const QDateTime& time, const QString& label)
{
    markList.append({time, label});
}

QList<SignalLog::Sample> SignalLog::since(const QDateTime& time) const
{
    const auto first = std::find_if(all.cbegin(), all.cend(), [&time](const Sample& sample) { return sample.time >= time; });
    return QList<Sample>(first, all.cend());
}

QString SignalLog::toCsv() const
{
    QString text = csvHeader();
    auto mark = markList.cbegin();
    for (const Sample& sample : all) {
        for (; mark != markList.cend() && mark->time < sample.time; ++mark)
            text += markRow(*mark);
        text += csvRow(sample);
    }
    for (; mark != markList.cend(); ++mark)
        text += markRow(*mark);
    return text;
}

} // namespace Praxon
