#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

// A slot that runs in a worker thread writes a member that the test thread then writes too,
// with no hand-over between them: exactly the kind of fault the two-thread design must never
// have. The tool must report it, with the queued-call orders it has been taught in place.
class Counter : public QObject
{
    Q_OBJECT

public slots:
    void bump()
    {
        ++count;
        bumped.store(true, std::memory_order_relaxed);
    }

public:
    int count = 0;
    // Relaxed, so it tells the test thread when to go on without ordering anything; on a line of
    // its own, so that the tool keeps the two accesses apart.
    alignas(64) std::atomic<bool> bumped{false};
};

class Trigger : public QObject
{
    Q_OBJECT

signals:
    void fire();
};

class TestPlantedRace : public QObject
{
    Q_OBJECT

private slots:
    void unsynchronisedSlotIsReported();
};

void TestPlantedRace::unsynchronisedSlotIsReported()
{
    QThread worker;
    // On the heap like the module's objects (the tool overlooks some races on the main stack).
    auto counter = std::make_unique<Counter>();
    counter->moveToThread(&worker);
    worker.start();
    Trigger trigger;
    connect(&trigger, &Trigger::fire, counter.get(), &Counter::bump);
    emit trigger.fire();
    QElapsedTimer waited;
    waited.start();
    while (!counter->bumped.load(std::memory_order_relaxed) && waited.elapsed() < 10000) {
    }
    QVERIFY(counter->bumped);
    ++counter->count;
    worker.quit();
    worker.wait();
    QCOMPARE(counter->count, 2);
}

QTEST_GUILESS_MAIN(TestPlantedRace)
#include "tst_plantedrace.moc"
