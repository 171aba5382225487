#pragma once

#include "sim/options.h"
#include "sim/stats.h"
#include "sim/unitstate.h"

#include <QObject>
#include <QThread>

namespace Sim {

class Simulator;

// A Simulator running in a thread of its own, so that a test can make blocking calls on the
// other end of the line from its own thread. Every call returns once the simulator has done it.
class SimulatorThread final : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorThread(Options options, QObject* parent = nullptr);
    ~SimulatorThread() override;

    // Starts the thread and the simulator; false with errorString() when the simulator fails.
    bool start();
    void stop();
    QString errorString() const { return error; }
    QString portPath() const { return port; }

    bool control(const QString& line);
    UnitState state() const;
    Stats stats() const;
    bool isIdle() const;

private:
    template<typename Function>
    auto inThread(Function function) const;

    QThread thread;
    Simulator* simulator;
    QString error;
    QString port;
};

} // namespace Sim
