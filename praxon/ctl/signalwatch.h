#pragma once

#include "praxon/core/signallog.h"

#include <QFile>
#include <QObject>
#include <QString>

namespace Praxon {
class HostSession;
class SignalSampler;
} // namespace Praxon

namespace Ctl {

// status --watch --signal and --csv: samples every status poll of the session's unit, prints one
// line per sample with a bar of the signal and its band, appends each sample to the CSV file as
// it comes (so that Ctrl-C loses nothing), and tells the summary when the watch ends.
class SignalWatch final : public QObject
{
    Q_OBJECT

public:
    SignalWatch(Praxon::HostSession* session, bool printLines, QObject* parent = nullptr);

    // Opens (creates or appends to) the CSV file, an empty path writes none, and starts sampling.
    bool start(const QString& csvPath, QString* error);
    QString summaryText() const;

    // "08:10:03  signal 12 [############-------------------]  fair       12.45 V  CZ MOBIL"
    static QString line(const Praxon::SignalLog::Sample& sample);

private:
    void add(const Praxon::SignalLog::Sample& sample);

    Praxon::HostSession* session;
    bool printLines;
    Praxon::SignalLog log;
    QFile csv;
};

} // namespace Ctl
