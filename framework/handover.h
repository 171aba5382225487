#pragma once

#include "sanitize/threadorder.h"

#include <QObject>
#include <QThread>

#include <type_traits>

// Hand-overs: work on an object that belongs to another thread is carried out in that thread
// while the caller blocks, so the caller's order is kept and results come back without locks.
// The owning thread must keep serving its events while another thread may hand work over:
// it waits only in nested event loops, and for a thread's end through waitForThread().

namespace Framework {

inline bool inThreadOf(const QObject* object)
{
    return object->thread() == QThread::currentThread();
}

// Runs task in the thread of context and returns its result; directly when the caller is
// already in that thread. The task may capture the caller's locals by reference.
template <typename Task>
auto handOver(const QObject* context, Task task) -> decltype(task())
{
    using Result = decltype(task());
    if (inThreadOf(context))
        return task();
    auto* target = const_cast<QObject*>(context);
    if constexpr (std::is_void_v<Result>) {
        Sanitize::callBlocking(target, task);
    } else {
        Result result{};
        Sanitize::callBlocking(target, [&] { result = task(); });
        return result;
    }
}

// Waits until thread has finished, serving the events of the calling thread meanwhile (user
// input excepted), so that the thread can still hand work over to the caller while it winds
// down. Use it instead of QThread::wait() in a thread that owns objects the other thread uses.
// A negative timeout waits without limit. Returns whether the thread has finished.
bool waitForThread(QThread* thread, int timeoutMs = -1);

} // namespace Framework
