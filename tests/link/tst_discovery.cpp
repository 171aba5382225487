#include "localconnectoraccess.h"

#include "link/linktypes.h"
#include "tests/support/scriptedpeer.h"

#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using moduleRV_23::LocalConnector;
using moduleRV_23::RV23Status;
using Testing::LocalConnectorAccess;
using Testing::ScriptedPeer;

// Finding units on the port list, selecting one and connecting to it, against scripted units.
class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void announcesUnitsOfTheMakerOnly();
    void selectsAFoundUnitAndConnects();
    void selectionAfterEmptyScanSearchesBySerial_data();
    void selectionAfterEmptyScanSearchesBySerial();
    void unitLostDuringProbeIsNotAnnounced();
    void connectToPortThatCannotBeOpened();
    void emptyPortListStillEndsTheSearch();
};

namespace {

const QByteArray statusRequest = "AT+OATSET=\"$SDS\"";

QByteArray statusReply(const QByteArray& serial)
{
    return "+OATMSG: S1,005," + serial + ",18,12.6,a,b,c,A0B0C0D0X1Y0\r\nOK\r\n";
}

// Scripts the three questions a probe asks.
ScriptedPeer& answersProbe(ScriptedPeer& peer, const QByteArray& serial)
{
    return peer.answer("ATE1", "OK\r\n")
        .answer(statusRequest, statusReply(serial))
        .answer("AT+OATMEM=0,1", "+OATMEM: 0,1,RV2004\r\nOK\r\n");
}

std::unique_ptr<ScriptedPeer> openPeer()
{
    auto peer = std::make_unique<ScriptedPeer>();
    return peer->open() ? std::move(peer) : nullptr;
}

void setExtraPorts(const QStringList& entries)
{
    qputenv("RV23_EXTRA_PORTS", entries.join(';').toLocal8Bit());
}

} // namespace

void TestDiscovery::initTestCase()
{
    moduleRV_23::registerLinkTypes();
}

void TestDiscovery::cleanup()
{
    qunsetenv("RV23_EXTRA_PORTS");
}

void TestDiscovery::announcesUnitsOfTheMakerOnly()
{
    // Given a unit, the maker's other interface, another maker's port and a unit without serial
    const auto unit = openPeer();
    const auto otherInterface = openPeer();
    const auto otherMaker = openPeer();
    const auto noSerial = openPeer();
    QVERIFY(unit && otherInterface && otherMaker && noSerial);
    answersProbe(*unit, "123456").start();
    answersProbe(*otherInterface, "222").start();
    answersProbe(*otherMaker, "333").start();
    answersProbe(*noSerial, "").start();
    setExtraPorts({unit->slavePath(), otherInterface->slavePath() + "|RV-23K USB Interface|TESSALINE",
                   otherMaker->slavePath() + "|USB Serial|ACME", noSerial->slavePath() + "|RV-23 USB|TESSALINE"});
    LocalConnector connector;
    QSignalSpy found(&connector, &LocalConnector::deviceFound);
    QSignalSpy done(&connector, &LocalConnector::allDevicesFound);

    // When the connector scans
    connector.getSerialDevices();

    // Then only the unit is announced, and the ports it must not probe were never spoken to
    QCOMPARE(done.count(), 1);
    QCOMPARE(found.count(), 1);
    const auto info = found.first().first().value<DeviceInfo>();
    QCOMPARE(info.modelName, QStringLiteral("RV-23"));
    QCOMPARE(info.serialNumber, QStringLiteral("123456"));
    QCOMPARE(info.firmwareVersion, QStringLiteral("005"));
    QCOMPARE(info.statusText, QStringLiteral("S1"));
    QCOMPARE(info.behaviourVersion, QStringLiteral("004"));
    const QMap<QString, qint32> inputs{{"A", 3}, {"B", 3}, {"C", 3}, {"D", 3}};
    const QMap<QString, qint32> outputs{{"X", 3}, {"Y", 3}};
    QCOMPARE(info.inputStates, inputs);
    QCOMPARE(info.outputStates, outputs);
    QVERIFY(otherInterface->received().isEmpty());
    QVERIFY(otherMaker->received().isEmpty());
    QVERIFY(noSerial->waitUntilDone());
    LocalConnectorAccess access(connector);
    QCOMPARE(access.foundPorts(), 1);
    QVERIFY(!access.port());
}

void TestDiscovery::selectsAFoundUnitAndConnects()
{
    ScriptedPeer unit;
    QVERIFY(unit.open());
    answersProbe(unit, "123456").answer(statusRequest, statusReply("123456")).start();
    setExtraPorts({unit.slavePath()});
    LocalConnector connector;
    LocalConnectorAccess access(connector);
    QSignalSpy found(&connector, &LocalConnector::deviceFound);
    QSignalSpy selected(&connector, &LocalConnector::deviceSelectionResult);
    QSignalSpy result(&connector, &LocalConnector::connectionResult);
    QSignalSpy status(&connector, &LocalConnector::deviceStatusChanged);
    connector.getSerialDevices();
    QCOMPARE(found.count(), 1);

    connector.deviceSelected(found.first().first().value<DeviceInfo>());
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first().first().toBool(), true);
    QCOMPARE(access.foundPorts(), 0);
    QVERIFY(access.port() && !access.port()->isOpen());

    connector.connectDevice();
    QCOMPARE(result.count(), 1);
    QCOMPARE(result.first().first().value<ConnectionResult>(), Connected);
    QVERIFY(access.connected());
    QVERIFY(access.polling());
    QCOMPARE(status.count(), 1);
    const auto si = status.first().first().value<RV23Status>();
    QCOMPARE(si.serialNumber, QStringLiteral("123456"));
    QVERIFY(si.outputX);
    connector.disconnectDevice();
}

void TestDiscovery::selectionAfterEmptyScanSearchesBySerial_data()
{
    QTest::addColumn<QString>("sought");
    QTest::addColumn<bool>("selected");

    QTest::newRow("the unit is found whatever its maker") << "777" << true;
    QTest::newRow("another serial is not found") << "778" << false;
}

void TestDiscovery::selectionAfterEmptyScanSearchesBySerial()
{
    QFETCH(QString, sought);
    QFETCH(bool, selected);
    // Given a unit behind a port of another maker, which the scan does not probe
    ScriptedPeer unit;
    QVERIFY(unit.open());
    answersProbe(unit, "777").start();
    setExtraPorts({unit.slavePath() + "|USB Serial|ACME"});
    LocalConnector connector;
    LocalConnectorAccess access(connector);
    QSignalSpy found(&connector, &LocalConnector::deviceFound);
    QSignalSpy result(&connector, &LocalConnector::deviceSelectionResult);
    connector.getSerialDevices();
    QCOMPARE(found.count(), 0);
    QVERIFY(unit.received().isEmpty());

    // When a unit is selected by serial number
    DeviceInfo chosen;
    chosen.serialNumber = sought;
    connector.deviceSelected(chosen);

    // Then the search by serial number asks that port too
    QCOMPARE(result.count(), 1);
    QCOMPARE(result.first().first().toBool(), selected);
    QVERIFY(unit.waitUntilDone());
    QCOMPARE(access.port() != nullptr, selected);
    if (selected)
        QVERIFY(!access.port()->isOpen());
}

void TestDiscovery::unitLostDuringProbeIsNotAnnounced()
{
    ScriptedPeer unit;
    QVERIFY(unit.open());
    unit.expect("ATE1").hangUp().start();
    setExtraPorts({unit.slavePath()});
    LocalConnector connector;
    QSignalSpy found(&connector, &LocalConnector::deviceFound);
    QSignalSpy done(&connector, &LocalConnector::allDevicesFound);

    connector.getSerialDevices();

    QCOMPARE(done.count(), 1);
    QCOMPARE(found.count(), 0);
    // No status request follows an unanswered echo switch.
    QCOMPARE(unit.received(), QList<QByteArray>{"ATE1"});
    QCOMPARE(LocalConnectorAccess(connector).foundPorts(), 0);
}

void TestDiscovery::connectToPortThatCannotBeOpened()
{
    LocalConnector connector;
    LocalConnectorAccess access(connector);
    access.select("/nonexistent/rv23");
    QStringList order;
    connect(&connector, &LocalConnector::communicationError, this,
            [&](int code) { order << QStringLiteral("error %1").arg(code); });
    connect(&connector, &LocalConnector::connectionResult, this,
            [&](ConnectionResult result) { order << QStringLiteral("result %1").arg(result); });

    connector.connectDevice();

    QCOMPARE(order, QStringList({"error -1", "result 0"}));
    QVERIFY(!access.connected());
    QVERIFY(!access.polling());
}

void TestDiscovery::emptyPortListStillEndsTheSearch()
{
    if (!QSerialPortInfo::availablePorts().isEmpty())
        QSKIP("the machine has serial ports of its own, so the list cannot be empty");
    LocalConnector connector;
    QSignalSpy found(&connector, &LocalConnector::deviceFound);
    QSignalSpy done(&connector, &LocalConnector::allDevicesFound);

    connector.getSerialDevices();

    QCOMPARE(done.count(), 1);
    QCOMPARE(found.count(), 0);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
