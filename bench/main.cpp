// rv23-bench: how fast the module is where speed matters, as one table of medians and p95s.
#include "batchwriterow.h"
#include "buildtree.h"
#include "eventlogrows.h"
#include "measurement.h"
#include "recordrows.h"

#include "framework/item.h"
#include "link/linktypes.h"
#include "link/localconnector.h"
#include "module/rv_23.h"
#include "sim/simulatorthread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <memory>

#include <sys/resource.h>

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

QJsonObject pageDescription()
{
    QFile file(QStringLiteral(":/RV23.json"));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

std::unique_ptr<Framework::Item> buildTree(const QJsonObject& description)
{
    auto top = std::make_unique<Framework::Item>(QStringLiteral("app.rv-23.topItem"), nullptr);
    for (const char* page : {"inputs", "outputs", "settings", "informations", "events"})
        new Framework::Item(QLatin1String(page), top.get(), description.value(QLatin1String(page)).toObject(), -1);
    return top;
}

// A connector connected to a simulated unit that answers at once, driven from this thread.
class ConnectedUnit final
{
public:
    explicit ConnectedUnit(Sim::Options options)
        : unit(std::move(options))
    {
        if (!unit.start())
            qFatal("rv23-sim: %s", qPrintable(unit.errorString()));
        qputenv("RV23_EXTRA_PORTS", unit.portPath().toLocal8Bit());
        DeviceInfo found;
        QObject::connect(&connector, &moduleRV_23::LocalConnector::deviceFound,
                         [&found](const DeviceInfo& info) { found = info; });
        connector.getSerialDevices();
        connector.deviceSelected(found);
        connector.connectDevice();
    }

    // One status exchange, through the public poll.
    void exchange() { static_cast<moduleRV_23::Connector&>(connector).ping(true); }
    void uploadFirmware(const QString& path) { connector.uploadFirmware(path); }

    // The Events page's reload: the log read again and shown in eventsItem's table. The floor is
    // the two settling pauses around the read.
    Measurement::Sample reloadEvents(Framework::Item* eventsItem)
    {
        QElapsedTimer timer;
        timer.start();
        connector.reloadEvents();
        connector.loadEvents(eventsItem);
        return Measurement::Sample{elapsedMs(timer), eventSettlingMs};
    }
    Sim::Stats stats() const { return unit.stats(); }

private:
    static constexpr double eventSettlingMs = 1100 + 1500;

    Sim::SimulatorThread unit;
    moduleRV_23::LocalConnector connector;
};

// The module connected to a simulated unit the way the host connects it.
class ModuleOnUnit final
{
public:
    explicit ModuleOnUnit(const Sim::Options& options)
        : unit(options)
    {
        if (!unit.start())
            qFatal("rv23-sim: %s", qPrintable(unit.errorString()));
        qputenv("RV23_EXTRA_PORTS", unit.portPath().toLocal8Bit());
        widget.reset(module.createWidget());
        while (const DeviceInfo* found = module.nextFoundDevice())
            *module.deviceInfo() = *found;
        if (!module.connectDevice(Common::Local))
            qFatal("rv23-bench: the simulated unit did not connect");
    }
    ~ModuleOnUnit() { module.disconnectDevice(); }

    double waitedMs() const { return unit.stats().waitedUs / 1000.0; }
    int commands() const { return unit.stats().commands; }

    // A full load; stall gets the longest time the GUI thread did not serve its events.
    Measurement::Sample load(double* stall)
    {
        const double waitedBefore = waitedMs();
        QElapsedTimer beat;
        double longest = 0;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            longest = std::max(longest, beat.nsecsElapsed() / 1e6);
            beat.restart();
        });
        QElapsedTimer timer;
        timer.start();
        beat.start();
        heartbeat.start(10);
        if (module.loadConfiguration(QByteArray()) == Module::Device::LoadFailed)
            qFatal("rv23-bench: load failed");
        const double ms = elapsedMs(timer);
        if (stall)
            *stall = longest;
        return {ms, fixedLoadSleepsMs + waitedMs() - waitedBefore};
    }

    // What the module hands the host to keep after a load: its saved-configuration text.
    QByteArray savedText()
    {
        load(nullptr);
        QByteArray text;
        const auto caught = QObject::connect(&module, &Module::Device::requestConfigurationSaveSignal,
                                             [&text](const QString& configuration) { text = configuration.toUtf8(); });
        module.configurationSaveRequest();
        QObject::disconnect(caught);
        return text;
    }

    // Imports a web-portal text as edits and saves it; the time per command beyond the unit's own.
    Measurement::Sample save(const QByteArray& portalText)
    {
        load(nullptr);
        module.showImportedConfigurations(portalText, module.importFileTypes().value(0));
        const double waitedBefore = waitedMs();
        const int commandsBefore = commands();
        QElapsedTimer timer;
        timer.start();
        if (!module.saveToDevice())
            qFatal("rv23-bench: save failed");
        const double ms = elapsedMs(timer) - (waitedMs() - waitedBefore);
        return {ms / std::max(1, commands() - commandsBefore)};
    }

private:
    // The load's deliberate pauses: after the texts, after the event log, before the fill.
    static constexpr double fixedLoadSleepsMs = 500 + 1500 + 1000;

    Sim::SimulatorThread unit;
    moduleRV_23::RV_23 module;
    std::unique_ptr<QWidget> widget;
};

// An image of the simulator's format, 256 KiB, in a firmware file of its own.
// A unit whose every memory cell answers 60,000 characters: the fields mark such values, they
// do not work on them character by character, so the load stays near the normal one.
Measurement longCellsLoad()
{
    Sim::Options options;
    options.longCells = 60000;
    ModuleOnUnit unit(options);
    Measurement row(QStringLiteral("load: against over-long cells (60,000 characters)"),
                    QStringLiteral("< 2 x the load above"), 3, [&unit] { return unit.load(nullptr); });
    row.execute();
    return row;
}

QString firmwareFile(const QTemporaryDir& folder)
{
    QByteArray image = "#RV-23 behaviour=005 firmware=2.15.0401\n";
    image.append(256 * 1024 - image.size(), '\x5a');
    QFile file(folder.filePath(QStringLiteral("RV-23.dwl")));
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// The floor of an upload: what the paced unit waited on purpose (wire time both ways, flash
// write, restart), the two application stop steps, which wait out their 30 s deadlines, and the
// 2 s the configuration reload sleeps.
Measurement::Sample firmwareUpload(const QString& path)
{
    Sim::Options options;
    options.pace = true;
    ConnectedUnit unit(options);
    const Sim::Stats before = unit.stats();
    QElapsedTimer timer;
    timer.start();
    unit.uploadFirmware(path);
    const double waitedMs = (unit.stats().waitedUs - before.waitedUs) / 1000.0;
    return Measurement::Sample{elapsedMs(timer), waitedMs + 2 * 30000 + 2000};
}

// Looked up before any measurement, so that a missing one is told at once.
HostPrograms hostPrograms()
{
    BuildTree tree;
    HostPrograms found{tree.find(QStringLiteral(RV23_SIM_PROGRAM)), tree.find(QStringLiteral(RV23CTL_PROGRAM)),
                       tree.find(QStringLiteral(RV23_PLUGIN_FILE))};
    if (!tree.report().isEmpty())
        qFatal("%s", qPrintable(tree.report()));
    return found;
}

// The highest resident memory of rv23ctl, a host like praxon without its window, over a full
// load of the simulated unit with its 320 events: plug-in, item tree, pages and all.
double hostPeakMiB(const QTemporaryDir& folder, const HostPrograms& programs)
{
    const QString& ctl = programs.ctl;
    QProcess unit;
    unit.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unit.start(programs.simulator,
               {QStringLiteral("--state"), folder.filePath(QStringLiteral("unit.json"))});
    if (!unit.waitForReadyRead(10000))
        qFatal("rv23-bench: rv23-sim did not start");
    const QString port = QString::fromUtf8(unit.readLine()).trimmed().section(QLatin1Char(' '), 1);
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    // The plug-in of this build, not one installed elsewhere, and only the unit started here:
    // the in-process units of the other measurements announce their ports in RV23_EXTRA_PORTS.
    environment.insert(QStringLiteral("RV23_PLUGIN"), programs.plugin);
    environment.remove(QStringLiteral("RV23_EXTRA_PORTS"));
    host.setProcessEnvironment(environment);
    host.start(ctl, {QStringLiteral("--port"), port, QStringLiteral("read"), QStringLiteral("-o"),
                     folder.filePath(QStringLiteral("read.json"))});
    if (!host.waitForFinished(60000) || host.exitStatus() != QProcess::NormalExit || host.exitCode() != 0)
        qFatal("rv23-bench: %s read failed (exit code %d): %s", qPrintable(ctl), host.exitCode(),
               host.readAllStandardError().right(2000).constData());
    // Taken before the simulator is reaped, so only the host counts.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    unit.terminate();
    unit.waitForFinished(10000);
    return usage.ru_maxrss / 1024.0;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

int recordsOnly(const QByteArray& configuration, QTextStream& out)
{
    QTemporaryDir folder;
    QVector<Measurement> rows = RecordRows::sqlite(folder.path(), configuration);
    out << Measurement::header() << '\n';
    for (Measurement& row : rows) {
        row.execute();
        out << row.row() << '\n';
    }
    out << '\n' << RecordRows::fillNote() << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "rv23.*=false");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    moduleRV_23::registerLinkTypes();
    const QJsonObject description = pageDescription();
    std::unique_ptr<Framework::Item> tree = buildTree(description);
    QTextStream out(stdout);
    // "rv23-bench records": the unit records' rows alone, without a unit.
    if (app.arguments().value(1) == QLatin1String("records"))
        return recordsOnly(ModuleOnUnit(Sim::Options{}).savedText(), out);
    const HostPrograms programs = hostPrograms();
    ConnectedUnit unit(Sim::Options{});
    const QJsonObject saved = QJsonDocument::fromJson(tree->toJsonString().toUtf8()).object();
    const std::unique_ptr<Framework::Item> shown = buildTree(description);

    QVector<Measurement> table = {
        {QStringLiteral("transport: one status exchange, unit answering at once"), QStringLiteral("< 2 ms"), 200,
         [&unit] {
             QElapsedTimer timer;
             timer.start();
             unit.exchange();
             return Measurement::Sample{elapsedMs(timer), 0};
         }},
        {QStringLiteral("item tree: build from the page description"), QStringLiteral("< 30 ms"), 50,
         [&description] {
             QElapsedTimer timer;
             timer.start();
             const auto built = buildTree(description);
             return Measurement::Sample{elapsedMs(timer)};
         }},
        {QStringLiteral("item tree: toJsonString and fromJson"), QStringLiteral("< 10 ms"), 50,
         [&tree, &saved] {
             QElapsedTimer timer;
             timer.start();
             const QString text = tree->toJsonString();
             tree->fromJson(saved, false, false);
             return Measurement::Sample{elapsedMs(timer)};
         }},
        {QStringLiteral("module: createWidget (tree, pages, bindings)"), QStringLiteral("< 150 ms"), 20,
         [] {
             moduleRV_23::RV_23 module;
             QElapsedTimer timer;
             timer.start();
             std::unique_ptr<QWidget> widget(module.createWidget());
             return Measurement::Sample{elapsedMs(timer)};
         }},
        {QStringLiteral("events: reload and show the whole log"), QStringLiteral("< floor + 100 ms"), 5,
         [&unit, &shown] { return unit.reloadEvents(shown->child(QStringLiteral("events"))); }},
    };

    QByteArray savedConfiguration;
    {
        ModuleOnUnit quick(Sim::Options{});
        savedConfiguration = quick.savedText();
        double stall = 0;
        table.append({QStringLiteral("load: whole configuration, unit answering at once"),
                      QStringLiteral("< floor + 600 ms"), 5, [&quick] { return quick.load(nullptr); }});
        table.append({QStringLiteral("load: longest GUI-thread stall (10 ms heartbeat)"), QStringLiteral("< 50 ms"), 5,
                      [&quick, &stall] {
                          quick.load(&stall);
                          return Measurement::Sample{stall};
                      }});
        const QByteArray full = readFile(QStringLiteral(RV23_SOURCE_DIR "/tests/portal/golden_full.txt"));
        const QByteArray empty = readFile(QStringLiteral(RV23_SOURCE_DIR "/tests/portal/golden_empty.txt"));
        int run = 0;
        table.append({QStringLiteral("save: fully edited configuration, overhead per command"),
                      QStringLiteral("< 2 ms"), 6,
                      [&quick, &full, &empty, &run] { return quick.save(++run % 2 ? full : empty); }});
        for (int row = table.size() - 3; row < table.size(); ++row)
            table[row].execute();
    }
    table.append(longCellsLoad());
    {
        Sim::Options paced;
        paced.pace = true;
        ModuleOnUnit slow(paced);
        table.append({QStringLiteral("load: whole configuration at 115200 baud"), QStringLiteral("< 1.1 x floor"), 3,
                      [&slow] { return slow.load(nullptr); }});
        table.last().execute();
    }
    QTemporaryDir batchFolder;
    table.append(BatchWriteRow::fourUnits(batchFolder.path(), programs));
    table.last().execute();
    // Over a minute and a half a run.
    QTemporaryDir firmwareFolder;
    const QString firmware = firmwareFile(firmwareFolder);
    table.append({QStringLiteral("firmware: 256 KiB upload to a paced unit"), QStringLiteral("< 1.1 x floor"), 3,
                  [&firmware] { return firmwareUpload(firmware); }});
    table.last().execute();

    // Before the long logs' hosts: the peak of all children so far is taken.
    QTemporaryDir hostFolder;
    const double peakMiB = hostPeakMiB(hostFolder, programs);
    QTemporaryDir eventLogFolder;
    for (Measurement& row : EventLogRows::hostExports(eventLogFolder.path(), programs)) {
        row.execute();
        table.append(row);
    }

    QTemporaryDir recordsFolder;
    for (Measurement& row : RecordRows::sqlite(recordsFolder.path(), savedConfiguration)) {
        row.execute();
        table.append(row);
    }

    out << Measurement::header() << '\n';
    for (int row = 0; row < 5; ++row)
        table[row].execute();
    for (const Measurement& measurement : table)
        out << measurement.row() << '\n';
    out << "\nPeak resident memory of rv23ctl read (a full load): " << QString::number(peakMiB, 'f', 1) << " MiB\n";
    out << EventLogRows::hostPeaks() << '\n';
    out << RecordRows::fillNote() << '\n';
    return 0;
}
