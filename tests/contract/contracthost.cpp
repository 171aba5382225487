// A host written against Module::Device alone: it loads the plug-in file, runs one seeded call
// sequence against rv23-sim and checks the contract after every call. It ends by returning from
// main, deleting nothing the sequence left alive. Exit status 0 when every check held.
//   contract-host SEED|STEPS PLUGIN SIMULATOR FOLDER  (STEPS as callsequence.h describes)
#include "callsequence.h"

#include "host/device.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPluginLoader>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// The longest a call may keep the host: a load's fixed pauses and the line's answer deadlines,
// with room for a loaded machine.
int deadlineMs(Call call)
{
    switch (call) {
    case Call::Search:
    case Call::SearchWhileConnected:
    case Call::Connect:
        return 20000;
    case Call::Load:
    case Call::SaveRequested:
    case Call::SaveUnrequested:
        return 40000;
    case Call::Upload:
        return 60000;
    default:
        return 10000;
    }
}

class Host final : public QObject
{
public:
    Host(const QString& plugin, const QString& simulator, const QString& folder);

    bool run(const QList<Step>& steps);

private:
    void perform(const Step& step);
    void interrupt(Meanwhile what);
    bool check(const Step& step, qint64 tookMs);
    void search();
    void useInstance();
    void deleteInstance();
    bool isConnected() const;
    void fail(const QString& why);

    QPluginLoader loader;
    QProcess unit;
    QString folder;
    QString port;
    QPointer<Module::Device> device;
    QPointer<QWidget> widget;
    DeviceInfo chosen;
    QString stored;
    QString offered;
    bool reportedDown = false;
    bool connectedByCall = false;
    bool inSaveRequest = false;
    bool failed = false;
};

Host::Host(const QString& plugin, const QString& simulator, const QString& folder)
    : loader(plugin)
    , folder(folder)
{
    unit.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unit.start(simulator, {QStringLiteral("--state"), folder + QStringLiteral("/unit.json"),
                           QStringLiteral("--serial"), QStringLiteral("23TORT01")});
    if (unit.waitForReadyRead(10000))
        port = QString::fromUtf8(unit.readLine()).trimmed().section(QLatin1Char(' '), 1);
    qputenv("RV23_EXTRA_PORTS", port.toLocal8Bit());
    QFile firmware(folder + QStringLiteral("/RV-23.dwl"));
    if (firmware.open(QIODevice::WriteOnly))
        firmware.write(QByteArray(1024, '\x5a'));
    // The technician: every message box is answered No (an upgrade offer) or closed.
    auto* user = new QTimer(this);
    connect(user, &QTimer::timeout, this, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::No);
    });
    user->start(20);
}

void Host::fail(const QString& why)
{
    std::fprintf(stderr, "CONTRACT BROKEN: %s\n", qPrintable(why));
    failed = true;
}

bool Host::isConnected() const
{
    bool connected = false;
    if (device)
        QMetaObject::invokeMethod(device, "isConnected", Qt::DirectConnection, Q_RETURN_ARG(bool, connected));
    return connected;
}

void Host::useInstance()
{
    if (device)
        return;
    device = qobject_cast<Module::Device*>(loader.instance());
    if (!device)
        return fail(QStringLiteral("no instance: ") + loader.errorString());
    reportedDown = false;
    connectedByCall = false;
    connect(device, &Module::Device::connectionStateChangedSignal, this, [this](ConnectionState state) {
        reportedDown = state == Disconnected;
    });
    connect(device, &Module::Device::requestConfigurationSaveSignal, this, [this](const QString& text) {
        if (!inSaveRequest)
            fail(QStringLiteral("a save text offered unasked"));
        offered = text;
    });
}

// The instance's destructor serves events while its thread ends, this host's timers among them:
// the instance counts as gone from the start, or a timer would delete it a second time.
void Host::deleteInstance()
{
    Module::Device* doomed = device;
    device = nullptr;
    delete doomed;
}

void Host::search()
{
    // The host's own timers may delete the instance while it searches.
    while (const DeviceInfo* found = device ? device->nextFoundDevice() : nullptr) {
        if (!found->serialNumber.isEmpty())
            chosen = *found;
    }
}

void Host::interrupt(Meanwhile what)
{
    switch (what) {
    case Meanwhile::DeleteInstance:
        deleteInstance();
        break;
    case Meanwhile::Disconnect:
        if (device)
            device->disconnectDevice();
        break;
    case Meanwhile::Unplug:
        unit.write("unplug\n");
        break;
    case Meanwhile::Nothing:
        break;
    }
}

void Host::perform(const Step& step)
{
    useInstance();
    if (!device)
        return;
    if (step.meanwhile != Meanwhile::Nothing)
        QTimer::singleShot(step.afterMs, this, [this, what = step.meanwhile] { interrupt(what); });
    switch (step.call) {
    case Call::CreateWidget:
        widget = device->createWidget();
        if (!widget)
            return fail(QStringLiteral("no widget"));
        device->applyStyle(QStringLiteral(RV23_SOURCE_DIR "/resources/"));
        widget->show();
        break;
    case Call::Search:
        search();
        std::fprintf(stderr, "FOUND %s\n", qPrintable(chosen.serialNumber));
        if (device && !chosen.serialNumber.isEmpty())
            *device->deviceInfo() = chosen;
        break;
    case Call::SearchWhileConnected:
        search();
        break;
    case Call::Connect:
        if (device->connectDevice(Common::Local))
            connectedByCall = true, reportedDown = false;
        break;
    case Call::Load:
        device->loadConfiguration(stored.toUtf8());
        break;
    case Call::SaveRequested: {
        offered.clear();
        inSaveRequest = true;
        device->configurationSaveRequest();
        inSaveRequest = false;
        if (offered.isEmpty() || !device)
            break;
        const bool saved = device->saveToDevice();
        if (saved && device && !isConnected())
            fail(QStringLiteral("a save reported taken without a unit"));
        if (saved)
            stored = offered;
        if (device)
            device->configurationSaved(saved);
        break;
    }
    case Call::SaveUnrequested:
        if (device->saveToDevice() && device && !isConnected())
            fail(QStringLiteral("a save reported taken without a unit"));
        break;
    case Call::ReloadEvents:
        device->refreshDevice();
        break;
    case Call::Upload:
        device->uploadFirmware(folder + QStringLiteral("/RV-23.dwl"));
        break;
    case Call::Disconnect:
        device->disconnectDevice();
        break;
    case Call::Unplug:
        unit.write("unplug\n");
        unit.waitForBytesWritten(1000);
        break;
    case Call::DeleteWidget:
        delete widget.data();
        break;
    case Call::DeleteInstance:
        deleteInstance();
        break;
    case Call::LeaveEverything:
        break;
    }
}

bool Host::check(const Step& step, qint64 tookMs)
{
    if (tookMs > deadlineMs(step.call))
        fail(QStringLiteral("%1 took %2 ms").arg(step.text()).arg(tookMs));
    const bool connected = isConnected();
    if (connected && (reportedDown || !connectedByCall))
        fail(QStringLiteral("connected, yet reported disconnected or never connected"));
    if (!connected && device)
        connectedByCall = false;
    return !failed;
}

bool Host::run(const QList<Step>& steps)
{
    if (port.isEmpty()) {
        fail(QStringLiteral("rv23-sim did not start"));
        return false;
    }
    QElapsedTimer clock;
    for (const Step& step : steps) {
        std::fprintf(stderr, "CALL %s\n", qPrintable(step.text()));
        clock.start();
        perform(step);
        const qint64 took = clock.elapsed();
        std::fprintf(stderr, "TOOK %lld ms\n", took);
        if (!check(step, took))
            return false;
        // Whatever the host's event loop would serve between two clicks.
        QCoreApplication::processEvents();
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 5)
        return 2;
    bool isSeed = false;
    QRandomGenerator random(QByteArray(argv[1]).toUInt(&isSeed));
    const QList<Step> steps = isSeed ? callSequence(random) : parsedSequence(QString::fromLocal8Bit(argv[1]));
    if (steps.isEmpty())
        return 2;
    Host host(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    const bool held = host.run(steps);
    // Nothing of the plug-in is deleted here: its instance, its widget and the library are left
    // to the process's end, as many hosts do.
    return held ? 0 : 1;
}
