#include "peerline.h"

#include "link/xmodem.h"
#include "sanitize/threadorder.h"
#include "sim/pseudoterminal.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

using namespace moduleRV_23;
using Testing::PeerLine;

// The XModem sender in raw mode against a scripted receiver on a pseudo-terminal and against a
// real one, lrzsz's rx.
class TestXmodem : public QObject
{
    Q_OBJECT

private slots:
    void transfer_data();
    void transfer();
    void rxReceivesTheImage();
};

namespace {

// A file whose bytes tell their position, so a misplaced byte shows; it has line ends and zero
// bytes in it, which the line must carry untouched.
QByteArray countingFile(int size)
{
    QByteArray file(size, '\0');
    for (int i = 0; i < size; ++i)
        file[i] = static_cast<char>(i * 7 + i / 256);
    return file;
}

const int endOfTransmission = -1;

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
    const QList<QByteArray> cut = Xmodem::blocks(file);
    QByteArray bytes;
    for (int index : sent)
        bytes += index == endOfTransmission ? QByteArray(1, '\x04') : cut.at(index);
    return bytes;
}

// The modem's end of a line, relayed to lrzsz's rx and back in a thread of its own, as the
// sender blocks the test's thread. rx reads and writes pipes: on a terminal of its own its last
// ACK can get lost.
class RxRelay final : public QObject
{
public:
    RxRelay(const QString& program, const QString& folder)
    {
        rx.setProgram(program);
        rx.setArguments({QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("image.bin")});
        rx.setWorkingDirectory(folder);
        connect(&line, &Sim::PseudoTerminal::received, this, [this](const QByteArray& bytes) { rx.write(bytes); });
        connect(&rx, &QProcess::readyReadStandardOutput, this, [this] { line.write(rx.readAllStandardOutput()); });
        connect(&rx, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
                [this](int code, QProcess::ExitStatus how) { status = how == QProcess::NormalExit ? code : 128; });
    }

    // In the relay's thread: the line's path, empty if it could not be opened.
    QString open()
    {
        QString error;
        if (!line.open(&error))
            return QString();
        rx.start();
        return line.path();
    }

    // rx's exit status once it has ended, else -1.
    std::atomic<int> status{-1};

private:
    Sim::PseudoTerminal line{this};
    QProcess rx{this};
};

} // namespace

void TestXmodem::transfer_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArrayList>("script");
    QTest::addColumn<bool>("sent");
    // Block indexes in the order they went out; -1 for an end of transmission.
    QTest::addColumn<QList<int>>("written");

    const int eot = endOfTransmission;
    const QByteArray finalWord = "< 0d0a4f4b0d0a";
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
    QTest::newRow("cancelled before the first block") << 100 << QByteArrayList{"< 18"} << false << QList<int>{};
    QTest::newRow("modem still talking lines: no transfer")
        << 100 << QByteArrayList{"< 0d0a4f4b0d0a"} << false << QList<int>{};
    QTest::newRow("cancelled during the blocks: no EOT")
        << 200 << QByteArrayList{"< 15", "> 132", "< 06", "> 132", "< 1818"} << false << QList<int>{0, 1};
    QTest::newRow("EOT never acknowledged: the acknowledged blocks count")
        << 100 << QByteArrayList{"< 15", "> 132", "< 06", "> 1", "< 15", "> 1", "< 15", "> 1", "< 15"} << true
        << QList<int>{0, eot, eot, eot};
    // Each unanswered block and EOT waits out its 3 s deadline.
    QTest::newRow("receiver silent after the start: tries, then gives up")
        << 100 << QByteArrayList{"< 15"} << false << QList<int>{0, 0, 0, 0, eot, eot, eot};
    QTest::newRow("receiver never starts: the handshake deadline ends it")
        << 100 << QByteArrayList{} << false << QList<int>{};
}

void TestXmodem::transfer()
{
    QFETCH(int, size);
    QFETCH(QByteArrayList, script);
    QFETCH(QList<int>, written);
    const QByteArray file = countingFile(size);
    PeerLine line;
    QVERIFY(line.open());
    runScript(line.peer, script);
    line.access.setXmodemMode(true);

    QTEST(line.access.xmodemSend(file), "sent");

    QVERIFY(!line.access.xmodemMode());
    QVERIFY(line.peer.waitUntilDone());
    QTRY_COMPARE(line.peer.receivedBytes(), expectedBytes(file, written));
}

void TestXmodem::rxReceivesTheImage()
{
    const QString rx = QStandardPaths::findExecutable(QStringLiteral("rx"));
    QVERIFY2(!rx.isEmpty(), "rx of lrzsz is needed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QThread thread;
    auto* relay = new RxRelay(rx, dir.path());
    relay->moveToThread(&thread);
    connect(&thread, &QThread::finished, relay, &QObject::deleteLater);
    thread.start();
    const auto stop = qScopeGuard([&thread] {
        thread.quit();
        thread.wait();
    });
    QString path;
    QVERIFY(Sanitize::callBlocking(relay, [&] { path = relay->open(); }));
    QVERIFY(!path.isEmpty());
    LocalConnector connector;
    Testing::LocalConnectorAccess access(connector);
    access.select(path);
    QVERIFY(access.openSelectedPort(false));
    // 300 blocks, so the block numbers wrap; every byte value, XModem's own included.
    const QByteArray image = countingFile(300 * 128 - 50);
    access.setXmodemMode(true);

    QVERIFY(access.xmodemSend(image));

    QTRY_COMPARE(relay->status.load(), 0);
    QFile received(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), image + QByteArray(50, '\x1a'));
}

QTEST_GUILESS_MAIN(TestXmodem)
#include "tst_xmodem.moc"
