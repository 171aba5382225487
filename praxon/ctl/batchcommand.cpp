#include "batchcommand.h"

#include "console.h"

#include "praxon/core/configurationdiff.h"
#include "praxon/core/hostsession.h"
#include "praxon/core/privatefile.h"
#include "praxon/core/refusalreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <cstdio>

namespace Ctl {

using Batch::BatchPlan;
using Batch::BatchSummary;

namespace {

constexpr int redrawMs = 500;

const char* const portsVariable = "RV23_EXTRA_PORTS";

QStringList serials(const QList<DeviceInfo>& units)
{
    QStringList result;
    for (const DeviceInfo& unit : units)
        result << unit.serialNumber;
    return result;
}

} // namespace

BatchCommand::BatchCommand(const Options& options, Praxon::HostSession& session, QObject* parent)
    : QObject(parent)
    , options(options)
    , session(session)
{
}

int BatchCommand::run()
{
    return options.arguments.first() == QLatin1String("write") ? write() : read();
}

int BatchCommand::fail(int code, const QString& message) const
{
    Console::error(QStringLiteral("rv23ctl: ") + message);
    return code;
}

int BatchCommand::write()
{
    const QString& templatePath = options.arguments.at(1);
    QFile file(templatePath);
    if (QFileInfo(templatePath).suffix().compare(QLatin1String("rv23"), Qt::CaseInsensitive) != 0)
        return fail(UsageError, QStringLiteral("batch write takes a saved configuration (.rv23), not %1").arg(templatePath));
    if (!file.open(QIODevice::ReadOnly))
        return fail(UsageError, QStringLiteral("cannot read %1: %2").arg(templatePath, file.errorString()));
    const QByteArray text = file.readAll();
    if (QJsonDocument::fromJson(text).object().isEmpty())
        return fail(UsageError, QStringLiteral("%1 is no saved configuration").arg(templatePath));
    Batch::OverrideTable overrides;
    int code = Success;
    if (!readOverrides(templatePath, &overrides, &code))
        return code;
    session.disconnectUnit();
    const QList<BatchPlan::Unit> units = findUnits();
    if (units.isEmpty())
        return fail(UnitFailure, QStringLiteral("no RV-23 unit found"));
    QTemporaryDir folder;
    BatchPlan plan(units, childGlobals());
    if (!folder.isValid() || !plan.planWrites(text, overrides, folder.path(), options.yes))
        return fail(UsageError, folder.isValid() ? plan.errorString() : folder.errorString());
    const QList<BatchPlan::Job> jobs = acceptedJobs(templatePath, plan.jobs());
    if (!writeFiles(jobs))
        return UnitFailure;
    runJobs(jobs, true);
    Console::out(summary.table());
    return summary.exitCode();
}

int BatchCommand::read()
{
    if (!QDir().mkpath(options.output))
        return fail(UsageError, QStringLiteral("cannot make the folder %1").arg(options.output));
    const QList<BatchPlan::Unit> units = findUnits();
    if (units.isEmpty())
        return fail(UnitFailure, QStringLiteral("no RV-23 unit found"));
    BatchPlan plan(units, childGlobals());
    plan.planReads(options.output);
    runJobs(plan.jobs(), false);
    Console::out(summary.table());
    return summary.exitCode();
}

// The module does not tell on which port it found a unit, so each port is searched alone; units
// on the system's own ports show in every search and are told apart by a search without extras.
QList<BatchPlan::Unit> BatchCommand::findUnits()
{
    const QByteArray saved = qgetenv(portsVariable);
    const QStringList entries = options.ports.isEmpty()
                                    ? QString::fromLocal8Bit(saved).split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                    : options.ports;
    qputenv(portsVariable, QByteArray());
    const QStringList system = serials(session.search());
    QList<BatchPlan::Unit> units;
    QStringList found;
    if (options.ports.isEmpty()) {
        for (const QString& serial : system)
            units << BatchPlan::Unit{serial, QString()};
        found = system;
    }
    for (const QString& entry : entries) {
        qputenv(portsVariable, entry.toLocal8Bit());
        const QStringList here = serials(session.search());
        for (const QString& serial : here) {
            if (!system.contains(serial) && !found.contains(serial))
                units << BatchPlan::Unit{serial, entry};
            found << serial;
        }
    }
    qputenv(portsVariable, saved);
    return units;
}

QStringList BatchCommand::childGlobals() const
{
    QStringList globals;
    if (!options.language.isEmpty())
        globals << QStringLiteral("--lang") << options.language;
    if (!options.pluginPath.isEmpty())
        globals << QStringLiteral("--plugin") << QFileInfo(options.pluginPath).absoluteFilePath();
    return globals;
}

bool BatchCommand::readOverrides(const QString& templatePath, Batch::OverrideTable* table, int* code)
{
    if (!session.openOffline(templatePath)) {
        *code = fail(UnitFailure, session.errorString());
        return false;
    }
    const Praxon::RefusalReport refusal(session.device());
    if (!refusal.isEmpty()) {
        for (const QString& line : refusal.lines())
            Console::error(QStringLiteral("rv23ctl: refused: ") + line);
        *code = fail(Refused, QStringLiteral("%1 in %2; no unit was written").arg(refusal.summary(), templatePath));
        return false;
    }
    if (options.overrides.isEmpty())
        return true;
    QMap<QString, QJsonValue> fields;
    Praxon::ConfigurationDiff::settings(session.snapshot(), &fields);
    QFile file(options.overrides);
    if (!file.open(QIODevice::ReadOnly)) {
        *code = fail(UsageError, QStringLiteral("cannot read %1: %2").arg(options.overrides, file.errorString()));
        return false;
    }
    if (!table->parse(file.readAll(), fields)) {
        *code = fail(UsageError, QStringLiteral("%1: %2; no unit was written").arg(options.overrides, table->errorString()));
        return false;
    }
    return true;
}

QList<BatchPlan::Job> BatchCommand::acceptedJobs(const QString& templatePath, const QList<BatchPlan::Job>& jobs)
{
    const QString filter = Praxon::HostSession::filterFor(session.device()->importFileTypes(), templatePath);
    QList<BatchPlan::Job> accepted;
    for (const BatchPlan::Job& job : jobs) {
        session.openOffline(templatePath);
        session.importConfiguration(job.settings, filter);
        const Praxon::RefusalReport refusal(session.device());
        if (refusal.isEmpty()) {
            accepted << job;
            continue;
        }
        for (const QString& line : refusal.lines())
            Console::error(QStringLiteral("rv23ctl: refused: %1 (unit %2)").arg(line, job.unit.serial));
        summary.add({job.unit.serial, job.unit.port, Refused, 0, 0,
                     QStringLiteral("%1: %2").arg(refusal.summary(), refusal.lines().join(QStringLiteral("; ")))});
    }
    session.disconnectUnit();
    return accepted;
}

bool BatchCommand::writeFiles(const QList<BatchPlan::Job>& jobs)
{
    for (const BatchPlan::Job& job : jobs) {
        QString error;
        if (!Praxon::writePrivateFile(job.file, job.settings, &error)) {
            fail(UnitFailure, error);
            return false;
        }
    }
    return true;
}

void BatchCommand::runJobs(const QList<BatchPlan::Job>& jobs, bool writes)
{
    QVector<BatchSummary::Row> rows(jobs.size());
    QVector<bool> unreached(jobs.size(), false);
    QVector<int> all;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, &BatchCommand::drawProgress);
    if (Console::errorIsTerminal())
        ticker.start(redrawMs);
    for (int i = 0; i < jobs.size(); ++i) {
        progress << Progress{jobs.at(i).unit.serial, writes ? QStringLiteral("connecting") : QStringLiteral("reading"), {}, -1};
        progress.last().clock.start();
        all << i;
    }
    runChildren(jobs, all, writes, &rows, &unreached);
    // A search by serial number passes over a port that another child holds open for a moment, so
    // a unit can go unfound, or its port be taken, while its neighbours are probed. A child that
    // failed before it printed anything wrote nothing: it is run once more, alone, when the others
    // are done. Should it fail as early again, the first failure's row stands.
    for (int i = 0; i < jobs.size(); ++i) {
        if (!unreached.at(i))
            continue;
        const BatchSummary::Row first = rows.at(i);
        progress[i].finishedAfter = -1;
        progress[i].state = QStringLiteral("trying again alone");
        runChildren(jobs, {i}, writes, &rows, &unreached);
        if (unreached.at(i))
            rows[i] = first;
    }
    for (const BatchSummary::Row& row : qAsConst(rows))
        summary.add(row);
}

void BatchCommand::runChildren(const QList<BatchPlan::Job>& jobs, const QVector<int>& which, bool writes,
                               QVector<BatchSummary::Row>* rows, QVector<bool>* unreached)
{
    int running = which.size();
    QEventLoop loop;
    for (const int i : which) {
        const BatchPlan::Job& job = jobs.at(i);
        auto* child = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(portsVariable), job.unit.port);
        child->setProcessEnvironment(environment);
        const auto finish = [=, &running, &loop](int code) {
            const BatchSummary::Child done{job.unit.serial, job.unit.port, writes, progress.at(i).clock.elapsed()};
            const QString out = QString::fromLocal8Bit(child->readAllStandardOutput());
            (*rows)[i] = BatchSummary::fromChild(done, code, out, QString::fromLocal8Bit(child->readAllStandardError()));
            (*unreached)[i] = code == UnitFailure && out.isEmpty();
            progress[i].finishedAfter = done.milliseconds;
            const QString error = rows->at(i).error;
            setState(i, BatchSummary::result(code) + (error.isEmpty() ? QString() : QStringLiteral(": ") + error));
            if (--running == 0)
                loop.quit();
        };
        // The changes are printed before they are written.
        connect(child, &QProcess::readyReadStandardOutput, this, [=] {
            const int changes = QString::fromLocal8Bit(child->peek(child->bytesAvailable())).count(QLatin1String(" -> "));
            const QString state = changes == 1 ? QStringLiteral("writing 1 setting")
                                               : QStringLiteral("writing %1 settings").arg(changes);
            if (changes > 0 && progress.at(i).state != state)
                setState(i, state);
        });
        connect(child, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
                [=](int code, QProcess::ExitStatus status) { finish(status == QProcess::NormalExit ? code : -1); });
        connect(child, &QProcess::errorOccurred, this, [=](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finish(-1);
        });
        child->start(QCoreApplication::applicationFilePath(), job.arguments);
        setState(i, progress.at(i).state);
    }
    if (running > 0)
        loop.exec();
}

// On a terminal the lines are redrawn in place; elsewhere each change is a line of its own.
void BatchCommand::setState(int index, const QString& state)
{
    progress[index].state = state;
    if (Console::errorIsTerminal())
        drawProgress();
    else
        Console::error(QStringLiteral("%1: %2").arg(progress.at(index).serial, state));
}

void BatchCommand::drawProgress()
{
    QString text = linesDrawn > 0 ? QStringLiteral("\033[%1A").arg(linesDrawn) : QString();
    for (const Progress& unit : qAsConst(progress)) {
        const qint64 ms = unit.finishedAfter >= 0 ? unit.finishedAfter : unit.clock.elapsed();
        text += QStringLiteral("\r\033[K%1 %2 s  %3\n").arg(unit.serial, -12).arg(ms / 1000.0, 5, 'f', 1).arg(unit.state);
    }
    std::fputs(text.toLocal8Bit().constData(), stderr);
    linesDrawn = progress.size();
}

} // namespace Ctl
