#include "framework/handover.h"
#include "framework/item.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Framework;

namespace {

// Runs a job in the thread it was moved to, as the device connector runs its slots.
class Worker : public QObject
{
    Q_OBJECT

public:
    explicit Worker(std::function<void()> job, std::function<void()> farewell = {})
        : m_job(std::move(job))
        , m_farewell(std::move(farewell))
    {
    }
    ~Worker() override
    {
        if (m_farewell)
            m_farewell();
    }

public slots:
    void run()
    {
        m_job();
        emit done();
    }

signals:
    void done();

private:
    std::function<void()> m_job;
    std::function<void()> m_farewell;
};

const char* const description = R"({"g": {"field": {"_max": 1000}},
    "t": {"_row_count": 4, "a": {"_index": 0, "x": {}}, "b": {"_index": 1, "y": {}}}})";

QJsonObject page()
{
    return QJsonDocument::fromJson(description).object();
}

} // namespace

// The item tree used from a second thread while the GUI thread waits for it.
class TestItemThreads : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void workerDrivesTreeThroughGuiThread();
    void guiWaitForWorkerCannotDeadlock();

private:
    Item* field() const { return page1->child("g")->child("field"); }
    Item* table() const { return page1->child("t"); }
    void startInThread(Worker* worker);

    Item* root = nullptr;
    Item* page1 = nullptr;
    QThread* thread = nullptr;
};

void TestItemThreads::init()
{
    root = new Item("app.test", nullptr);
    page1 = new Item("page", root, page());
    thread = new QThread;
}

void TestItemThreads::cleanup()
{
    thread->quit();
    QVERIFY(waitForThread(thread, 10000));
    delete thread;
    delete root;
}

void TestItemThreads::startInThread(Worker* worker)
{
    worker->moveToThread(thread);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
}

void TestItemThreads::workerDrivesTreeThroughGuiThread()
{
    // Given a record of every item signal, taken in the thread that emits it
    QThread* const gui = QThread::currentThread();
    QStringList changes;
    bool allInGuiThread = true;
    connect(field(), &Item::valueChanged, this, [&](const QVariant& value) {
        allInGuiThread = allInGuiThread && QThread::currentThread() == gui;
        changes << "value " + value.toString();
    }, Qt::DirectConnection);
    connect(field(), &Item::stateChanged, this, [&] {
        allInGuiThread = allInGuiThread && QThread::currentThread() == gui;
        changes << QString("state %1").arg(int(field()->state()));
    }, Qt::DirectConnection);
    connect(table(), &Item::rowsAdded, this, [&] {
        allInGuiThread = allInGuiThread && QThread::currentThread() == gui;
        changes << "rows added";
    }, Qt::DirectConnection);

    // When a worker writes and reads the tree while the GUI thread waits in a nested loop
    QStringList results;
    Item* const target = field();
    Item* const cells = table()->child(1);
    auto* worker = new Worker([&] {
        for (int i = 1; i <= 3; ++i) {
            target->setValue(i);
            results << QString("value %1 state %2").arg(target->value().toInt()).arg(int(target->state()));
            const bool stored = target->setCurrentValue(i * 1000 + 1);
            results << QString("stored %1 state %2").arg(stored).arg(int(target->state()));
        }
        table()->setRowCount(6);
        for (Item* cell : cells->children())
            cell->setValue(cell->index() * 10);
        results << QString("rows %1 last %2").arg(table()->rowCount()).arg(cells->child(5)->currentValue().toInt());
    });
    bool done = false;
    QEventLoop loop;
    connect(worker, &Worker::done, &loop, [&] {
        done = true;
        loop.quit();
    });
    startInThread(worker);
    QMetaObject::invokeMethod(worker, &Worker::run, Qt::QueuedConnection);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (!done)
        loop.exec();

    // Then every change ran in the GUI thread, in the worker's order, with the right answers
    QVERIFY(done);
    QVERIFY(allInGuiThread);
    const int changedOutOfRange = int(Changed | OutOfRange);
    QCOMPARE(changes, (QStringList{"value 1", "value 1001", QString("state %1").arg(changedOutOfRange),
                                   "value 2", "state 0", "value 2001", QString("state %1").arg(changedOutOfRange),
                                   "value 3", "state 0", "value 3001", QString("state %1").arg(changedOutOfRange),
                                   "rows added"}));
    QCOMPARE(results, (QStringList{"value 1 state 0", QString("stored 1 state %1").arg(changedOutOfRange),
                                   "value 2 state 0", QString("stored 1 state %1").arg(changedOutOfRange),
                                   "value 3 state 0", QString("stored 1 state %1").arg(changedOutOfRange),
                                   "rows 6 last 50"}));
    for (const Item* cell : cells->children()) {
        QCOMPARE(cell->thread(), gui);
        QCOMPARE(cell->parent(), cells);
    }
    QVERIFY(root->state() & Changed);
}

void TestItemThreads::guiWaitForWorkerCannotDeadlock()
{
    // Given a worker that hands item work over until it ends its own thread, and once more from
    // its destructor, which runs after the thread announced its end
    constexpr int writes = 300;
    Item* const target = field();
    Item* const table = this->table();
    bool waiting = false;
    int servedWhileWaiting = 0;
    connect(target, &Item::valueChanged, this, [&] { servedWhileWaiting += waiting ? 1 : 0; }, Qt::DirectConnection);
    auto* worker = new Worker([&] {
        for (int i = 1; i <= writes; ++i)
            target->setCurrentValue(i);
        QThread::currentThread()->quit();
    }, [table] { table->setRowCount(5); });
    startInThread(worker);
    QMetaObject::invokeMethod(worker, &Worker::run, Qt::QueuedConnection);

    // When the GUI thread waits for that thread to end
    waiting = true;
    const bool finished = waitForThread(thread, 30000);
    waiting = false;

    // Then it ends, and every hand-over was served during the wait, the late one too
    QVERIFY(finished);
    QCOMPARE(servedWhileWaiting, writes);
    QCOMPARE(target->currentValue(), QVariant(writes));
    QCOMPARE(table->rowCount(), 5);
}

QTEST_GUILESS_MAIN(TestItemThreads)
#include "tst_itemthreads.moc"
