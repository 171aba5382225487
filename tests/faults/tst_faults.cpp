#include "messagerecorder.h"

#include "framework/model.h"
#include "module/configuration.h"
#include "module/rv_23.h"
#include "sim/simulatorthread.h"

#include "tests/support/testfiles.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>

using moduleRV_23::RV_23;

namespace {

enum class Operation { Connect, Load, Save, Events, Service, Firmware };

// How an operation ends, in its own terms:
// connect: Done connected, Failed refused, NotFound no unit announced;
// load: Done Loaded with the unit's values, Stale LoadedModified (a cell kept its old value),
//   Failed LoadFailed;
// save: Done every edit reached the unit and the reload is Loaded, Stale the unit refused one and
//   the reload is LoadedModified, Failed saveToDevice false or, since the answers to writes are
//   not examined, the reload after it failed;
// events: Done the whole log is shown, Stale the log was refused and the table is empty, Failed the
//   reload told the host that no log came, or the link was lost;
// service: Done the relay switched and the GSM part restarted, Stale the relay command was refused;
// firmware: Done the upload succeeded and the unit runs the new image, Stale it succeeded but the
//   unit kept its old image, Failed the upload failed.
// Unexpected: none of these, or the operation could not even be set up.
enum class Outcome { Done, Stale, Failed, NotFound, Unexpected };

// A command that waits out its deadline costs the 3000 ms deadline plus one 3000 ms read slice.
const int stalledCommandMs = 6000;
// A unit that stopped answering is given up after this many silent exchanges.
const int silentExchangeLimit = 3;
// The poll runs every 3000 ms; a failing one ends after its deadline and read slice.
const int pollFailureMs = 3000 + stalledCommandMs;
// Upper bounds of a healthy operation on a loaded machine: the fixed sleeps of the connector
// (a load sleeps 3 s, an event reload 2.6 s) plus some 300 exchanges, with a wide margin.
int operationBoundMs(Operation operation)
{
    // Connect: one search wait, the handshake. Save: a load before and after. Firmware: two
    // deadlines waited out by rule, the download, a load.
    const int bounds[] = {5000 + 10000, 30000, 40000, 15000, 15000, 2 * 33000 + 30000};
    return bounds[int(operation)];
}

const QString communicationError = QStringLiteral("app.rv23.communicationerror");

QStringList faultAt(int command, const QString& kind)
{
    return {QStringLiteral("--fault"), QStringLiteral("%1:%2").arg(command).arg(kind)};
}

QString armAt(int command, const QString& kind)
{
    return QStringLiteral("fault %1:%2").arg(command).arg(kind);
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Outcome)

// Each operation of the module, driven through Module::Device as the host drives it, against a
// simulated unit that misbehaves in one way: the module must end connected and consistent or
// disconnected with the right message, within the line's deadlines, keep the host's stored text
// untouched, and connect and load again once a healthy unit is there.
class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void operationUnderFault_data();
    void operationUnderFault();

private:
    bool startUnit(const QStringList& arguments);
    bool connectUnit(bool* found = nullptr);
    QString saveRequest();
    Outcome connectOutcome();
    Outcome loadOutcome();
    Outcome saveOutcome();
    Outcome eventsOutcome();
    Outcome serviceOutcome();
    Outcome firmwareOutcome();
    Outcome run(Operation operation);
    bool loadedFieldsMatchUnit() const;

    QTemporaryDir dir;
    std::unique_ptr<Sim::SimulatorThread> unit;
    MessageRecorder messages;
    std::unique_ptr<RV_23> module;
    QPointer<QWidget> widget;
    // The host's store: the text the module last handed over for saving.
    QByteArray store;
    QByteArray factoryText;
    QString armedFault;
    int unitsStarted = 0;
    const QByteArray shortLogState = R"({"events": [
        {"code": 12, "source": 0, "time": "2024-01-08T07:12:05"},
        {"code": 0, "source": 0, "time": "2024-01-08T09:30:00"},
        {"code": 4, "source": 0, "time": "2024-01-08T09:31:10"},
        {"code": 8, "source": 143, "time": "2024-01-09T18:02:44"},
        {"code": 10, "source": 0, "time": "2024-01-09T18:03:14"}]})";
    QTimer watchdog;
    bool overran = false;
};

void TestFaults::initTestCase()
{
    QVERIFY(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    module = std::make_unique<RV_23>();
    widget = module->createWidget();
    QVERIFY(widget);
    connect(module.get(), &RV_23::requestConfigurationSaveSignal, this,
            [this](const QString& text) { store = text.toUtf8(); });

    // A pulled plug ends every wait on the line, so an operation that overruns its bound ends
    // and its row fails instead of holding the suite.
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [this] {
        overran = true;
        if (unit)
            unit->control(QStringLiteral("unplug"));
    });

    // The host's store starts with the text of a healthy unit's configuration.
    QVERIFY(startUnit({}));
    QVERIFY(connectUnit());
    QCOMPARE(module->loadConfiguration(QByteArray()), RV_23::Loaded);
    factoryText = saveRequest().toUtf8();
    QVERIFY(!factoryText.isEmpty());
    module->disconnectDevice();
    QVERIFY(messages.shown.isEmpty());
}

void TestFaults::cleanupTestCase()
{
    if (module)
        module->disconnectDevice();
    delete widget;
    module.reset();
    unit.reset();
    qunsetenv("RV23_EXTRA_PORTS");
}

void TestFaults::cleanup()
{
    watchdog.stop();
    if (module->isConnected())
        module->disconnectDevice();
    unit.reset();
    messages.shown.clear();
}

// A factory unit with a short event log: every load and event reload writes each record into
// the page's items, which would dominate the suite's time with the factory log of 320.
bool TestFaults::startUnit(const QStringList& arguments)
{
    const QString statePath = dir.filePath(QStringLiteral("unit%1.json").arg(++unitsStarted));
    if (!Testing::writeFile(statePath, shortLogState))
        return false;
    Sim::Options options;
    QString error;
    const QStringList common = {"rv23-sim", "--state", statePath, "--serial", "23F00001", "--gap-ms", "0",
                                "--restart-ms", "100"};
    if (!Sim::Options::parse(common + arguments, &options, &error)) {
        qWarning().noquote() << error;
        return false;
    }
    unit = std::make_unique<Sim::SimulatorThread>(options);
    if (!unit->start())
        return false;
    qputenv("RV23_EXTRA_PORTS", unit->portPath().toLocal8Bit());
    return true;
}

// The search and the handshake, as the host does them for the one unit on offer.
bool TestFaults::connectUnit(bool* found)
{
    QList<DeviceInfo> units;
    while (const DeviceInfo* next = module->nextFoundDevice())
        units.append(*next);
    if (found)
        *found = !units.isEmpty();
    if (units.size() != 1)
        return false;
    *module->deviceInfo() = units.first();
    return module->connectDevice(Common::Local);
}

// The container's Save button: the module hands the host its text to store.
QString TestFaults::saveRequest()
{
    QSignalSpy handedOver(module.get(), &RV_23::requestConfigurationSaveSignal);
    module->configurationSaveRequest();
    return handedOver.size() == 1 ? handedOver.first().first().toString() : QString();
}

bool TestFaults::loadedFieldsMatchUnit() const
{
    const Sim::UnitState state = unit->state();
    const auto text = [this](const char* name) { return widget->findChild<QLineEdit*>(name)->text(); };
    return text("leSMSOnA") == state.memory[64] && text("leSMSOffD") == state.memory[71]
        && text("lePIN") == state.memory[54] && text("leServiceNumber") == state.memory[108];
}

Outcome TestFaults::connectOutcome()
{
    bool found = false;
    const bool connected = connectUnit(&found);
    return connected ? Outcome::Done : found ? Outcome::Failed : Outcome::NotFound;
}

Outcome TestFaults::loadOutcome()
{
    const RV_23::ConfigurationLoadResult loaded = module->loadConfiguration(store);
    if (loaded == RV_23::LoadFailed)
        return Outcome::Failed;
    return loaded == RV_23::Loaded && loadedFieldsMatchUnit() ? Outcome::Done : Outcome::Stale;
}

// The host's order: the text is stored first, then written to the unit, then the host reports
// that it stored it and loads again when the module asks.
Outcome TestFaults::saveOutcome()
{
    if (module->loadConfiguration(store) != RV_23::Loaded)
        return Outcome::Unexpected;
    auto* onText = widget->findChild<QLineEdit*>("leSMSOnA");
    onText->clear();
    QTest::keyClicks(onText, "ALARM GARAZ");
    auto* call = widget->findChild<QCheckBox*>("cbCallB");
    call->click();
    const QString callB = call->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    const QString handedOver = saveRequest();
    if (!handedOver.contains(QLatin1String("ALARM GARAZ")) || store != handedOver.toUtf8())
        return Outcome::Unexpected;

    if (!armedFault.isEmpty() && !unit->control(armedFault))
        return Outcome::Unexpected;
    QSignalSpy reloadAsked(module.get(), &RV_23::requestConfigurationLoadSignal);
    const bool written = module->saveToDevice();
    module->configurationSaved(true);
    if (!written)
        return Outcome::Failed;
    if (reloadAsked.size() != 1)
        return Outcome::Unexpected;
    const RV_23::ConfigurationLoadResult reloaded = module->loadConfiguration(store);
    if (reloaded == RV_23::LoadFailed)
        return Outcome::Failed;
    const Sim::UnitState state = unit->state();
    const bool unitHasEdits = state.memory[64] == QLatin1String("ALARM GARAZ") && state.memory[247] == callB;
    if (unitHasEdits && reloaded == RV_23::Loaded)
        return Outcome::Done;
    return !unitHasEdits && reloaded == RV_23::LoadedModified ? Outcome::Stale : Outcome::Unexpected;
}

// The Events tab: the host refreshes the unit, which reloads the log; the page then shows it.
Outcome TestFaults::eventsOutcome()
{
    QSignalSpy history(module.get(), &RV_23::historyAvaliable);
    module->refreshDevice();
    module->loadEvents();
    // One answer to the reload and one to the page's request.
    if (!QTest::qWaitFor([&] { return history.size() >= 2 || !module->isConnected(); },
                         operationBoundMs(Operation::Events)))
        return Outcome::Unexpected;
    if (!module->isConnected() || !history.first().first().toBool())
        return Outcome::Failed;
    const int rows = module->configurationObject()->eventsModel()->rowCount();
    if (rows == unit->state().events.size())
        return Outcome::Done;
    return rows <= 1 ? Outcome::Stale : Outcome::Unexpected;
}

// The Settings page's GSM restart and the Outputs page's relay test, then a poll the host asks
// for; the module shows what the unit did.
Outcome TestFaults::serviceOutcome()
{
    auto* gsm = widget->findChild<QPushButton*>("pbResetGSM");
    auto* relay = widget->findChild<QPushButton*>("pbInOutX");
    if (!gsm || !relay || !gsm->isEnabled() || !relay->isEnabled() || unit->state().relays[0])
        return Outcome::Unexpected;
    const int logged = unit->state().events.size();
    const int commands = unit->stats().commands;
    QSignalSpy outputs(module.get(), &RV_23::outputStatesSignal);
    gsm->click();
    relay->click();
    module->refreshDevice();
    // The three commands reached the unit, or the line went.
    if (!QTest::qWaitFor([&] { return unit->stats().commands >= commands + 3 || !module->isConnected(); },
                         pollFailureMs))
        return Outcome::Unexpected;
    const bool relayOn = unit->state().relays[0];
    const auto shownX = [&](int state) {
        return !outputs.isEmpty() && outputs.last().first().value<QList<IoState>>().value(0).state == state;
    };
    if (!QTest::qWaitFor([&] { return shownX(relayOn ? 2 : 0) || !module->isConnected(); }, pollFailureMs))
        return Outcome::Unexpected;
    if (!module->isConnected())
        return Outcome::Failed;
    const auto gsmRestarted = [&] {
        const QVector<Sim::EventRecord> events = unit->state().events;
        return std::any_of(events.begin() + logged, events.end(), [](const auto& e) { return e.code == 17; });
    };
    if (!QTest::qWaitFor(gsmRestarted, pollFailureMs))
        return Outcome::Unexpected;
    return relayOn ? Outcome::Done : Outcome::Stale;
}

Outcome TestFaults::firmwareOutcome()
{
    const QString path = dir.filePath(QStringLiteral("small.dwl"));
    if (!Testing::writeFile(path, "#RV-23 behaviour=005\n" + QByteArray(300, 'Z')))
        return Outcome::Unexpected;
    if (!module->uploadFirmware(path))
        return Outcome::Failed;
    return unit->state().behaviourVersion == QLatin1String("005") ? Outcome::Done : Outcome::Stale;
}

// Every operation but the save, which makes its edits first, meets its fault from its start.
Outcome TestFaults::run(Operation operation)
{
    if (operation != Operation::Save && !armedFault.isEmpty() && !unit->control(armedFault))
        return Outcome::Unexpected;
    using Outcomes = Outcome (TestFaults::*)();
    const Outcomes outcomes[] = {&TestFaults::connectOutcome, &TestFaults::loadOutcome, &TestFaults::saveOutcome,
                                 &TestFaults::eventsOutcome,  &TestFaults::serviceOutcome, &TestFaults::firmwareOutcome};
    return (this->*outcomes[int(operation)])();
}

namespace {

const QStringList none;
const QStringList lost = {communicationError};
const auto C = Operation::Connect;
const auto L = Operation::Load;
const auto S = Operation::Save;
const auto E = Operation::Events;
const auto V = Operation::Service;
const auto F = Operation::Firmware;

// Faults an operation rides out as if the line were healthy: garbage, NUL bytes, a 64 KiB line
// without end and a +WIND storm each just before the answer to the given command (counted from
// power-on for the connect, from the operation's start otherwise), and a paced line.
void addHarmlessRows(Operation operation, const char* name, const std::array<int, 4>& before)
{
    const char* kinds[] = {"garbage", "nul", "long-line", "wind-storm"};
    const bool fromPowerOn = operation == Operation::Connect;
    for (std::size_t i = 0; i < before.size(); ++i) {
        QTest::addRow("%s, %s before the answer to command %d: ignored", name, kinds[i], before[i])
            << operation << (fromPowerOn ? faultAt(before[i], kinds[i]) : none)
            << (fromPowerOn ? QString() : armAt(before[i], kinds[i])) << 0 << Outcome::Done << true << none;
    }
    QTest::addRow("%s, paced line: slower, the same", name)
        << operation << QStringList{QStringLiteral("--pace")} << QString() << 0 << Outcome::Done << true << none;
}

// Rows that end within seconds.
void addQuickRows()
{
    // Connect: the search sends ATE1, the status request and a memory read (commands 1..3), the
    // handshake one status poll (4).
    QTest::newRow("connect, unplugged in the search: found, but the port cannot be opened")
        << C << faultAt(2, "unplug") << QString() << 0 << Outcome::Failed << false << lost;
    QTest::newRow("connect, echo merged into ATE1's answer: taken all the same")
        << C << faultAt(1, "merge-echo") << QString() << 0 << Outcome::Done << true << none;
    QTest::newRow("connect, status refused in the search: no serial number, nothing found")
        << C << faultAt(2, "oaterror=9") << QString() << 0 << Outcome::NotFound << false << none;
    QTest::newRow("connect, poll refused with 13: connected, the unit's error shown")
        << C << faultAt(4, "oaterror=13") << QString() << 0 << Outcome::Done << true
        << QStringList{"app.rv23.err.simerror"};
    // The poll (4), cell 1 of the probe (3), ATE1 (1), the search's status (2).
    addHarmlessRows(C, "connect", {4, 3, 1, 2});

    // Load: the poll, three modem commands, then the memory cells from 1 (command 5); cells 54
    // (lePIN), 64 (leSMSOnA) and 108 (leServiceNumber) are commands 11, 12 and 25, the event log
    // read command 299.
    QTest::newRow("load, unplugged at a cell: fails, link lost")
        << L << none << armAt(10, "unplug") << 0 << Outcome::Failed << false << lost;
    QTest::newRow("load, echo merged into cell 64: the cell keeps its old value")
        << L << none << armAt(12, "merge-echo") << 1 << Outcome::Stale << true << none;
    // A memory read waits for "+OATMEM:" or "ERROR" only: the refusal is dropped like an echo.
    QTest::newRow("load, cell 64 refused with 11: waited out, the cell keeps its old value")
        << L << none << armAt(12, "oaterror=11") << 1 << Outcome::Stale << true << none;
    // Cell 64, a cell, cell 54, cell 108.
    addHarmlessRows(L, "load", {12, 10, 11, 25});

    // Save of two edits: ATA (command 1), DNB (2); the host then loads again (3..301, the event
    // log read last).
    QTest::newRow("save, unplugged after the first write: fails, link lost")
        << S << none << armAt(1, "unplug") << 0 << Outcome::Failed << false << lost;
    QTest::newRow("save, echo merged into a write's answer: written all the same")
        << S << none << armAt(1, "merge-echo") << 1 << Outcome::Done << true << none;
    // The answers to writes are not examined: a refusal shows nothing, the reload tells.
    QTest::newRow("save, a write refused with 1: the reload differs from the store")
        << S << none << armAt(2, "oaterror=1") << 0 << Outcome::Stale << true << none;
    addHarmlessRows(S, "save", {1, 2, 2, 1});

    // Event reload: the poll (1), the log read (2).
    QTest::newRow("events, unplugged after the poll: link lost")
        << E << none << armAt(1, "unplug") << 0 << Outcome::Failed << false << lost;
    QTest::newRow("events, log read refused with 12: shown, the table stays empty")
        << E << none << armAt(2, "oaterror=12") << 0 << Outcome::Stale << true
        << QStringList{"app.rv23.err.gsmbussy"};
    // The log's echo and its records in one read do not begin like an answer: all dropped.
    QTest::newRow("events, echo merged into the log: waited out, the reload fails, the table stays empty")
        << E << none << armAt(2, "merge-echo") << 1 << Outcome::Failed << true << none;
    addHarmlessRows(E, "events", {2, 2, 2, 2});

    // Service: GSM restart (1), relay X on (2), the host's poll (3) and the log read its refresh
    // also asks for (4).
    QTest::newRow("service, unplugged after the GSM restart: link lost")
        << V << none << armAt(1, "unplug") << 0 << Outcome::Failed << false << lost;
    // The restart's echo and "OK" in one read do not begin like an answer; the unit restarts its
    // GSM part all the same. (At the relay the wait would outlast the relay's own on-time.)
    QTest::newRow("service, echo merged into the GSM restart's answer: waited out, restarted all the same")
        << V << none << armAt(1, "merge-echo") << 1 << Outcome::Done << true << none;
    QTest::newRow("service, relay command refused with 10: shown, the relay stays off")
        << V << none << armAt(2, "oaterror=10") << 0 << Outcome::Stale << true
        << QStringList{"app.rv23.err.hwproblem"};
    // The relay (2), the GSM restart (1), the poll (3), the relay.
    addHarmlessRows(V, "service", {2, 1, 3, 2});

    // Junk without end from the middle of a load: each read waits out its deadline only (the
    // junk keeps the line busy), and the third is the last.
    QTest::newRow("load, flooded with junk from a phone cell: given up, fails, link lost")
        << L << none << armAt(150, "flood") << silentExchangeLimit << Outcome::Failed << false << lost;

    // Firmware: the modem's first command is "AT+OATGSM=0"; a pulled plug ends the upload there.
    QTest::newRow("firmware, unplugged at the first command: fails, link lost")
        << F << none << armAt(1, "unplug") << 0 << Outcome::Failed << false
        << QStringList{communicationError, "app.rv23.firmware.updatefailed"};
}

// Rows that wait out deadlines by rule: a silent unit, and every upload that gets past its first
// command.
void addSlowRows()
{
    QTest::newRow("connect, silent at the handshake poll: the lost link is reported")
        << C << faultAt(4, "silent") << QString() << 1 << Outcome::Failed << false << lost;
    // A silent unit is given up after three silent exchanges, whatever is left of the operation:
    // the bound is the fault's three deadlines on top of the work before it.
    QTest::newRow("load, silent from a phone cell: given up, fails, link lost")
        << L << none << armAt(150, "silent") << silentExchangeLimit << Outcome::Failed << false << lost;
    // The last write goes unanswered; the reload that follows the save meets the silent poll.
    QTest::newRow("save, silent from the second write: given up in the reload, fails, link lost")
        << S << none << armAt(2, "silent") << silentExchangeLimit << Outcome::Failed << false << lost;
    // The reload tells the host that no log came; the next poll finds the unit gone.
    QTest::newRow("events, silent from the log read: the reload fails, link lost")
        << E << none << armAt(2, "silent") << silentExchangeLimit << Outcome::Failed << false << lost;
    // An isolated silence late in the load leaves the load to finish.
    QTest::newRow("load, silent at the event log: loaded, then the poll loses the link")
        << L << none << armAt(299, "silent") << 1 << Outcome::Done << false << lost;
    QTest::newRow("save, silent at the reload's event log: written and reloaded, then the poll loses the link")
        << S << none << armAt(301, "silent") << 1 << Outcome::Done << false << lost;
    // The relay's answer carries its own record, which shows the relay on before the poll fails.
    QTest::newRow("service, silent at the host's poll: done, then the poll loses the link")
        << V << none << armAt(3, "silent") << 1 << Outcome::Done << false << lost;

    // An upload waits out the 30 s deadlines of "AT+WOPEN=0" and "AT+WOPEN=3", whose "OK" is not
    // what they wait for. Commands: "AT+OATGSM=0" (1), "AT+WOPEN=0" (2), "AT+WOPEN=3" (3),
    // "AT+WDWL" (4), the download, "AT+CFUN=1" (5), "AT+WOPEN=1" (6), "AT+OATGSM=1" (7), then the
    // load of the whole memory (8..305, the event log read last).
    // A step that waits out its 60 s deadline and a read slice, in ordinary stalled commands.
    const int longStall = (60000 + 3000) / stalledCommandMs + 1;
    QTest::newRow("firmware, silent at the closing event log read: installed, then the poll loses the link")
        << F << none << armAt(305, "silent") << 1 << Outcome::Done << false << lost;
    // The switch-off waits for "+WIND: 0" or "ERROR": the refusal is dropped and, after the
    // 60 s deadline, the step counts as passed.
    QTest::newRow("firmware, GSM switch-off refused with 22: waited out, installed, nothing shown")
        << F << none << armAt(1, "oaterror=22") << longStall << Outcome::Done << true << none;
    // "AT+WDWL" with "+WDWL: 0" in one read does not begin like an answer, so the download is
    // not seen to start: the upload fails, and its recovery commands go to the waiting receiver.
    QTest::newRow("firmware, echo merged into the download command's answer: fails, nothing installed")
        << F << none << armAt(4, "merge-echo") << 1 + longStall << Outcome::Failed << false
        << QStringList{"app.rv23.firmware.updatefailed"};
    // The download command (4), the GSM switch-off (1), the application start (6), the
    // switch-off again, which waits for "+WIND: 0": the modem's other indications are not it.
    addHarmlessRows(F, "firmware", {4, 1, 6, 1});
}

} // namespace

void TestFaults::operationUnderFault_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QStringList>("unitOptions");   // from power-on
    QTest::addColumn<QString>("armed");             // at the start of the operation, counted from there
    QTest::addColumn<int>("stalls");                // commands that wait out their deadline
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("connectedAfter");
    QTest::addColumn<QStringList>("shown");

    // The long rows run as a test of their own (tst_faults_slow).
    if (qEnvironmentVariable("RV23_FAULTS") == QLatin1String("slow"))
        addSlowRows();
    else
        addQuickRows();
}

void TestFaults::operationUnderFault()
{
    QFETCH(Operation, operation);
    QFETCH(QStringList, unitOptions);
    QFETCH(QString, armed);
    QFETCH(int, stalls);
    QFETCH(Outcome, outcome);
    QFETCH(bool, connectedAfter);
    QFETCH(QStringList, shown);
    store = factoryText;

    // Given a connected unit (except for the connect itself)
    QVERIFY(startUnit(unitOptions));
    if (operation != Operation::Connect)
        QVERIFY(connectUnit());
    armedFault = armed;
    const QByteArray storedBefore = store;
    QSignalSpy saveRequests(module.get(), &RV_23::requestConfigurationSaveSignal);

    // When the operation meets the fault
    const int boundMs = operationBoundMs(operation) + stalls * stalledCommandMs;
    overran = false;
    watchdog.start(boundMs);
    const Outcome result = run(operation);
    watchdog.stop();
    QVERIFY2(!overran, qPrintable(QStringLiteral("the operation overran its bound of %1 ms").arg(boundMs)));

    // Then it ends as specified, and the module with it
    QCOMPARE(result, outcome);
    if (connectedAfter) {
        // A poll the host asks for shows the connector alive and the line usable.
        QSignalSpy status(module.get(), &RV_23::outputStatesSignal);
        module->refreshDevice();
        QVERIFY2(status.wait(pollFailureMs), "the connector no longer polls the unit");
        QVERIFY(module->isConnected());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!module->isConnected(), pollFailureMs + stalledCommandMs);
    }
    QStringList texts;
    for (const auto& request : messages.shown)
        texts.append(request.text);
    QCOMPARE(texts, shown);

    // The host's store holds what the module last handed over, byte for byte.
    QCOMPARE(saveRequests.size(), operation == Operation::Save ? 1 : 0);
    if (operation != Operation::Save)
        QCOMPARE(store, storedBefore);

    // And a module that lost its unit connects and loads again once a healthy one is there (one
    // that stayed connected has just shown its poll working; the next row connects it anew).
    if (connectedAfter)
        return;
    messages.shown.clear();
    QVERIFY(startUnit({}));
    QVERIFY(connectUnit());
    QCOMPARE(module->loadConfiguration(store), store == factoryText ? RV_23::Loaded : RV_23::LoadedModified);
    QVERIFY(loadedFieldsMatchUnit());
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
