#include "messagerecorder.h"

#include "link/connector.h"
#include "module/rv_23.h"
#include "sim/simulatorthread.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

using moduleRV_23::RV_23;

namespace {

// A connector of another kind, answering the handshake as it is told.
class FakeConnector final : public moduleRV_23::Connector
{
    Q_OBJECT

public:
    explicit FakeConnector(ConnectionResult answer)
        : answer(answer)
    {
    }

public slots:
    void testOutput(int) override {}
    void load(Framework::Item*) override {}
    void save(Framework::Item*) override {}
    void resetInputCounter(int) override {}
    void resetOutputCounter(int) override {}
    void disconnectDevice() override {}
    void connectDevice() override { emit connectionResult(answer); }
    void resetSentSms() override {}
    void resetSentServiceSms() override {}
    void resetDevice() override {}
    void ping(bool) override {}

private:
    ConnectionResult answer;
};

QList<DeviceInfo> searchAll(RV_23& module)
{
    QList<DeviceInfo> found;
    while (const DeviceInfo* next = module.nextFoundDevice())
        found.append(*next);
    return found;
}

std::unique_ptr<Sim::SimulatorThread> startUnit(const QString& serial, int unplugAfter = 0)
{
    Sim::Options options;
    options.serial = serial;
    options.unplugAfter = unplugAfter;
    auto unit = std::make_unique<Sim::SimulatorThread>(options);
    if (!unit->start())
        return nullptr;
    return unit;
}

void offerPorts(const QStringList& paths)
{
    qputenv("RV23_EXTRA_PORTS", paths.join(';').toLocal8Bit());
}

// Finds the unit with serial and connects to it the way the host does.
bool connectTo(RV_23& module, const QString& serial)
{
    for (const DeviceInfo& unit : searchAll(module)) {
        if (unit.serialNumber == serial) {
            *module.deviceInfo() = unit;
            return module.connectDevice(Common::Local);
        }
    }
    return false;
}

QList<int> states(const QList<IoState>& list)
{
    QList<int> values;
    for (const IoState& state : list)
        values.append(state.state);
    return values;
}

} // namespace

// The module's search, connection and supervision, driven through Module::Device as the host
// drives it, against the simulated unit.
class TestConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void findsConnectsAndPollsTheUnit();
    void afterTheLastUnitTheSearchEndsWithoutWaiting();
    void searchWithoutUnitsEndsAndCanStartAgain();
    void sourcesWithoutDevice_data();
    void sourcesWithoutDevice();
    void firmwareUnsupportedAnswer_data();
    void firmwareUnsupportedAnswer();
    void unitErrorTexts_data();
    void unitErrorTexts();
    void lostLineDisconnectsAndAllowsANewConnection();
    void lineLostWhileConnectingFails();

private:
    QTemporaryDir settingsDir;
};

void TestConnection::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

void TestConnection::cleanup()
{
    qunsetenv("RV23_EXTRA_PORTS");
}

void TestConnection::findsConnectsAndPollsTheUnit()
{
    auto unit = startUnit("123456");
    QVERIFY(unit);
    offerPorts({unit->portPath()});
    MessageRecorder messages;
    RV_23 module;

    const QList<DeviceInfo> found = searchAll(module);
    QCOMPARE(found.size(), 1);
    const Sim::UnitState state = unit->state();
    QCOMPARE(found[0].serialNumber, QStringLiteral("123456"));
    QCOMPARE(found[0].firmwareVersion, state.firmware);
    QCOMPARE(found[0].behaviourVersion, state.behaviourVersion);
    QCOMPARE(found[0].modelName, QStringLiteral("RV-23"));

    *module.deviceInfo() = found[0];
    QSignalSpy outputs(&module, &RV_23::outputStatesSignal);
    QSignalSpy inputs(&module, &RV_23::inputStatesSignal);
    QVERIFY(module.connectDevice(Common::Local));
    QVERIFY(module.isConnected());

    QVERIFY(outputs.wait(5000));
    QCOMPARE(states(outputs.last().at(0).value<QList<IoState>>()),
             QList<int>({state.relays[0] ? 2 : 0, state.relays[1] ? 2 : 0}));
    QCOMPARE(inputs.size(), outputs.size());

    // The next poll, 3 s later, reports what changed on the unit meanwhile.
    QVERIFY(unit->control("input A 1"));
    QVERIFY(unit->control("input D 1"));
    QVERIFY(unit->control("input B 0"));
    QVERIFY(unit->control("input C 0"));
    inputs.clear();
    QVERIFY(inputs.wait(5000));
    QCOMPARE(states(inputs.last().at(0).value<QList<IoState>>()), QList<int>({2, 0, 0, 2}));

    QSignalSpy connection(&module, &RV_23::connectionStateChangedSignal);
    module.disconnectDevice();
    QVERIFY(!module.isConnected());
    QCOMPARE(connection.size(), 1);
    QVERIFY(messages.shown.isEmpty());
}

void TestConnection::afterTheLastUnitTheSearchEndsWithoutWaiting()
{
    auto first = startUnit("111111");
    auto second = startUnit("222222");
    QVERIFY(first && second);
    offerPorts({first->portPath(), second->portPath()});
    RV_23 module;

    QList<QString> serials;
    for (const DeviceInfo& unit : searchAll(module))
        serials.append(unit.serialNumber);
    std::sort(serials.begin(), serials.end());
    QCOMPARE(serials, QList<QString>({"111111", "222222"}));

    // A second search scans again and finds both again.
    QCOMPARE(searchAll(module).size(), 2);
}

void TestConnection::searchWithoutUnitsEndsAndCanStartAgain()
{
    offerPorts({});
    RV_23 module;
    QVERIFY(!module.nextFoundDevice());
    QVERIFY(!module.nextFoundDevice());
}

void TestConnection::sourcesWithoutDevice_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("result");

    QTest::newRow("offline is usable without a unit") << int(Common::Offline) << true;
    QTest::newRow("remote without a connector") << int(Common::Remote) << false;
    QTest::newRow("unknown value") << 7 << false;
}

void TestConnection::sourcesWithoutDevice()
{
    QFETCH(int, source);
    QFETCH(bool, result);
    MessageRecorder messages;
    RV_23 module;

    QCOMPARE(module.connectDevice(static_cast<Common::ConfigurationSource>(source)), result);
    QVERIFY(!module.isConnected());
    QVERIFY(messages.shown.isEmpty());
}

void TestConnection::firmwareUnsupportedAnswer_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");

    QTest::newRow("declined: usable, not connected") << int(QMessageBox::No) << true;
    // The upgrade needs a local unit; a remote one cannot take it.
    QTest::newRow("accepted: upgrade fails") << int(QMessageBox::Yes) << false;
}

void TestConnection::firmwareUnsupportedAnswer()
{
    QFETCH(int, answer);
    QFETCH(bool, result);
    MessageRecorder messages;
    messages.answerWith(static_cast<QMessageBox::StandardButton>(answer));
    RV_23 module;
    auto* thread = new QThread;
    auto* remote = new FakeConnector(FirmwareUnsupported);
    remote->moveToThread(thread);
    thread->start();
    module.useConnector(remote, thread);

    QCOMPARE(module.connectDevice(Common::Remote), result);
    QVERIFY(!module.isConnected());
    QCOMPARE(messages.shown.first().text, QStringLiteral("app.rv23.firmware.unsupporteddoupdate"));
    QCOMPARE(messages.shown.first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(messages.shown.first().icon, QMessageBox::Warning);
}

void TestConnection::unitErrorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("0 initialisation") << 0 << "app.rv23.err.initializationfailed";
    QTest::newRow("25 has no err. segment") << 25 << "app.rv23.badsmsformat";
    QTest::newRow("28 last in the table") << 28 << "app.rv23.err.nospacetosave";
    QTest::newRow("2 gap in the table") << 2 << "err.errno 2";
    QTest::newRow("29 past the table") << 29 << "err.errno 29";
}

void TestConnection::unitErrorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    MessageRecorder messages;
    RV_23 module;
    QSignalSpy state(&module, &RV_23::connectionStateChangedSignal);

    module.bailOut(code);

    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].text, text);
    QCOMPARE(messages.shown[0].title, QStringLiteral("app.critical"));
    QCOMPARE(messages.shown[0].buttons, QMessageBox::Ok);
    QVERIFY(state.isEmpty());
}

void TestConnection::lostLineDisconnectsAndAllowsANewConnection()
{
    auto unit = startUnit("123456");
    QVERIFY(unit);
    offerPorts({unit->portPath()});
    MessageRecorder messages;
    RV_23 module;
    QVERIFY(connectTo(module, "123456"));

    QSignalSpy state(&module, &RV_23::connectionStateChangedSignal);
    QVERIFY(unit->control("unplug"));
    QTRY_VERIFY_WITH_TIMEOUT(!module.isConnected(), 10000);
    QVERIFY(!state.isEmpty());
    QCOMPARE(state.first().at(0).value<ConnectionState>(), Disconnected);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].text, QStringLiteral("app.rv23.communicationerror"));

    auto replacement = startUnit("654321");
    QVERIFY(replacement);
    offerPorts({replacement->portPath()});
    QVERIFY(connectTo(module, "654321"));
    QVERIFY(module.isConnected());
}

void TestConnection::lineLostWhileConnectingFails()
{
    // Discovery takes three commands; the line goes before the handshake's first poll.
    auto unit = startUnit("123456", 3);
    QVERIFY(unit);
    offerPorts({unit->portPath()});
    MessageRecorder messages;
    RV_23 module;

    QVERIFY(!connectTo(module, "123456"));
    QVERIFY(!module.isConnected());
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].text, QStringLiteral("app.rv23.communicationerror"));
}

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
