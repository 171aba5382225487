#include "handover.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace Framework {

namespace {

// After finished() the thread still deletes its deferred objects; those may hand over too,
// so the last stretch is waited for in short slices with events served in between.
constexpr int TailSliceMs = 10;

} // namespace

bool waitForThread(QThread* thread, int timeoutMs)
{
    if (!thread || thread == QThread::currentThread())
        return false;
    QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(timeoutMs));

    QEventLoop loop;
    // Connected before the state is tested, so an end in between still quits the loop.
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer timer;
    if (!deadline.isForever()) {
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.setSingleShot(true);
        timer.start(int(deadline.remainingTime()));
    }
    if (thread->isRunning() && !thread->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    while (!thread->wait(deadline.isForever() ? TailSliceMs
                                              : qMin<qint64>(TailSliceMs, deadline.remainingTime()))) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    Sanitize::threadFinished(thread);
    return true;
}

} // namespace Framework
