#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <type_traits>

// Hand-overs: work on an object that belongs to another thread is carried out in that thread
// while the caller blocks, so the caller's order is kept and results come back without locks.
// The owning thread must keep serving its events while another thread may hand work over:
// it waits only in nested event loops, and for a thread's end through waitForThread().

#if defined(__SANITIZE_THREAD__)
#define RV23_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define RV23_THREAD_SANITIZER 1
#endif
#endif

#ifdef RV23_THREAD_SANITIZER
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace Framework {

inline bool inThreadOf(const QObject* object)
{
    return object->thread() == QThread::currentThread();
}

namespace Detail {

// Qt's blocking call orders the two threads through a semaphore in uninstrumented Qt code;
// these tell the thread sanitizer about that order.
inline void handOverReleased([[maybe_unused]] void* token)
{
#ifdef RV23_THREAD_SANITIZER
    __tsan_release(token);
#endif
}

inline void handOverAcquired([[maybe_unused]] void* token)
{
#ifdef RV23_THREAD_SANITIZER
    __tsan_acquire(token);
#endif
}

} // namespace Detail

// Runs task in the thread of context and returns its result; directly when the caller is
// already in that thread. The task may capture the caller's locals by reference.
template <typename Task>
auto handOver(const QObject* context, Task task) -> decltype(task())
{
    using Result = decltype(task());
    if (inThreadOf(context))
        return task();
    auto* target = const_cast<QObject*>(context);
    char token = 0;
    Detail::handOverReleased(&token);
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(target, [&] {
            Detail::handOverAcquired(&token);
            task();
            Detail::handOverReleased(&token);
        }, Qt::BlockingQueuedConnection);
        Detail::handOverAcquired(&token);
    } else {
        Result result{};
        QMetaObject::invokeMethod(target, [&] {
            Detail::handOverAcquired(&token);
            result = task();
            Detail::handOverReleased(&token);
        }, Qt::BlockingQueuedConnection);
        Detail::handOverAcquired(&token);
        return result;
    }
}

// Waits until thread has finished, serving the events of the calling thread meanwhile (user
// input excepted), so that the thread can still hand work over to the caller while it winds
// down. Use it instead of QThread::wait() in a thread that owns objects the other thread uses.
// A negative timeout waits without limit. Returns whether the thread has finished.
bool waitForThread(QThread* thread, int timeoutMs = -1);

} // namespace Framework
