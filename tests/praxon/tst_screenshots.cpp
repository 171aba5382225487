#include "praxon/window/mainwindow.h"
#include "praxon/window/screenshottour.h"

#include "sim/simulatorthread.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

// The praxon window on a simulated unit: a picture of every module tab in every language, and no
// identifier left untranslated on screen.
class TestScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rawIdentifierIsFound_data();
    void rawIdentifierIsFound();
    void everyTabInEveryLanguage();

private:
    QTemporaryDir dir;
};

void TestScreenshots::initTestCase()
{
    QVERIFY(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dir.path());
}

using Decorate = std::function<void(QWidget* page)>;
Q_DECLARE_METATYPE(Decorate)

void TestScreenshots::rawIdentifierIsFound_data()
{
    QTest::addColumn<Decorate>("decorate");
    QTest::addColumn<int>("found");

    QTest::newRow("label") << Decorate([](QWidget* page) { new QLabel(QStringLiteral("app.rv23.name"), page); }) << 1;
    QTest::newRow("tab title") << Decorate([](QWidget* page) {
        auto* tabs = new QTabWidget(page);
        tabs->addTab(new QWidget, QStringLiteral("Inputs"));
        tabs->addTab(new QWidget, QStringLiteral("app.rv23.outputs"));
    }) << 1;
    QTest::newRow("table header") << Decorate([](QWidget* page) {
        auto* model = new QStandardItemModel(1, 2, page);
        model->setHorizontalHeaderLabels({QStringLiteral("Phone"), QStringLiteral("app.rv23.count")});
        auto* view = new QTableView(page);
        view->setModel(model);
    }) << 1;
    QTest::newRow("hidden widget") << Decorate([](QWidget* page) {
        (new QLabel(QStringLiteral("app.rv23.hidden"), page))->hide();
    }) << 0;
}

void TestScreenshots::rawIdentifierIsFound()
{
    QFETCH(Decorate, decorate);
    QWidget page;
    decorate(&page);

    const QStringList found = Praxon::ScreenshotTour::rawIdentifiersIn(&page);

    QTEST(int(found.size()), "found");
}

// The text colour inside area: the one of its most saturated pixel.
QString textColour(const QImage& picture, const QRect& area)
{
    QColor strongest(Qt::white);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.hsvSaturation() * pixel.value() > strongest.hsvSaturation() * strongest.value())
                strongest = pixel;
        }
    }
    if (strongest.hsvSaturation() < 128)
        return QStringLiteral("none");
    if (strongest.hue() < 20 || strongest.hue() > 340)
        return QStringLiteral("red");
    if (strongest.hue() > 100 && strongest.hue() < 140 && strongest.value() < 180)
        return QStringLiteral("darkgreen");
    return strongest.name();
}

void TestScreenshots::everyTabInEveryLanguage()
{
    Sim::Options options;
    options.statePath = dir.filePath("sim.json");
    options.serial = QStringLiteral("23SHOT01");
    Sim::SimulatorThread unit(options);
    QVERIFY2(unit.start(), qPrintable(unit.errorString()));
    for (const char* command : {"input A 1", "input B 0", "input C 0", "input D 1"})
        QVERIFY(unit.control(command));
    qputenv("RV23_EXTRA_PORTS", unit.portPath().toLocal8Bit());
    const auto restore = qScopeGuard([] { qunsetenv("RV23_EXTRA_PORTS"); });
    Praxon::MainWindow window(dir.filePath("records.sqlite"), dir.filePath("store"));
    // As praxon starts: the language is chosen before the module's widget exists.
    QVERIFY(window.setLanguage(QStringLiteral("cs")));
    QVERIFY2(window.start(RV23_PLUGIN_FILE, RV23_BASE_DIR), qPrintable(window.session()->errorString()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Praxon::ScreenshotTour tour(&window);

    QVERIFY2(tour.run(SCREENSHOT_DIR), qPrintable(tour.errorString()));

    QVERIFY(window.session()->isConnected());
    auto* tabs = window.session()->widget()->findChild<QTabWidget*>();
    QVERIFY(tabs && tabs->count() >= 5);
    // Every tab, the signal meter and the records' two windows, in both languages.
    QCOMPARE(tour.files().size(), 2 * tabs->count() + 6);
    QVERIFY2(tour.rawIdentifiers().isEmpty(), qPrintable(tour.rawIdentifiers().join('\n')));

    // The Inputs page tells the inputs' states at a glance: active red, inactive dark green.
    tabs->setCurrentIndex(0);
    const QImage inputs = tabs->currentWidget()->grab().toImage();
    QStringList colours;
    for (const char* name : {"leStavA", "leStavB", "leStavC", "leStavD"}) {
        const auto* state = tabs->currentWidget()->findChild<QLineEdit*>(name);
        colours << textColour(inputs, QRect(state->mapTo(tabs->currentWidget(), QPoint()), state->size()));
    }
    QCOMPARE(colours, QStringList({"red", "darkgreen", "darkgreen", "red"}));
    const QString czech = tabs->tabText(0);
    QVERIFY(window.setLanguage(QStringLiteral("en")));
    QTRY_VERIFY2_WITH_TIMEOUT(tabs->tabText(0) != czech, qPrintable(czech), 2000);
}

QTEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
