#include "messagerecorder.h"

#include "framework/item.h"
#include "link/connector.h"
#include "module/configuration.h"
#include "module/rv_23.h"
#include "sim/simulatorthread.h"

#include "tests/support/testfiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
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

// A simulated unit, offered to the search as the only port besides the machine's own; with a
// log path, it appends every line it receives there.
std::unique_ptr<Sim::SimulatorThread> startUnit(const QString& serial, const QString& logPath = QString())
{
    Sim::Options options;
    options.serial = serial;
    options.logPath = logPath;
    auto unit = std::make_unique<Sim::SimulatorThread>(options);
    if (!unit->start())
        return nullptr;
    qputenv("RV23_EXTRA_PORTS", unit->portPath().toLocal8Bit());
    return unit;
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

Framework::Item* field(RV_23& module, const QString& path)
{
    return module.configurationObject()->topItem()->findChild<Framework::Item*>("app.rv-23.topItem." + path);
}

QByteArray savedSettings(const QString& path, const QJsonValue& value)
{
    QJsonObject object{{"_value", value}};
    const QStringList names = path.split('.');
    for (auto name = names.crbegin(); name != names.crend(); ++name)
        object = QJsonObject{{*name, object}};
    return QJsonDocument(object).toJson();
}

QByteArray portalField(const QByteArray& key, const QByteArray& value)
{
    return "<fieldset><input type=\"text\" name=\"0[" + key + "]\" value=\"" + value + "\"></fieldset>\n";
}

QString information(const RV_23& module, const char* row)
{
    const Framework::Item* values = module.configurationObject()->informations()->child(QStringLiteral("values"));
    return values->child(QLatin1String(row))->currentValue().toString();
}

// The state texts of the inputs and relays, each with whether it carries a live colour.
QStringList shownStates(const RV_23& module)
{
    QStringList shown;
    for (const Framework::Item* page : {module.configurationObject()->inputs(), module.configurationObject()->outputs()}) {
        for (const Framework::Item* item : page->findChildren<Framework::Item*>()) {
            if (item->shortName().startsWith("leStav") && item->command().isEmpty())
                shown << item->currentValue().toString() + (item->foreground().isValid() ? "+colour" : "");
        }
    }
    return shown;
}

QList<int> states(const QVariant& list)
{
    QList<int> values;
    for (const IoState& state : list.value<QList<IoState>>())
        values.append(state.state);
    return values;
}

} // namespace

// The module object driven through Module::Device as the host drives it, mostly against the
// simulated unit: search, connection and supervision, load and save, the firmware check.
class TestRV23 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void extendedFlagRoundTrips();
    void findsConnectsAndPollsTheUnit();
    void connectsWithoutALocalUnit_data();
    void connectsWithoutALocalUnit();
    void unitErrorTexts_data();
    void unitErrorTexts();
    void loadShowsTheUnitsValues_data();
    void loadShowsTheUnitsValues();
    void checkComparesVersionNumbers_data();
    void checkComparesVersionNumbers();
    void failedUploadDisconnects();
    void hostileValuesAreMarkedNotChanged_data();
    void hostileValuesAreMarkedNotChanged();
    void builderRefusesWhatTheTreeHolds();

private:
    QString defaultFirmwareFile() const { return systemDir.path() + "/Tessaline/Praxon/firmware/RV-23.dwl"; }

    QTemporaryDir userDir;
    QTemporaryDir systemDir;
};

void TestRV23::initTestCase()
{
    QVERIFY(userDir.isValid() && systemDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, systemDir.path());
}

void TestRV23::cleanup()
{
    qunsetenv("RV23_EXTRA_PORTS");
}

// The view flag lives in the host's settings; the module writes it back when it goes.
void TestRV23::extendedFlagRoundTrips()
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Tessaline/Praxon", "Praxon");
    for (const bool stored : {false, true}) {
        settings.clear();
        if (stored)
            settings.setValue("RV-23/extended", true);
        settings.sync();
        QCOMPARE(RV_23().extendedView(), stored);
        settings.sync();
        QVERIFY(settings.contains("RV-23/extended"));
        QCOMPARE(settings.value("RV-23/extended").toBool(), stored);
    }
}

// After the last unit the search ends at once; the next search scans the ports again.
void TestRV23::findsConnectsAndPollsTheUnit()
{
    auto unit = startUnit("123456");
    auto other = startUnit("222222");
    QVERIFY(unit && other);
    qputenv("RV23_EXTRA_PORTS", (unit->portPath() + ';' + other->portPath()).toLocal8Bit());
    MessageRecorder messages;
    RV_23 module;
    const std::unique_ptr<QWidget> widget(module.createWidget());

    QList<DeviceInfo> found;
    for (int search = 0; search < 2; ++search) {
        found = searchAll(module);
        std::sort(found.begin(), found.end(),
                  [](const DeviceInfo& a, const DeviceInfo& b) { return a.serialNumber < b.serialNumber; });
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[1].serialNumber, QStringLiteral("222222"));
    }
    const Sim::UnitState state = unit->state();
    const QStringList first{found[0].serialNumber, found[0].firmwareVersion, found[0].behaviourVersion, found[0].modelName};
    QCOMPARE(first, QStringList({"123456", state.firmware, state.behaviourVersion, "RV-23"}));

    *module.deviceInfo() = found[0];
    QSignalSpy inputs(&module, &RV_23::inputStatesSignal);
    QVERIFY(module.connectDevice(Common::Local));
    QVERIFY(module.isConnected());

    // Connecting again keeps the open line, which goes on being polled.
    QSignalSpy connection(&module, &RV_23::connectionStateChangedSignal);
    QVERIFY(module.connectDevice(Common::Local));
    QVERIFY(module.isConnected());
    inputs.clear();
    QVERIFY(unit->control("input B 1"));
    QTRY_VERIFY_WITH_TIMEOUT(!inputs.isEmpty() && states(inputs.last().at(0)).value(1) == 2, 5000);

    // Nothing of the unit stays on show for the next one, nor are its last states shown as live.
    QVERIFY(!information(module, "serial").isEmpty());
    QVERIFY(shownStates(module).contains("app.rv23.io.active+colour"));
    module.disconnectDevice();
    QVERIFY(!module.isConnected());
    QCOMPARE(connection.size(), 1);
    for (const char* row : {"imei", "serial", "firmware", "behavversion", "operator"})
        QVERIFY2(information(module, row).isEmpty(), row);
    QCOMPARE(shownStates(module), QStringList({"", "", "", "", "", ""}));
    QVERIFY(messages.shown.isEmpty());
}

void TestRV23::connectsWithoutALocalUnit_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("answer"); // to the upgrade offer; 0: there is no connector to offer it
    QTest::addColumn<bool>("result");

    QTest::newRow("offline is usable without a unit") << int(Common::Offline) << 0 << true;
    QTest::newRow("remote without a connector") << int(Common::Remote) << 0 << false;
    QTest::newRow("unknown value") << 7 << 0 << false;
    QTest::newRow("firmware unsupported, declined: usable, not connected")
        << int(Common::Remote) << int(QMessageBox::No) << true;
    // The upgrade needs a local unit; a remote one cannot take it.
    QTest::newRow("firmware unsupported, accepted: upgrade fails")
        << int(Common::Remote) << int(QMessageBox::Yes) << false;
}

// Only a connector that finds the unit's firmware unsupported makes the module show anything:
// its offer of an upgrade.
void TestRV23::connectsWithoutALocalUnit()
{
    QFETCH(int, source);
    QFETCH(int, answer);
    QFETCH(bool, result);
    MessageRecorder messages;
    RV_23 module;
    if (answer) {
        messages.answerWith(static_cast<QMessageBox::StandardButton>(answer));
        auto* thread = new QThread;
        auto* remote = new FakeConnector(FirmwareUnsupported);
        remote->moveToThread(thread);
        thread->start();
        module.useConnector(remote, thread);
    }

    QCOMPARE(module.connectDevice(static_cast<Common::ConfigurationSource>(source)), result);
    QVERIFY(!module.isConnected());
    QCOMPARE(messages.shown.size(), answer ? 1 : 0);
    if (!answer)
        return;
    QCOMPARE(messages.shown.first().text, QStringLiteral("app.rv23.firmware.unsupporteddoupdate"));
    QCOMPARE(messages.shown.first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(messages.shown.first().icon, QMessageBox::Warning);
}

void TestRV23::unitErrorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("25 has no err. segment") << 25 << "app.rv23.badsmsformat";
    QTest::newRow("28 last in the table") << 28 << "app.rv23.err.nospacetosave";
    QTest::newRow("2 gap in the table") << 2 << "err.errno 2";
    QTest::newRow("29 past the table") << 29 << "err.errno 29";
}

void TestRV23::unitErrorTexts()
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

void TestRV23::loadShowsTheUnitsValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("state");

    QTest::newRow("nothing stored: saved") << QByteArray() << int(RV_23::Loaded) << int(Saved);
    QTest::newRow("a stored text that differs: unsaved")
        << QByteArray(R"({"inputs": {"gbInputB": {"leSMSOnB": {"_value": "JINY TEXT"}}}})")
        << int(RV_23::LoadedModified) << int(Unsaved);
}

// The unit's values are shown; the state tells the host whether its stored text differs, and
// only then may the Save button hand the host a text to store.
void TestRV23::loadShowsTheUnitsValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, state);
    auto unit = startUnit("123456");
    QVERIFY(unit);
    MessageRecorder messages;
    RV_23 module;
    std::unique_ptr<QWidget> widget(module.createWidget());
    QVERIFY(connectTo(module, "123456"));

    QTEST(int(module.loadConfiguration(stored)), "result");

    QCOMPARE(widget->findChild<QLineEdit*>("leSMSOnB")->text(), unit->state().memory[65]);
    QCOMPARE(int(module.configurationState()), state);
    QSignalSpy request(&module, &RV_23::requestConfigurationSaveSignal);
    widget->findChild<QPushButton*>("saveButton")->click();
    QCOMPARE(request.size(), state == Unsaved ? 1 : 0);
    QVERIFY(messages.shown.isEmpty());
    module.disconnectDevice();
}

void TestRV23::checkComparesVersionNumbers_data()
{
    QTest::addColumn<QString>("unitVersion");
    QTest::addColumn<int>("result");

    QTest::newRow("004: the same number") << "004" << int(UpToDate);
    QTest::newRow("3: older") << "3" << int(UpdateAvailable);
    QTest::newRow("5: newer counts as different") << "5" << int(UpdateAvailable);
    QTest::newRow("empty: nothing to compare") << "" << int(UpToDate);
    QTest::newRow("not a number counts as 0") << "x4" << int(UpdateAvailable);
}

void TestRV23::checkComparesVersionNumbers()
{
    QFETCH(QString, unitVersion);
    QFETCH(int, result);
    RV_23 module;
    module.deviceInfo()->behaviourVersion = unitVersion;
    QString oldOut = QStringLiteral("old");
    QString newOut = QStringLiteral("new");

    QCOMPARE(int(module.checkFirmware(oldOut, newOut, QStringLiteral("/nowhere"))), result);
    QCOMPARE(oldOut, QStringLiteral("old"));
    QCOMPARE(newOut, QStringLiteral("new"));
}

void TestRV23::failedUploadDisconnects()
{
    qputenv("RV23_EXTRA_PORTS", "");
    MessageRecorder messages;
    RV_23 module;
    QSignalSpy requested(&module, &RV_23::uploadFirmwareSignal);
    QSignalSpy loader(&module, &RV_23::showLoaderSignal);
    QSignalSpy connection(&module, &RV_23::connectionStateChangedSignal);
    // Before any search there is no connector to upload with, and nothing to show.
    QVERIFY(!module.uploadFirmware());
    QVERIFY(messages.shown.isEmpty() && loader.isEmpty() && requested.isEmpty());

    // Given a module whose search found no unit, so that its connector is there, and no
    // firmware file in the firmware folder beside the host's system-wide settings
    QVERIFY(!module.nextFoundDevice());
    QVERIFY(!module.uploadFirmware());

    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toString(), defaultFirmwareFile());
    QCOMPARE(loader.count(), 2);
    QCOMPARE(loader.first(), (QList<QVariant>{true, QStringLiteral("app.rv23.firmware.upgrading")}));
    QCOMPARE(loader.last(), (QList<QVariant>{false, QString()}));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first().icon, QMessageBox::Critical);
    QCOMPARE(messages.shown.first().text, QStringLiteral("app.rv23.firmware.updatefailed"));
    QCOMPARE(connection.count(), 1);
    QCOMPARE(connection.first().first().value<ConnectionState>(), Disconnected);
}

QTEST_MAIN(TestRV23)
#include "tst_rv_23.moc"

enum Entrance { SavedSettings, PortalText, OfflineConfiguration };

void TestRV23::hostileValuesAreMarkedNotChanged_data()
{
    QTest::addColumn<int>("entrance");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("mark");
    QTest::addColumn<QVariant>("held");

    const QString smsA = "inputs.gbInputA.leSMSOnA";
    const QString position = "settings.gbCredit.lCreditPosition.sbCreditPosition";
    const QString onTime = "outputs.gbOutputX.teDelayX";
    const QString injected = "X\r\nAT+OATSET=\"RST\"\r\n";
    const QString longText(100000, 'x');
    const int none = 0;
    // A text without the credit fields would leave the record's zeros, which no unit was read for.
    const QByteArray credit = portalField("CRD", "*101#,7,50,3");
    const int inputError = Framework::InputError;
    const int outOfRange = Framework::OutOfRange;

    QTest::newRow("rv23: CR LF smuggling a command") << int(SavedSettings) << savedSettings(smsA, injected) << smsA
                                                     << inputError << QVariant(injected);
    QTest::newRow("rv23: quote in a text") << int(SavedSettings) << savedSettings(smsA, "A\",B") << smsA << inputError
                                           << QVariant("A\",B");
    QTest::newRow("rv23: 'twelve' as credit position") << int(SavedSettings) << savedSettings(position, "twelve")
                                                       << position << inputError << QVariant("twelve");
    QTest::newRow("rv23: 1e308 ms on-time") << int(SavedSettings) << savedSettings(onTime, 1e308) << onTime
                                            << outOfRange << QVariant(1e308);
    QTest::newRow("rv23: object as SMS text") << int(SavedSettings) << savedSettings(smsA, QJsonObject{{"a", 1}})
                                              << smsA << inputError << QVariant(QVariantMap{{"a", 1}});
    QTest::newRow("rv23: over-long text kept whole") << int(SavedSettings) << savedSettings(smsA, longText) << smsA
                                                     << outOfRange << QVariant(longText);
    QTest::newRow("rv23: comma in a service number") << int(SavedSettings)
        << savedSettings("settings.gbSIMCard.lServiceNumber.leServiceNumber", "+420,1")
        << "settings.gbSIMCard.lServiceNumber.leServiceNumber" << inputError << QVariant("+420,1");
    QTest::newRow("offline: CR LF in the dynamic configuration") << int(OfflineConfiguration)
        << savedSettings(smsA, injected) << smsA << inputError << QVariant(injected);
    QTest::newRow("portal: CR LF smuggling a command") << int(PortalText)
        << portalField("ATA", "X&#13;&#10;AT+OATSET=&quot;RST&quot;&#13;&#10;") + credit << smsA << inputError
        << QVariant(injected);
    QTest::newRow("portal: credit limit beyond its cell") << int(PortalText) << portalField("CRD", "*101#,7,70000,3")
        << "settings.gbCredit.lCreditLowLimit.sbCreditLowLimit" << outOfRange << QVariant("70000");

    QTest::newRow("valid: 30-character text") << int(SavedSettings) << savedSettings(smsA, QString(30, 'x')) << smsA
                                              << none << QVariant(QString(30, 'x'));
    QTest::newRow("valid: Czech diacritics") << int(SavedSettings) << savedSettings(smsA, "Poplach č. 2 ŽÁR") << smsA
                                             << none << QVariant("Poplach č. 2 ŽÁR");
    QTest::newRow("valid: the maximum on-time") << int(SavedSettings) << savedSettings(onTime, 36000000) << onTime
                                                << none << QVariant(36000000);
    QTest::newRow("valid: a number written as text") << int(SavedSettings) << savedSettings(position, "12")
                                                     << position << none << QVariant(12);
    QTest::newRow("valid: portal text with diacritics") << int(PortalText) << portalField("ATA", "Vloupání") + credit
                                                        << smsA << none << QVariant("Vloupání");
}

// Whichever way a value comes in, the field holds it as written: a value the rule refuses is
// marked, named for the host and blocks the save; values at the rule's edges pass.
void TestRV23::hostileValuesAreMarkedNotChanged()
{
    QFETCH(int, entrance);
    QFETCH(QByteArray, data);
    QFETCH(QString, path);
    QFETCH(int, mark);
    QFETCH(QVariant, held);
    std::unique_ptr<Sim::SimulatorThread> unit;
    if (entrance == PortalText)
        QVERIFY(unit = startUnit("123456"));
    MessageRecorder messages;
    RV_23 module;
    std::unique_ptr<QWidget> widget(module.createWidget());
    QVERIFY(unit ? connectTo(module, "123456") : module.connectDevice(Common::Offline));

    if (entrance == OfflineConfiguration)
        QCOMPARE(int(module.loadConfiguration(data)), int(RV_23::Loaded));
    else
        module.showImportedConfigurations(data, module.importFileTypes().at(entrance == PortalText ? 0 : 1));

    Framework::Item* item = field(module, path);
    QVERIFY(item);
    QTRY_COMPARE(int(item->state() & (Framework::InputError | Framework::OutOfRange)), mark);
    if (held.isValid())
        QCOMPARE(item->currentValue(), held);
    const QVariantList refused = module.refusedFields();
    QCOMPARE(refused.size(), mark ? 1 : 0);
    QSignalSpy request(&module, &RV_23::requestConfigurationSaveSignal);
    module.configurationSaveRequest();
    QCOMPARE(request.size(), mark ? 0 : 1);
    if (mark) {
        QVERIFY(refused[0].toMap()["path"].toString().endsWith(path));
        QVERIFY(!refused[0].toMap()["why"].toString().isEmpty());
        QCOMPARE(messages.shown.last().text, QStringLiteral("app.rv23.configuration.unabletosavepleasefix"));
        QCOMPARE(messages.shown.last().icon, QMessageBox::Warning);
    }
    module.disconnectDevice();
}

// Whatever the tree holds, a line break or quote never reaches the unit: the parameter is not
// sent and the save fails, while the other edits still go out.
void TestRV23::builderRefusesWhatTheTreeHolds()
{
    QTemporaryDir logDir;
    const auto unit = startUnit("123456", logDir.filePath("commands.log"));
    QVERIFY(unit);
    MessageRecorder messages;
    RV_23 module;
    std::unique_ptr<QWidget> widget(module.createWidget());
    QVERIFY(connectTo(module, "123456"));
    field(module, "inputs.gbInputA.leSMSOnA")->setCurrentValue("X\r\nAT+OATSET=\"RST\"\r\n");
    field(module, "inputs.gbInputB.leSMSOnB")->setCurrentValue("ALARM B");

    QVERIFY(!module.saveToDevice());

    const QByteArray sent = Testing::fileContents(logDir.filePath("commands.log"));
    QVERIFY(sent.contains("AT+OATSET=\"ATB,ALARM B\""));
    QVERIFY(!sent.contains("ATA,"));
    QVERIFY(!sent.contains("RST"));
    module.disconnectDevice();
}
