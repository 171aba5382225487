#include "framework/handover.h"
#include "framework/item.h"
#include "history/eventtranslator.h"
#include "history/timestampformat.h"
#include "link/linktypes.h"
#include "link/localconnector.h"
#include "sim/simulatorthread.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

using moduleRV_23::LocalConnector;

// The event log of the simulated unit read into the Events page's item, with the connector in
// a thread of its own as the module runs it: this thread waits in nested loops, so that the
// connector's item hand-overs are served.
class TestEventLogUnit : public QObject
{
    Q_OBJECT

signals:
    // Something the connector said has reached this thread.
    void heard();

private slots:
    void initTestCase();
    void cleanupTestCase();
    void loadWithoutConnectionLeavesTheItem();
    void connectsToTheUnit();
    void reloadShowsTheUnitsLog();
    void secondReloadHoldsOnlyItsAnswer();
    void recordsInOtherAnswersJoinTheList();
    void clearEmptiesOnlyTheTable();

private:
    void inConnectorThread(const std::function<void()>& call);
    bool waitUntil(const std::function<bool()>& done, int timeoutMs = 30000);
    bool reloadAndLoad();
    QStringList tableRows() const;
    QStringList unitRows() const;

    std::unique_ptr<Sim::SimulatorThread> simulator;
    std::unique_ptr<Framework::Item> events;
    QThread thread;
    LocalConnector* connector = nullptr;

    // What the connector said, in the order it arrived here.
    QList<DeviceInfo> found;
    QList<bool> selected;
    int connections = 0;
    QList<bool> loaded;
    QStringList loaderCalls;
    QList<moduleRV_23::RV23Status> statuses;
};

void TestEventLogUnit::initTestCase()
{
    moduleRV_23::registerLinkTypes();
    Sim::Options options;
    options.serial = QStringLiteral("123456");
    options.pushEvents = true;
    simulator = std::make_unique<Sim::SimulatorThread>(options);
    QVERIFY2(simulator->start(), qPrintable(simulator->errorString()));
    qputenv("RV23_EXTRA_PORTS", simulator->portPath().toLocal8Bit());

    QFile description(QStringLiteral(RV23_SOURCE_DIR "/resources/RV23.json"));
    QVERIFY(description.open(QIODevice::ReadOnly));
    const QJsonObject pages = QJsonDocument::fromJson(description.readAll()).object();
    events = std::make_unique<Framework::Item>("events", nullptr, pages.value("events").toObject());

    connector = new LocalConnector;
    connector->moveToThread(&thread);
    connect(connector, &LocalConnector::deviceFound, this, [this](const DeviceInfo& unit) {
        found << unit;
        emit heard();
    });
    connect(connector, &LocalConnector::deviceSelectionResult, this, [this](bool ok) { selected << ok; emit heard(); });
    connect(connector, &LocalConnector::connectionResult, this, [this] { ++connections; emit heard(); });
    connect(connector, &LocalConnector::eventsLoaded, this, [this](bool ok) { loaded << ok; emit heard(); });
    connect(connector, &LocalConnector::showLoader, this, [this](bool show, const QString& text) {
        loaderCalls << QString("%1 '%2'").arg(show).arg(text);
        emit heard();
    });
    connect(connector, &LocalConnector::deviceStatusChanged, this, [this](const moduleRV_23::RV23Status& status) {
        statuses << status;
        emit heard();
    });
    thread.start();
}

void TestEventLogUnit::cleanupTestCase()
{
    if (connector) {
        inConnectorThread([c = connector] {
            c->disconnectDevice();
            c->deleteLater();
            QThread::currentThread()->quit();
        });
    }
    QVERIFY(Framework::waitForThread(&thread, 30000));
    qunsetenv("RV23_EXTRA_PORTS");
}

void TestEventLogUnit::inConnectorThread(const std::function<void()>& call)
{
    QMetaObject::invokeMethod(connector, call, Qt::QueuedConnection);
}

// The connector's signals arrive queued, so they are counted only inside the wait.
bool TestEventLogUnit::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QSignalSpy heardSpy(this, &TestEventLogUnit::heard);
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired() || !heardSpy.wait(int(deadline.remainingTime())))
            return done();
    }
    return true;
}

bool TestEventLogUnit::reloadAndLoad()
{
    const int answers = loaded.size();
    inConnectorThread([c = connector] { c->reloadEvents(); });
    inConnectorThread([c = connector, item = events.get()] { c->loadEvents(item); });
    return waitUntil([&] { return loaded.size() == answers + 2; }) && loaded.mid(answers) == QList<bool>{true, true};
}

// One "date|event|source" per row of the item.
QStringList TestEventLogUnit::tableRows() const
{
    QStringList rows;
    for (int row = 0; row < events->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << events->child(column)->child(row)->currentValue().toString();
        rows << cells.join('|');
    }
    return rows;
}

// The unit's log as the table should show it: the date without its year, in 1970.
QStringList TestEventLogUnit::unitRows() const
{
    const moduleRV_23::EventTranslator translator;
    const QString format = moduleRV_23::timeStampFormat();
    QStringList rows;
    for (const Sim::EventRecord& record : simulator->state().events) {
        const QDate date = record.time.date();
        const QDateTime stamp(QDate(1970, date.month(), date.day()), record.time.time());
        rows << QStringList{stamp.toString(format), translator.eventText(record.code),
                            translator.sourceText(record.source)}
                    .join('|');
    }
    return rows;
}

void TestEventLogUnit::loadWithoutConnectionLeavesTheItem()
{
    events->child(1)->child(0)->setValue("kept");
    inConnectorThread([c = connector, item = events.get()] { c->loadEvents(item); });
    QVERIFY(waitUntil([&] { return !loaded.isEmpty(); }));
    QCOMPARE(loaded, QList<bool>{false});
    QCOMPARE(tableRows(), QStringList{"|kept|"});
}

void TestEventLogUnit::connectsToTheUnit()
{
    inConnectorThread([c = connector] { c->getSerialDevices(); });
    QVERIFY(waitUntil([&] { return !found.isEmpty(); }));
    const DeviceInfo unit = found.first();
    inConnectorThread([c = connector, unit] {
        c->deviceSelected(unit);
        c->connectDevice();
    });
    QVERIFY(waitUntil([&] { return connections == 1; }));
    QCOMPARE(selected, QList<bool>{true});
}

void TestEventLogUnit::reloadShowsTheUnitsLog()
{
    QVERIFY(reloadAndLoad());
    const QStringList expected = unitRows();
    QVERIFY(expected.size() > 300);
    QCOMPARE(tableRows(), expected);
}

void TestEventLogUnit::secondReloadHoldsOnlyItsAnswer()
{
    const int before = simulator->state().events.size();
    QVERIFY(simulator->control("event 12 0"));
    QVERIFY(reloadAndLoad());
    const QStringList expected = unitRows();
    QCOMPARE(expected.size(), before + 1);
    QCOMPARE(tableRows(), expected);
}

// The unit sends the input's record along with the next poll's answer.
void TestEventLogUnit::recordsInOtherAnswersJoinTheList()
{
    const int answers = loaded.size();
    statuses.clear();
    QVERIFY(simulator->control("input A 1"));
    QVERIFY(waitUntil([&] { return !statuses.isEmpty() && statuses.last().inputA; }));
    inConnectorThread([c = connector, item = events.get()] { c->loadEvents(item); });
    QVERIFY(waitUntil([&] { return loaded.size() == answers + 1; }));
    QCOMPARE(tableRows(), unitRows());
    QVERIFY(tableRows().last().contains("app.rv23.event.activationa"));
}

// Clearing empties the table only: the records come back with the next load, without a read.
void TestEventLogUnit::clearEmptiesOnlyTheTable()
{
    const int answers = loaded.size();
    inConnectorThread([c = connector, item = events.get()] { c->clearEvents(item); });
    QVERIFY(waitUntil([&] { return !loaderCalls.isEmpty(); }));
    QCOMPARE(loaderCalls, QStringList{"0 ''"});
    QCOMPARE(tableRows(), QStringList{"||"});
    QCOMPARE(loaded.size(), answers);

    inConnectorThread([c = connector, item = events.get()] { c->loadEvents(item); });
    QVERIFY(waitUntil([&] { return loaded.size() == answers + 1; }));
    QCOMPARE(tableRows(), unitRows());
}

QTEST_GUILESS_MAIN(TestEventLogUnit)
#include "tst_eventlogunit.moc"
