#include "localconnectoraccess.h"

#include "link/linktypes.h"
#include "link/portlist.h"
#include "tests/support/scriptedpeer.h"

#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using moduleRV_23::LocalConnector;
using moduleRV_23::PortCandidate;
using Testing::LocalConnectorAccess;
using Testing::ScriptedPeer;

// The port list with its extra ports, and which ports discovery and selection ask, against
// scripted units on that list.
class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void extraPorts_data();
    void extraPorts();
    void extraPortsFollowTheSystemPorts();
    void announcesUnitsOfTheMakerOnly();
    void selectionAfterEmptyScanSearchesBySerial_data();
    void selectionAfterEmptyScanSearchesBySerial();
    void unitLostDuringProbeIsNotAnnounced();
};

namespace {

// A unit that answers the three questions of a probe.
std::unique_ptr<ScriptedPeer> startUnit(const QByteArray& serial)
{
    auto peer = std::make_unique<ScriptedPeer>();
    if (!peer->open())
        return nullptr;
    peer->answer("ATE1", "OK\r\n")
        .answer("AT+OATSET=\"$SDS\"", "+OATMSG: S1,005," + serial + ",18,12.6,a,b,c\r\nOK\r\n")
        .answer("AT+OATMEM=0,1", "+OATMEM: 0,1,VB:004\r\nOK\r\n")
        .start();
    return peer;
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

void TestDiscovery::extraPorts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("ports");

    QTest::newRow("unset") << "" << QStringList();
    QTest::newRow("bare path is the maker's interface") << "/dev/pts/7"
                                                       << QStringList{"/dev/pts/7|RV-23 USB|TESSALINE"};
    QTest::newRow("several, empty entries skipped") << ";/dev/pts/1;;/dev/pts/2|Modem|ACME;"
                                                    << QStringList{"/dev/pts/1|RV-23 USB|TESSALINE",
                                                                   "/dev/pts/2|Modem|ACME"};
    QTest::newRow("description without maker") << "/dev/pts/3|Modem" << QStringList{"/dev/pts/3|Modem|"};
    QTest::newRow("entry without path skipped") << "|RV-23 USB|TESSALINE" << QStringList();
}

void TestDiscovery::extraPorts()
{
    QFETCH(QString, value);
    QFETCH(QStringList, ports);

    QStringList got;
    for (const PortCandidate& port : moduleRV_23::parseExtraPorts(value)) {
        QCOMPARE(port.portName, port.location);
        got << port.location + '|' + port.description + '|' + port.manufacturer;
    }
    QCOMPARE(got, ports);
}

void TestDiscovery::extraPortsFollowTheSystemPorts()
{
    qputenv("RV23_EXTRA_PORTS", "/dev/pts/90;/dev/pts/91|Modem|ACME");
    const QList<PortCandidate> ports = moduleRV_23::candidatePorts();

    QVERIFY(ports.size() >= 2);
    QCOMPARE(ports.at(ports.size() - 2).location, QStringLiteral("/dev/pts/90"));
    QCOMPARE(ports.last().manufacturer, QStringLiteral("ACME"));
    QCOMPARE(ports.size() - 2, QSerialPortInfo::availablePorts().size());
}

void TestDiscovery::announcesUnitsOfTheMakerOnly()
{
    // Given a unit, the maker's other interface, another maker's port and a unit without serial
    const auto unit = startUnit("123456");
    const auto otherInterface = startUnit("222");
    const auto otherMaker = startUnit("333");
    const auto noSerial = startUnit("");
    QVERIFY(unit && otherInterface && otherMaker && noSerial);
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
    QCOMPARE(QStringList({info.modelName, info.serialNumber, info.firmwareVersion, info.statusText,
                          info.behaviourVersion}),
             QStringList({"RV-23", "123456", "005", "S1", "004"}));
    QCOMPARE(info.inputStates, (QMap<QString, qint32>{{"A", 3}, {"B", 3}, {"C", 3}, {"D", 3}}));
    QCOMPARE(info.outputStates, (QMap<QString, qint32>{{"X", 3}, {"Y", 3}}));
    QVERIFY(otherInterface->received().isEmpty());
    QVERIFY(otherMaker->received().isEmpty());
    QVERIFY(noSerial->waitUntilDone());
    LocalConnectorAccess access(connector);
    QCOMPARE(access.foundPorts(), 1);
    QVERIFY(!access.port());
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
    const auto unit = startUnit("777");
    QVERIFY(unit);
    setExtraPorts({unit->slavePath() + "|USB Serial|ACME"});
    LocalConnector connector;
    QSignalSpy found(&connector, &LocalConnector::deviceFound);
    QSignalSpy result(&connector, &LocalConnector::deviceSelectionResult);
    connector.getSerialDevices();
    QCOMPARE(found.count(), 0);

    // When a unit is selected by serial number
    DeviceInfo chosen;
    chosen.serialNumber = sought;
    connector.deviceSelected(chosen);

    // Then the search by serial number asks that port too, and leaves the port found closed
    QVERIFY(unit->waitUntilDone());
    QCOMPARE(result.count(), 1);
    QCOMPARE(result.first().first().toBool(), selected);
    QSerialPort* port = LocalConnectorAccess(connector).port();
    QCOMPARE(port != nullptr, selected);
    QVERIFY(!port || !port->isOpen());
}

void TestDiscovery::unitLostDuringProbeIsNotAnnounced()
{
    ScriptedPeer unit;
    QVERIFY(unit.open());
    unit.expect("ATE1").hangUp().start();
    setExtraPorts({unit.slavePath()});
    LocalConnector connector;
    QSignalSpy found(&connector, &LocalConnector::deviceFound);

    connector.getSerialDevices();

    QCOMPARE(found.count(), 0);
    // No status request follows an unanswered echo switch.
    QCOMPARE(unit.received(), QList<QByteArray>{"ATE1"});
    QCOMPARE(LocalConnectorAccess(connector).foundPorts(), 0);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
