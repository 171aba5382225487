#include "batchwriterow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <memory>
#include <vector>

namespace BatchWriteRow {

namespace {

constexpr int unitCount = 4;

// Four units answering at once, each on its own link in the folder.
class Bench final
{
public:
    Bench(const QString& folder, const HostPrograms& programs)
        : folder(folder)
        , programs(programs)
    {
        for (int number = 1; number <= unitCount; ++number) {
            auto unit = std::make_unique<QProcess>();
            // Nobody reads its debug lines while the host runs: a full pipe would stop the unit.
            unit->setStandardErrorFile(QProcess::nullDevice());
            unit->start(programs.simulator, {QStringLiteral("--state"), path(QStringLiteral("unit%1.json").arg(number)),
                                             QStringLiteral("--serial"), QStringLiteral("23BEN00%1").arg(number),
                                             QStringLiteral("--link"), path(QStringLiteral("port%1").arg(number))});
            if (!unit->waitForReadyRead(10000))
                qFatal("rv23-bench: rv23-sim did not start");
            units.push_back(std::move(unit));
        }
    }
    ~Bench()
    {
        for (const auto& unit : units) {
            unit->terminate();
            unit->waitForFinished(10000);
        }
    }

    // Every write changes two texts on each unit, so that no run finds the units done already.
    double write(int count)
    {
        ++runs;
        QFile file(path(QStringLiteral("template.rv23")));
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral(R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"RUN %1"}},)"
                                  R"("gbInputB":{"leSMSOnB":{"_value":"RUN %1"}}}})")
                       .arg(runs).toUtf8());
        file.close();
        QStringList arguments;
        for (int number = 1; number <= count; ++number)
            arguments << QStringLiteral("--port") << path(QStringLiteral("port%1").arg(number));
        arguments << QStringLiteral("batch") << QStringLiteral("write") << file.fileName();
        QProcess host;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        environment.insert(QStringLiteral("RV23_PLUGIN"), programs.plugin);
        environment.remove(QStringLiteral("RV23_EXTRA_PORTS"));
        host.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        host.start(programs.ctl, arguments);
        if (!host.waitForFinished(120000) || host.exitStatus() != QProcess::NormalExit || host.exitCode() != 0)
            qFatal("rv23-bench: batch write to %d units failed: %s", count, (host.readAllStandardOutput() + host.readAllStandardError()).right(2000).constData());
        return timer.nsecsElapsed() / 1e6;
    }

private:
    QString path(const QString& name) const { return QDir(folder).filePath(name); }

    QString folder;
    HostPrograms programs;
    std::vector<std::unique_ptr<QProcess>> units;
    int runs = 0;
};

} // namespace

Measurement fourUnits(const QString& folder, const HostPrograms& programs)
{
    auto bench = std::make_shared<Bench>(folder, programs);
    return {QStringLiteral("batch write: four units at once (floor: one unit alone)"),
            QStringLiteral("< 1.5 x floor"), 3, [bench] {
                const double one = bench->write(1);
                return Measurement::Sample{bench->write(unitCount), one};
            }};
}

} // namespace BatchWriteRow
