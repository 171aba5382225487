#pragma once

#include <QString>
#include <QVector>

#include <functional>

// One benchmark row: runs a measurement several times and keeps the times, with the floor the
// run cannot go below (deliberate waits and wire time) when the row has one.
class Measurement final
{
public:
    struct Sample
    {
        double ms = 0;
        double floorMs = -1; // below 0: no floor
    };
    using Run = std::function<Sample()>;

    Measurement(QString name, QString target, int runs, Run run);

    void execute();
    QString row() const;
    static QString header();

private:
    static double percentile(QVector<double> values, double fraction);

    QString name;
    QString target;
    int runs;
    Run run;
    QVector<double> times;
    QVector<double> floors;
};
