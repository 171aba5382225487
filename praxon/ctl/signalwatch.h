#pragma once

#include "praxon/core/signallog.h"

#include <QFile>
#include <QString>

namespace Ctl {

// status --watch --signal and --csv: one line per status poll with a bar of the signal and its
// band, each sample appended to the CSV file as it comes (so that Ctrl-C loses nothing), and the
// summary when the watch ends.
class SignalWatch final
{
public:
    // Opens (creates or appends to) the CSV file; an empty path writes none.
    bool openCsv(const QString& path, QString* error);
    // Records the sample; its line when lines are printed.
    QString add(const Praxon::SignalLog::Sample& sample);
    QString summaryText() const;

    // "08:10:03  signal 12 [############-------------------]  fair       12.45 V  CZ MOBIL"
    static QString line(const Praxon::SignalLog::Sample& sample);

private:
    Praxon::SignalLog log;
    QFile csv;
};

} // namespace Ctl
