#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

// A slot that runs in a worker thread and writes a member the test thread reads without any
// hand-over: exactly the kind of fault the two-thread design must never have.
class Counter : public QObject
{
    Q_OBJECT

public slots:
    void bump() { ++count; }

public:
    int count = 0;
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
    Counter counter;
    counter.moveToThread(&worker);
    worker.start();
    QMetaObject::invokeMethod(&counter, &Counter::bump, Qt::QueuedConnection);
    // Read until the slot's write shows: the read that sees it is unordered with the write, which
    // the tool reports whatever the timing.
    const volatile int& count = counter.count;
    QElapsedTimer waited;
    waited.start();
    while (count == 0 && waited.elapsed() < 5000) {
    }
    worker.quit();
    worker.wait();
    QVERIFY(counter.count == 1);
}

QTEST_GUILESS_MAIN(TestPlantedRace)
#include "tst_plantedrace.moc"
