#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <utility>

// Tells ThreadSanitizer about orders between threads that Qt makes inside its own code, which is
// not instrumented: a queued call's task reaches the other thread after everything the posting
// thread did, and a blocking call returns after everything the task did. Without these the tool
// reports every queued call as a race. In other builds the annotations compile to nothing.

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

namespace Sanitize {

// What this thread has done so far happens before what a thread does after happensAfter(key).
inline void happensBefore([[maybe_unused]] const void* key)
{
#ifdef RV23_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(key));
#endif
}

inline void happensAfter([[maybe_unused]] const void* key)
{
#ifdef RV23_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(key));
#endif
}

// What a carried task gives back to Qt. Qt destroys it at the end of the expression in which it
// calls the task, after its last look at the call's arguments, which for a blocking call lie on
// the waiting thread's stack; so its end publishes everything the call did, under its key.
class CallEnd
{
public:
    explicit CallEnd(const void* key) : key(key) {}
    ~CallEnd()
    {
        if (key)
            happensBefore(key);
    }

private:
    const void* key;
};

// After a wait for thread has returned true: everything the thread did happened before. (The
// ThreadSanitizer build's Qt hooks publish a thread's end.)
inline void threadFinished(const QThread* thread)
{
    happensAfter(thread);
}

// A task that Qt carries to another thread in a queued call. Its last move, into Qt's call
// object, publishes the task and all that preceded it; calling it in the other thread receives
// them before the task runs. Results travel through what the task captures.
template <typename Task>
class Carried
{
public:
    explicit Carried(Task task, const void* endKey = nullptr) : task(std::move(task)), endKey(endKey) {}
    Carried(Carried&& other) : task(std::move(other.task)), endKey(other.endKey) { happensBefore(this); }
    Carried(const Carried& other) : task(other.task), endKey(other.endKey) { happensBefore(this); }
    Carried& operator=(const Carried&) = delete;
    Carried& operator=(Carried&&) = delete;

    CallEnd operator()()
    {
        happensAfter(this);
        task();
        return CallEnd(endKey);
    }

private:
    Task task;
    const void* endKey;
};

// Queues task to run in target's thread.
template <typename Task>
bool post(QObject* target, Task task)
{
    return QMetaObject::invokeMethod(target, Carried<Task>(std::move(task)), Qt::QueuedConnection);
}

// Runs task in target's thread while this thread blocks. target must live in another thread.
template <typename Task>
bool callBlocking(QObject* target, Task task)
{
    char ended = 0;   // only its address is used, as the key of the call's end
    const bool called = QMetaObject::invokeMethod(target, Carried<Task>(std::move(task), &ended),
                                                  Qt::BlockingQueuedConnection);
    happensAfter(&ended);
    return called;
}

} // namespace Sanitize
