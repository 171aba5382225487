// Loaded into every program of a ThreadSanitizer build: teaches the tool two orders that Qt makes
// through locks inside the uninstrumented Qt library, which the tool cannot see: a queued slot
// runs after everything its sender's thread did before emitting, and a thread's end (after its
// last deferred deletion) comes before a wait for it returns (see Sanitize::threadFinished).
#include "sanitize/threadorder.h"

#include <QThread>
#include <QThreadStorage>
#include <QtCore/private/qobject_p.h>

namespace {

// Destroyed by the thread as it finishes, after its deferred deletions and before waits for it
// return.
class ThreadEnd
{
public:
    explicit ThreadEnd(const QThread* thread) : thread(thread) {}
    ~ThreadEnd() { Sanitize::happensBefore(thread); }

private:
    const QThread* thread;
};

QThreadStorage<ThreadEnd*> threadEnds;

void watchThreadEnd()
{
    if (!threadEnds.hasLocalData())
        threadEnds.setLocalData(new ThreadEnd(QThread::currentThread()));
}

void signalEmitted(QObject* sender, int, void**)
{
    watchThreadEnd();
    Sanitize::happensBefore(sender);
}

bool eventDelivered(void** data)
{
    watchThreadEnd();
    const auto* event = static_cast<const QEvent*>(data[1]);
    if (event->type() == QEvent::MetaCall) {
        if (const QObject* sender = static_cast<const QAbstractMetaCallEvent*>(event)->sender())
            Sanitize::happensAfter(sender);
    }
    return false;   // the event is delivered as usual
}

QSignalSpyCallbackSet callbacks = {signalEmitted, nullptr, nullptr, nullptr};

void install()
{
    qt_register_signal_spy_callbacks(&callbacks);
    QInternal::registerCallback(QInternal::EventNotifyCallback, eventDelivered);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(install)
