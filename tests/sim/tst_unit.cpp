#include "xmodemblock.h"

#include "sim/unit.h"
#include "sim/unitstate.h"
#include "sim/xmodemreceiver.h"

#include <QTemporaryDir>
#include <QtTest>

using Sim::XmodemReceiver;

Q_DECLARE_METATYPE(XmodemReceiver::Faults)
Q_DECLARE_METATYPE(XmodemReceiver::State)

// The unit's answers and its state, and its modem's XModem receiver, without a line.
class TestUnit : public QObject
{
    Q_OBJECT

private slots:
    void answersCommands_data();
    void answersCommands();
    void counterLinesResetWithoutAnswer_data();
    void counterLinesResetWithoutAnswer();
    void gsmRestartTakesTheNetworkAway();
    void relayFallsBackAfterItsOnTime();
    void controlLines_data();
    void controlLines();
    void newRecordsRideAlongWhenAsked_data();
    void newRecordsRideAlongWhenAsked();
    void countOfAHeldNumberIsUpdatedInPlace();
    void writesAreLogged();
    void brokenStateFilesFail_data();
    void brokenStateFilesFail();
    void xmodemTransfer_data();
    void xmodemTransfer();
};

namespace {

Sim::UnitState fixture()
{
    Sim::UnitState state;
    state.serial = "S1234";
    state.firmware = "FW9";
    state.behaviourVersion = "004";
    state.imei = "350000000000017";
    state.operatorName = "NET A";
    state.signal = 55;
    state.voltage = 11800;
    state.temperature = 28;
    state.memory[3] = "ZAP X";
    state.memory[143] = "+420600100200";
    const QDateTime start(QDate(2024, 3, 14), QTime(8, 5, 2));
    state.events = {{12, 0, start}, {0, 373, start.addSecs(61)}, {8, 150, start.addDays(20).addSecs(3600)}};
    return state;
}

QString ioField(Sim::Unit& unit)
{
    return unit.execute("AT+OATSET=\"$SDS\"").lines.at(0).section(',', 8, 8);
}

// "E=code,S=source" of the newest record of the log.
QString newestEvent(const Sim::Unit& unit)
{
    const Sim::EventRecord& record = unit.state().events.last();
    return QStringLiteral("E=%1,S=%2").arg(record.code).arg(record.source);
}

const QRegularExpression eventLine(QStringLiteral("^\\+OATEVENT: (\\d+),(E=\\d+,S=\\d+),T:\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$"));

const QByteArray ack("\x06");
const QByteArray nak("\x15");
const QByteArray eot("\x04");

QByteArray content(int number)
{
    return QByteArray(128, static_cast<char>('a' + number % 26));
}

QByteArray block(int number, const QByteArray& data = {})
{
    return xmodemBlock(number, data.isEmpty() ? content(number) : data);
}

XmodemReceiver::Faults faults(void (*set)(XmodemReceiver::Faults&))
{
    XmodemReceiver::Faults result;
    set(result);
    return result;
}

} // namespace

// None of these commands changes the unit: they ask, or they are refused.
void TestUnit::answersCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");

    const QStringList ok{"OK"};
    QTest::newRow("commands in lower case") << "at+wimei?" << QStringList{"+WIMEI: 350000000000017", "OK"};
    QTest::newRow("status: identity, signal, voltage, temperature, counters, inputs and relays")
        << "AT+OATSET=\"$SDS\"" << QStringList{"+OATMSG: READY,FW9,S1234,55,11800,28,0,0,A0B0C0D0X0Y0,0/0/0/0,0/0", "OK"};
    QTest::newRow("operator format") << "AT+COPS=3,0" << ok;
    QTest::newRow("cell outside the map is blank memory") << "AT+OATMEM=0,2" << QStringList{"+OATMEM: 0,2,", "OK"};
    QTest::newRow("last cell") << "AT+OATMEM=0,404" << QStringList{"+OATMEM: 0,404,", "OK"};
    QTest::newRow("cell beyond the memory") << "AT+OATMEM=0,405" << QStringList{"ERROR"};
    QTest::newRow("other memory bank") << "AT+OATMEM=1,3" << QStringList{"ERROR"};
    QTest::newRow("status request without quotes") << "AT+OATSET=$SDS" << QStringList{"ERROR"};
    QTest::newRow("unknown parameter key") << "AT+OATSET=\"QQQ,1\"" << QStringList{"+OATERROR: (9)"};
    QTest::newRow("unknown command") << "AT+XYZ" << QStringList{"ERROR"};
    const QString second = "+OATEVENT: 2,E=0,S=373,T:03.14 08:06:03";
    const QString third = "+OATEVENT: 3,E=8,S=150,T:04.03 09:05:02";
    QTest::newRow("newest two, oldest first") << "AT+OATEVENT=2" << QStringList{second, third, "OK"};
    QTest::newRow("record count not a number") << "AT+OATEVENT=all" << QStringList{"ERROR"};
    const auto refused = [](const char* name, const QString& parameter, int code) {
        QTest::newRow(name) << QStringLiteral("AT+OATSET=\"%1\"").arg(parameter)
                            << QStringList{QStringLiteral("+OATERROR: (%1)").arg(code)};
    };
    refused("text too long", "ATA,1234567890123456789012345678901", 1);
    refused("text with diacritics", QString::fromUtf8("ATA,POŽÁR"), 5);
    refused("nine input numbers", "TNA,1,2,3,4,5,6,7,8,9", 28);
    refused("erase an unknown number", "EDX,+420999", 18);
    refused("count above 99", "LDX,+420611,100", 1);
    refused("two peripherals on one input", "LRN,A,1,2", 1);
    refused("peripheral code beyond 24 bits", "LRN,B,16777216", 1);
}

void TestUnit::answersCommands()
{
    QFETCH(QString, command);
    Sim::Unit unit(fixture());
    const QJsonObject before = unit.state().toJson();
    QSignalSpy changed(&unit, &Sim::Unit::changed);

    QTEST(unit.execute(command).lines, "expected");

    QCOMPARE(unit.state().toJson(), before);
    QCOMPARE(changed.count(), 0);
}

void TestUnit::counterLinesResetWithoutAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("counters");

    // Status fields 6 and 7 (SMS, service SMS), 9 (inputs) and 10 (relays).
    QTest::newRow("input A") << "status.input_counter[1]=0" << "7,2,0/3/9/4,5/6";
    QTest::newRow("relay Y") << "status.relay_counter[2]=0" << "7,2,1/3/9/4,5/0";
    QTest::newRow("sent SMS") << "status.gsm.sms_sent = 0" << "0,2,1/3/9/4,5/6";
    QTest::newRow("service SMS") << "status.gsm.service_sms_sent = 0" << "7,0,1/3/9/4,5/6";
    QTest::newRow("SMS counter spelled tight") << "status.gsm.sms_sent=0" << "";
}

void TestUnit::counterLinesResetWithoutAnswer()
{
    QFETCH(QString, line);
    QFETCH(QString, counters);
    Sim::UnitState state = fixture();
    state.smsSent = 7;
    state.serviceSmsSent = 2;
    state.inputCounters = {1, 3, 9, 4};
    state.relayCounters = {5, 6};
    Sim::Unit unit(state);

    const Sim::Reply reply = unit.execute(line);

    QCOMPARE(reply.silent, !counters.isEmpty());
    QCOMPARE(reply.lines, counters.isEmpty() ? QStringList{"ERROR"} : QStringList());
    const QStringList fields = unit.execute("AT+OATSET=\"$SDS\"").lines.at(0).split(',');
    const QString shown = QStringList{fields.at(6), fields.at(7), fields.at(9), fields.at(10)}.join(',');
    QCOMPARE(shown, counters.isEmpty() ? QStringLiteral("7,2,1/3/9/4,5/6") : counters);
}

void TestUnit::gsmRestartTakesTheNetworkAway()
{
    Sim::Unit unit(fixture());
    unit.setRestartTime(50);

    QCOMPARE(unit.execute("AT+OATSET=\"GSM\"").lines, QStringList{"OK"});

    const QString status = unit.execute("AT+OATSET=\"$SDS\"").lines.at(0);
    QVERIFY2(status.startsWith("+OATMSG: GSM RESTART,FW9,S1234,0,"), qPrintable(status));
    QCOMPARE(unit.execute("AT+COPS?").lines, (QStringList{"+COPS: 0", "OK"}));
    QTRY_COMPARE(unit.execute("AT+COPS?").lines, (QStringList{"+COPS: 0,0,\"NET A\"", "OK"}));
    QCOMPARE(newestEvent(unit), QStringLiteral("E=17,S=0"));
    QVERIFY(unit.execute("AT+OATSET=\"$SDS\"").lines.at(0).startsWith("+OATMSG: READY,FW9,S1234,55,"));
}

void TestUnit::relayFallsBackAfterItsOnTime()
{
    Sim::UnitState state = fixture();
    state.memory[244] = "1";
    Sim::Unit unit(state);

    unit.execute("AT+OATSET=\"$X1\"");

    QCOMPARE(ioField(unit), QStringLiteral("A0B0C0D0X1Y0"));
    QTRY_COMPARE(ioField(unit), QStringLiteral("A0B0C0D0X0Y0"));
    QCOMPARE(newestEvent(unit), QStringLiteral("E=10,S=0"));
}

// status: the signal, voltage and inputs-and-relays fields of the status answer.
void TestUnit::controlLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("understood");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("logged");

    QTest::newRow("input activated") << "input A 1" << true << "55,11800,A1B0C0D1X0Y0" << "E=0,S=0";
    QTest::newRow("input already so: no record") << "input D 1" << true << "55,11800,A0B0C0D1X0Y0" << "";
    QTest::newRow("relay on") << "relay Y 1" << true << "55,11800,A0B0C0D1X0Y1" << "E=9,S=0";
    QTest::newRow("any event") << "event 19 0" << true << "55,11800,A0B0C0D1X0Y0" << "E=19,S=0";
    QTest::newRow("event of an input sets it") << "event 2 375" << true << "55,11800,A0B0C1D1X0Y0" << "E=2,S=375";
    QTest::newRow("event of a relay sets it") << "event 8 150" << true << "55,11800,A0B0C0D1X1Y0" << "E=8,S=150";
    QTest::newRow("extra blanks") << "  relay   X  1 " << true << "55,11800,A0B0C0D1X1Y0" << "E=8,S=0";
    QTest::newRow("no such input") << "input E 1" << false << "55,11800,A0B0C0D1X0Y0" << "";
    QTest::newRow("unknown word") << "open the door" << false << "55,11800,A0B0C0D1X0Y0" << "";
    QTest::newRow("signal changes") << "signal 12" << true << "12,11800,A0B0C0D1X0Y0" << "";
    QTest::newRow("voltage changes") << "voltage  12950" << true << "55,12950,A0B0C0D1X0Y0" << "";
    QTest::newRow("negative refused") << "signal -1" << false << "55,11800,A0B0C0D1X0Y0" << "";
    QTest::newRow("no number refused") << "voltage low" << false << "55,11800,A0B0C0D1X0Y0" << "";
}

void TestUnit::controlLines()
{
    QFETCH(QString, line);
    QFETCH(QString, logged);
    Sim::UnitState state = fixture();
    state.inputs[3] = true;
    Sim::Unit unit(state);
    const int records = state.events.size();

    QTEST(unit.control(line), "understood");

    const QStringList fields = unit.execute("AT+OATSET=\"$SDS\"").lines.at(0).split(',');
    QTEST(QStringList({fields.at(3), fields.at(4), fields.at(8)}).join(','), "status");
    QCOMPARE(unit.state().events.size(), records + (logged.isEmpty() ? 0 : 1));
    if (!logged.isEmpty())
        QCOMPARE(newestEvent(unit), logged);
}

void TestUnit::newRecordsRideAlongWhenAsked_data()
{
    QTest::addColumn<bool>("push");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("lines");

    const QString record = "E=1,S=0";
    QTest::newRow("off: plain answer") << false << "AT" << QStringList{"OK"};
    QTest::newRow("on: a relay switch reports both") << true << "AT+OATSET=\"$X1\"" << QStringList{record, "E=8,S=2", "OK"};
    QTest::newRow("on: refusals carry nothing") << true << "AT+BAD" << QStringList{"ERROR"};
}

void TestUnit::newRecordsRideAlongWhenAsked()
{
    QFETCH(bool, push);
    QFETCH(QString, command);
    QFETCH(QStringList, lines);
    Sim::Unit unit(fixture());
    unit.setPushEvents(push);
    unit.control("input B 1");

    const QStringList answer = unit.execute(command).lines;

    QCOMPARE(answer.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = eventLine.match(answer.at(i));
        QVERIFY2(match.hasMatch() ? match.captured(2) == lines.at(i) : answer.at(i).startsWith(lines.at(i)), qPrintable(answer.at(i)));
    }
    // Reported once: the next answer is plain again.
    if (command != "AT+BAD")
        QCOMPARE(unit.execute("AT").lines, QStringList{"OK"});
}

void TestUnit::countOfAHeldNumberIsUpdatedInPlace()
{
    Sim::Unit unit(fixture());
    QSignalSpy changed(&unit, &Sim::Unit::changed);

    QCOMPARE(unit.execute("AT+OATSET=\"LDX,+420600100200,5\"").lines, QStringList{"OK"});
    QCOMPARE(unit.execute("AT+OATSET=\"ADX,+420600100200\"").lines, QStringList{"OK"});

    QCOMPARE(changed.count(), 2);
    QCOMPARE(unit.execute("AT+OATMEM=0,143").lines.value(0), QStringLiteral("+OATMEM: 0,143,+420600100200"));
    QCOMPARE(unit.execute("AT+OATMEM=0,273").lines.value(0), QStringLiteral("+OATMEM: 0,273,0"));
    QCOMPARE(unit.execute("AT+OATMEM=0,144").lines.value(0), QStringLiteral("+OATMEM: 0,144,"));
}

void TestUnit::writesAreLogged()
{
    Sim::Unit unit(fixture());
    const int records = unit.state().events.size();

    unit.execute("AT+OATSET=\"ATA,X\"");
    unit.execute("AT+OATSET=\"EDX,+420600100200\"");
    unit.execute("AT+OATSET=\"ATB,Y\"");

    QStringList logged;
    for (const Sim::EventRecord& record : unit.state().events.mid(records))
        logged << QStringLiteral("E=%1,S=%2").arg(record.code).arg(record.source);
    QCOMPARE(logged, (QStringList{"E=13,S=2", "E=15,S=143"}));
}

void TestUnit::brokenStateFilesFail_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QTest::newRow("not JSON") << QByteArray("{\"serial\": ") << "unterminated object at offset 11";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "the state must be a JSON object";
    QTest::newRow("relay state not a flag") << QByteArray("{\"relays\": {\"X\": 1}}") << "\"relays\".\"X\" has the wrong type";
    QTest::newRow("cell outside the memory") << QByteArray("{\"memory\": {\"405\": \"x\"}}") << "memory cell \"405\" does not exist";
    QTest::newRow("event without time") << QByteArray("{\"events\": [{\"code\": 1, \"source\": 0}]}")
                                        << "event 0 needs a code, a source and an ISO time";
}

void TestUnit::brokenStateFilesFail()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile file(dir.filePath("broken.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    Sim::UnitState state = fixture();
    const QJsonObject before = state.toJson();

    QString error;
    QVERIFY(!state.load(file.fileName(), &error));

    QVERIFY2(error.startsWith(file.fileName() + ": ") && error.contains(message), qPrintable(error));
    QCOMPARE(state.toJson(), before);
}

// Each step sends bytes and expects the answer they get.
void TestUnit::xmodemTransfer_data()
{
    QTest::addColumn<XmodemReceiver::Faults>("faults");
    QTest::addColumn<QByteArrayList>("sent");
    QTest::addColumn<QByteArrayList>("answers");
    QTest::addColumn<XmodemReceiver::State>("state");
    QTest::addColumn<QByteArray>("image");

    const XmodemReceiver::Faults none;
    QByteArray broken = block(1);
    broken[131] = char(broken.at(131) + 1);
    QByteArray badComplement = block(1);
    badComplement[2] = 0;

    QTest::newRow("wrong checksum refused, then taken")
        << none << QByteArrayList{broken, block(1), eot} << QByteArrayList{nak, ack, ack} << XmodemReceiver::Finished
        << content(1);
    QTest::newRow("wrong complement refused")
        << none << QByteArrayList{badComplement} << QByteArrayList{nak} << XmodemReceiver::Receiving << QByteArray();
    QTest::newRow("block out of order refused")
        << none << QByteArrayList{block(2)} << QByteArrayList{nak} << XmodemReceiver::Receiving << QByteArray();
    QTest::newRow("repeated block acknowledged once more, kept once")
        << none << QByteArrayList{block(1), block(1), block(2)} << QByteArrayList{ack, ack, ack}
        << XmodemReceiver::Receiving << content(1) + content(2);
    QByteArrayList wrapping;
    for (int number = 1; number <= 257; ++number)
        wrapping.append(block(number, content(0)));
    QTest::newRow("block numbers wrap after 255")
        << none << wrapping << QVector<QByteArray>(wrapping.size(), ack).toList() << XmodemReceiver::Receiving
        << content(0).repeated(257);
    QTest::newRow("noise between blocks ignored")
        << none << QByteArrayList{"\r\n" + block(1)} << QByteArrayList{ack} << XmodemReceiver::Receiving << content(1);
    QTest::newRow("sender cancels")
        << none << QByteArrayList{block(1), "\x18"} << QByteArrayList{ack, ""} << XmodemReceiver::Cancelled
        << content(1);
    QTest::newRow("block 2 refused twice, then taken")
        << faults([](XmodemReceiver::Faults& f) {
               f.refusedBlock = 2;
               f.refusals = 2;
           })
        << QByteArrayList{block(1), block(2), block(2), block(2)} << QByteArrayList{ack, nak, nak, ack}
        << XmodemReceiver::Receiving << content(1) + content(2);
    QTest::newRow("silent from block 2: nothing answered, EOT neither")
        << faults([](XmodemReceiver::Faults& f) { f.silentBlock = 2; }) << QByteArrayList{block(1), block(2), eot}
        << QByteArrayList{ack, "", ""} << XmodemReceiver::Receiving << content(1) + content(2);
}

void TestUnit::xmodemTransfer()
{
    QFETCH(XmodemReceiver::Faults, faults);
    QFETCH(QByteArrayList, sent);
    QFETCH(XmodemReceiver::State, state);
    QFETCH(QByteArray, image);
    XmodemReceiver receiver(faults);

    QByteArrayList taken;
    for (const QByteArray& bytes : sent)
        taken.append(receiver.take(bytes));

    QTEST(taken, "answers");
    QCOMPARE(receiver.state(), state);
    QCOMPARE(receiver.image(), image);
}

QTEST_GUILESS_MAIN(TestUnit)
#include "tst_unit.moc"
