#include "peerline.h"

#include "link/linktypes.h"

#include <QSignalSpy>
#include <QtTest>

using moduleRV_23::LocalConnector;
using moduleRV_23::RV23Status;
using Testing::PeerLine;

// Service commands and the status poll of a connected unit, against a scripted unit.
class TestService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commandLines_data();
    void commandLines();
    void pollReportsStatusEveryTick();
    void failedPollStopsAndReportsLostUnit();
};

namespace {

const QByteArray statusRequest = "AT+OATSET=\"$SDS\"";
const QByteArray statusReply = "+OATMSG: S1,005,123456,18,12.6,a,b,c,A1B0C0D0X0Y1\r\nOK\r\n";

} // namespace

void TestService::initTestCase()
{
    moduleRV_23::registerLinkTypes();
}

void TestService::commandLines_data()
{
    QTest::addColumn<QByteArray>("slot");
    // Argument of the counter slots; -1: the slot takes none.
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("outputOn");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("first input counter counts from 1") << QByteArray("resetInputCounter") << 0 << false
                                                       << QByteArray("status.input_counter[1]=0");
    QTest::newRow("second output counter") << QByteArray("resetOutputCounter") << 1 << false
                                           << QByteArray("status.relay_counter[2]=0");
    QTest::newRow("sent SMS, spaced") << QByteArray("resetSentSms") << -1 << false
                                      << QByteArray("status.gsm.sms_sent = 0");
    QTest::newRow("sent service SMS, spaced") << QByteArray("resetSentServiceSms") << -1 << false
                                              << QByteArray("status.gsm.service_sms_sent = 0");
    QTest::newRow("global reset is the unit reset") << QByteArray("performGlobalReset") << -1 << false
                                                    << QByteArray("AT+OATSET=\"RST\"");
    QTest::newRow("GSM restart") << QByteArray("performResetGSM") << -1 << false << QByteArray("AT+OATSET=\"GSM\"");
    QTest::newRow("X on switches off") << QByteArray("performToggleOutputX") << -1 << true
                                       << QByteArray("AT+OATSET=\"$X0\"");
    QTest::newRow("Y off switches on") << QByteArray("performToggleOutputY") << -1 << false
                                       << QByteArray("AT+OATSET=\"$Y1\"");
}

void TestService::commandLines()
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

void TestService::pollReportsStatusEveryTick()
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
    unit.access.ping(false);
    QVERIFY(!unit.access.polling());
    QCOMPARE(unit.peer.received().count(statusRequest), 3);
    QCOMPARE(errors.count(), 0);
}

void TestService::failedPollStopsAndReportsLostUnit()
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

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
