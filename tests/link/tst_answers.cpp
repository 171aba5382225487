#include "peerline.h"

#include "tests/support/spyvalues.h"

#include <QSignalSpy>
#include <QtTest>

using moduleRV_23::LocalConnector;
using moduleRV_23::LiveStatus;
using Testing::PeerLine;

// How executeCmd hands each line of an answer to its parser, against a scripted unit.
class TestAnswers : public QObject
{
    Q_OBJECT

private slots:
    void dispatch_data();
    void dispatch();
};

namespace {

// The parts of the connector's status that a row looks at, in one comparable line.
QString describe(const LiveStatus& s, const QString& lastImei)
{
    return QStringList{s.serialNumber, s.firmware, s.operatorName, s.imei, lastImei, s.behaviourVersion,
                       s.inputA ? "A1" : "A0"}
        .join('|');
}

} // namespace

void TestAnswers::dispatch_data()
{
    QTest::addColumn<QByteArray>("command");
    // Answer after the echo; empty: the line is lost instead.
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QList<int>>("errors");
    QTest::addColumn<QString>("status");

    const QByteArray status = "AT+OATSET=\"$SDS\"";
    const QByteArray cell1 = "AT+OATMEM=0,1";
    const QString unchanged = "old|old|old|old|old|old|A0";
    QTest::newRow("status with indication and event lines")
        << status << QByteArray("+OATMSG: S1,005,777,18,12.6,a,b,c,A1B0C0D0X0Y0\r\n+WIND: 4\r\n+OATEVENT: E=1\r\nOK\r\n")
        << true << QList<int>() << "777|005|old|old|old|old|A1";
    QTest::newRow("operator") << QByteArray("AT+COPS?") << QByteArray("+COPS: 0,0,\"O2 CZ\"\r\nOK\r\n") << true
                              << QList<int>() << "old|old|O2 CZ|old|old|old|A0";
    QTest::newRow("operator answer naming none keeps the old one")
        << QByteArray("AT+COPS?") << QByteArray("+COPS: 0\r\nOK\r\n") << true << QList<int>() << unchanged;
    QTest::newRow("IMEI is kept twice") << QByteArray("AT+WIMEI?") << QByteArray("+WIMEI: 356938035643809\r\nOK\r\n")
                                        << true << QList<int>() << "old|old|old|356938035643809|356938035643809|old|A0";
    QTest::newRow("cell 1 is the behaviour version") << cell1 << QByteArray("+OATMEM: 0,1,VB:004\r\nOK\r\n") << true
                                                     << QList<int>() << "old|old|old|old|old|004|A0";
    QTest::newRow("short cell 1 keeps the old version") << cell1 << QByteArray("+OATMEM: 0,1, RV2 \r\nOK\r\n") << true
                                                        << QList<int>() << unchanged;
    QTest::newRow("other cells leave the version") << QByteArray("AT+OATMEM=0,2")
                                                   << QByteArray("+OATMEM: 0,2,VB:999\r\nOK\r\n") << true
                                                   << QList<int>() << unchanged;
    QTest::newRow("ERROR is an answer") << status << QByteArray("ERROR\r\n") << true << QList<int>() << unchanged;
    QTest::newRow("unit error with its code") << status << QByteArray("+OATERROR: (12)\r\n") << true << QList<int>{12}
                                              << unchanged;
    QTest::newRow("unit error without a code") << status << QByteArray("+OATERROR: 12\r\n") << true << QList<int>()
                                               << unchanged;
    QTest::newRow("lost line is no answer") << status << QByteArray() << false << QList<int>() << unchanged;
}

void TestAnswers::dispatch()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    QFETCH(bool, answered);
    QFETCH(QList<int>, errors);
    QFETCH(QString, status);

    PeerLine line;
    QVERIFY(line.open());
    if (reply.isEmpty())
        line.peer.expect(command).hangUp();
    else
        line.peer.answer(command, reply);
    line.peer.start();
    LiveStatus& live = line.access.liveStatus();
    live.serialNumber = live.firmware = live.operatorName = live.imei = live.behaviourVersion = "old";
    QSignalSpy errorSpy(&line.connector, &LocalConnector::communicationError);

    QCOMPARE(line.access.executeCmd(QString::fromLatin1(command)), answered);

    QCOMPARE(Testing::firstArguments(errorSpy), errors);
    const QString lastImei = line.access.lastImei().isEmpty() ? QStringLiteral("old") : line.access.lastImei();
    QCOMPARE(describe(live, lastImei), status);
}

QTEST_GUILESS_MAIN(TestAnswers)
#include "tst_answers.moc"
