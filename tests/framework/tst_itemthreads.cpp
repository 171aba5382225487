#include "framework/handover.h"
#include "framework/item.h"
#include "sanitize/threadorder.h"

#include <QJsonDocument>
#include <QThread>
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
    void guiWaitForWorkerCannotDeadlock();

private:
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

void TestItemThreads::guiWaitForWorkerCannotDeadlock()
{
    // Given a worker that hands item work over until it ends its own thread, and once more as it
    // is destroyed, after the thread announced its end
    constexpr int writes = 300;
    Item* const target = page->child("g")->child("field");
    Item* const table = page->child("t");
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
