#include "signalwatch.h"

#include "console.h"

#include "praxon/core/signalsampler.h"

namespace Ctl {

namespace {

constexpr int barWidth = 31;

QString bar(int level)
{
    if (level < 0)
        return QString(barWidth, QLatin1Char(' '));
    return QString(level, QLatin1Char('#')) + QString(barWidth - level, QLatin1Char('-'));
}

} // namespace

SignalWatch::SignalWatch(Praxon::HostSession* session, bool printLines, QObject* parent)
    : QObject(parent)
    , session(session)
    , printLines(printLines)
{
}

bool SignalWatch::start(const QString& csvPath, QString* error)
{
    if (!csvPath.isEmpty()) {
        csv.setFileName(csvPath);
        const bool fresh = !csv.exists() || csv.size() == 0;
        if (!csv.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            *error = QStringLiteral("cannot write %1: %2").arg(csvPath, csv.errorString());
            return false;
        }
        if (fresh)
            csv.write(Praxon::SignalLog::csvHeader().toUtf8());
        csv.flush();
    }
    auto* sampler = new Praxon::SignalSampler(session, this);
    connect(sampler, &Praxon::SignalSampler::sampled, this, &SignalWatch::add);
    return true;
}

void SignalWatch::add(const Praxon::SignalLog::Sample& sample)
{
    log.add(sample);
    if (csv.isOpen()) {
        csv.write(Praxon::SignalLog::csvRow(sample).toUtf8());
        csv.flush();
    }
    if (printLines)
        Console::out(line(sample));
}

QString SignalWatch::line(const Praxon::SignalLog::Sample& sample)
{
    const int level = sample.level();
    return QStringLiteral("%1  signal %2 [%3]  %4 %5  %6\n")
        .arg(sample.time.toString(QStringLiteral("HH:mm:ss")), sample.signal.rightJustified(2), bar(level))
        .arg(QLatin1String(Praxon::SignalLog::bandName(Praxon::SignalLog::band(level))), -9)
        .arg(sample.voltageText(), 8)
        .arg(sample.operatorName);
}

QString SignalWatch::summaryText() const
{
    const Praxon::SignalLog::Summary summary = log.summary();
    if (summary.rated == 0)
        return QStringLiteral("signal  no value on the 0-31 scale in %1 samples\n").arg(summary.samples);
    return QStringLiteral("signal  min %1  mean %2  max %3  samples %4\n")
        .arg(summary.minimum)
        .arg(summary.mean, 0, 'f', 1)
        .arg(summary.maximum)
        .arg(summary.samples);
}

} // namespace Ctl
