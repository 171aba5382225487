#include "xmodemblock.h"

#include "sim/unit.h"
#include "sim/unitstate.h"
#include "sim/xmodemreceiver.h"

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
    void xmodemTransfer_data();
    void xmodemTransfer();
};

namespace {

Sim::UnitState fixture()
{
    Sim::UnitState state;
    state.serial = "S1234";
    state.firmware = "FW9";
    state.signal = 55;
    state.voltage = 11800;
    state.temperature = 28;
    state.memory[143] = "+420600100200";
    const QDateTime start(QDate(2024, 3, 14), QTime(8, 5, 2));
    state.events = {{12, 0, start}, {0, 373, start.addSecs(61)}, {8, 150, start.addDays(20).addSecs(3600)}};
    return state;
}

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

    QTest::newRow("status: identity, signal, voltage, temperature, counters, inputs and relays")
        << "AT+OATSET=\"$SDS\"" << QStringList{"+OATMSG: READY,FW9,S1234,55,11800,28,0,0,A0B0C0D0X0Y0,0/0/0/0,0/0", "OK"};
    QTest::newRow("cell outside the map is blank memory") << "AT+OATMEM=0,2" << QStringList{"+OATMEM: 0,2,", "OK"};
    QTest::newRow("last cell") << "AT+OATMEM=0,404" << QStringList{"+OATMEM: 0,404,", "OK"};
    QTest::newRow("cell beyond the memory") << "AT+OATMEM=0,405" << QStringList{"ERROR"};
    QTest::newRow("other memory bank") << "AT+OATMEM=1,3" << QStringList{"ERROR"};
    QTest::newRow("unknown parameter key") << "AT+OATSET=\"QQQ,1\"" << QStringList{"+OATERROR: (9)"};
    QTest::newRow("unknown command") << "AT+XYZ" << QStringList{"ERROR"};
    const QString second = "+OATEVENT: 2,E=0,S=373,T:03.14 08:06:03";
    const QString third = "+OATEVENT: 3,E=8,S=150,T:04.03 09:05:02";
    QTest::newRow("newest two, oldest first") << "AT+OATEVENT=2" << QStringList{second, third, "OK"};
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
