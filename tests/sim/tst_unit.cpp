#include "sim/factorystate.h"
#include "sim/unit.h"
#include "sim/unitstate.h"

#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// The unit's answers and its state, without a line.
class TestUnit : public QObject
{
    Q_OBJECT

private slots:
    void answersCommands_data();
    void answersCommands();
    void statusCarriesIdentityAndIo();
    void everyMappedCellAnswersItsValue();
    void eventLogGivesTheNewestRecords_data();
    void eventLogGivesTheNewestRecords();
    void factoryStateIsALivedInUnit();
    void stateRoundTripsThroughItsFile();
    void brokenStateFilesFail_data();
    void brokenStateFilesFail();
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
    state.operatorCode = "23011";
    state.signal = 55;
    state.voltage = 11800;
    state.temperature = 28;
    state.memory[3] = "ZAP X";
    state.memory[76] = "4321";
    state.memory[143] = "+420600100200";
    const QDateTime start(QDate(2024, 3, 14), QTime(8, 5, 2));
    state.events = {{12, 0, start}, {0, 373, start.addSecs(61)}, {8, 150, start.addDays(20).addSecs(3600)}};
    return state;
}

// The cells the connector reads, from the unit's memory map.
QVector<int> mappedCells()
{
    QVector<int> cells{1, 3, 4, 5, 6, 7, 54, 64, 65, 66, 67, 68, 69, 70, 71, 76, 77, 78, 79, 92, 108, 109};
    for (int cell = 111; cell <= 242; ++cell)
        cells.append(cell);
    cells << 244 << 245 << 246 << 247 << 248 << 249;
    for (int cell = 258; cell <= 264; ++cell)
        cells.append(cell);
    for (int cell = 268; cell <= 400; ++cell) {
        if (cell != 271 && cell != 272 && !(cell >= 385 && cell <= 388))
            cells.append(cell);
    }
    return cells;
}

} // namespace

void TestUnit::answersCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");

    const QStringList ok{"OK"};
    QTest::newRow("attention") << "AT" << ok;
    QTest::newRow("echo off") << "ATE0" << ok;
    QTest::newRow("imei") << "AT+WIMEI?" << QStringList{"+WIMEI: 350000000000017", "OK"};
    QTest::newRow("commands in lower case") << "at+wimei?" << QStringList{"+WIMEI: 350000000000017", "OK"};
    QTest::newRow("operator format") << "AT+COPS=3,0" << ok;
    QTest::newRow("operator format out of range") << "AT+COPS=3,5" << QStringList{"ERROR"};
    QTest::newRow("operator by name") << "AT+COPS?" << QStringList{"+COPS: 0,0,\"NET A\"", "OK"};
    QTest::newRow("behaviour version behind its record mark") << "AT+OATMEM=0,1" << QStringList{"+OATMEM: 0,1,VB:004", "OK"};
    QTest::newRow("text cell") << "AT+OATMEM=0,3" << QStringList{"+OATMEM: 0,3,ZAP X", "OK"};
    QTest::newRow("empty cell") << "AT+OATMEM=0,4" << QStringList{"+OATMEM: 0,4,", "OK"};
    QTest::newRow("cell outside the map is blank memory") << "AT+OATMEM=0,2" << QStringList{"+OATMEM: 0,2,", "OK"};
    QTest::newRow("last cell") << "AT+OATMEM=0,404" << QStringList{"+OATMEM: 0,404,", "OK"};
    QTest::newRow("cell beyond the memory") << "AT+OATMEM=0,405" << QStringList{"ERROR"};
    QTest::newRow("other memory bank") << "AT+OATMEM=1,3" << QStringList{"ERROR"};
    QTest::newRow("cell not a number") << "AT+OATMEM=0,x" << QStringList{"ERROR"};
    QTest::newRow("status request without quotes") << "AT+OATSET=$SDS" << QStringList{"ERROR"};
    QTest::newRow("unknown parameter key") << "AT+OATSET=\"QQQ,1\"" << QStringList{"+OATERROR: (9)"};
    QTest::newRow("unknown command") << "AT+XYZ" << QStringList{"ERROR"};
    QTest::newRow("not a command at all") << "hello" << QStringList{"ERROR"};
}

void TestUnit::answersCommands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    Sim::Unit unit(fixture());

    QCOMPARE(unit.execute(command).lines, expected);
}

void TestUnit::statusCarriesIdentityAndIo()
{
    Sim::UnitState state = fixture();
    state.inputs = {true, false, false, true};
    state.relays = {false, true};
    Sim::Unit unit(state);

    const QStringList lines = unit.execute("AT+OATSET=\"$SDS\"").lines;

    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith("+OATMSG: "));
    const QStringList fields = lines.at(0).mid(9).split(',');
    QVERIFY(fields.size() >= 9);
    QCOMPARE(fields.mid(0, 5), (QStringList{"READY", "FW9", "S1234", "55", "11800"}));
    QCOMPARE(fields.at(8), QStringLiteral("A1B0C0D1X0Y1"));
    QCOMPARE(lines.at(1), QStringLiteral("OK"));
}

void TestUnit::everyMappedCellAnswersItsValue()
{
    const Sim::UnitState state = Sim::factoryState();
    Sim::Unit unit(state);
    for (int cell : mappedCells()) {
        const QStringList lines = unit.execute(QStringLiteral("AT+OATMEM=0,%1").arg(cell)).lines;
        const QString value = cell == 1 ? "VB:" + state.behaviourVersion : state.memory.at(cell);
        QCOMPARE(lines, (QStringList{QStringLiteral("+OATMEM: 0,%1,%2").arg(cell).arg(value), "OK"}));
        // A comma would cut the value short on the PC.
        QVERIFY2(!value.contains(','), qPrintable(value));
        if (cell < 111 || cell > 242)
            QVERIFY2(!value.isEmpty(), qPrintable(QString::number(cell)));
    }
}

void TestUnit::eventLogGivesTheNewestRecords_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");

    const QString first = "+OATEVENT: 1,E=12,S=0,T:03.14 08:05:02";
    const QString second = "+OATEVENT: 2,E=0,S=373,T:03.14 08:06:03";
    const QString third = "+OATEVENT: 3,E=8,S=150,T:04.03 09:05:02";
    QTest::newRow("whole log") << "AT+OATEVENT=65535" << QStringList{first, second, third, "OK"};
    QTest::newRow("newest two, oldest first") << "AT+OATEVENT=2" << QStringList{second, third, "OK"};
    QTest::newRow("none") << "AT+OATEVENT=0" << QStringList{"OK"};
    QTest::newRow("count not a number") << "AT+OATEVENT=all" << QStringList{"ERROR"};
}

void TestUnit::eventLogGivesTheNewestRecords()
{
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    Sim::Unit unit(fixture());

    QCOMPARE(unit.execute(command).lines, expected);
}

void TestUnit::factoryStateIsALivedInUnit()
{
    const Sim::UnitState state = Sim::factoryState();

    QVERIFY(state.events.size() >= 300 && state.events.size() <= Sim::UnitState::maxEvents);
    QSet<int> codes;
    for (int i = 0; i < state.events.size(); ++i) {
        const Sim::EventRecord& record = state.events.at(i);
        codes.insert(record.code);
        const int s = record.source;
        const bool known = s <= 2 || (s >= 76 && s <= 79) || s == 108 || s == 109 || (s >= 111 && s <= 243)
                           || (s >= 373 && s <= 384);
        QVERIFY2(known, qPrintable(QString::number(s)));
        QVERIFY(i == 0 || state.events.at(i - 1).time <= record.time);
    }
    for (int code = 0; code <= 34; ++code)
        QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
    for (const QString& text : state.memory) {
        for (QChar c : text)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(text));
    }
}

void TestUnit::stateRoundTripsThroughItsFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("unit.json");
    Sim::UnitState written = Sim::factoryState();
    written.inputs[2] = true;
    written.relayCounters[1] = 77;
    written.memory[400] = "6";
    QString error;
    QVERIFY2(written.save(path, &error), qPrintable(error));

    Sim::UnitState read;
    QVERIFY2(read.load(path, &error), qPrintable(error));

    QCOMPARE(read.toJson(), written.toJson());
    QCOMPARE(read.events, written.events);
}

void TestUnit::brokenStateFilesFail_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QTest::newRow("not JSON") << QByteArray("{\"serial\": ") << "unterminated object at offset 11";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "the state must be a JSON object";
    QTest::newRow("number where a text belongs") << QByteArray("{\"serial\": 5}") << "\"serial\" must be a text";
    QTest::newRow("inputs not lettered") << QByteArray("{\"inputs\": [true]}") << "\"inputs\" must be an object";
    QTest::newRow("relay state not a flag") << QByteArray("{\"relays\": {\"X\": 1}}") << "\"relays\".\"X\" has the wrong type";
    QTest::newRow("cell outside the memory") << QByteArray("{\"memory\": {\"405\": \"x\"}}") << "memory cell \"405\" does not exist";
    QTest::newRow("cell holding a number") << QByteArray("{\"memory\": {\"3\": 5}}") << "memory cell 3 must hold a text";
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

QTEST_GUILESS_MAIN(TestUnit)
#include "tst_unit.moc"
