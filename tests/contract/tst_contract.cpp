#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

// Hosts written against the device interface alone, each a child process running one seeded
// call sequence (contract-host). RV23_CONTRACT_SEED replays one seed; RV23_CONTRACT_SEQUENCES
// sets how many are run.
class TestContract : public QObject
{
    Q_OBJECT

private slots:
    void regressions_data();
    void regressions();
    void randomSequences();

private:
    // Runs the host for seeds as four children at a time; the failed seeds with their output.
    QStringList runHosts(const QList<quint32>& seeds);
};

namespace {

constexpr int Parallel = 4;

struct Child
{
    quint32 seed = 0;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QProcess> process;
};

// Any sanitizer report fails the run, even one that left the exit status alone.
bool reportsProblems(const QByteArray& output)
{
    return output.contains("runtime error:") || output.contains("ERROR: AddressSanitizer")
        || output.contains("ERROR: LeakSanitizer") || output.contains("CONTRACT BROKEN");
}

} // namespace

QStringList TestContract::runHosts(const QList<quint32>& seeds)
{
    QStringList failures;
    std::vector<Child> running;
    int next = 0;
    while (next < seeds.size() || !running.empty()) {
        while (int(running.size()) < Parallel && next < seeds.size()) {
            Child child{seeds.at(next++), std::make_unique<QTemporaryDir>(), std::make_unique<QProcess>()};
            child.process->setProcessChannelMode(QProcess::MergedChannels);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), child.folder->path());
            child.process->setProcessEnvironment(environment);
            child.process->start(QStringLiteral(CONTRACT_HOST), {QString::number(child.seed),
                                                                  QStringLiteral(RV23_PLUGIN_FILE),
                                                                  QStringLiteral(RV23_SIM_PROGRAM),
                                                                  child.folder->path()});
            running.push_back(std::move(child));
        }
        running.front().process->waitForFinished(100);
        for (int i = int(running.size()) - 1; i >= 0; --i) {
            QProcess& process = *running[i].process;
            if (process.state() != QProcess::NotRunning && !process.waitForFinished(0))
                continue;
            const QByteArray output = process.readAll();
            if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || reportsProblems(output))
                failures << QStringLiteral("seed %1 (exit %2, status %3):\n%4")
                                .arg(running[i].seed)
                                .arg(process.exitCode())
                                .arg(process.exitStatus())
                                .arg(QString::fromLocal8Bit(output.right(6000)));
            running.erase(running.begin() + i);
        }
    }
    return failures;
}

void TestContract::regressions_data()
{
    QTest::addColumn<quint32>("seed");

    // Seeds of sequences that once broke the contract.
    QTest::newRow("placeholder") << 1u;
}

void TestContract::regressions()
{
    QFETCH(quint32, seed);
    const QStringList failures = runHosts({seed});
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestContract::randomSequences()
{
    QList<quint32> seeds;
    if (!qEnvironmentVariableIsEmpty("RV23_CONTRACT_SEED")) {
        seeds << qEnvironmentVariable("RV23_CONTRACT_SEED").toUInt();
    } else {
        const int count = qEnvironmentVariableIntValue("RV23_CONTRACT_SEQUENCES");
        for (int i = 0; i < (count > 0 ? count : 200); ++i)
            seeds << QRandomGenerator::global()->generate();
    }
    QElapsedTimer clock;
    clock.start();
    const QStringList failures = runHosts(seeds);
    qInfo("%d sequences in %lld ms", int(seeds.size()), clock.elapsed());
    QVERIFY2(failures.isEmpty(),
             qPrintable(failures.join('\n') + "\nReplay with RV23_CONTRACT_SEED=<seed>."));
}

QTEST_GUILESS_MAIN(TestContract)
#include "tst_contract.moc"
