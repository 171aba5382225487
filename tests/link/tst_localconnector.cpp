#include "peerline.h"

#include "link/linktypes.h"
#include "link/portlist.h"

#include <QDir>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using moduleRV_23::LocalConnector;
using moduleRV_23::PortCandidate;
using moduleRV_23::RV23Status;
using Testing::LocalConnectorAccess;
using Testing::PeerLine;
using Testing::ScriptedPeer;

// The connector against scripted units: one device in the port list however it is named,
// which ports discovery asks, the status poll of a connected unit and its service commands.
class TestLocalConnector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void oneDeviceCountsOnce_data();
    void oneDeviceCountsOnce();
    void announcesUnitsOfTheMakerOnly();
    void commandLines_data();
    void commandLines();
    void pollReportsStatusEveryTick();
    void failedPollStopsAndReportsLostUnit();
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

const QByteArray statusRequest = "AT+OATSET=\"$SDS\"";
const QByteArray statusReply = "+OATMSG: S1,005,123456,18,12.6,a,b,c,A1B0C0D0X0Y1\r\nOK\r\n";

} // namespace

void TestLocalConnector::initTestCase()
{
    moduleRV_23::registerLinkTypes();
}

void TestLocalConnector::cleanup()
{
    qunsetenv("RV23_EXTRA_PORTS");
}

// Entries are paths in a folder holding the files "a" and "b" and the links "la" -> a, "lla" -> la.
void TestLocalConnector::oneDeviceCountsOnce_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("link of a link before the target") << QStringList{"lla", "b", "a"} << QStringList{"lla", "b"};
    QTest::newRow("missing paths compared as written") << QStringList{"x", "x", "y"} << QStringList{"x", "y"};
}

void TestLocalConnector::oneDeviceCountsOnce()
{
    QFETCH(QStringList, entries);
    QTemporaryDir root;
    const QString folder = root.filePath("d");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile(folder + "/a").open(QIODevice::WriteOnly) && QFile(folder + "/b").open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(folder + "/a", folder + "/la") && QFile::link(folder + "/la", folder + "/lla"));
    QList<PortCandidate> candidates;
    for (const QString& entry : entries)
        candidates.append(PortCandidate{entry, folder + '/' + entry, {}, {}});

    QStringList kept;
    for (const PortCandidate& port : moduleRV_23::distinctPorts(candidates))
        kept << port.portName;

    QTEST(kept, "kept");
}

void TestLocalConnector::announcesUnitsOfTheMakerOnly()
{
    // Given a unit, the maker's other interface, another maker's port and a unit that is
    // unplugged when the probe begins
    const auto unit = startUnit("123456");
    const auto otherInterface = startUnit("222");
    const auto otherMaker = startUnit("333");
    ScriptedPeer lost;
    QVERIFY(unit && otherInterface && otherMaker && lost.open());
    lost.expect("ATE1").hangUp().start();
    setExtraPorts({unit->slavePath(), otherInterface->slavePath() + "|RV-23K USB Interface|TESSALINE",
                   otherMaker->slavePath() + "|USB Serial|ACME", lost.slavePath()});
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
    QVERIFY(otherInterface->received().isEmpty());
    QVERIFY(otherMaker->received().isEmpty());
    // No status request follows an unanswered echo switch.
    QCOMPARE(lost.received(), QList<QByteArray>{"ATE1"});
    LocalConnectorAccess access(connector);
    QCOMPARE(access.foundPorts(), 1);
    QVERIFY(!access.port());
}

void TestLocalConnector::commandLines_data()
{
    QTest::addColumn<QByteArray>("slot");
    // Argument of the counter slots; -1: the slot takes none.
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("outputOn");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("first input counter counts from 1") << QByteArray("resetInputCounter") << 0 << false
                                                       << QByteArray("status.input_counter[1]=0");
    QTest::newRow("sent SMS, spaced") << QByteArray("resetSentSms") << -1 << false
                                      << QByteArray("status.gsm.sms_sent = 0");
    QTest::newRow("global reset is the unit reset") << QByteArray("performGlobalReset") << -1 << false
                                                    << QByteArray("AT+OATSET=\"RST\"");
    QTest::newRow("X on switches off") << QByteArray("performToggleOutputX") << -1 << true
                                       << QByteArray("AT+OATSET=\"$X0\"");
    QTest::newRow("Y off switches on") << QByteArray("performToggleOutputY") << -1 << false
                                       << QByteArray("AT+OATSET=\"$Y1\"");
}

void TestLocalConnector::commandLines()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, index);
    QFETCH(bool, outputOn);
    QFETCH(QByteArray, line);
    PeerLine unit;
    QVERIFY(unit.open());
    unit.peer.answer(line, "OK\r\n").start();
    unit.access.liveStatus().outputX = unit.access.liveStatus().outputY = outputOn;
    // The flag of an output that is not toggled must stay as it was.
    unit.connector.lastToggleStateX = unit.connector.lastToggleStateY = !outputOn;
    QSignalSpy errors(&unit.connector, &LocalConnector::communicationError);

    QVERIFY(index < 0 ? QMetaObject::invokeMethod(&unit.connector, slot.constData())
                      : QMetaObject::invokeMethod(&unit.connector, slot.constData(), Q_ARG(int, index)));

    QVERIFY(unit.peer.waitForLine(line));
    QCOMPARE(unit.peer.received(), QList<QByteArray>{line});
    QCOMPARE(errors.count(), 0);
    QCOMPARE(unit.connector.lastToggleStateX.load(), slot.endsWith('X') ? outputOn : !outputOn);
    QCOMPARE(unit.connector.lastToggleStateY.load(), slot.endsWith('Y') ? outputOn : !outputOn);
    // A toggle assumes nothing: the new state comes with the next status.
    QCOMPARE(unit.access.liveStatus().outputX, outputOn);
}

void TestLocalConnector::pollReportsStatusEveryTick()
{
    PeerLine unit;
    QVERIFY(unit.open(false));
    for (int i = 0; i < 3; ++i)
        unit.peer.answer(statusRequest, statusReply);
    unit.peer.start();
    QSignalSpy status(&unit.connector, &LocalConnector::deviceStatusChanged);
    QSignalSpy errors(&unit.connector, &LocalConnector::communicationError);

    // Given a unit connected twice: each connect polls once and restarts the timer
    unit.connector.connectDevice();
    unit.connector.disconnectDevice();
    unit.connector.connectDevice();
    QCOMPARE(status.count(), 2);
    QCOMPARE(unit.access.pollInterval(), 3000);
    const auto si = status.last().first().value<RV23Status>();
    QCOMPARE(si.serialNumber, QStringLiteral("123456"));
    QCOMPARE(QList<bool>({si.inputA, si.inputB, si.outputX, si.outputY}), QList<bool>({true, false, false, true}));

    // When the timer ticks, exactly one poll follows
    QVERIFY(status.wait(4500));
    QCOMPARE(status.count(), 3);
    QVERIFY(unit.peer.waitUntilDone());

    // And after a disconnect the next tick stops the timer without a word to the unit
    unit.connector.disconnectDevice();
    QVERIFY(!unit.access.port()->isOpen());
    unit.access.ping(false);
    QVERIFY(!unit.access.polling());
    QCOMPARE(unit.peer.received().count(statusRequest), 3);
    QCOMPARE(errors.count(), 0);
}

void TestLocalConnector::failedPollStopsAndReportsLostUnit()
{
    PeerLine unit;
    QVERIFY(unit.open(false));
    unit.peer.answer(statusRequest, statusReply).expect(statusRequest).hangUp().start();
    QSignalSpy status(&unit.connector, &LocalConnector::deviceStatusChanged);
    QSignalSpy errors(&unit.connector, &LocalConnector::communicationError);
    unit.connector.connectDevice();
    QCOMPARE(status.count(), 1);

    unit.access.ping(true);

    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toInt(), -1);
    QVERIFY(!unit.access.polling());
    QCOMPARE(status.count(), 1);
    // Only the timer stops: the port stays open and the connector still counts as connected.
    QVERIFY(unit.access.connected());
    QVERIFY(unit.access.port()->isOpen());
}

QTEST_GUILESS_MAIN(TestLocalConnector)
#include "tst_localconnector.moc"
