#include "localconnectoraccess.h"

#include "link/linktypes.h"
#include "sim/simulatorthread.h"

#include <QSignalSpy>
#include <QtTest>

using moduleRV_23::LocalConnector;
using moduleRV_23::RV23Status;
using Testing::LocalConnectorAccess;

// The connector against the simulated unit: found, selected, connected, polled and serviced.
class TestSimulatedUnit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void findsSelectsAndConnects();
    void serviceCommandsReachTheUnit();

private:
    RV23Status poll();

    Sim::SimulatorThread* simulator = nullptr;
    LocalConnector* connector = nullptr;
};

void TestSimulatedUnit::initTestCase()
{
    moduleRV_23::registerLinkTypes();
    Sim::Options options;
    options.serial = QStringLiteral("123456");
    simulator = new Sim::SimulatorThread(options, this);
    QVERIFY2(simulator->start(), qPrintable(simulator->errorString()));
    qputenv("RV23_EXTRA_PORTS", simulator->portPath().toLocal8Bit());
    connector = new LocalConnector(this);
}

void TestSimulatedUnit::cleanupTestCase()
{
    delete connector;
    qunsetenv("RV23_EXTRA_PORTS");
}

// One status poll, answered before it returns.
RV23Status TestSimulatedUnit::poll()
{
    QSignalSpy status(connector, &LocalConnector::deviceStatusChanged);
    LocalConnectorAccess(*connector).ping(true);
    return status.count() == 1 ? status.first().first().value<RV23Status>() : RV23Status();
}

void TestSimulatedUnit::findsSelectsAndConnects()
{
    const Sim::UnitState unit = simulator->state();
    QSignalSpy found(connector, &LocalConnector::deviceFound);
    QSignalSpy selected(connector, &LocalConnector::deviceSelectionResult);
    QSignalSpy status(connector, &LocalConnector::deviceStatusChanged);
    QSignalSpy result(connector, &LocalConnector::connectionResult);

    connector->getSerialDevices();
    QCOMPARE(found.count(), 1);
    const auto info = found.first().first().value<DeviceInfo>();
    QCOMPARE(info.serialNumber, QStringLiteral("123456"));
    QCOMPARE(info.firmwareVersion, unit.firmware);
    QCOMPARE(info.behaviourVersion, unit.behaviourVersion);
    QCOMPARE(info.statusText, QStringLiteral("READY"));

    connector->deviceSelected(info);
    QCOMPARE(selected.count(), 1);
    QVERIFY(selected.first().first().toBool());
    connector->connectDevice();
    QCOMPARE(result.count(), 1);
    QCOMPARE(status.count(), 1);

    const auto si = status.first().first().value<RV23Status>();
    QCOMPARE(si.serialNumber, unit.serial);
    QCOMPARE(si.firmware, unit.firmware);
    QCOMPARE(si.behaviourVersion, unit.behaviourVersion);
    QCOMPARE(si.rssi, QString::number(unit.signal));
    QCOMPARE(si.voltage, QString::number(unit.voltage));
    QCOMPARE(QList<bool>({si.inputA, si.inputB, si.inputC, si.inputD}),
             QList<bool>({unit.inputs[0], unit.inputs[1], unit.inputs[2], unit.inputs[3]}));
    QCOMPARE(QList<bool>({si.outputX, si.outputY}), QList<bool>({unit.relays[0], unit.relays[1]}));
}

void TestSimulatedUnit::serviceCommandsReachTheUnit()
{
    LocalConnectorAccess access(*connector);
    QVERIFY(access.connected());
    QVERIFY(simulator->control("input C 1"));
    QVERIFY(poll().inputC);

    // Toggling X when it is off switches it on; the next poll shows it.
    QVERIFY(!access.liveStatus().outputX);
    connector->performToggleOutputX();
    QVERIFY(connector->lastToggleStateX == false);
    QVERIFY(simulator->state().relays[0]);
    QVERIFY(poll().outputX);

    connector->resetInputCounter(3);
    connector->resetSentSms();
    QTRY_COMPARE(simulator->state().inputCounters[3], 0);
    QTRY_COMPARE(simulator->state().smsSent, 0);
    QVERIFY(poll().outputX);

    connector->disconnectDevice();
    QVERIFY(!access.port()->isOpen());
}

QTEST_GUILESS_MAIN(TestSimulatedUnit)
#include "tst_simulatedunit.moc"
