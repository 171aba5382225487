#pragma once

#include "signallog.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

namespace Praxon {

class HostSession;

// Turns the module's status polls into signal-meter samples. A poll ends with the output states;
// the values it brought (signal, voltage, operator) are read from the module's configuration
// text, the only place the contract shows them. No sample is taken while the configuration holds
// edits (having the module hand the text over would validate them and complain) or while the
// module shows its loader. The module polls every 3 s, but it also reports the status again for
// each record of the event log it reads: a report sooner than a poll interval after the last
// sample repeats that poll and is no sample.
class SignalSampler final : public QObject
{
    Q_OBJECT

public:
    explicit SignalSampler(HostSession* session, QObject* parent = nullptr);

signals:
    void sampled(const Praxon::SignalLog::Sample& sample);

private:
    void takeSample(const QList<IoState>& outputs);

    QPointer<HostSession> session;
    QList<IoState> inputs;
    bool busy = false;
    QElapsedTimer sinceSample;
};

} // namespace Praxon
