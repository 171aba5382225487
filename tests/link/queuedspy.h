#pragma once

#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QVariant>

namespace Testing {

// Records the emissions of one signal in the thread that creates it. The signal may be emitted
// in any thread: it is delivered queued, so the record is only touched here, and a wait cannot
// miss an emission that came before it began. Waiting runs a nested event loop, which serves
// the item work another thread hands over meanwhile.
class QueuedSpy final : public QObject
{
public:
    template <typename Sender, typename Signal>
    QueuedSpy(const Sender* sender, Signal signal)
    {
        connect(sender, signal, this, [this](auto... arguments) {
            emissions.append(QVariantList{QVariant::fromValue(arguments)...});
            loop.quit();
        }, Qt::QueuedConnection);
    }

    // True once count emissions are recorded; false when timeoutMs passed first.
    bool wait(int count = 1, int timeoutMs = 60000)
    {
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(timeoutMs);
        while (emissions.size() < count && timer.isActive())
            loop.exec();
        return emissions.size() >= count;
    }

    int count() const { return emissions.size(); }
    // The first argument of the last emission.
    QVariant last() const { return emissions.isEmpty() ? QVariant() : emissions.last().value(0); }

    QList<QVariantList> emissions;

private:
    QEventLoop loop;
};

} // namespace Testing
