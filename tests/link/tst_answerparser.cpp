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
    void imei_data();
    void imei();
    void memoryAnswer_data();
    void memoryAnswer();
    void behaviourVersion_data();
    void behaviourVersion();
    void errorCode_data();
    void errorCode();
    void statusRecordCopiesAllButReserved();
};

namespace {

// Texts and flags of a status in one comparable line.
QString describe(const LiveStatus& s)
{
    const auto flag = [](bool on) { return on ? '1' : '0'; };
    return QStringLiteral("%1|%2|%3|%4|%5|A%6B%7C%8D%9X%10Y%11")
        .arg(s.field1, s.firmware, s.serialNumber, s.rssi, s.voltage)
        .arg(flag(s.inputA)).arg(flag(s.inputB)).arg(flag(s.inputC)).arg(flag(s.inputD))
        .arg(flag(s.outputX)).arg(flag(s.outputY));
}

LiveStatus previousStatus()
{
    LiveStatus status;
    status.field1 = "f";
    status.firmware = "fw";
    status.serialNumber = "sn";
    status.rssi = "r";
    status.voltage = "v";
    status.inputB = true;
    status.outputX = true;
    return status;
}

} // namespace

void TestAnswerParser::statusResponse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<QString>("status");

    const QString before = describe(previousStatus());
    QTest::newRow("nine fields set texts and flags") << "+OATMSG: S1,004,123456,18,12.6,a,b,c,A1B0C0D1X0Y1" << true
                                                     << "S1|004|123456|18|12.6|A1B0C0D1X0Y1";
    QTest::newRow("exactly eight fields leave the flags") << "+OATMSG: S1,004,123456,18,12.6,a,b,c" << true
                                                          << "S1|004|123456|18|12.6|A0B1C0D0X1Y0";
    QTest::newRow("eleven-character field leaves the flags") << "+OATMSG: S1,004,9,18,12.6,a,b,c,A1B1C1D1X1Y"
                                                             << true << "S1|004|9|18|12.6|A0B1C0D0X1Y0";
    QTest::newRow("seven fields change nothing") << "+OATMSG: S1,004,123456,18,12.6,a,b" << false << before;
    QTest::newRow("no status prefix changes nothing") << "+OATMEM: 0,1,2,3,4,5,6,7,8" << false << before;
    QTest::newRow("unknown letters are skipped with their digit")
        << "+OATMSG: S1,004,1,18,12.6,a,b,c,Q1A1Z1Y1X0B0" << true << "S1|004|1|18|12.6|A1B0C0D0X0Y1";
    QTest::newRow("only digit 1 means on") << "+OATMSG: S1,004,1,18,12.6,a,b,c,A2B1C0D1X?Y1" << true
                                           << "S1|004|1|18|12.6|A0B1C0D1X0Y1";
    QTest::newRow("last letter without its digit is ignored")
        << "+OATMSG: S1,004,1,18,12.6,a,b,c,A1B1C1D1X1Y1A0B" << true << "S1|004|1|18|12.6|A0B1C1D1X1Y1";
    QTest::newRow("empty serial is taken") << "+OATMSG: S1,004,,18,12.6,a,b,c" << true
                                           << "S1|004||18|12.6|A0B1C0D0X1Y0";
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

    QTest::newRow("quoted name") << "+COPS: 0,0,\"T-Mobile CZ\"" << "T-Mobile CZ";
    QTest::newRow("more fields") << "+COPS: 0,0,\"O2\",2" << "O2";
    QTest::newRow("single field names none") << "+COPS: 0" << "";
    QTest::newRow("two-character field names none") << "+COPS: 0,0,\"\"" << "";
    QTest::newRow("three characters") << "+COPS: 0,0,\"A\"" << "A";
}

void TestAnswerParser::operatorName()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QCOMPARE(parseOperator(line), name);
}

void TestAnswerParser::imei_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("imei");

    QTest::newRow("plain") << "+WIMEI: 356938035643809" << "356938035643809";
    QTest::newRow("first line only") << "+WIMEI:  356938035643809 \nOK" << "356938035643809";
    QTest::newRow("empty") << "+WIMEI:" << "";
}

void TestAnswerParser::imei()
{
    QFETCH(QString, line);
    QFETCH(QString, imei);
    QCOMPARE(parseImei(line), imei);
}

void TestAnswerParser::memoryAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("value");

    QTest::newRow("cell and value") << "+OATMEM: 0,1,RV2004" << true << 1 << "RV2004";
    QTest::newRow("value keeps its spaces") << "+OATMEM: 0,17, +420 123" << true << 17 << " +420 123";
    QTest::newRow("value is cut at a comma") << "+OATMEM: 0,5,a,b" << true << 5 << "a";
    QTest::newRow("empty value") << "+OATMEM: 0,5," << true << 5 << "";
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

void TestAnswerParser::behaviourVersion_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("version");

    QTest::newRow("after three characters") << "RV2004" << "004";
    QTest::newRow("trimmed first") << "  RV2004 " << "004";
    QTest::newRow("three characters hold none") << "RV2" << "";
    QTest::newRow("three after trimming hold none") << " RV2 " << "";
    QTest::newRow("four characters") << "RV20" << "0";
}

void TestAnswerParser::behaviourVersion()
{
    QFETCH(QString, cell);
    QFETCH(QString, version);
    QCOMPARE(behaviourVersionFromCell(cell), version);
}

void TestAnswerParser::errorCode_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("hasCode");
    QTest::addColumn<int>("code");

    QTest::newRow("code in parentheses") << "+OATERROR: (12)" << true << 12;
    QTest::newRow("text around") << "+OATERROR: SIM (13) failed (2)" << true << 13;
    QTest::newRow("not a number counts as 0") << "+OATERROR: (x)" << true << 0;
    QTest::newRow("empty parentheses count as 0") << "+OATERROR: ()" << true << 0;
    QTest::newRow("no parentheses") << "+OATERROR: 12" << false << -1;
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
    live.behaviourVersion = "004";
    live.imei = "356938035643809";
    live.inputD = true;
    live.outputY = true;
    RV23Status original(live);
    original.reserved = "never travels";

    const RV23Status copy(original);
    RV23Status assigned;
    assigned = original;
    const RV23Status* copies[] = {&copy, &assigned};

    for (const RV23Status* s : copies) {
        QVERIFY(s->reserved.isEmpty());
        QCOMPARE(QStringList({s->field1, s->serialNumber, s->firmware, s->behaviourVersion, s->imei, s->rssi,
                              s->voltage}),
                 QStringList({"f", "sn", "fw", "004", "356938035643809", "r", "v"}));
        QCOMPARE(QList<bool>({s->inputA, s->inputB, s->inputC, s->inputD, s->outputX, s->outputY}),
                 QList<bool>({false, true, false, true, true, true}));
    }
}

QTEST_APPLESS_MAIN(TestAnswerParser)
#include "tst_answerparser.moc"
