#include "xmodemblock.h"

#include "sim/xmodemreceiver.h"

#include <QtTest>

using Sim::XmodemReceiver;

Q_DECLARE_METATYPE(XmodemReceiver::Faults)
Q_DECLARE_METATYPE(XmodemReceiver::State)

// The simulated modem's XModem receiver, fed byte streams directly.
class TestXmodemReceiver : public QObject
{
    Q_OBJECT

private slots:
    void startRequest_data();
    void startRequest();
    void transfer_data();
    void transfer();
    void halfBlockIsDroppedAndAskedForAgain();
};

namespace {

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

void TestXmodemReceiver::startRequest_data()
{
    QTest::addColumn<bool>("crcFirst");
    QTest::addColumn<QByteArray>("requests");

    QTest::newRow("checksum receiver asks with NAK") << false << QByteArray("\x15\x15\x15");
    QTest::newRow("asks for CRC once, then falls back") << true << QByteArray("C\x15\x15");
}

void TestXmodemReceiver::startRequest()
{
    QFETCH(bool, crcFirst);
    QFETCH(QByteArray, requests);
    XmodemReceiver::Faults faults;
    faults.crcFirst = crcFirst;
    XmodemReceiver receiver(faults);

    QByteArray asked;
    for (int i = 0; i < 3; ++i)
        asked += receiver.request();
    QCOMPARE(asked, requests);
    QVERIFY(!receiver.started());
}

// Each step sends bytes and expects the answer they get.
void TestXmodemReceiver::transfer_data()
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

    QTest::newRow("intact blocks and EOT")
        << none << QByteArrayList{block(1), block(2), eot} << QByteArrayList{ack, ack, ack} << XmodemReceiver::Finished
        << content(1) + content(2);
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
    QTest::newRow("cancelled at block 2")
        << faults([](XmodemReceiver::Faults& f) { f.cancelledBlock = 2; }) << QByteArrayList{block(1), block(2), block(3)}
        << QByteArrayList{ack, "\x18\x18", ""} << XmodemReceiver::Cancelled << content(1);
    QTest::newRow("silent from block 2: nothing answered, EOT neither")
        << faults([](XmodemReceiver::Faults& f) { f.silentBlock = 2; }) << QByteArrayList{block(1), block(2), eot}
        << QByteArrayList{ack, "", ""} << XmodemReceiver::Receiving << content(1) + content(2);
}

void TestXmodemReceiver::transfer()
{
    QFETCH(XmodemReceiver::Faults, faults);
    QFETCH(QByteArrayList, sent);
    QFETCH(QByteArrayList, answers);
    QFETCH(XmodemReceiver::State, state);
    QFETCH(QByteArray, image);
    XmodemReceiver receiver(faults);

    QByteArrayList taken;
    for (const QByteArray& bytes : sent)
        taken.append(receiver.take(bytes));

    QCOMPARE(taken, answers);
    QCOMPARE(receiver.state(), state);
    QCOMPARE(receiver.image(), image);
}

void TestXmodemReceiver::halfBlockIsDroppedAndAskedForAgain()
{
    XmodemReceiver receiver({});
    QCOMPARE(receiver.dropPartial(), QByteArray());

    QCOMPARE(receiver.take(block(1).left(60)), QByteArray());
    QCOMPARE(receiver.dropPartial(), nak);
    QCOMPARE(receiver.take(block(1)), ack);
    QCOMPARE(receiver.image(), content(1));
    QVERIFY(receiver.started());
    QCOMPARE(receiver.lastArrived(), 1);
}

QTEST_GUILESS_MAIN(TestXmodemReceiver)
#include "tst_xmodemreceiver.moc"
