#include "peerline.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using moduleRV_23::CommandAnswer;
using moduleRV_23::LocalConnector;
using Testing::LocalConnectorAccess;
using Testing::PeerLine;

// The command transport against a scripted unit on a pseudo-terminal.
class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void exchange_data();
    void exchange();
    void lostLineEndsTheWait();
    void unwantedLinesWithoutPauseEndAtTheDeadline();
    void writeToLostLineReportsLostUnit();
    void noUsablePortGivesEmptyAnswer();
    void unusablePacketWritesNothing_data();
    void unusablePacketWritesNothing();
    void rawModeTakesTheFirstByte();
};

namespace {

const QByteArray statusRequest = "AT+OATSET=\"$SDS\"";
const QByteArray statusReply = "+OATMSG: S1,004,123456,18,12.6,a,b,c,A1B0C0D1X0Y1\r\nOK\r\n";

} // namespace

void TestTransport::exchange_data()
{
    QTest::addColumn<QByteArray>("command");
    // Each chunk reaches the connector in a read of its own.
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("data");

    using Chunks = QList<QByteArray>;
    QTest::newRow("echo and OK in separate reads")
        << QByteArray("ATE1") << Chunks{"ATE1\r\n", "OK\r\n"} << 3000 << true << "OK" << "OK";
    QTest::newRow("echo and OK in one read")
        << QByteArray("ATE1") << Chunks{"ATE1\r\nOK\r\n"} << 3000 << true << "ATE1\r\nOK" << "ATE1\r\nOK";
    QTest::newRow("indication dropped while waiting")
        << statusRequest << Chunks{statusRequest + "\r\n", "+WIND: 4\r\n", statusReply} << 3000 << true
        << QString(statusReply.trimmed()) << QString(statusReply.trimmed());
    QTest::newRow("download waits past OK for its indication")
        << QByteArray("AT+WDWL=1") << Chunks{"OK\r\n", "+WDWL: 0\r\n"} << 3000 << true << "+WDWL: 0"
        << "+WDWL: 0";
    QTest::newRow("memory answer after its echo")
        << QByteArray("AT+OATMEM=0,1") << Chunks{"AT+OATMEM=0,1\r\n", "+OATMEM: 0,1,RV2004\r\nOK\r\n"} << 3000
        << true << "+OATMEM: 0,1,RV2004\r\nOK" << "+OATMEM: 0,1,RV2004\r\nOK";
    QTest::newRow("unknown text before the answer is forgotten")
        << QByteArray("ATE1") << Chunks{"HELLO\r\n", "OK\r\n"} << 3000 << true << "OK" << "OK";
    QTest::newRow("zero byte ends the chunk")
        << QByteArray("ATE1") << Chunks{QByteArray("OK\0junk\r\n", 9)} << 3000 << true << "OK" << "OK";
    QTest::newRow("chunk of zero bytes is nothing")
        << QByteArray("ATE1") << Chunks{QByteArray(3, '\0'), "OK\r\n"} << 3000 << true << "OK" << "OK";
    QTest::newRow("binary noise before the answer")
        << QByteArray("ATE1") << Chunks{"\xff\xfe\x01\x80\x7f\r\n", "OK\r\n"} << 3000 << true << "OK" << "OK";
    QTest::newRow("64 KiB without a line end before the answer")
        << QByteArray("ATE1") << Chunks{QByteArray(64 * 1024, 'x'), "OK\r\n"} << 3000 << true << "OK" << "OK";
    QTest::newRow("silent unit: the deadline ends the wait")
        << QByteArray("ATE1") << Chunks{} << 0 << false << "" << "";
    QTest::newRow("unknown prefix is never accepted")
        << QByteArray("ATE1") << Chunks{"HELLO\r\n"} << 0 << false << "" << "";
    QTest::newRow("status echo merged with its answer is discarded")
        << statusRequest << Chunks{statusRequest + "\r\n" + statusReply} << 0 << false << "" << "";
    // The merged text begins like an answer, so it is dropped as unwanted and the wait goes on.
    QTest::newRow("memory echo merged with its answer is dropped")
        << QByteArray("AT+OATMEM=0,1") << Chunks{"AT+OATMEM=0,1\r\n+OATMEM: 0,1,RV2004\r\nOK\r\n"} << 0 << false
        << "AT+OATMEM=0,1\r\n+OATMEM: 0,1,RV2004\r\nOK" << "";
}

void TestTransport::exchange()
{
    QFETCH(QByteArray, command);
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(int, timeoutMs);
    QFETCH(bool, ok);
    QFETCH(QString, answer);
    QFETCH(QString, data);

    PeerLine line;
    QVERIFY(line.open());
    line.peer.expect(command);
    for (const QByteArray& chunk : chunks)
        line.peer.sendWhenTaken(chunk);
    line.peer.start();

    const CommandAnswer result = line.access.sendAndReceive(QString::fromLatin1(command), timeoutMs);

    QVERIFY(line.peer.waitUntilDone());
    QCOMPARE(result.cmd, QString::fromLatin1(command));
    QCOMPARE(result.ok, ok);
    QCOMPARE(result.timeout, !ok);
    QCOMPARE(result.answer, answer);
    QCOMPARE(result.data, data);
    QCOMPARE(result.firstChar, '\0');
}

void TestTransport::lostLineEndsTheWait()
{
    PeerLine line;
    QVERIFY(line.open());
    line.peer.expect("ATE1").hangUp();
    line.peer.start();

    QElapsedTimer clock;
    clock.start();
    const CommandAnswer result = line.access.sendAndReceive("ATE1", 60000);

    QVERIFY(result.timeout);
    QVERIFY(!result.ok);
    // A line that is gone ends the exchange instead of being waited on to the deadline.
    QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
}

void TestTransport::unwantedLinesWithoutPauseEndAtTheDeadline()
{
    // Given a unit that answers a command with nothing but indications, one every millisecond,
    // for far longer than the exchange may take
    PeerLine line;
    QVERIFY(line.open());
    line.peer.expect("ATE1");
    for (int i = 0; i < 30000; ++i)
        line.peer.send("+WIND: 4\r\n", 1);
    line.peer.start();

    const CommandAnswer result = line.access.sendAndReceive("ATE1", 300);

    // Then the exchange ends at its deadline while the unit is still talking
    QVERIFY(result.timeout);
    QVERIFY(!result.ok);
    QCOMPARE(result.answer, QStringLiteral("+WIND: 4"));
    QVERIFY(!line.peer.waitUntilDone(0));
}

void TestTransport::writeToLostLineReportsLostUnit()
{
    PeerLine line;
    QVERIFY(line.open());
    line.peer.hangUp();
    line.peer.start();
    QVERIFY(line.peer.waitUntilDone());
    QSignalSpy errors(&line.connector, &LocalConnector::communicationError);

    const CommandAnswer result = line.access.sendAndReceive("ATE1", 3000);

    QVERIFY(result.timeout);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toInt(), -1);
    QVERIFY(!line.access.port()->isOpen());
}

void TestTransport::noUsablePortGivesEmptyAnswer()
{
    LocalConnector connector;
    LocalConnectorAccess access(connector);
    QSignalSpy errors(&connector, &LocalConnector::communicationError);

    const CommandAnswer withoutPort = access.sendAndReceive("ATE1", 3000);
    access.select("/dev/null-rv23");
    const CommandAnswer closedPort = access.sendAndReceive("ATE1", 3000);

    for (const CommandAnswer* result : {&withoutPort, &closedPort}) {
        QCOMPARE(result->cmd, QStringLiteral("ATE1"));
        QVERIFY(!result->ok);
        QVERIFY(!result->timeout);
        QVERIFY(result->answer.isEmpty());
    }
    QCOMPARE(errors.count(), 0);
}

void TestTransport::unusablePacketWritesNothing_data()
{
    QTest::addColumn<QString>("packet");

    QTest::newRow("odd length") << "4F4B0";
    QTest::newRow("not hexadecimal") << "4G";
    QTest::newRow("empty") << "";
}

void TestTransport::unusablePacketWritesNothing()
{
    QFETCH(QString, packet);
    PeerLine line;
    QVERIFY(line.open());
    line.peer.start();

    line.access.sendPacket(packet);
    line.access.sendPacket("4F4B0D0A");

    // Had the first packet written anything, it would stand before "OK" in the same line.
    QVERIFY(line.peer.waitForLine("OK"));
    QCOMPARE(line.peer.received(), QList<QByteArray>{"OK"});
}

void TestTransport::rawModeTakesTheFirstByte()
{
    PeerLine line;
    QVERIFY(line.open());
    line.peer.expect("BLOCK").sendWhenTaken("\x06\x15");
    line.peer.start();
    line.access.setXmodemMode(true);

    const CommandAnswer result = line.access.sendAndReceive(QString::fromLatin1(QByteArray("BLOCK\r\n").toHex()), 3000);

    QVERIFY(result.ok);
    QCOMPARE(result.firstChar, '\x06');
    QCOMPARE(result.answer, QStringLiteral("\x06\x15"));
}

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
