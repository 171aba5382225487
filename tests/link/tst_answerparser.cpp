#include "link/answerparser.h"
#include "link/livestatus.h"
#include "link/rv23status.h"

#include <QtTest>

using namespace moduleRV_23;

// The answer-line parsers and the status record built from their result.
class TestAnswerParser : public QObject
{
    Q_OBJECT

private slots:
    void statusResponse_data();
    void statusResponse();
    void operatorName_data();
    void operatorName();
    void memoryAnswer_data();
    void memoryAnswer();
    void errorCode_data();
    void errorCode();
    void statusRecordCopiesAllButReserved();
};

namespace {

// Texts and flags of a status in one comparable line.
QString describe(const LiveStatus& s)
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

void TestAnswerParser::statusResponse_data()
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

void TestAnswerParser::statusResponse()
{
    QFETCH(QString, line);
    QFETCH(bool, parsed);
    QFETCH(QString, status);

    LiveStatus live = previousStatus();
    QCOMPARE(parseStatusResponse(line, live), parsed);
    QCOMPARE(describe(live), status);
}

void TestAnswerParser::operatorName_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");

    QTest::newRow("quoted third field") << "+COPS: 0,0,\"O2 CZ\",2" << "O2 CZ";
    QTest::newRow("single field names none") << "+COPS: 0" << "";
    QTest::newRow("two-character field names none") << "+COPS: 0,0,\"\"" << "";
}

void TestAnswerParser::operatorName()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QCOMPARE(parseOperator(line), name);
}

void TestAnswerParser::memoryAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("value");

    QTest::newRow("value keeps its spaces") << "+OATMEM: 0,17, +420 123" << true << 17 << " +420 123";
    QTest::newRow("value is cut at a comma") << "+OATMEM: 0,5,a,b" << true << 5 << "a";
    QTest::newRow("two fields") << "+OATMEM: 0,5" << false << 0 << "";
    QTest::newRow("address not a number") << "+OATMEM: 0,x,1" << false << 0 << "1";
}

void TestAnswerParser::memoryAnswer()
{
    QFETCH(QString, line);
    QFETCH(bool, parsed);
    QFETCH(int, address);
    QFETCH(QString, value);

    int gotAddress = 0;
    QString gotValue;
    QCOMPARE(parseMemoryAnswer(line, gotAddress, gotValue), parsed);
    QCOMPARE(gotAddress, address);
    QCOMPARE(gotValue, value);
}

void TestAnswerParser::errorCode_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("hasCode");
    QTest::addColumn<int>("code");

    QTest::newRow("first parentheses count") << "+OATERROR: SIM (13) failed (2)" << true << 13;
    QTest::newRow("not a number counts as 0") << "+OATERROR: (x)" << true << 0;
    QTest::newRow("opening parenthesis only") << "+OATERROR: (12" << false << -1;
}

void TestAnswerParser::errorCode()
{
    QFETCH(QString, line);
    QFETCH(bool, hasCode);
    QFETCH(int, code);

    int got = -1;
    QCOMPARE(parseErrorCode(line, got), hasCode);
    QCOMPARE(got, code);
}

void TestAnswerParser::statusRecordCopiesAllButReserved()
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

QTEST_APPLESS_MAIN(TestAnswerParser)
#include "tst_answerparser.moc"
