#include "measurement.h"

#include <algorithm>
#include <cmath>

Measurement::Measurement(QString name, QString target, int runs, Run run)
    : name(std::move(name))
    , target(std::move(target))
    , runs(runs)
    , run(std::move(run))
{
}

void Measurement::execute()
{
    for (int i = 0; i < runs; ++i) {
        const Sample sample = run();
        times.append(sample.ms);
        if (sample.floorMs >= 0)
            floors.append(sample.floorMs);
    }
}

double Measurement::percentile(QVector<double> values, double fraction)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int at = std::min(int(values.size()) - 1, int(std::ceil(fraction * values.size())) - 1);
    return values.at(std::max(0, at));
}

QString Measurement::header()
{
    return QStringLiteral("| Measurement | Runs | Median ms | p95 ms | Floor ms | Ratio | Target |\n"
                          "| --- | ---: | ---: | ---: | ---: | ---: | --- |");
}

QString Measurement::row() const
{
    const double median = percentile(times, 0.5);
    QString floor = QStringLiteral("-");
    QString ratio = QStringLiteral("-");
    if (!floors.isEmpty()) {
        const double floorMedian = percentile(floors, 0.5);
        floor = QString::number(floorMedian, 'f', 1);
        if (floorMedian > 0)
            ratio = QString::number(median / floorMedian, 'f', 3);
    }
    return QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 |")
        .arg(name)
        .arg(runs)
        .arg(median, 0, 'f', 2)
        .arg(percentile(times, 0.95), 0, 'f', 2)
        .arg(floor, ratio, target);
}
