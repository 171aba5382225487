#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <vector>

// Hosts written against the device interface alone, each a child process running one seeded
// call sequence (contract-host). RV23_CONTRACT_SEED replays one seed; RV23_CONTRACT_SEQUENCES
// sets how many are run.
class TestContract : public QObject
{
    Q_OBJECT

private slots:
    void regressions();
    void randomSequences();

private:
    // Runs one host per sequence (a seed or written-out steps), several at a time; the failed ones
    // with their output.
    QStringList runHosts(const QStringList& sequences);
    // Adds one host's calls to the figures below.
    void count(const QByteArray& output);

    int calls = 0;
    qint64 longestMs = -1;
    QByteArray longestCall;
};

namespace {

// The hosts mostly wait for the unit's fixed pauses, so more run than there are cores.
constexpr int Parallel = 16;

struct Child
{
    QString seed;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QProcess> process;
    QElapsedTimer clock;
};

// A host still running after this has a call that never returned.
constexpr qint64 HostLimitMs = 150000;

// Any sanitizer report fails the run, even one that left the exit status alone.
bool reportsProblems(const QByteArray& output)
{
    return output.contains("runtime error:") || output.contains("ERROR: AddressSanitizer")
        || output.contains("ERROR: LeakSanitizer") || output.contains("CONTRACT BROKEN");
}

} // namespace

QStringList TestContract::runHosts(const QStringList& seeds)
{
    QStringList failures;
    std::vector<Child> running;
    int next = 0;
    while (next < seeds.size() || !running.empty()) {
        while (int(running.size()) < Parallel && next < seeds.size()) {
            Child child{seeds.at(next++), std::make_unique<QTemporaryDir>(), std::make_unique<QProcess>(), {}};
            child.process->setProcessChannelMode(QProcess::MergedChannels);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), child.folder->path());
            // The host leaves everything to the process's end on purpose: no leak to report.
            environment.insert(QStringLiteral("ASAN_OPTIONS"),
                               environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
            child.process->setProcessEnvironment(environment);
            child.process->start(QStringLiteral(CONTRACT_HOST), {child.seed,
                                                                  QStringLiteral(RV23_PLUGIN_FILE),
                                                                  QStringLiteral(RV23_SIM_PROGRAM),
                                                                  child.folder->path()});
            child.clock.start();
            running.push_back(std::move(child));
        }
        running.front().process->waitForFinished(100);
        for (int i = int(running.size()) - 1; i >= 0; --i) {
            QProcess& process = *running[i].process;
            if (process.state() != QProcess::NotRunning && !process.waitForFinished(0)) {
                if (running[i].clock.elapsed() < HostLimitMs)
                    continue;
                process.kill();
                process.waitForFinished();
            }
            const QByteArray output = process.readAll();
            count(output);
            if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || reportsProblems(output)) {
                failures << QStringLiteral("sequence %1 (exit %2, status %3)")
                                .arg(running[i].seed)
                                .arg(process.exitCode())
                                .arg(process.exitStatus());
                // In full: a failure message is cut short, and a sanitizer's report is long.
                std::fprintf(stderr, "%s:\n%s\n", qPrintable(failures.last()), output.right(20000).constData());
            }
            running.erase(running.begin() + i);
        }
    }
    return failures;
}

void TestContract::count(const QByteArray& output)
{
    QByteArray call;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("CALL ")) {
            call = line.mid(5);
            ++calls;
        } else if (line.startsWith("TOOK ") && line.split(' ').value(1).toLongLong() > longestMs) {
            longestMs = line.split(' ').value(1).toLongLong();
            longestCall = call;
        }
    }
}

void TestContract::regressions()
{
    // Sequences that once broke the contract, run at once as the random ones are.
    const QStringList sequences = {
        // left to the library's unload with its widget
        QStringLiteral("createWidget;search;connect;load;disconnect;leaveEverything"),
        // left to the library's unload while connected
        QStringLiteral("createWidget;search;connect;leaveEverything"),
        // a search leaves no unit to save to
        QStringLiteral("createWidget;searchWhileConnected;saveUnrequested;leaveEverything"),
        // connected twice
        QStringLiteral("createWidget;search;connect;connect;disconnect;deleteInstance"),
        // deleted while connecting
        QStringLiteral("createWidget;search;connect (deleteInstance after 61 ms);leaveEverything"),
        // disconnected while connecting
        QStringLiteral("createWidget;search;disconnect;connect (disconnect after 100 ms);deleteInstance"),
        // deleted during a load, a second delete due
        QStringLiteral("createWidget;search;connect (deleteInstance after 26 ms);"
                       "load (deleteInstance after 931 ms);leaveEverything"),
        // deleted while a disconnect waits for a load to stop
        QStringLiteral("createWidget;search;connect (disconnect after 200 ms);"
                       "load (deleteInstance after 600 ms);leaveEverything"),
        // deleted during a load
        QStringLiteral("createWidget;search;connect;load (deleteInstance after 900 ms);leaveEverything"),
        // deleted while a lost line is reported during a connect
        QStringLiteral("createWidget;search;connect (disconnect after 19 ms);"
                       "load (unplug after 1316 ms);connect (deleteInstance after 586 ms);search;"
                       "reloadEvents;connect (unplug after 486 ms);leaveEverything"),
        // deleted while a lost line disconnects an upload
        QStringLiteral("createWidget;reloadEvents (unplug after 78 ms);search;saveRequested;connect;"
                       "upload (deleteInstance after 491 ms);leaveEverything"),
        // deleted during an upload
        QStringLiteral("createWidget;search;connect;upload (deleteInstance after 300 ms);leaveEverything"),
        // left to the library's unload while a search probes the ports
        QStringLiteral("createWidget;reloadEvents;search;connect;reloadEvents;reloadEvents;search;search;leaveEverything"),
        // widget deleted first
        QStringLiteral("createWidget;search;connect;deleteWidget;deleteInstance"),
    };
    const QStringList failures = runHosts(sequences);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestContract::randomSequences()
{
    QStringList seeds;
    if (!qEnvironmentVariableIsEmpty("RV23_CONTRACT_SEED")) {
        seeds << qEnvironmentVariable("RV23_CONTRACT_SEED");
    } else {
        const int count = qEnvironmentVariableIntValue("RV23_CONTRACT_SEQUENCES");
        if (qEnvironmentVariableIsSet("RV23_CONTRACT_SEQUENCES") && count == 0)
            QSKIP("random sequences are left to the slow run");
        for (int i = 0; i < (count > 0 ? count : 200); ++i)
            seeds << QString::number(QRandomGenerator::global()->generate());
    }
    calls = 0;
    longestMs = -1;
    QElapsedTimer clock;
    clock.start();
    const QStringList failures = runHosts(seeds);
    qInfo("%d sequences, %d calls, longest call %lld ms (%s), %lld ms in all", int(seeds.size()), calls, longestMs,
          longestCall.constData(), clock.elapsed());
    QVERIFY2(failures.isEmpty(),
             qPrintable(failures.join('\n') + "\nReplay one with RV23_CONTRACT_SEED=<seed>."));
}

QTEST_GUILESS_MAIN(TestContract)
#include "tst_contract.moc"
