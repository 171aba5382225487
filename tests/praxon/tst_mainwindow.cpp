#include "praxon/window/ioindicator.h"
#include "praxon/window/mainwindow.h"
#include "praxon/window/signalpanel.h"
#include "praxon/window/signalplot.h"
#include "praxon/window/unitdialog.h"

#include "praxon/core/messageboxwatcher.h"

#include "sim/simulatorthread.h"

#include "tests/support/testfiles.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QtTest>

// The praxon window off screen with the recording stand-in module.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void modulePagesAreTheWindowsCentre();
    void unusableModuleIsExplained();
    void followsTheSimulatedUnit();
    void explainsAndAsksBeforeHarm();
    void signalPanelFollowsTheUnit();

private:
    // A simulated unit with that serial number, on the module's list of ports.
    bool startUnit(const QString& serial);

    QTemporaryDir settingsDir;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Praxon::MainWindow> window;
    std::unique_ptr<Sim::SimulatorThread> unit;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settingsDir.path());
}

void TestMainWindow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    qputenv("FAKE_UNITS", "23A04117:2.14.0318:004");
    window = std::make_unique<Praxon::MainWindow>(dir->filePath("records.sqlite"), dir->filePath("store"));
}

void TestMainWindow::cleanup()
{
    window.reset();
    unit.reset();
    qunsetenv("FAKE_NO_WIDGET");
    qunsetenv("RV23_EXTRA_PORTS");
}

bool TestMainWindow::startUnit(const QString& serial)
{
    Sim::Options options;
    options.statePath = dir->filePath("sim.json");
    options.serial = serial;
    unit = std::make_unique<Sim::SimulatorThread>(options);
    if (!unit->start())
        return false;
    qputenv("RV23_EXTRA_PORTS", unit->portPath().toLocal8Bit());
    return true;
}

void TestMainWindow::modulePagesAreTheWindowsCentre()
{
    QVERIFY(window->start(FAKE_PLUGIN_FILE, dir->path() + "/"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("fakeDevicePages"));
    QVERIFY(window->findChild<QAction*>("actionConnect")->isEnabled());
    QVERIFY(!window->findChild<QAction*>("actionDisconnect")->isEnabled());
}

void TestMainWindow::unusableModuleIsExplained()
{
    qputenv("FAKE_NO_WIDGET", "1");

    QVERIFY(!window->start(FAKE_PLUGIN_FILE, dir->path() + "/"));

    auto* placeholder = qobject_cast<QLabel*>(window->centralWidget());
    QVERIFY(placeholder);
    QVERIFY(placeholder->text().contains("cannot be used"));
    QVERIFY(!window->findChild<QAction*>("actionConnect")->isEnabled());
}

// The real plug-in: the unit chosen in the dialog is connected and its inputs reach the status bar
// until it is disconnected.
void TestMainWindow::followsTheSimulatedUnit()
{
    QVERIFY2(startUnit("23GUI001"), qPrintable(unit->errorString()));
    QVERIFY2(window->start(RV23_PLUGIN_FILE, dir->path() + "/"), qPrintable(window->session()->errorString()));
    Praxon::UnitDialog dialog(window->session());

    dialog.search();

    auto* list = dialog.findChild<QTreeWidget*>("units");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("23GUI001"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("004"));
    QVERIFY(list->columnWidth(2) >= list->header()->sectionSizeHint(2));
    QVERIFY(window->session()->connectUnit(dialog.chosen()));
    QVERIFY(unit->control("input C 1"));
    auto* inputC = window->findChild<Praxon::IoIndicator*>("indicatorC");
    QTRY_COMPARE_WITH_TIMEOUT(inputC->colour(), QColor(Qt::red), 10000);
    QCOMPARE(window->findChild<Praxon::IoIndicator*>("indicatorA")->colour(), QColor(Qt::darkGreen));
    QVERIFY(window->findChild<QLabel*>("connection")->text().contains("23GUI001"));

    window->findChild<QAction*>("actionDisconnect")->trigger();

    QVERIFY(!window->session()->isConnected());
    QCOMPARE(inputC->colour(), QColor(Qt::gray));
    QVERIFY(!window->findChild<QAction*>("actionReload")->isEnabled());
}

// A damaged stored file, an import that would erase protected settings, a text the unit refuses
// and an export nowhere: each is told in a box, and the erasing import is undone when declined.
void TestMainWindow::explainsAndAsksBeforeHarm()
{
    QVERIFY2(startUnit("23GUI002"), qPrintable(unit->errorString()));
    QVERIFY(window->start(RV23_PLUGIN_FILE, dir->path() + "/"));
    QVERIFY(QDir().mkpath(dir->filePath("store")));
    QVERIFY(Testing::writeFile(dir->filePath("store/23GUI002.rv23"), "{\"inputs\":"));
    QVERIFY(Testing::writeFile(dir->filePath("ata.txt"),
                               "<fieldset><input type=\"text\" name=\"0[ATA]\" value=\"POPLACH\"></fieldset>\n"));
    QVERIFY(Testing::writeFile(dir->filePath("comma.rv23"), R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"A,B"}}}})"));
    Praxon::MessageBoxWatcher boxes;
    QStringList texts;
    connect(&boxes, &Praxon::MessageBoxWatcher::boxShown, this,
            [&texts](QMessageBox::Icon, const QString&, const QString& text) { texts << text; });
    Praxon::HostSession* host = window->session();
    QVERIFY(host->connectUnit(host->search().value(0)));

    QVERIFY(host->load() != Module::Device::LoadFailed);
    QTRY_COMPARE(texts.size(), 1);
    QVERIFY2(texts.last().contains(dir->filePath("store/23GUI002.rv23") + " is damaged"), qPrintable(texts.last()));

    // The file's missing credit numbers read as 0, which the fields refuse: the module says so
    // when the host takes its snapshot, before the host's own warning.
    window->importSettingsFrom(dir->filePath("ata.txt"));
    QTRY_COMPARE(texts.size(), 3);
    QCOMPARE(texts.at(1), QStringLiteral("app.rv23.configuration.unabletosavepleasefix"));
    QVERIFY2(texts.last().startsWith("The file would clear 69 settings, among them the programming code"),
             qPrintable(texts.last()));
    QVERIFY(host->snapshot().contains("\"1357\""));

    window->importSettingsFrom(dir->filePath("comma.rv23"));
    QCOMPARE(host->save(), Praxon::HostSession::SaveResult::Saved);
    QTRY_COMPARE(texts.size(), 4);
    QCOMPARE(texts.last(), QStringLiteral("The unit did not take these settings:\ninputs.gbInputA.leSMSOnA: written "
                                          "\"A,B\", the unit holds \"NARUSENI OBJEKTU\""));

    window->exportSettingsTo("/nonexistent/x.txt");
    QTRY_COMPARE(texts.size(), 5);
    QCOMPARE(texts.last(), QStringLiteral("Cannot write /nonexistent/x.txt: the folder /nonexistent does not exist"));

    // The event texts shown follow a change of language, and so does their export.
    QVERIFY(host->loadHistory());
    QVERIFY(window->setLanguage("cs"));
    const QString csv = dir->filePath("events.csv");
    QVERIFY(QMetaObject::invokeMethod(host->device(), "exportHistoryTo", Q_ARG(QString, csv)));
    const QString table = QString::fromUtf8(Testing::fileContents(csv));
    QVERIFY2(table.contains(QString::fromUtf8("Zapnutí zařízení")) && !table.contains("Unit switched on"),
             qPrintable(table.left(400)));
}

// The signal meter samples each status poll while it is open: the value and band the unit reports
// now, the plot and the marks.
void TestMainWindow::signalPanelFollowsTheUnit()
{
    QVERIFY2(startUnit("23GUI003"), qPrintable(unit->errorString()));
    QVERIFY(window->start(RV23_PLUGIN_FILE, dir->path() + "/"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    Praxon::HostSession* host = window->session();
    QVERIFY(host->connectUnit(host->search().value(0)));
    QCOMPARE(host->load(), Module::Device::Loaded);
    QVERIFY(unit->control("signal 12"));
    auto* panel = window->findChild<Praxon::SignalPanel*>("signalPanel");
    const auto label = [panel](const char* name) { return panel->findChild<QLabel*>(name)->text(); };

    window->findChild<QAction*>("actionSignal")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(label("signalValue"), QStringLiteral("12"), 10000);
    QCOMPARE(label("signalBand"), QStringLiteral("fair"));
    QTest::keyClicks(panel->findChild<QLineEdit*>("markLabel"), "roof");
    QTest::mouseClick(panel->findChild<QPushButton*>("mark"), Qt::LeftButton);
    QVERIFY(unit->control("voltage 11800") && unit->control("signal 25"));
    QTRY_COMPARE_WITH_TIMEOUT(label("signalValue"), QStringLiteral("25"), 10000);

    const Praxon::SignalLog::Summary summary = panel->log().summary();
    QCOMPARE(label("signalSummary"), QStringLiteral("min 12  mean %1  max 25  samples %2")
                                         .arg(summary.mean, 0, 'f', 1).arg(summary.samples));
    QCOMPARE(label("signalVoltage"), QStringLiteral("Supply 11.80 V"));
    const auto* plot = panel->findChild<Praxon::SignalPlot*>("signalPlot");
    QCOMPARE(plot->shownSamples().size(), summary.samples);
    QCOMPARE(plot->shownSamples().last().signal, QStringLiteral("25"));
    QCOMPARE(plot->shownMarks().size(), 1);
    QCOMPARE(plot->shownMarks().first().label, QStringLiteral("roof"));

    QVERIFY(window->setLanguage("cs"));
    QCOMPARE(label("signalBand"), QStringLiteral("vynikající"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
