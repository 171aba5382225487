#include "peerline.h"

#include "link/xmodem.h"

#include <QtTest>

using moduleRV_23::Xmodem::blocks;
using Testing::PeerLine;

// The XModem sender in raw mode against a scripted receiver on a pseudo-terminal.
class TestXmodemSend : public QObject
{
    Q_OBJECT

private slots:
    void transfer_data();
    void transfer();
};

namespace {

const int endOfTransmission = -1;

// Binary content with line ends and zero bytes in it, which the line must carry untouched.
QByteArray image(int size)
{
    QByteArray file(size, '\0');
    for (int i = 0; i < size; ++i)
        file[i] = static_cast<char>(i * 13);
    return file;
}

// "< hex": the receiver writes these bytes once the sender took what came before;
// "> n": the receiver waits for n bytes from the sender.
void runScript(Testing::ScriptedPeer& peer, const QByteArrayList& script)
{
    for (const QByteArray& step : script) {
        if (step.startsWith("< "))
            peer.sendWhenTaken(QByteArray::fromHex(step.mid(2)));
        else
            peer.expectBytes(step.mid(2).toInt());
    }
    peer.start();
}

QByteArray expectedBytes(const QByteArray& file, const QList<int>& sent)
{
    const QList<QByteArray> cut = blocks(file);
    QByteArray bytes;
    for (int index : sent)
        bytes += index == endOfTransmission ? QByteArray(1, '\x04') : cut.at(index);
    return bytes;
}

} // namespace

void TestXmodemSend::transfer_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArrayList>("script");
    QTest::addColumn<bool>("sent");
    // Block indexes in the order they went out; -1 for an end of transmission.
    QTest::addColumn<QList<int>>("written");

    const int eot = endOfTransmission;
    const QByteArray finalWord = "< 0d0a4f4b0d0a";
    QTest::newRow("NAK starts, every block acknowledged")
        << 200 << QByteArrayList{"< 15", "> 132", "< 06", "> 132", "< 06", "> 1", "< 06", finalWord} << true
        << QList<int>{0, 1, eot};
    QTest::newRow("C first: the transfer starts at the NAK that follows")
        << 100 << QByteArrayList{"< 43", "< 15", "> 132", "< 06", "> 1", "< 06", finalWord} << true
        << QList<int>{0, eot};
    QTest::newRow("block refused three times goes out a fourth time")
        << 200
        << QByteArrayList{"< 15", "> 132", "< 15", "> 132", "< 15", "> 132", "< 15", "> 132", "< 06", "> 132",
                          "< 06", "> 1", "< 06", finalWord}
        << true << QList<int>{0, 0, 0, 0, 1, eot};
    QTest::newRow("block refused four times: the rest is skipped, EOT still sent")
        << 200
        << QByteArrayList{"< 15", "> 132", "< 15", "> 132", "< 15", "> 132", "< 15", "> 132", "< 15", "> 1", "< 06",
                          finalWord}
        << false << QList<int>{0, 0, 0, 0, eot};
    QTest::newRow("unknown answer to a block: sent again")
        << 100 << QByteArrayList{"< 15", "> 132", "< 3f", "> 132", "< 06", "> 1", "< 06", finalWord} << true
        << QList<int>{0, 0, eot};
    QTest::newRow("cancelled before the first block") << 100 << QByteArrayList{"< 18"} << false << QList<int>{};
    QTest::newRow("modem still talking lines: no transfer")
        << 100 << QByteArrayList{"< 0d0a4f4b0d0a"} << false << QList<int>{};
    QTest::newRow("cancelled during the blocks: no EOT")
        << 200 << QByteArrayList{"< 15", "> 132", "< 06", "> 132", "< 1818"} << false << QList<int>{0, 1};
    QTest::newRow("EOT refused once, then acknowledged")
        << 100 << QByteArrayList{"< 15", "> 132", "< 06", "> 1", "< 15", "> 1", "< 06", finalWord} << true
        << QList<int>{0, eot, eot};
    QTest::newRow("EOT never acknowledged: the acknowledged blocks count")
        << 100 << QByteArrayList{"< 15", "> 132", "< 06", "> 1", "< 15", "> 1", "< 15", "> 1", "< 15"} << true
        << QList<int>{0, eot, eot, eot};
    QTest::newRow("EOT cancelled") << 100 << QByteArrayList{"< 15", "> 132", "< 06", "> 1", "< 18"} << false
                                   << QList<int>{0, eot};
    // Each unanswered block and EOT waits out its 3 s deadline.
    QTest::newRow("receiver silent after the start: tries, then gives up")
        << 100 << QByteArrayList{"< 15"} << false << QList<int>{0, 0, 0, 0, eot, eot, eot};
    QTest::newRow("receiver never starts: the handshake deadline ends it")
        << 100 << QByteArrayList{} << false << QList<int>{};
}

void TestXmodemSend::transfer()
{
    QFETCH(int, size);
    QFETCH(QByteArrayList, script);
    QFETCH(bool, sent);
    QFETCH(QList<int>, written);
    const QByteArray file = image(size);
    PeerLine line;
    QVERIFY(line.open());
    runScript(line.peer, script);
    line.access.setXmodemMode(true);

    QCOMPARE(line.access.xmodemSend(file), sent);

    QVERIFY(!line.access.xmodemMode());
    QVERIFY(line.peer.waitUntilDone());
    QTRY_COMPARE(line.peer.receivedBytes(), expectedBytes(file, written));
}

QTEST_GUILESS_MAIN(TestXmodemSend)
#include "tst_xmodemsend.moc"
