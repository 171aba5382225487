#include "localconnectoraccess.h"

#include "sanitize/threadorder.h"
#include "sim/pseudoterminal.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

using moduleRV_23::LocalConnector;

namespace {

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

// The connector's XModem sender with a real receiver, lrzsz's rx, at the modem's end.
class TestXmodemRx : public QObject
{
    Q_OBJECT

private slots:
    void rxReceivesTheImage();
};

void TestXmodemRx::rxReceivesTheImage()
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
    QByteArray image(300 * 128 - 50, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i % 256 ^ i / 256);
    access.setXmodemMode(true);

    const bool sent = access.xmodemSend(image);

    QVERIFY(sent);
    QTRY_COMPARE(relay->status.load(), 0);
    QFile received(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), image + QByteArray(50, '\x1a'));
}

QTEST_GUILESS_MAIN(TestXmodemRx)
#include "tst_xmodemrx.moc"
