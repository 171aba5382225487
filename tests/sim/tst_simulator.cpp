#include "ptypeer.h"
#include "xmodemblock.h"

#include "sim/simulatorthread.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

Q_DECLARE_METATYPE(Sim::Options)

// The simulator on its pseudo-terminal, as the connector and a technician meet it.
class TestSimulator : public QObject
{
    Q_OBJECT

private slots:
    void lineBehaviour_data();
    void lineBehaviour();
    void silentAfterReadsButNeverAnswers();
    void unplugAfterClosesTheLine();
    void deliberateWaitsAreCounted();
    void resetGoesDeafAndComesBack();
    void quietDownloadIsAbandoned();
    void programAnnouncesItsPortAndStops_data();
    void programAnnouncesItsPortAndStops();
    void programRefusesABrokenStateFile();

private:
    QTemporaryDir dir;
};

namespace {

// Hosts a simulator in its own thread with the line opened from the test's side.
struct Line
{
    explicit Line(const Sim::Options& options = {}) : simulator(options) {}

    bool open() { return simulator.start() && peer.open(simulator.portPath()); }

    Sim::SimulatorThread simulator;
    PtyPeer peer;
};

Sim::Options withOption(void (*set)(Sim::Options&))
{
    Sim::Options options;
    set(options);
    return options;
}

} // namespace

// Scripts: "> line" sends a command, "< text" expects exactly that from one read.
void TestSimulator::lineBehaviour_data()
{
    QTest::addColumn<Sim::Options>("options");
    QTest::addColumn<QByteArrayList>("script");

    QTest::newRow("echo and answer in reads of their own; echo off and on again")
        << Sim::Options()
        << QByteArrayList{"> AT+WIMEI?", "< AT+WIMEI?\r\n", "< +WIMEI: 353270041178205\r\nOK\r\n", "> ATE0",
                          "< ATE0\r\n", "< OK\r\n", "> AT+COPS?", "< +COPS: 0,0,\"CZ MOBIL\"\r\nOK\r\n", "> ATE1",
                          "< OK\r\n", "> AT", "< AT\r\n", "< OK\r\n"};
    QTest::newRow("indication before every answer")
        << withOption([](Sim::Options& o) { o.windEvery = 1; })
        << QByteArrayList{"> AT", "< AT\r\n", "< +WIND: 4\r\n", "< OK\r\n"};
    QTest::newRow("noise before every second answer")
        << withOption([](Sim::Options& o) { o.garbageEvery = 2; })
        << QByteArrayList{"> AT", "< AT\r\n", "< OK\r\n", "> AT", "< AT\r\n", "< ~\x7f%#\xff\x80~\r\n", "< OK\r\n"};
    QTest::newRow("unit commands refused, modem commands answered")
        << withOption([](Sim::Options& o) {
               o.oatError = true;
               o.oatErrorCode = 12;
           })
        << QByteArrayList{"> AT+OATSET=\"$SDS\"", "< AT+OATSET=\"$SDS\"\r\n", "< +OATERROR: (12)\r\n",
                       "> AT+WIMEI?", "< AT+WIMEI?\r\n", "< +WIMEI: 353270041178205\r\nOK\r\n"};
    QTest::newRow("counter lines are taken without answer")
        << Sim::Options() << QByteArrayList{"> status.gsm.sms_sent = 0", "< status.gsm.sms_sent = 0\r\n", "> AT", "< AT\r\n", "< OK\r\n"};
    QTest::newRow("firmware steps: OK, then the indication in a write of its own")
        << Sim::Options()
        << QByteArrayList{"> AT+OATGSM=0", "< AT+OATGSM=0\r\n", "< OK\r\n", "< +WIND: 0\r\n",
                          "> AT+WOPEN=3", "< AT+WOPEN=3\r\n", "< OK\r\n",
                          "> AT+WOPEN=1", "< AT+WOPEN=1\r\n", "< OK\r\n", "< +WIND: 7\r\n"};
    QTest::newRow("download asks for CRC, then falls back to NAK")
        << withOption([](Sim::Options& o) { o.xmodem.crcFirst = true; })
        << QByteArrayList{"> AT+WDWL", "< AT+WDWL\r\n", "< +WDWL: 0\r\n", "< C", "< \x15"};
}

void TestSimulator::lineBehaviour()
{
    QFETCH(Sim::Options, options);
    QFETCH(QByteArrayList, script);
    Line line(options);
    QVERIFY(line.open());

    for (const QByteArray& step : script) {
        const QByteArray text = step.mid(2);
        if (step.startsWith('>'))
            line.peer.send(text);
        else
            QCOMPARE(line.peer.readChunk(), text);
    }
    // Nothing more was said.
    QVERIFY(!line.peer.hasData());
}

void TestSimulator::silentAfterReadsButNeverAnswers()
{
    Line line(withOption([](Sim::Options& o) { o.silentAfter = 1; }));
    QVERIFY(line.open());
    QCOMPARE(line.peer.exchange("AT"), QByteArray("AT\r\nOK\r\n"));

    line.peer.send("AT");

    QTRY_VERIFY(line.simulator.stats().commands == 2 && line.simulator.isIdle());
    QVERIFY(!line.peer.hasData());
}

void TestSimulator::unplugAfterClosesTheLine()
{
    const QString link = dir.filePath("unplug-link");
    Sim::Options options;
    options.unplugAfter = 2;
    options.linkPath = link;
    Line line(options);
    QVERIFY(line.open());
    QVERIFY(QFileInfo(link).isSymLink());

    QCOMPARE(line.peer.exchange("AT"), QByteArray("AT\r\nOK\r\n"));
    QCOMPARE(line.peer.exchange("ATE0"), QByteArray("ATE0\r\nOK\r\n"));

    QVERIFY(line.peer.isHungUp());
    QVERIFY(!QFileInfo(link).exists() && !QFileInfo(link).isSymLink());
}

void TestSimulator::deliberateWaitsAreCounted()
{
    Line line(withOption([](Sim::Options& o) {
        o.gapMs = 20;
        o.pace = true;
    }));
    QVERIFY(line.open());

    for (int i = 0; i < 3; ++i)
        QVERIFY(line.peer.exchange("AT+OATEVENT=20").endsWith("OK\r\n"));

    const Sim::Stats stats = line.simulator.stats();
    QCOMPARE(stats.commands, 3);
    QCOMPARE(stats.bytesIn, qint64(3 * 16));
    const qint64 wireUs = stats.bytesOut * 10 * 1000000 / 115200;
    QVERIFY2(stats.waitedUs >= 3 * 20000 + wireUs, qPrintable(stats.toText()));
}

void TestSimulator::resetGoesDeafAndComesBack()
{
    Line line(withOption([](Sim::Options& o) { o.restartMs = 200; }));
    QVERIFY(line.open());
    QCOMPARE(line.peer.exchange("ATE0"), QByteArray("ATE0\r\nOK\r\n"));

    QCOMPARE(line.peer.exchange("AT+OATSET=\"RST\""), QByteArray("OK\r\n"));
    line.peer.send("AT+WIMEI?");

    QTRY_VERIFY(line.simulator.isIdle());
    QVERIFY(!line.peer.hasData());
    QCOMPARE(line.simulator.stats().commands, 2);
    QCOMPARE(line.peer.exchange("AT"), QByteArray("AT\r\nOK\r\n"));
    // The reset is logged, then the power-on.
    const QVector<Sim::EventRecord> events = line.simulator.state().events;
    QCOMPARE(events.at(events.size() - 2).code, 14);
    QCOMPARE(events.last().code, 12);
}

// A sender that stops half-way gets its block asked for again, and after ten quiet seconds the
// modem takes commands again.
void TestSimulator::quietDownloadIsAbandoned()
{
    Line line;
    QVERIFY(line.open());
    QCOMPARE(line.peer.exchange("ATE0"), QByteArray("ATE0\r\nOK\r\n"));
    line.peer.send("AT+WDWL");
    QCOMPARE(line.peer.readChunk(), QByteArray("+WDWL: 0\r\n"));
    QCOMPARE(line.peer.readChunk(), QByteArray("\x15"));

    line.peer.sendRaw(xmodemBlock(1, "half").left(60));

    QCOMPARE(line.peer.readChunk(), QByteArray("\x15"));
    QTRY_VERIFY_WITH_TIMEOUT(line.simulator.isIdle(), 15000);
    QCOMPARE(line.peer.exchange("AT"), QByteArray("OK\r\n"));
}

void TestSimulator::programAnnouncesItsPortAndStops_data()
{
    QTest::addColumn<bool>("terminated");

    QTest::newRow("told to quit") << false;
    QTest::newRow("terminated") << true;
}

void TestSimulator::programAnnouncesItsPortAndStops()
{
    QFETCH(bool, terminated);
    const QString link = dir.filePath("program-link");
    QProcess program;
    program.start(RV23_SIM_PROGRAM, {"--link", link, "--stats"});
    QVERIFY(program.waitForStarted());
    QVERIFY(program.waitForReadyRead());
    const QString first = QString::fromLocal8Bit(program.readLine()).trimmed();
    QVERIFY2(first.startsWith("PORT /dev/pts/"), qPrintable(first));
    QCOMPARE(QFileInfo(link).symLinkTarget(), first.mid(5));
    PtyPeer peer;
    QVERIFY(peer.open(first.mid(5)));
    QCOMPARE(peer.exchange("AT"), QByteArray("AT\r\nOK\r\n"));
    program.write("nonsense control\n");
    QByteArray errors;
    QTRY_VERIFY((errors += program.readAllStandardError()).contains("not understood: nonsense control"));

    if (terminated)
        ::kill(pid_t(program.processId()), SIGTERM);
    else
        program.write("quit\n");

    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(program.readAllStandardOutput().startsWith("STATS commands=1 bytes-in=4 bytes-out=8 "));
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestSimulator::programRefusesABrokenStateFile()
{
    const QString path = dir.filePath("broken.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"memory\": [");
    file.close();
    QProcess program;

    program.start(RV23_SIM_PROGRAM, {"--state", path});

    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(program.readAllStandardError().startsWith(QStringLiteral("rv23-sim: %1: ").arg(path).toLocal8Bit()));
    QVERIFY(program.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
