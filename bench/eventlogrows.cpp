#include "eventlogrows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <vector>

namespace EventLogRows {

namespace {

// The load's deliberate pauses: after the texts, after the event log, before the fill.
const double fixedLoadSleepsMs = 500 + 1500 + 1000;
const int sizes[] = {1000, 5000, 20000};
const int longest = 20000;

// Peak resident memory of the host in each size's runs, the highest of them.
QMap<int, double> peaks;

struct HostRun
{
    double ms = 0;
    double peakMiB = 0;
    double waitedMs = 0; // what the simulated unit waited on purpose (wire time when paced)
};

// Runs the program to its end and takes its own resource use: QProcess reaps its children
// itself, and the use of all children together would mix in the simulators.
bool runMeasured(const QString& program, const QStringList& arguments, const QStringList& environment, rusage* usage)
{
    std::vector<QByteArray> texts{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> variables;
    for (const QString& variable : environment)
        variables.push_back(variable.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return false;
    int status = 0;
    if (wait4(child, &status, 0, usage) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// rv23ctl reads a unit whose log holds events records (the configuration and the whole log)
// and exports the history as CSV.
HostRun loadAndExport(const QString& folder, int events, bool paced, const HostPrograms& programs)
{
    QProcess unit;
    QStringList unitArguments = {QStringLiteral("--state"), QDir(folder).filePath(QStringLiteral("unit.json")),
                                 QStringLiteral("--events"), QString::number(events), QStringLiteral("--stats")};
    if (paced)
        unitArguments << QStringLiteral("--pace");
    QFile::remove(QDir(folder).filePath(QStringLiteral("unit.json")));
    unit.start(programs.simulator, unitArguments);
    if (!unit.waitForReadyRead(10000))
        qFatal("rv23-bench: rv23-sim did not start");
    const QString port = QString::fromUtf8(unit.readLine()).trimmed().section(QLatin1Char(' '), 1);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QDir(folder).filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(folder).filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("rv23.*=false"));
    // Set for the bench's own units: a terminal of one that has ended may be this unit's now.
    environment.remove(QStringLiteral("RV23_EXTRA_PORTS"));
    environment.insert(QStringLiteral("RV23_PLUGIN"), programs.plugin);
    rusage usage{};
    QElapsedTimer timer;
    timer.start();
    if (!runMeasured(programs.ctl,
                     {QStringLiteral("--port"), port, QStringLiteral("events"), QStringLiteral("-o"),
                      QDir(folder).filePath(QStringLiteral("events.csv"))},
                     environment.toStringList(), &usage))
        qFatal("rv23-bench: rv23ctl events failed with %d events", events);
    const double ms = timer.nsecsElapsed() / 1e6;

    unit.write("quit\n");
    unit.closeWriteChannel();
    if (!unit.waitForFinished(10000))
        qFatal("rv23-bench: rv23-sim did not quit");
    const QRegularExpressionMatch waited =
        QRegularExpression(QStringLiteral("waited-ms=(\\d+)")).match(QString::fromUtf8(unit.readAllStandardOutput()));
    return {ms, usage.ru_maxrss / 1024.0, waited.captured(1).toDouble()};
}

Measurement exportRow(const QString& folder, int events, bool paced, int runs, const QString& target,
                      const HostPrograms& programs)
{
    const QString name = QStringLiteral("host: load and export the history, %L1 events%2")
                             .arg(events)
                             .arg(paced ? QStringLiteral(" at 115200 baud") : QString());
    return {name, target, runs, [folder, events, paced, programs] {
                const HostRun run = loadAndExport(folder, events, paced, programs);
                if (!paced)
                    peaks[events] = qMax(peaks.value(events), run.peakMiB);
                return Measurement::Sample{run.ms, fixedLoadSleepsMs + run.waitedMs};
            }};
}

} // namespace

QVector<Measurement> hostExports(const QString& folder, const HostPrograms& programs)
{
    QVector<Measurement> rows;
    for (int events : sizes)
        rows.append(exportRow(folder, events, false, 3, events == longest ? QStringLiteral("< 10000 ms") : QStringLiteral("-"),
                              programs));
    rows.append(exportRow(folder, longest, true, 1, QStringLiteral("< 1.1 x floor"), programs));
    return rows;
}

QString hostPeaks()
{
    QStringList parts;
    for (auto it = peaks.cbegin(); it != peaks.cend(); ++it)
        parts.append(QStringLiteral("%L1 events %2 MiB").arg(it.key()).arg(it.value(), 0, 'f', 1));
    return QStringLiteral("Peak resident memory of rv23ctl events (load and history export): ") + parts.join(QStringLiteral(", "))
        + QStringLiteral(" (target: under 100 MB at 20,000)");
}

} // namespace EventLogRows
