#pragma once

#include "host/iostate.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

namespace Praxon {

// What a unit reported at each status poll while a signal meter is open: the quality band of a
// GSM signal value, min / mean / max since the start, the marks a technician drops to compare
// spots ("roof", "cellar"), and the samples as CSV.
class SignalLog final
{
public:
    // Quality of a value on the modem's usual 0-31 scale. 99 means the modem does not know, and a
    // value off that scale has no band either: both are Unknown.
    enum class Band { Unknown, None, Weak, Fair, Good, Excellent };

    struct Sample
    {
        QDateTime time;
        QString signal;  // as the unit reports it
        QString voltage; // millivolts, as the unit reports it
        QString operatorName;
        QList<IoState> inputs;  // A-D
        QList<IoState> outputs; // X, Y

        // The signal on the 0-31 scale; -1 when it is unknown or off the scale.
        int level() const;
        // "12.45 V", or the text as reported when it is no number.
        QString voltageText() const;
    };

    struct Mark
    {
        QDateTime time;
        QString label;
    };

    struct Summary
    {
        int samples = 0; // every sample
        int rated = 0;   // those on the 0-31 scale, which minimum, mean and maximum are of
        int minimum = -1;
        int maximum = -1;
        double mean = 0;
    };

    static Band band(int level);
    // The band's name in English; translatable in the context "Praxon::SignalLog".
    static const char* bandName(Band band);
    static QString csvHeader();
    // One line, ended by "\n".
    static QString csvRow(const Sample& sample);

    void add(const Sample& sample);
    void addMark(const QDateTime& time, const QString& label);
    const QList<Sample>& samples() const { return all; }
    const QList<Mark>& marks() const { return markList; }
    // The samples from time on: what a plot of the last minutes shows.
    QList<Sample> since(const QDateTime& time) const;
    Summary summary() const { return totals; }
    // Every sample and every mark, in time order, with the header.
    QString toCsv() const;

private:
    QList<Sample> all;
    QList<Mark> markList;
    Summary totals;
    qint64 levelSum = 0;
};

} // namespace Praxon

Q_DECLARE_METATYPE(Praxon::SignalLog::Sample)
