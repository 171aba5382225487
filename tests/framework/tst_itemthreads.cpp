#include "framework/handover.h"
#include "framework/item.h"
#include "sanitize/threadorder.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QThread>
#include <QTimer>
#include <QtTest>

using namespace Framework;

// The item tree used from a second thread while the GUI thread waits for it, as the device
// connector uses it.
class TestItemThreads : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void workerDrivesTreeThroughGuiThread();
    void guiWaitForWorkerCannotDeadlock();

private:
    Item* field() const { return page->child("g")->child("field"); }
    Item* table() const { return page->child("t"); }

    Item* root = nullptr;
    Item* page = nullptr;
    QThread* thread = nullptr;
    QObject* worker = nullptr; // lives in thread, and ends with it
};

void TestItemThreads::init()
{
    root = new Item("app.test", nullptr);
    page = new Item("page", root, QJsonDocument::fromJson(R"({"g": {"field": {"_max": 1000}},
        "t": {"_row_count": 4, "a": {"_index": 0, "x": {}}, "b": {"_index": 1, "y": {}}}})").object());
    thread = new QThread;
    worker = new QObject;
    worker->moveToThread(thread);
    connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    thread->start();
}

void TestItemThreads::cleanup()
{
    thread->quit();
    QVERIFY(waitForThread(thread, 10000));
    delete thread;
    delete root;
}

void TestItemThreads::workerDrivesTreeThroughGuiThread()
{
    // Given a record of every item signal, taken in the thread that emits it
    QThread* const gui = QThread::currentThread();
    QStringList changes;
    bool allInGuiThread = true;
    const auto record = [&](const QString& change) {
        allInGuiThread = allInGuiThread && QThread::currentThread() == gui;
        changes << change;
    };
    connect(field(), &Item::valueChanged, this, [&](const QVariant& value) { record("value " + value.toString()); },
            Qt::DirectConnection);
    connect(field(), &Item::stateChanged, this, [&] { record(QString("state %1").arg(int(field()->state()))); },
            Qt::DirectConnection);
    connect(table(), &Item::rowsAdded, this, [&] { record("rows added"); }, Qt::DirectConnection);

    // When a worker writes and reads the tree while the GUI thread waits in a nested loop
    QStringList results;
    Item* const target = field();
    Item* const cells = table()->child(1);
    QEventLoop loop;
    QVERIFY(Sanitize::post(worker, [&] {
        for (int i = 1; i <= 2; ++i) {
            target->setValue(i);
            results << QString("value %1 state %2").arg(target->value().toInt()).arg(int(target->state()));
            const bool stored = target->setCurrentValue(i * 1000 + 1);
            results << QString("stored %1 state %2").arg(stored).arg(int(target->state()));
        }
        table()->setRowCount(6);
        for (Item* cell : cells->children())
            cell->setValue(cell->index() * 10);
        results << QString("rows %1 last %2").arg(table()->rowCount()).arg(cells->child(5)->currentValue().toInt());
        Sanitize::post(&loop, [&loop] { loop.quit(); });
    }));
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();

    // Then every change ran in the GUI thread, in the worker's order, with the right answers
    const QString marked = QString("state %1").arg(int(Changed | OutOfRange));
    QCOMPARE(results, (QStringList{"value 1 state 0", "stored 1 " + marked, "value 2 state 0", "stored 1 " + marked,
                                   "rows 6 last 50"}));
    QVERIFY(allInGuiThread);
    QCOMPARE(changes, (QStringList{"value 1", "value 1001", marked, "value 2", "state 0", "value 2001", marked,
                                   "rows added"}));
    for (const Item* cell : cells->children()) {
        QCOMPARE(cell->thread(), gui);
        QCOMPARE(cell->parent(), cells);
    }
}

void TestItemThreads::guiWaitForWorkerCannotDeadlock()
{
    // Given a worker that hands item work over until it ends its own thread, and once more as it
    // is destroyed, after the thread announced its end
    constexpr int writes = 300;
    Item* const target = field();
    Item* const table = this->table();
    bool waiting = false;
    int servedWhileWaiting = 0;
    connect(target, &Item::valueChanged, this, [&] { servedWhileWaiting += waiting ? 1 : 0; }, Qt::DirectConnection);
    connect(worker, &QObject::destroyed, [table] { table->setRowCount(5); });
    QVERIFY(Sanitize::post(worker, [target] {
        for (int i = 1; i <= writes; ++i)
            target->setCurrentValue(i);
        QThread::currentThread()->quit();
    }));

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
