#include "messagerecorder.h"

#include "framework/item.h"
#include "framework/model.h"
#include "framework/widget.h"
#include "module/configuration.h"
#include "module/rv_23.h"

#include "tests/support/testfiles.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using moduleRV_23::RV_23;

namespace {

QList<int> states(const QVariant& list)
{
    QList<int> values;
    for (const IoState& state : list.value<QList<IoState>>())
        values.append(state.state);
    return values;
}

// Puts the catalogue of language in place of any other, as the host's language switch does.
bool switchTo(QTranslator& catalogue, QTranslator& previous)
{
    QCoreApplication::removeTranslator(&previous);
    if (!QCoreApplication::installTranslator(&catalogue))
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

// The Events page's column labels in Czech, as the Czech catalogue gives them.
class ColumnTranslator final : public QTranslator
{
public:
    QHash<QString, QString> texts;

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* id, const char*, int) const override
    {
        return texts.value(QString::fromUtf8(id));
    }
};

const QStringList historyRows[] = {
    {"01.08.  07:12:05", "Aktivace vstupu A", "RV-23"},
    {"02.14.  18:30:00", "Zapnutí", ""},
    {"12.31.  23:59:59", "Porucha GSM", "Vstup A, telefon 5"},
};

// What the rows above become: each file begins with a byte order mark; html shows an empty cell
// as "&nbsp".
const QByteArray csv = "\xEF\xBB\xBF" "Datum;Událost;Zdroj\r\n01.08.  07:12:05;Aktivace vstupu A;RV-23;\r\n"
                       "02.14.  18:30:00;Zapnutí;;\r\n12.31.  23:59:59;Porucha GSM;Vstup A, telefon 5;\r\n";
const QByteArray html = "\xEF\xBB\xBF" "<table border=\"1\" style=\"border-collapse: collapse;\">\n"
                        "<thead><tr><th>Datum</th><th>Událost</th><th>Zdroj</th></tr></thead><tbody>"
                        "<tr><td>01.08.  07:12:05</td><td>Aktivace vstupu A</td><td>RV-23</td></tr>\r\n"
                        "<tr><td>02.14.  18:30:00</td><td>Zapnutí</td><td>&nbsp</td></tr>\r\n"
                        "<tr><td>12.31.  23:59:59</td><td>Porucha GSM</td><td>Vstup A, telefon 5</td></tr>\r\n"
                        "</tbody></table>";

} // namespace

// The module's widget, live status, load and save requests and history export, driven through
// Module::Device as the host drives them, without a unit.
class TestModuleUi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void statusShowsStatesAndColours();
    void offlineLoadTakesTheData();
    void offlineSaveCommitsTheEdits();
    void settingsExportNeedsAUnit();
    void importRefusalIsShown_data();
    void importRefusalIsShown();
    void styleSheetFromTheBaseFolder();
    void languageSwitchRetranslatesOnlyOurTexts();
    void historyTextFormats_data();
    void historyTextFormats();
    void historyPdfHoldsEveryRow();
    void historyUnwritablePathFails_data();
    void historyUnwritablePathFails();

private:
    QLineEdit* lineEdit(const QString& name) const;
    void fillHistory();
    QString path(const QString& name) const { return files.filePath(name); }

    QTemporaryDir settingsDir;
    QTemporaryDir files;
    ColumnTranslator columns;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<RV_23> module;
    QPointer<QWidget> widget;
};

void TestModuleUi::initTestCase()
{
    QVERIFY(settingsDir.isValid() && files.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    qRegisterMetaType<QList<IoState>>();
}

void TestModuleUi::init()
{
    messages = std::make_unique<MessageRecorder>();
    module = std::make_unique<RV_23>();
    widget = module->createWidget();
    QVERIFY(widget);
}

void TestModuleUi::cleanup()
{
    QCoreApplication::removeTranslator(&columns);
    delete widget;
    module.reset();
    messages.reset();
}

QLineEdit* TestModuleUi::lineEdit(const QString& name) const
{
    return widget->findChild<QLineEdit*>(name);
}

// Live states and values are shown with their words and units; the screenshot tour checks the
// states' colours as drawn.
void TestModuleUi::statusShowsStatesAndColours()
{
    QSignalSpy inputs(module.get(), &RV_23::inputStatesSignal);
    QSignalSpy outputs(module.get(), &RV_23::outputStatesSignal);
    moduleRV_23::RV23Status status;
    status.inputA = status.inputD = true;
    status.outputY = true;

    module->deviceStatusChangedX(status);

    QCOMPARE(states(inputs.last().at(0)), QList<int>({2, 0, 0, 2}));
    QCOMPARE(states(outputs.last().at(0)), QList<int>({0, 2}));
    QCOMPARE(lineEdit("leStavA")->text(), QStringLiteral("app.rv23.io.active"));
    QCOMPARE(lineEdit("leStavB")->text(), QStringLiteral("app.rv23.io.inactive"));
    QCOMPARE(lineEdit("leStavY")->text(), QStringLiteral("app.rv23.io.on"));
    QCOMPARE(lineEdit("leStavX")->text(), QStringLiteral("app.rv23.io.off"));
    Framework::Item* values = module->configurationObject()->informations()->child("values");
    module->voltageChanged(12345);
    QCOMPARE(values->child("voltage")->currentValue().toString(), QStringLiteral("12.345V"));
    module->rssiChanged(17);
    QCOMPARE(values->child("rssi")->currentValue().toString(), QStringLiteral("17%"));
    // Live values never count as edits.
    QCOMPARE(module->configurationState(), Saved);
}

// Without a unit there are no events and a load fails at once; offline the unit's actions are
// unusable and a load takes the data.
void TestModuleUi::offlineLoadTakesTheData()
{
    QCOMPARE(widget->findChild<QTabWidget*>()->count(), 4);
    QCOMPARE(module->loadConfiguration(QByteArray()), RV_23::LoadFailed);
    QVERIFY(module->connectDevice(Common::Offline));
    for (const char* button : {"pbInOutX", "pbInOutY", "pbResetGSM"})
        QVERIFY2(!widget->findChild<QPushButton*>(button)->isEnabled(), button);
    const QByteArray data = R"({"inputs": {"gbInputA": {"leSMSOnA": {"_value": "POZAR"}}}})";

    QCOMPARE(module->loadConfiguration(data), RV_23::Loaded);

    QCOMPARE(lineEdit("leSMSOnA")->text(), QStringLiteral("POZAR"));
    QCOMPARE(module->configurationState(), Saved);
}

// Offline there is no unit to read again: the edits become the values.
void TestModuleUi::offlineSaveCommitsTheEdits()
{
    QVERIFY(module->connectDevice(Common::Offline));
    QLineEdit* text = lineEdit("leSMSOnD");
    text->clear();
    QTest::keyClicks(text, "OKNO");
    QSignalSpy reload(module.get(), &RV_23::enableReload);
    QSignalSpy load(module.get(), &RV_23::requestConfigurationLoadSignal);
    QSignalSpy done(module.get(), &RV_23::configurationSaveDoneSignal);

    module->configurationSaved(true);

    QCOMPARE(reload.size(), 1);
    QCOMPARE(load.size(), 0);
    QCOMPARE(done.size(), 1);
    QVERIFY(!widget->findChild<QPushButton*>("saveButton")->isEnabled());
    QCOMPARE(module->configurationState(), Saved);
}

void TestModuleUi::settingsExportNeedsAUnit()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("portal.txt");
    QSignalSpy loader(module.get(), &RV_23::showLoaderSignal);

    module->exportSettings(path);

    QVERIFY(!QFile::exists(path));
    QVERIFY(loader.isEmpty());
}

void TestModuleUi::importRefusalIsShown_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("refused");

    QTest::newRow("saved settings") << QByteArray(R"({"inputs": {"gbInputA": {"leSMSOnA": {"_value": "POZAR"}}}})")
                                    << false;
    QTest::newRow("saved settings that are no JSON") << QByteArray("{\"inputs\": [") << true;
}

void TestModuleUi::importRefusalIsShown()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, refused);
    QVERIFY(module->connectDevice(Common::Offline));

    module->showImportedConfigurations(data, module->importFileTypes().at(1));

    QCOMPARE(messages->shown.size(), refused ? 1 : 0);
    if (!refused)
        return;
    QCOMPARE(messages->shown[0].text, QStringLiteral("app.rv23.configuration.importfailed"));
    QCOMPARE(messages->shown[0].icon, QMessageBox::Critical);
    QVERIFY(module->configurationState() != Modified);
}

void TestModuleUi::styleSheetFromTheBaseFolder()
{
    QTemporaryDir base;
    QVERIFY(QDir(base.path()).mkdir("styles"));
    QVERIFY(Testing::writeFile(base.filePath("styles/RV_23_Style.qss"), "QLineEdit { color: #123456; }"));

    module->applyStyle(base.path() + QLatin1Char('/'));
    QCOMPARE(widget->styleSheet(), QStringLiteral("QLineEdit { color: #123456; }"));

    module->applyStyle(base.path() + QStringLiteral("/missing/"));
    QCOMPARE(widget->styleSheet(), QStringLiteral("QLineEdit { color: #123456; }"));
}

void TestModuleUi::languageSwitchRetranslatesOnlyOurTexts()
{
    QTranslator english;
    QTranslator czech;
    QVERIFY(english.load(QStringLiteral("rv23_en"), QStringLiteral(RV23_TRANSLATIONS_DIR)));
    QVERIFY(czech.load(QStringLiteral("rv23_cs"), QStringLiteral(RV23_TRANSLATIONS_DIR)));
    const auto restore = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&english);
        QCoreApplication::removeTranslator(&czech);
    });
    auto* tabs = widget->findChild<QTabWidget*>();
    auto* inputs = widget->findChild<QWidget*>(QStringLiteral("moduleRV_23__Inputs"));
    QVERIFY(tabs && inputs);
    const QAbstractItemModel* phones = inputs->findChild<QTableView*>(QStringLiteral("tAPhones"))->model();
    const QAbstractItemModel* informations = module->configurationObject()->informationsModel();

    // Given English, a text read from the unit and the unit's input state.
    QVERIFY(switchTo(english, czech));
    module->configurationObject()->inputs()->findChild<Framework::Item*>(
        QStringLiteral("app.rv-23.topItem.inputs.gbInputA.leSMSOnA"))->setValue(QStringLiteral("ALARM A"));
    moduleRV_23::RV23Status status;
    status.inputA = true;
    module->deviceStatusChangedX(status);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Inputs"));
    QCOMPARE(lineEdit("leStavA")->text(), QStringLiteral("Active"));

    // When the language becomes Czech, our texts follow; the unit's text and the state do not.
    QSignalSpy phoneHeaders(phones, &QAbstractItemModel::headerDataChanged);
    QVERIFY(switchTo(czech, english));
    QVERIFY(!phoneHeaders.isEmpty());
    QCOMPARE(tabs->tabText(0), QStringLiteral("Vstupy"));
    QCOMPARE(phones->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Tel. číslo"));
    QCOMPARE(informations->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Hodnota"));
    QCOMPARE(informations->index(0, 0).data().toString(), QStringLiteral("Vlastní číslo"));
    QCOMPARE(lineEdit("leSMSOnA")->text(), QStringLiteral("ALARM A"));
    // The state word is ours, though the state is the unit's.
    QCOMPARE(lineEdit("leStavA")->text(), QStringLiteral("Aktivní"));
    QCOMPARE(module->configurationState(), Saved);
    QVERIFY(!widget->findChild<QPushButton*>("saveButton")->isEnabled());
}

void TestModuleUi::fillHistory()
{
    Framework::Item* events = module->configurationObject()->events();
    const QStringList labels{"Datum", "Událost", "Zdroj"};
    for (int column = 0; column < 3; ++column)
        columns.texts.insert(events->child(column)->objectName().toLower(), labels[column]);
    QCoreApplication::installTranslator(&columns);
    events->setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            events->child(column)->child(row)->setValue(historyRows[row][column]);
    }
}

void TestModuleUi::historyTextFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("upper-case PDF is csv") << "history.PDF" << csv;
    QTest::newRow("html") << "history.html" << html;
    QTest::newRow("htm") << "history.htm" << html;
}

void TestModuleUi::historyTextFormats()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    fillHistory();
    // A longer file of that name is replaced, not overwritten in part.
    QVERIFY(Testing::writeFile(path(name), QByteArray(20000, 'x')));
    QSignalSpy loader(module.get(), &RV_23::showLoaderSignal);
    QVERIFY(module->exportHistoryTo(path(name)));
    QCOMPARE(Testing::fileContents(path(name)), expected);
    QCOMPARE(loader.count(), 0);
}

void TestModuleUi::historyPdfHoldsEveryRow()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
    fillHistory();
    QSignalSpy loader(module.get(), &RV_23::showLoaderSignal);

    QVERIFY(module->exportHistoryTo(path("history.pdf")));

    QVERIFY(Testing::fileContents(path("history.pdf")).startsWith("%PDF-"));
    QCOMPARE(loader.count(), 2);
    QCOMPARE(loader.at(0), (QVariantList{true, QString()}));
    QCOMPARE(loader.at(1), (QVariantList{false, QString()}));
    QProcess process;
    process.start(pdftotext, {path("history.pdf"), "-"});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    QVERIFY2(!text.contains("&nbsp"), qPrintable(text));
    for (const char* label : {"Datum", "Událost", "Zdroj"})
        QVERIFY2(text.contains(label), qPrintable(text));
    for (const QStringList& row : historyRows) {
        for (const QString& cell : row)
            QVERIFY2(text.contains(cell.simplified()), qPrintable(cell + " missing in: " + text));
    }
}

void TestModuleUi::historyUnwritablePathFails_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");

    QTest::newRow("no name (dialog cancelled)") << QString() << "Unable to open file!";
    QTest::newRow("pdf in a folder that does not exist") << path("missing/history.pdf") << QString();
}

void TestModuleUi::historyUnwritablePathFails()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    if (!message.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    QVERIFY(!module->exportHistoryTo(target));
}

QTEST_MAIN(TestModuleUi)
#include "tst_moduleui.moc"
