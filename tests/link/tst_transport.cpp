#include "peerline.h"

#include "link/answerparser.h"
#include "link/livestatus.h"
#include "link/rv23status.h"
#include "link/transportrules.h"
#include "tests/support/spyvalues.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace moduleRV_23;
using Testing::LocalConnectorAccess;
using Testing::PeerLine;

// The command transport: its rules for answers and bytes, the answer-line parsers, the exchange
// against a scripted unit on a pseudo-terminal, and how executeCmd hands each line of an answer
// to its parser.
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
    void unusablePacketWritesNothing();
    void rawModeTakesTheFirstByte_data();
    void rawModeTakesTheFirstByte();
    void dispatch_data();
    void dispatch();
    void regularAnswer_data();
    void regularAnswer();
    void unwantedAnswer_data();
    void unwantedAnswer();
    void chunkStopsAtZeroByte_data();
    void chunkStopsAtZeroByte();
    void hexToBytes_data();
    void hexToBytes();
    void statusResponse_data();
    void statusResponse();
    void numberedAnswer_data();
    void numberedAnswer();
    void statusRecordCopiesAllButReserved();
};

namespace {

const QByteArray statusRequest = "AT+OATSET=\"$SDS\"";
const QByteArray statusReply = "+OATMSG: S1,004,123456,18,12.6,a,b,c,A1B0C0D1X0Y1\r\nOK\r\n";

// The parts of the connector's status that a row looks at, in one comparable line.
QString describe(const LiveStatus& s, const QString& lastImei)
{
    return QStringList{s.serialNumber, s.firmware, s.operatorName, s.imei, lastImei, s.behaviourVersion,
                       s.inputA ? "A1" : "A0"}
        .join('|');
}

// Texts and flags of a status in one comparable line.
QString textsAndFlags(const LiveStatus& s)
{
    QString flags;
    for (bool on : {s.inputA, s.inputB, s.inputC, s.inputD, s.outputX, s.outputY})
        flags += on ? '1' : '0';
    return QStringList{s.field1, s.firmware, s.serialNumber, s.rssi, s.voltage, flags}.join('|');
}

// A status parsed before, with B and X on.
LiveStatus previousStatus()
{
    LiveStatus status;
    status.field1 = status.firmware = status.serialNumber = status.rssi = status.voltage = "old";
    status.inputB = status.outputX = true;
    return status;
}

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
    QTest::newRow("silent unit: the deadline ends the wait")
        << QByteArray("ATE1") << Chunks{} << 0 << false << "" << "";
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
    // The last piece read: one indication, or several when the reads fell behind the unit.
    QVERIFY(!result.answer.isEmpty());
    QVERIFY2(QStringLiteral("+WIND: 4\r\n").repeated(result.answer.size() / 10 + 2).contains(result.answer),
             qPrintable(result.answer.left(100)));
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

// Had the odd-length packet written anything, it would stand before "OK" in the same line.
void TestTransport::unusablePacketWritesNothing()
{
    PeerLine line;
    QVERIFY(line.open());
    line.peer.start();

    line.access.sendPacket("4F4B0");
    line.access.sendPacket("4F4B0D0A");

    QVERIFY(line.peer.waitForLine("OK"));
    QCOMPARE(line.peer.received(), QList<QByteArray>{"OK"});
}

void TestTransport::rawModeTakesTheFirstByte_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<char>("first");

    QTest::newRow("first of two bytes") << QByteArray("\x06\x15") << '\x06';
    QTest::newRow("line ends before a NAK are not the answer") << QByteArray("\r\n\x15") << '\x15';
}

void TestTransport::rawModeTakesTheFirstByte()
{
    QFETCH(QByteArray, reply);
    PeerLine line;
    QVERIFY(line.open());
    line.peer.expect("BLOCK").sendWhenTaken(reply);
    line.peer.start();
    line.access.setXmodemMode(true);

    const CommandAnswer result = line.access.sendAndReceive(QString::fromLatin1(QByteArray("BLOCK\r\n").toHex()), 3000);

    QVERIFY(result.ok);
    QTEST(result.firstChar, "first");
    QCOMPARE(result.answer, QString::fromLatin1(reply));
}

void TestTransport::dispatch_data()
{
    QTest::addColumn<QByteArray>("command");
    // Answer after the echo; empty: the line is lost instead.
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QList<int>>("errors");
    QTest::addColumn<QString>("status");

    const QByteArray cell1 = "AT+OATMEM=0,1";
    const QString unchanged = "old|old|old|old|old|old|A0";
    QTest::newRow("status with indication and event lines")
        << statusRequest << QByteArray("+OATMSG: S1,005,777,18,12.6,a,b,c,A1B0C0D0X0Y0\r\n+WIND: 4\r\n+OATEVENT: E=1\r\nOK\r\n")
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
    QTest::newRow("ERROR is an answer") << statusRequest << QByteArray("ERROR\r\n") << true << QList<int>() << unchanged;
    QTest::newRow("unit error with its code") << statusRequest << QByteArray("+OATERROR: (12)\r\n") << true << QList<int>{12}
                                              << unchanged;
    QTest::newRow("lost line is no answer") << statusRequest << QByteArray() << false << QList<int>() << unchanged;
}

void TestTransport::dispatch()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);

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

    QTEST(line.access.executeCmd(QString::fromLatin1(command)), "answered");

    QTEST(Testing::firstArguments(errorSpy), "errors");
    const QString lastImei = line.access.lastImei().isEmpty() ? QStringLiteral("old") : line.access.lastImei();
    QTEST(describe(live, lastImei), "status");
}

void TestTransport::regularAnswer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("regular");

    for (const char* prefix : {"+OATMSG: 1", "AT+OATMEM=0,1", "+OATMEM: 0", "+OATEVENT: E=1", "+WIMEI: 1", "ATE1", "OK",
                               "AT+RFSET=1", "AT+COPS?", "+COPS: 0", "+CME ERROR: 3", "ERROR", "+OATERROR: (1)",
                               "+WIND: 4", "+WDWL: 0"})
        QTest::newRow(prefix) << QString::fromLatin1(prefix) << true;
    QTest::newRow("prefixes are case-sensitive") << "ok" << false;
    QTest::newRow("leading space") << " OK" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTransport::regularAnswer()
{
    QFETCH(QString, text);
    QTEST(isRegularAnswer(text), "regular");
}

void TestTransport::unwantedAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("unwanted");

    QTest::newRow("GSM off waits for +WIND: 0") << "+WIND: 0" << "AT+OATGSM=0" << false;
    QTest::newRow("GSM off drops OK") << "OK" << "AT+OATGSM=0" << true;
    QTest::newRow("GSM on takes ERROR") << "ERROR" << "AT+OATGSM=1" << false;
    QTest::newRow("GSM on drops +WIND: 1") << "+WIND: 1" << "AT+OATGSM=1" << true;
    QTest::newRow("application stop takes +CME ERROR:") << "+CME ERROR: 3" << "AT+WOPEN=3" << false;
    QTest::newRow("application stop drops OK") << "OK" << "AT+WOPEN=0" << true;
    QTest::newRow("application start waits for +WIND: 7") << "+WIND: 7" << "AT+WOPEN=1" << false;
    QTest::newRow("application start drops a numbered +CME ERROR:") << "+CME ERROR: 3" << "AT+WOPEN=1" << true;
    QTest::newRow("memory read takes ERROR") << "ERROR" << "AT+OATMEM=0,1" << false;
}

void TestTransport::unwantedAnswer()
{
    QFETCH(QString, line);
    QFETCH(QString, command);
    QTEST(isUnwantedAnswer(line, command), "unwanted");
}

void TestTransport::chunkStopsAtZeroByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("chunk");

    QTest::newRow("zero byte ends the text") << QByteArray("OK\0junk", 7) << "OK";
    QTest::newRow("zero byte first") << QByteArray("\0OK", 3) << "";
    QTest::newRow("bytes above 127 as Latin-1") << QByteArray("\xe9\xff") << QString::fromLatin1("\xe9\xff");
}

void TestTransport::chunkStopsAtZeroByte()
{
    QFETCH(QByteArray, bytes);
    // The buffer goes on past the read with bytes of an earlier read; they are not part of it.
    const QByteArray buffer = bytes + QByteArray("stale");
    QTEST(chunkText(buffer.constData(), bytes.size()), "chunk");
}

void TestTransport::hexToBytes_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("both cases") << "01Fe00" << QByteArray("\x01\xfe\0", 3);
    QTest::newRow("odd length gives nothing") << "0A1" << QByteArray();
    QTest::newRow("not hexadecimal gives nothing") << "0G" << QByteArray();
    QTest::newRow("sign is not a digit") << "+1" << QByteArray();
}

void TestTransport::hexToBytes()
{
    QFETCH(QString, hex);
    QTEST(moduleRV_23::hexToBytes(hex), "bytes");
}

void TestTransport::statusResponse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QString>("status");

    QTest::newRow("nine fields set texts and flags") << "+OATMSG: S1,004,123456,18,12.6,a,b,c,A1B0C0D1X0Y1" << true
                                                     << "S1|004|123456|18|12.6|100101";
    QTest::newRow("eight fields leave the flags") << "+OATMSG: S1,004,,18,12.6,a,b,c" << true
                                                  << "S1|004||18|12.6|010010";
    QTest::newRow("eleven-character field leaves the flags") << "+OATMSG: S1,004,9,18,12.6,a,b,c,A1B1C1D1X1Y"
                                                             << true << "S1|004|9|18|12.6|010010";
    QTest::newRow("seven fields change nothing") << "+OATMSG: S1,004,123456,18,12.6,a,b" << false
                                                 << "old|old|old|old|old|010010";
    QTest::newRow("unknown letters skipped, only 1 is on") << "+OATMSG: S,1,2,3,4,5,6,7,Q1A1Z1Y1X2B0" << true
                                                           << "S|1|2|3|4|100001";
    QTest::newRow("last letter without its digit ignored") << "+OATMSG: S,1,2,3,4,5,6,7,A1B1C1D1X1Y1A0B" << true
                                                           << "S|1|2|3|4|011111";
}

void TestTransport::statusResponse()
{
    QFETCH(QString, line);

    LiveStatus live = previousStatus();
    QTEST(parseStatusResponse(line, live), "parsed");
    QTEST(textsAndFlags(live), "status");
}

// A memory answer gives its cell's address and value, a unit error its code.
void TestTransport::numberedAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("parsed");
    // "address|value" of a memory answer, the code of an error; -1 where the number was left alone.
    QTest::addColumn<QString>("fields");

    QTest::newRow("value keeps its spaces") << "+OATMEM: 0,17, +420 123" << true << "17| +420 123";
    QTest::newRow("value is cut at a comma") << "+OATMEM: 0,5,a,b" << true << "5|a";
    QTest::newRow("two fields") << "+OATMEM: 0,5" << false << "-1|";
    QTest::newRow("address not a number") << "+OATMEM: 0,x,1" << false << "0|1";
    QTest::newRow("first parentheses count") << "+OATERROR: SIM (13) failed (2)" << true << "13";
    QTest::newRow("not a number counts as 0") << "+OATERROR: (x)" << true << "0";
    QTest::newRow("opening parenthesis only") << "+OATERROR: (12" << false << "-1";
}

void TestTransport::numberedAnswer()
{
    QFETCH(QString, line);

    const bool memory = line.startsWith(QStringLiteral("+OATMEM"));
    int number = -1;
    QString value;
    QTEST(memory ? parseMemoryAnswer(line, number, value) : parseErrorCode(line, number), "parsed");
    QTEST(memory ? QString::number(number) + '|' + value : QString::number(number), "fields");
}

void TestTransport::statusRecordCopiesAllButReserved()
{
    LiveStatus live = previousStatus();
    live.behaviourVersion = live.imei = "new";
    RV23Status original(live);
    original.reserved = "never travels";

    const RV23Status copy(original);
    RV23Status assigned;
    assigned = original;

    for (const RV23Status* s : {&copy, const_cast<const RV23Status*>(&assigned)}) {
        QVERIFY(s->reserved.isEmpty());
        QCOMPARE(QStringList({s->field1, s->serialNumber, s->firmware, s->rssi, s->voltage, s->behaviourVersion, s->imei}),
                 QStringList({"old", "old", "old", "old", "old", "new", "new"}));
        QCOMPARE(QList<bool>({s->inputA, s->inputB, s->inputC, s->inputD, s->outputX, s->outputY}),
                 QList<bool>({false, true, false, false, true, false}));
    }
}

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"
