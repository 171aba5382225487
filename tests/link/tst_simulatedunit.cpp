#include "connectorsession.h"
#include "localconnectoraccess.h"

#include "framework/item.h"
#include "history/eventtranslator.h"
#include "history/timestampformat.h"

#include <QtTest>

using moduleRV_23::LocalConnector;
using moduleRV_23::RV23Status;
using Testing::ConnectorSession;
using Testing::QueuedSpy;

// The connector against the simulated unit, in a thread of its own as the module runs it:
// found, connected, polled, serviced, and its event log read into the Events page's item.
class TestSimulatedUnit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void eventsWithoutConnectionLeaveTheItem();
    void connectionReportsTheUnit();
    void serviceCommandsReachTheUnit();
    void reloadShowsOnlyTheUnitsLog();
    void recordsInOtherAnswersJoinTheList();
    void clearEmptiesOnlyTheTable();
    void disconnectClosesThePort();

private:
    RV23Status poll();
    bool loadEvents(bool reload = false);
    QStringList tableRows() const;
    QStringList unitRows();

    ConnectorSession* session = nullptr;
    QueuedSpy* loaded = nullptr;
};

void TestSimulatedUnit::initTestCase()
{
    Sim::Options options;
    options.serial = QStringLiteral("123456");
    options.pushEvents = true;
    session = new ConnectorSession(options);
    loaded = new QueuedSpy(session->watched(), &LocalConnector::eventsLoaded);
}

void TestSimulatedUnit::cleanupTestCase()
{
    delete loaded;
    delete session;
}

// One status poll; its answer is in before the call returns.
RV23Status TestSimulatedUnit::poll()
{
    const bool ran = session->run([](LocalConnector* c) { Testing::LocalConnectorAccess(*c).ping(true); });
    return ran ? session->statuses.last().value<RV23Status>() : RV23Status();
}

// A reload reads the whole log again before the load shows it.
bool TestSimulatedUnit::loadEvents(bool reload)
{
    const int answers = loaded->count();
    Framework::Item* item = session->events();
    session->run([item, reload](LocalConnector* c) {
        if (reload)
            c->reloadEvents();
        c->loadEvents(item);
    });
    const int expected = answers + (reload ? 2 : 1);
    if (!loaded->wait(expected, 30000))
        return false;
    for (int i = answers; i < expected; ++i) {
        if (!loaded->emissions.at(i).value(0).toBool())
            return false;
    }
    return true;
}

// One "date|event|source" per row of the item.
QStringList TestSimulatedUnit::tableRows() const
{
    const Framework::Item* events = session->events();
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
QStringList TestSimulatedUnit::unitRows()
{
    const moduleRV_23::EventTranslator translator;
    const QString format = moduleRV_23::timeStampFormat();
    QStringList rows;
    for (const Sim::EventRecord& record : session->unit().state().events) {
        const QDate date = record.time.date();
        const QDateTime stamp(QDate(1970, date.month(), date.day()), record.time.time());
        rows << QStringList{stamp.toString(format), translator.eventText(record.code),
                            translator.sourceText(record.source)}
                    .join('|');
    }
    return rows;
}

void TestSimulatedUnit::eventsWithoutConnectionLeaveTheItem()
{
    session->events()->child(1)->child(0)->setValue("kept");

    QVERIFY(!loadEvents());

    QCOMPARE(loaded->last(), QVariant(false));
    QCOMPARE(tableRows(), QStringList{"|kept|"});
}

void TestSimulatedUnit::connectionReportsTheUnit()
{
    QVERIFY2(session->start(), qPrintable(session->error()));

    const Sim::UnitState unit = session->unit().state();
    const DeviceInfo info = session->found();
    QCOMPARE(QStringList({info.serialNumber, info.firmwareVersion, info.behaviourVersion, info.statusText}),
             QStringList({"123456", unit.firmware, unit.behaviourVersion, "READY"}));
    QVERIFY(session->statuses.wait());
    const auto si = session->statuses.emissions.first().value(0).value<RV23Status>();
    QCOMPARE(QStringList({si.serialNumber, si.firmware, si.behaviourVersion, si.rssi, si.voltage}),
             QStringList({unit.serial, unit.firmware, unit.behaviourVersion, QString::number(unit.signal),
                          QString::number(unit.voltage)}));
    QCOMPARE(QList<bool>({si.inputA, si.inputB, si.inputC, si.inputD, si.outputX, si.outputY}),
             QList<bool>({unit.inputs[0], unit.inputs[1], unit.inputs[2], unit.inputs[3], unit.relays[0],
                          unit.relays[1]}));
}

void TestSimulatedUnit::serviceCommandsReachTheUnit()
{
    QVERIFY(session->unit().control("input C 1"));
    QVERIFY(poll().inputC);

    // Toggling X when it is off switches it on; the next poll shows it.
    bool lastToggle = true;
    QVERIFY(session->run([&](LocalConnector* c) {
        c->performToggleOutputX();
        c->resetInputCounter(3);
        c->resetSentSms();
        lastToggle = c->lastToggleStateX;
    }));
    QVERIFY(!lastToggle);
    QVERIFY(session->unit().state().relays[0]);
    QTRY_COMPARE(session->unit().state().inputCounters[3], 0);
    QTRY_COMPARE(session->unit().state().smsSent, 0);
    QVERIFY(poll().outputX);
    // Off again now: its on-time ending during a later log read would add a record meanwhile.
    QVERIFY(session->unit().control("relay X 0"));
}

// The records that came along with the polls so far are replaced by what the reload reads.
void TestSimulatedUnit::reloadShowsOnlyTheUnitsLog()
{
    QVERIFY(loadEvents(true));
    QVERIFY(session->unit().state().events.size() > 300);
    QCOMPARE(tableRows(), unitRows());

    QVERIFY(session->unit().control("event 12 0"));
    QVERIFY(loadEvents(true));
    QCOMPARE(tableRows(), unitRows());
}

// The unit sends the input's record along with the next poll's answer.
void TestSimulatedUnit::recordsInOtherAnswersJoinTheList()
{
    QVERIFY(session->unit().control("input A 1"));
    QVERIFY(poll().inputA);

    QVERIFY(loadEvents());

    QCOMPARE(tableRows(), unitRows());
    QVERIFY(tableRows().last().contains("app.rv23.event.activationa"));
}

// Clearing empties the table only: the records come back with the next load, without a read.
void TestSimulatedUnit::clearEmptiesOnlyTheTable()
{
    QueuedSpy loader(session->watched(), &LocalConnector::showLoader);
    const int answers = loaded->count();
    Framework::Item* item = session->events();

    QVERIFY(session->run([item](LocalConnector* c) { c->clearEvents(item); }));

    QVERIFY(loader.wait());
    QCOMPARE(loader.emissions.first(), (QVariantList{false, QString()}));
    QCOMPARE(tableRows(), QStringList{"||"});
    QCOMPARE(loaded->count(), answers);
    QVERIFY(loadEvents());
    QCOMPARE(tableRows(), unitRows());
}

void TestSimulatedUnit::disconnectClosesThePort()
{
    bool open = true;
    QVERIFY(session->run([&](LocalConnector* c) {
        c->disconnectDevice();
        open = Testing::LocalConnectorAccess(*c).port()->isOpen();
    }));
    QVERIFY(!open);
}

QTEST_MAIN(TestSimulatedUnit)
#include "tst_simulatedunit.moc"
