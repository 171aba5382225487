#include "localconnectoraccess.h"

#include "link/linktypes.h"
#include "tests/support/scriptedpeer.h"

#include <QSignalSpy>
#include <QtTest>

using moduleRV_23::LocalConnector;
using moduleRV_23::RV23Status;
using Testing::LocalConnectorAccess;
using Testing::ScriptedPeer;

// Service commands and the status poll of a connected unit, against a scripted unit.
class TestService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void counterLines_data();
    void counterLines();
    void serviceCommands_data();
    void serviceCommands();
    void pollReportsStatusEveryTick();
    void failedPollStopsAndReportsLostUnit();
};

namespace {

const QByteArray statusRequest = "AT+OATSET=\"$SDS\"";
const QByteArray statusReply = "+OATMSG: S1,005,123456,18,12.6,a,b,c,A1B0C0D0X0Y1\r\nOK\r\n";

// A connector whose selected port is on the peer's line.
struct Unit
{
    ScriptedPeer peer;
    LocalConnector connector;
    LocalConnectorAccess access{connector};

    bool open()
    {
        if (!peer.open())
            return false;
        access.select(peer.slavePath());
        return true;
    }
};

} // namespace

void TestService::initTestCase()
{
    moduleRV_23::registerLinkTypes();
}

void TestService::counterLines_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("first input counts from 1") << QByteArray("resetInputCounter") << 0
                                               << QByteArray("status.input_counter[1]=0");
    QTest::newRow("last input") << QByteArray("resetInputCounter") << 3 << QByteArray("status.input_counter[4]=0");
    QTest::newRow("second output") << QByteArray("resetOutputCounter") << 1
                                   << QByteArray("status.relay_counter[2]=0");
    QTest::newRow("sent SMS, spaced") << QByteArray("resetSentSms") << -1 << QByteArray("status.gsm.sms_sent = 0");
    QTest::newRow("sent service SMS, spaced") << QByteArray("resetSentServiceSms") << -1
                                              << QByteArray("status.gsm.service_sms_sent = 0");
}

void TestService::counterLines()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, index);
    QFETCH(QByteArray, line);
    Unit unit;
    QVERIFY(unit.open());
    QVERIFY(unit.access.openSelectedPort(false));
    unit.peer.start();
    QSignalSpy errors(&unit.connector, &LocalConnector::communicationError);

    const bool invoked = index < 0 ? QMetaObject::invokeMethod(&unit.connector, slot.constData())
                                   : QMetaObject::invokeMethod(&unit.connector, slot.constData(), Q_ARG(int, index));

    QVERIFY(invoked);
    QVERIFY(unit.peer.waitForLine(line));
    QCOMPARE(unit.peer.received(), QList<QByteArray>{line});
    QCOMPARE(errors.count(), 0);
}

void TestService::serviceCommands_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<bool>("outputOn");
    QTest::addColumn<QByteArray>("command");

    QTest::newRow("unit reset") << QByteArray("resetDevice") << false << QByteArray("AT+OATSET=\"RST\"");
    QTest::newRow("global reset is the unit reset") << QByteArray("performGlobalReset") << false
                                                    << QByteArray("AT+OATSET=\"RST\"");
    QTest::newRow("GSM restart") << QByteArray("performResetGSM") << false << QByteArray("AT+OATSET=\"GSM\"");
    QTest::newRow("X on switches off") << QByteArray("performToggleOutputX") << true
                                       << QByteArray("AT+OATSET=\"$X0\"");
    QTest::newRow("X off switches on") << QByteArray("performToggleOutputX") << false
                                       << QByteArray("AT+OATSET=\"$X1\"");
    QTest::newRow("Y on switches off") << QByteArray("performToggleOutputY") << true
                                       << QByteArray("AT+OATSET=\"$Y0\"");
    QTest::newRow("Y off switches on") << QByteArray("performToggleOutputY") << false
                                       << QByteArray("AT+OATSET=\"$Y1\"");
}

void TestService::serviceCommands()
{
    QFETCH(QByteArray, slot);
    QFETCH(bool, outputOn);
    QFETCH(QByteArray, command);
    Unit unit;
    QVERIFY(unit.open());
    QVERIFY(unit.access.openSelectedPort(false));
    unit.peer.answer(command, "OK\r\n").start();
    unit.access.liveStatus().outputX = outputOn;
    unit.access.liveStatus().outputY = outputOn;
    // The flag of the other output must stay as it was.
    unit.connector.lastToggleStateX = !outputOn;
    unit.connector.lastToggleStateY = !outputOn;

    QVERIFY(QMetaObject::invokeMethod(&unit.connector, slot.constData()));

    QVERIFY(unit.peer.waitUntilDone());
    QCOMPARE(unit.peer.received(), QList<QByteArray>{command});
    const bool togglesX = slot.endsWith('X');
    const bool togglesY = slot.endsWith('Y');
    QCOMPARE(unit.connector.lastToggleStateX.load(), togglesX ? outputOn : !outputOn);
    QCOMPARE(unit.connector.lastToggleStateY.load(), togglesY ? outputOn : !outputOn);
    // The toggle assumes nothing: the new state comes with the next status.
    QCOMPARE(unit.access.liveStatus().outputX, outputOn);
}

void TestService::pollReportsStatusEveryTick()
{
    Unit unit;
    QVERIFY(unit.open());
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
    unit.access.ping(false);
    QVERIFY(!unit.access.polling());
    QCOMPARE(unit.peer.received().count(statusRequest), 3);
    QCOMPARE(errors.count(), 0);
}

void TestService::failedPollStopsAndReportsLostUnit()
{
    Unit unit;
    QVERIFY(unit.open());
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

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
