#include "descriptiontranslator.h"

#include "pages/events.h"
#include "pages/informations.h"
#include "pages/inputs.h"
#include "pages/outputs.h"
#include "pages/settings.h"

#include "framework/binditems.h"
#include "framework/connectable.h"
#include "framework/item.h"
#include "framework/model.h"

#include "host/configurationsource.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <iterator>
#include <memory>

using Framework::Item;

namespace {

const QString TopName = QStringLiteral("app.rv-23.topItem");
const char* const PageNames[] = {"inputs", "outputs", "settings", "informations", "events"};

QJsonObject readDescription()
{
    QFile file(QStringLiteral(":/RV23.json"));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QStringList bindingWarnings;
QtMessageHandler defaultHandler = nullptr;

void collectBindingWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "rv23.framework") == 0)
        bindingWarnings << message;
    else
        defaultHandler(type, context, message);
}

// Types text into an editor the way a technician does and returns what the editor keeps.
QString typed(QLineEdit* editor, const QString& text)
{
    editor->clear();
    QTest::keyClicks(editor, text);
    return editor->text();
}

} // namespace

// The device pages as the module builds them: forms bound to the items of the page description.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAndDescriptionMatch();
    void numberFieldsTakeOnlyPhoneNumbers_data();
    void numberFieldsTakeOnlyPhoneNumbers();
    void digitFieldsStopAtTheirLength_data();
    void digitFieldsStopAtTheirLength();
    void permanentRelayGreysOutItsOnTime();
    void serviceButtonsNeedAUnit_data();
    void serviceButtonsNeedAUnit();
    void pageActionsAreSignalled();
    void creditSwitchEnablesCreditFields();
    void informationsHideLinkDetailsInBasicView();
    void languageChangeRetitlesPageTexts();
    void phoneCellsHaveNoStrayLines_data();
    void phoneCellsHaveNoStrayLines();

private:
    template <typename T>
    T* control(QWidget* page, const char* name) const;
    QLineEdit* phoneEditor(QTableView* table, int column = 0);
    void installCzech();
    void buildPages();
    void releasePages();

    QJsonObject description;
    QTemporaryDir settingsDir;
    std::unique_ptr<DescriptionTranslator> translator;
    std::unique_ptr<Item> top;
    std::unique_ptr<Framework::Model> informationsModel;
    std::unique_ptr<Framework::Model> eventsModel;
    std::unique_ptr<moduleRV_23::Inputs> inputs;
    std::unique_ptr<moduleRV_23::Outputs> outputs;
    std::unique_ptr<moduleRV_23::Settings> settings;
    std::unique_ptr<moduleRV_23::Informations> informations;
    std::unique_ptr<moduleRV_23::Events> events;
};

void TestPages::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    description = readDescription();
    QVERIFY(!description.isEmpty());
    translator = std::make_unique<DescriptionTranslator>(TopName, description);
    translator->insert(QStringLiteral("app.rv-23k.settings.permanent"), QStringLiteral("Trvale"));
    translator->insert(QStringLiteral("app.rv23.events.reload"), QStringLiteral("Načíst znovu"));
    translator->insert(QStringLiteral("app.no"), QStringLiteral("ne"));
}

void TestPages::init()
{
    buildPages();
}

// Builds the tree and the pages in the order the module does, each page bound to its items.
void TestPages::buildPages()
{
    top = std::make_unique<Item>(TopName, nullptr);
    for (const char* page : PageNames)
        new Item(QLatin1String(page), top.get(), description.value(QLatin1String(page)).toObject());
    const auto page = [this](const char* name) { return top->child(QLatin1String(name)); };

    inputs = std::make_unique<moduleRV_23::Inputs>();
    outputs = std::make_unique<moduleRV_23::Outputs>();
    settings = std::make_unique<moduleRV_23::Settings>();
    bindingWarnings.clear();
    defaultHandler = qInstallMessageHandler(collectBindingWarnings);
    const bool bound = Framework::bindItems(inputs.get(), page("inputs")->children())
                       && Framework::bindItems(outputs.get(), page("outputs")->children())
                       && Framework::bindItems(settings.get(), page("settings")->children());
    qInstallMessageHandler(defaultHandler);
    QVERIFY(bound);
    informationsModel = std::make_unique<Framework::Model>(page("informations"), true);
    eventsModel = std::make_unique<Framework::Model>(page("events"), false);
    informations = std::make_unique<moduleRV_23::Informations>(informationsModel.get());
    events = std::make_unique<moduleRV_23::Events>(eventsModel.get());
}

void TestPages::cleanup()
{
    QCoreApplication::removeTranslator(translator.get());
    releasePages();
}

void TestPages::releasePages()
{
    events.reset();
    informations.reset();
    settings.reset();
    outputs.reset();
    inputs.reset();
    eventsModel.reset();
    informationsModel.reset();
    top.reset();
}

template <typename T>
T* TestPages::control(QWidget* page, const char* name) const
{
    T* widget = page->findChild<T*>(QLatin1String(name));
    if (!widget)
        qWarning("no %s on %s", name, page->metaObject()->className());
    return widget;
}

// The editor a table opens on a number cell.
QLineEdit* TestPages::phoneEditor(QTableView* table, int column)
{
    const QModelIndex cell = table->model()->index(0, column);
    QWidget* editor = table->itemDelegateForColumn(column)->createEditor(table->viewport(), {}, cell);
    return qobject_cast<QLineEdit*>(editor);
}

// Installs the Czech texts; widgets hear of it through posted events.
void TestPages::installCzech()
{
    QCoreApplication::installTranslator(translator.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// Table columns and cells live in the table's model; everything else needs its widget on the form,
// and every control on a form needs its item.
void TestPages::controlsAndDescriptionMatch()
{
    static const QRegularExpression tableColumn(QStringLiteral("^Widget for \\S+Phones\\.\\w+ was not found"));
    QStringList unexpected;
    for (const QString& warning : qAsConst(bindingWarnings)) {
        if (!tableColumn.match(warning).hasMatch())
            unexpected << warning;
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    QVERIFY(!bindingWarnings.isEmpty());

    // And the other way round: no control on a form is left without its item.
    int controls = 0;
    for (QWidget* page : {static_cast<QWidget*>(inputs.get()), static_cast<QWidget*>(outputs.get()),
                          static_cast<QWidget*>(settings.get())}) {
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (const auto* connectable = dynamic_cast<Framework::Connectable*>(widget)) {
                QVERIFY2(connectable->isBound(), qPrintable(widget->objectName()));
                ++controls;
            }
        }
    }
    QVERIFY(controls > 100);
}

void TestPages::numberFieldsTakeOnlyPhoneNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("international") << QStringLiteral("+420603123456") << true;
    QTest::newRow("national digits") << QStringLiteral("603123456") << true;
    QTest::newRow("digits with a letter") << QStringLiteral("603a123") << false;
    QTest::newRow("two plus signs") << QStringLiteral("++420603") << false;
    QTest::newRow("plus inside the number") << QStringLiteral("420+603") << false;
}

// Service numbers on Settings, the number columns of the input and relay tables, and the
// unit's own number on Informations all take the same numbers.
void TestPages::numberFieldsTakeOnlyPhoneNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    QList<QLineEdit*> fields{control<QLineEdit>(settings.get(), "leServiceNumber"),
                             control<QLineEdit>(settings.get(), "leServiceNumber2")};
    for (const char* table : {"tAPhones", "tDPhones"})
        fields << phoneEditor(control<QTableView>(inputs.get(), table));
    for (const char* table : {"tXPhones", "tYPhones"})
        fields << phoneEditor(control<QTableView>(outputs.get(), table));
    fields << phoneEditor(informations.get(), 1);

    for (QLineEdit* field : qAsConst(fields)) {
        QVERIFY(field);
        QCOMPARE(typed(field, text) == text, accepted);
        int position = 0;
        QCOMPARE(field->validator()->validate(text, position) == QValidator::Acceptable, accepted);
    }
}

void TestPages::digitFieldsStopAtTheirLength_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("DTMF code: eight digits") << "outputs" << "leDTMFOnX" << "12345678" << "12345678";
    QTest::newRow("DTMF code: ninth digit rejected") << "outputs" << "leDTMFOffY" << "123456789" << "12345678";
    QTest::newRow("DTMF code: letters rejected") << "outputs" << "leDTMFOnY" << "12#4a" << "124";
    QTest::newRow("peripheral code: fourteen digits")
        << "settings" << "leINA" << "11000001234567" << "11000001234567";
    QTest::newRow("peripheral code: fifteenth digit rejected")
        << "settings" << "leOutY4" << "110000012345678" << "11000001234567";
    QTest::newRow("peripheral code: letters rejected") << "settings" << "leOutX2" << "1100x00" << "110000";
}

void TestPages::digitFieldsStopAtTheirLength()
{
    QFETCH(QString, page);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, kept);

    QWidget* pageWidget = page == QLatin1String("outputs") ? static_cast<QWidget*>(outputs.get()) : settings.get();
    auto* edit = control<QLineEdit>(pageWidget, qPrintable(field));
    QVERIFY(edit);
    QCOMPARE(typed(edit, text), kept);
}

void TestPages::permanentRelayGreysOutItsOnTime()
{
    auto* permanentX = control<QCheckBox>(outputs.get(), "cbOutputXOn");
    auto* delayX = control<QWidget>(outputs.get(), "teDelayX");
    auto* delayY = control<QWidget>(outputs.get(), "teDelayY");
    QVERIFY(permanentX && delayX && delayY);
    QVERIFY(delayX->isEnabled());

    permanentX->click();
    QVERIFY(permanentX->isChecked());
    QVERIFY(!delayX->isEnabled());
    QVERIFY(delayY->isEnabled());

    permanentX->click();
    QVERIFY(delayX->isEnabled());

    control<QCheckBox>(outputs.get(), "cbOutputYOn")->click();
    QVERIFY(!delayY->isEnabled());
    QVERIFY(delayX->isEnabled());
}

void TestPages::serviceButtonsNeedAUnit_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("usable");

    QTest::newRow("offline configuration") << int(Common::Offline) << false;
    QTest::newRow("remote unit") << int(Common::Remote) << true;
}

void TestPages::serviceButtonsNeedAUnit()
{
    QFETCH(int, source);
    QFETCH(bool, usable);

    outputs->setConfigurationSource(Common::Offline);
    settings->setConfigurationSource(Common::Offline);
    outputs->setConfigurationSource(source);
    settings->setConfigurationSource(source);

    QSignalSpy toggleX(outputs.get(), &moduleRV_23::Outputs::toggleOutputX);
    QSignalSpy toggleY(outputs.get(), &moduleRV_23::Outputs::toggleOutputY);
    QSignalSpy resets(settings.get(), &moduleRV_23::Settings::resetGSM);
    const QList<QPushButton*> buttons{control<QPushButton>(outputs.get(), "pbInOutX"),
                                      control<QPushButton>(outputs.get(), "pbInOutY"),
                                      control<QPushButton>(settings.get(), "pbResetGSM")};
    for (QPushButton* button : buttons) {
        QVERIFY(button);
        QCOMPARE(button->isEnabled(), usable);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    const QList<int> counts{toggleX.count(), toggleY.count(), resets.count()};
    QCOMPARE(counts, usable ? QList<int>({1, 1, 1}) : QList<int>({0, 0, 0}));
}

void TestPages::pageActionsAreSignalled()
{
    QSignalSpy globalReset(settings.get(), &moduleRV_23::Settings::globalReset);
    QSignalSpy loadEvents(events.get(), &moduleRV_23::Events::loadEvents);

    settings->resetclicked();
    QCOMPARE(globalReset.count(), 1);
    const QList<QAbstractButton*> eventButtons = events->buttons();
    QCOMPARE(eventButtons.size(), 1);
    eventButtons.first()->click();
    QCOMPARE(loadEvents.count(), 1);
}

void TestPages::creditSwitchEnablesCreditFields()
{
    auto* activated = control<QCheckBox>(settings.get(), "cbCreditActivated");
    const QList<QWidget*> fields{control<QWidget>(settings.get(), "sbCreditPosition"),
                                 control<QWidget>(settings.get(), "sbCreditLowLimit"),
                                 control<QWidget>(settings.get(), "leCreditDD")};
    const auto enabledFields = [&fields] {
        return std::count_if(fields.begin(), fields.end(), [](QWidget* w) { return w->isEnabled(); });
    };
    QVERIFY(activated);
    QCOMPARE(enabledFields(), 0);

    activated->setChecked(true);
    QCOMPARE(enabledFields(), 3);
    activated->setChecked(false);
    QCOMPARE(enabledFields(), 0);

    // A load writes the switch's item without the page noticing; setControls catches up.
    {
        const QSignalBlocker blocker(activated);
        activated->setChecked(true);
    }
    QCOMPARE(enabledFields(), 0);
    settings->setControls();
    QCOMPARE(enabledFields(), 3);
}

void TestPages::informationsHideLinkDetailsInBasicView()
{
    informations->showExtended(false);
    for (int row = 0; row < 5; ++row)
        QVERIFY2(!informations->isRowHidden(row), qPrintable(QString::number(row)));
    for (int row = 5; row < 8; ++row)
        QVERIFY2(informations->isRowHidden(row), qPrintable(QString::number(row)));

    informations->showExtended(true);
    for (int row = 0; row < 8; ++row)
        QVERIFY(!informations->isRowHidden(row));
}

void TestPages::languageChangeRetitlesPageTexts()
{
    installCzech();

    QCOMPARE(control<QCheckBox>(outputs.get(), "cbOutputXOn")->text(), QStringLiteral("Trvale"));
    QCOMPARE(control<QCheckBox>(outputs.get(), "cbOutputYOn")->text(), QStringLiteral("Trvale"));
    QCOMPARE(events->buttons().first()->text(), QStringLiteral("Načíst znovu"));
}

void TestPages::phoneCellsHaveNoStrayLines_data()
{
    QTest::addColumn<QString>("table");

    QTest::newRow("input numbers") << "tAPhones";
    QTest::newRow("output numbers beside counts") << "tXPhones";
}

// An empty number cell shows nothing but its background under the module's style sheet.
void TestPages::phoneCellsHaveNoStrayLines()
{
    QFETCH(QString, table);
    QFile style(QStringLiteral(RV23_SOURCE_DIR "/resources/styles/RV_23_Style.qss"));
    QVERIFY(style.open(QIODevice::ReadOnly));
    QWidget* page = table.startsWith(QLatin1String("tA")) ? static_cast<QWidget*>(inputs.get()) : outputs.get();
    page->setStyleSheet(QString::fromUtf8(style.readAll()));
    page->resize(1100, 700);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
    auto* view = page->findChild<QTableView*>(table);
    QVERIFY(view);

    const QImage picture = view->viewport()->grab().toImage();
    const QRect cell = view->visualRect(view->model()->index(0, 0)).adjusted(2, 2, -2, -2);
    const QColor background = picture.pixelColor(cell.topLeft());
    for (int x = cell.left(); x <= cell.right(); ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            if (picture.pixelColor(x, y) != background)
                QFAIL(qPrintable(QStringLiteral("something drawn at %1,%2").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
