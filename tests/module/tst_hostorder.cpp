#include "messagerecorder.h"

#include "module/rv_23.h"
#include "sim/simulatorthread.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using moduleRV_23::RV_23;

// The whole life of a local unit in the module, in the order the host calls it, against the
// simulated unit: search, connect, load, edit, save, load again.
class TestHostOrder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadEditSaveAndLoadAgain();
    void storedTextThatDiffersIsUnsaved();
    void lineLostWhileLoadingFailsTheLoad();

private:
    bool connectUnit();
    QLineEdit* lineEdit(const QString& name) const { return widget->findChild<QLineEdit*>(name); }

    QTemporaryDir settingsDir;
    std::unique_ptr<Sim::SimulatorThread> unit;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<RV_23> module;
    QPointer<QWidget> widget;
};

void TestHostOrder::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

void TestHostOrder::init()
{
    Sim::Options options;
    options.serial = QStringLiteral("123456");
    if (QByteArray(QTest::currentTestFunction()) == "lineLostWhileLoadingFailsTheLoad")
        options.unplugAfter = 40; // discovery and handshake take four commands; the load many more
    unit = std::make_unique<Sim::SimulatorThread>(options);
    QVERIFY(unit->start());
    qputenv("RV23_EXTRA_PORTS", unit->portPath().toLocal8Bit());
    messages = std::make_unique<MessageRecorder>();
    module = std::make_unique<RV_23>();
    widget = module->createWidget();
    QVERIFY(widget);
}

void TestHostOrder::cleanup()
{
    if (module)
        module->disconnectDevice();
    delete widget;
    module.reset();
    messages.reset();
    unit.reset();
    qunsetenv("RV23_EXTRA_PORTS");
}

bool TestHostOrder::connectUnit()
{
    QList<DeviceInfo> found;
    while (const DeviceInfo* next = module->nextFoundDevice())
        found.append(*next);
    if (found.size() != 1)
        return false;
    *module->deviceInfo() = found.first();
    return module->connectDevice(Common::Local);
}

void TestHostOrder::loadEditSaveAndLoadAgain()
{
    QVERIFY(connectUnit());
    QCOMPARE(module->loadConfiguration(QByteArray()), RV_23::Loaded);

    const Sim::UnitState state = unit->state();
    QCOMPARE(lineEdit("leSMSOnA")->text(), state.memory[64]);
    QCOMPARE(lineEdit("leSMSOffD")->text(), state.memory[71]);
    QCOMPARE(lineEdit("lePIN")->text(), state.memory[54]);
    QCOMPARE(widget->findChild<QCheckBox*>("cbCallA")->isChecked(), state.memory[246] != QLatin1String("0"));
    QCOMPARE(widget->findChild<QCheckBox*>("cbCallC")->isChecked(), state.memory[248] != QLatin1String("0"));
    const QAbstractItemModel* phones = widget->findChild<QTableView*>("tAPhones")->model();
    QCOMPARE(phones->index(0, 0).data().toString(), state.memory[111]);
    QCOMPARE(phones->index(1, 0).data().toString(), state.memory[112]);
    QCOMPARE(module->configurationState(), Saved);
    auto* save = widget->findChild<QPushButton*>("saveButton");
    QVERIFY(!save->isEnabled());

    QString stored;
    connect(module.get(), &RV_23::requestConfigurationSaveSignal, this,
            [&stored](const QString& text) { stored = text; });
    QSignalSpy loadRequest(module.get(), &RV_23::requestConfigurationLoadSignal);

    QLineEdit* text = lineEdit("leSMSOnA");
    text->clear();
    QTest::keyClicks(text, "ALARM GARAZ");
    auto* tabs = widget->findChild<QTabBar*>();
    QCOMPARE(tabs->tabTextColor(0), QColor(Qt::blue));
    QVERIFY(save->isEnabled());

    save->click();
    QVERIFY(stored.contains(QLatin1String("\"ALARM GARAZ\"")));
    QVERIFY(module->saveToDevice());
    QCOMPARE(unit->state().memory[64], QStringLiteral("ALARM GARAZ"));
    module->configurationSaved(true);
    QCOMPARE(loadRequest.size(), 1);

    QCOMPARE(module->loadConfiguration(stored.toUtf8()), RV_23::Loaded);
    QCOMPARE(lineEdit("leSMSOnA")->text(), QStringLiteral("ALARM GARAZ"));
    QCOMPARE(module->configurationState(), Saved);
    QCOMPARE(tabs->tabTextColor(0), QColor(Qt::black));
    QVERIFY(!save->isEnabled());
    QVERIFY(messages->shown.isEmpty());
}

void TestHostOrder::storedTextThatDiffersIsUnsaved()
{
    QVERIFY(connectUnit());
    const QByteArray stored = R"({"inputs": {"gbInputB": {"leSMSOnB": {"_value": "JINY TEXT"}}}})";

    QCOMPARE(module->loadConfiguration(stored), RV_23::LoadedModified);

    // The unit's values are shown; the module tells the host that its stored text differs.
    QCOMPARE(lineEdit("leSMSOnB")->text(), unit->state().memory[65]);
    QCOMPARE(module->configurationState(), Unsaved);
    QVERIFY(widget->findChild<QPushButton*>("saveButton")->isEnabled());
}

void TestHostOrder::lineLostWhileLoadingFailsTheLoad()
{
    QVERIFY(connectUnit());

    QCOMPARE(module->loadConfiguration(QByteArray()), RV_23::LoadFailed);

    QTRY_VERIFY(!module->isConnected());
    QVERIFY(!messages->shown.isEmpty());
    QCOMPARE(messages->shown.first().text, QStringLiteral("app.rv23.communicationerror"));
}

QTEST_MAIN(TestHostOrder)
#include "tst_hostorder.moc"
