#include "simulatorthread.h"

#include "simulator.h"

#include "sanitize/threadorder.h"

namespace Sim {

SimulatorThread::SimulatorThread(Options options, QObject* parent)
    : QObject(parent)
    , simulator(new Simulator(std::move(options)))
{
    thread.setObjectName(QStringLiteral("rv23-sim"));
    simulator->moveToThread(&thread);
    connect(&thread, &QThread::finished, simulator, &QObject::deleteLater);
}

SimulatorThread::~SimulatorThread()
{
    stop();
    if (!thread.isFinished() && !thread.isRunning())
        delete simulator;   // the thread never ran, so nobody else will
}

template<typename Function>
auto SimulatorThread::inThread(Function function) const
{
    decltype(function()) result{};
    if (!thread.isRunning())
        return result;
    Sanitize::callBlocking(simulator, [&] { result = function(); });
    return result;
}

bool SimulatorThread::start()
{
    thread.start();
    const bool started = inThread([this] { return simulator->start(); });
    error = inThread([this] { return simulator->errorString(); });
    port = inThread([this] { return simulator->portPath(); });
    if (!started)
        stop();
    return started;
}

void SimulatorThread::stop()
{
    if (!thread.isRunning())
        return;
    inThread([this] {
        simulator->stop();
        return true;
    });
    thread.quit();
    thread.wait();
    Sanitize::threadFinished(&thread);
}

bool SimulatorThread::control(const QString& line)
{
    return inThread([&] { return simulator->control(line); });
}

UnitState SimulatorThread::state() const
{
    // The copy gets its own tables before it leaves the simulator's thread: Qt writes a shared
    // table in place once a relaxed look at its reference count finds it unshared, an order the
    // thread checker cannot follow when the other holder was in this thread.
    return inThread([this] {
        UnitState copy = simulator->state();
        copy.memory.detach();
        copy.events.detach();
        return copy;
    });
}

Stats SimulatorThread::stats() const
{
    return inThread([this] { return simulator->stats(); });
}

bool SimulatorThread::isIdle() const
{
    return inThread([this] { return simulator->isIdle(); });
}

} // namespace Sim
