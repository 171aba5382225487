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

#include "tests/support/testfiles.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace Framework;

namespace {

const QString TopName = QStringLiteral("app.rv-23.topItem");
const char* const PageNames[] = {"inputs", "outputs", "settings", "informations", "events"};

// Collects what the framework reports on one channel while the tree is built or bound.
QtMsgType collectedType = QtWarningMsg;
QStringList collected;
QtMessageHandler defaultHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == collectedType && qstrcmp(context.category, "rv23.framework") == 0)
        collected << message;
    else
        defaultHandler(type, context, message);
}

std::unique_ptr<Item> buildTree(const QJsonObject& description)
{
    auto top = std::make_unique<Item>(TopName, nullptr);
    for (const char* page : PageNames)
        new Item(QLatin1String(page), top.get(), description.value(QLatin1String(page)).toObject());
    return top;
}

// Types text into an editor the way a technician does and returns what the editor keeps.
QString typed(QLineEdit* editor, const QString& text)
{
    editor->clear();
    QTest::keyClicks(editor, text);
    return editor->text();
}

// The Czech texts of the pages' own ids.
class CzechTexts final : public QTranslator
{
public:
    QString translate(const char*, const char* id, const char*, int) const override
    {
        return texts.value(QLatin1String(id));
    }
    bool isEmpty() const override { return false; }

    const QHash<QString, QString> texts{{"app.rv-23k.settings.permanent", "Trvale"},
                                        {"app.rv23.events.reload", QString::fromUtf8("Načíst znovu")}};
};

} // namespace

// The embedded page description and the device pages bound to it, as the module builds them.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void descriptionItems_data();
    void descriptionItems();
    void controlsAndDescriptionMatch();
    void numberFieldsTakeOnlyPhoneNumbers_data();
    void numberFieldsTakeOnlyPhoneNumbers();
    void digitFieldsStopAtTheirLength_data();
    void digitFieldsStopAtTheirLength();
    void permanentRelayGreysOutItsOnTime();
    void pageActionsNeedAUnitAndAreSignalled();
    void creditSwitchEnablesCreditFields();
    void informationsHideLinkDetailsInBasicView();
    void languageChangeRetitlesPageTexts();
    void phoneCellsHaveNoStrayLines_data();
    void phoneCellsHaveNoStrayLines();

private:
    template <typename T>
    T* control(QWidget* page, const char* name) const;
    QLineEdit* phoneEditor(QTableView* table, int column = 0);

    QJsonObject description;
    QTemporaryDir settingsDir;
    QStringList bindingWarnings;
    std::unique_ptr<Item> described; // as built, before any page binds it
    std::unique_ptr<Item> top;
    std::unique_ptr<Model> informationsModel;
    std::unique_ptr<Model> eventsModel;
    std::unique_ptr<moduleRV_23::Inputs> inputs;
    std::unique_ptr<moduleRV_23::Outputs> outputs;
    std::unique_ptr<moduleRV_23::Settings> settings;
    std::unique_ptr<moduleRV_23::Informations> informations;
    std::unique_ptr<moduleRV_23::Events> events;
};

// The builder reports unknown roles, misspelt keys and missing row templates as debug lines.
void TestPages::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QJsonParseError error;
    description = QJsonDocument::fromJson(Testing::fileContents(QStringLiteral(":/RV23.json")), &error).object();
    QCOMPARE(error.errorString(), QJsonParseError().errorString());
    QCOMPARE(description.keys(), (QStringList{"events", "informations", "inputs", "outputs", "settings"}));

    QLoggingCategory::setFilterRules(QStringLiteral("rv23.framework.debug=true"));
    collectedType = QtDebugMsg;
    defaultHandler = qInstallMessageHandler(collect);
    described = buildTree(description);
    qInstallMessageHandler(defaultHandler);
    QLoggingCategory::setFilterRules(QStringLiteral("rv23.*.debug=false"));
    QVERIFY2(collected.isEmpty(), qPrintable(collected.join(QLatin1Char('\n'))));
}

// Builds the tree and the pages in the order the module does, each page bound to its items.
void TestPages::init()
{
    top = buildTree(description);
    const auto page = [this](const char* name) { return top->child(QLatin1String(name)); };
    inputs = std::make_unique<moduleRV_23::Inputs>();
    outputs = std::make_unique<moduleRV_23::Outputs>();
    settings = std::make_unique<moduleRV_23::Settings>();
    collected.clear();
    collectedType = QtWarningMsg;
    defaultHandler = qInstallMessageHandler(collect);
    const bool bound = bindItems(inputs.get(), page("inputs")->children())
                       && bindItems(outputs.get(), page("outputs")->children())
                       && bindItems(settings.get(), page("settings")->children());
    qInstallMessageHandler(defaultHandler);
    bindingWarnings = collected;
    QVERIFY(bound);
    informationsModel = std::make_unique<Model>(page("informations"), true);
    eventsModel = std::make_unique<Model>(page("events"), false);
    informations = std::make_unique<moduleRV_23::Informations>(informationsModel.get());
    events = std::make_unique<moduleRV_23::Events>(eventsModel.get());
}

void TestPages::cleanup()
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

void TestPages::descriptionItems_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("properties");

    QTest::newRow("events page: last tab, static read-only table") << "events" << "#4 static title read-only rows=1";
    QTest::newRow("input state: live, silent") << "inputs.gbInputA.leStavA" << "#0 state silent";
    QTest::newRow("activation text: 30 bytes") << "inputs.gbInputB.leSMSOnB" << "#1 dynamic max=30";
    QTest::newRow("relay on-time: up to 10 hours in ms")
        << "outputs.gbOutputX.teDelayX" << "#6 dynamic max=36000000 min=0";
    QTest::newRow("relay phones: 50 rows") << "outputs.gbOutputY.tYPhones" << "#8 header rows=50";
    QTest::newRow("relay use count: 0 to 99, default 0")
        << "outputs.gbOutputX.tXPhones.valueColumn2.value" << "#0 dynamic default=0 max=99 min=0 untranslated";
    QTest::newRow("USSD command carries its key")
        << "settings.gbCredit.lCreditCommand.leCreditCommand" << "#0 dynamic max=6 command=CRD";
    QTest::newRow("information keys: bold, read-only") << "informations.keys.imei" << "#4 static title bold read-only";
    QTest::newRow("own number: the only editable value")
        << "informations.values.ownphonenumber" << "#0 dynamicOnly max=20 untranslated";
    QTest::newRow("serial number from the unit") << "informations.values.serial" << "#1 state untranslated read-only";
    QTest::newRow("behaviour version is loaded")
        << "informations.values.behavversion" << "#3 dynamic untranslated read-only";
}

// The properties an item has beyond an unlimited, editable, role-less item, in a fixed order.
void TestPages::descriptionItems()
{
    QFETCH(QString, path);
    QFETCH(QString, properties);

    const Item* item = described->findChild<Item*>(TopName + QLatin1Char('.') + path);
    QVERIFY2(item, qPrintable(path));
    static const QHash<int, QString> roles{{Static, "static"}, {Dynamic, "dynamic"}, {DynamicOnly, "dynamicOnly"},
                                           {DynamicState, "state"}};
    QStringList actual{'#' + QString::number(item->index()), roles.value(item->role())};
    const QVariant defaultValue = item->defaultValue(false);
    if (defaultValue == (TopName + QLatin1Char('.') + path).toLower())
        actual << "title";
    else if (defaultValue.isValid())
        actual << "default=" + defaultValue.toString();
    if (item->maximum() != Item::NoLimit)
        actual << "max=" + QString::number(item->maximum());
    if (item->minimum() != Item::NoLimit)
        actual << "min=" + QString::number(item->minimum());
    if (!item->command().isEmpty())
        actual << "command=" + item->command();
    const QList<QPair<ItemStateFlag, const char*>> flags{
        {Silent, "silent"}, {FirstColumnIsHeader, "header"}, {Bold, "bold"}, {DoNotTranslate, "untranslated"}};
    for (const auto& [flag, name] : flags) {
        if (item->state() & flag)
            actual << name;
    }
    if (item->editable() != Editable)
        actual << "read-only";
    if (item->rowCount() > 0)
        actual << "rows=" + QString::number(item->rowCount());
    actual.removeAll(QString());
    QCOMPARE(actual.join(' '), properties);
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
            if (const auto* connectable = dynamic_cast<Connectable*>(widget)) {
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
    }
}

void TestPages::digitFieldsStopAtTheirLength_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("DTMF code: ninth digit rejected") << "outputs" << "leDTMFOffY" << "123456789" << "12345678";
    QTest::newRow("DTMF code: letters rejected") << "outputs" << "leDTMFOnY" << "12#4a" << "124";
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
    QVERIFY(!delayX->isEnabled());
    QVERIFY(delayY->isEnabled());
    permanentX->click();
    QVERIFY(delayX->isEnabled());

    control<QCheckBox>(outputs.get(), "cbOutputYOn")->click();
    QVERIFY(!delayY->isEnabled());
    QVERIFY(delayX->isEnabled());
}

// Relay tests and the GSM reset go to a unit: unusable offline, usable again once one is there.
void TestPages::pageActionsNeedAUnitAndAreSignalled()
{
    const QList<QPushButton*> buttons{control<QPushButton>(outputs.get(), "pbInOutX"),
                                      control<QPushButton>(outputs.get(), "pbInOutY"),
                                      control<QPushButton>(settings.get(), "pbResetGSM")};
    QVERIFY(!buttons.contains(nullptr));
    outputs->setConfigurationSource(Common::Offline);
    settings->setConfigurationSource(Common::Offline);
    QVERIFY(!buttons.at(0)->isEnabled() && !buttons.at(1)->isEnabled() && !buttons.at(2)->isEnabled());
    outputs->setConfigurationSource(Common::Remote);
    settings->setConfigurationSource(Common::Remote);
    QSignalSpy toggleX(outputs.get(), &moduleRV_23::Outputs::toggleOutputX);
    QSignalSpy toggleY(outputs.get(), &moduleRV_23::Outputs::toggleOutputY);
    QSignalSpy resetGSM(settings.get(), &moduleRV_23::Settings::resetGSM);
    QSignalSpy globalReset(settings.get(), &moduleRV_23::Settings::globalReset);
    QSignalSpy loadEvents(events.get(), &moduleRV_23::Events::loadEvents);

    for (QPushButton* button : buttons)
        QTest::mouseClick(button, Qt::LeftButton);
    settings->resetclicked();
    QCOMPARE(events->buttons().size(), 1);
    events->buttons().first()->click();

    const QList<int> counts{toggleX.count(), toggleY.count(), resetGSM.count(), globalReset.count(),
                            loadEvents.count()};
    QCOMPARE(counts, QList<int>({1, 1, 1, 1, 1}));
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
    const auto hiddenRows = [this] {
        QList<int> hidden;
        for (int row = 0; row < 8; ++row) {
            if (informations->isRowHidden(row))
                hidden << row;
        }
        return hidden;
    };
    informations->showExtended(false);
    QCOMPARE(hiddenRows(), QList<int>({5, 6, 7}));
    informations->showExtended(true);
    QCOMPARE(hiddenRows(), QList<int>());
}

void TestPages::languageChangeRetitlesPageTexts()
{
    CzechTexts czech; // takes itself out again when it goes
    QCoreApplication::installTranslator(&czech);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    QCOMPARE(control<QCheckBox>(outputs.get(), "cbOutputXOn")->text(), QStringLiteral("Trvale"));
    QCOMPARE(control<QCheckBox>(outputs.get(), "cbOutputYOn")->text(), QStringLiteral("Trvale"));
    QCOMPARE(events->buttons().first()->text(), QString::fromUtf8("Načíst znovu"));
}

void TestPages::phoneCellsHaveNoStrayLines_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("wideNumbers");

    QTest::newRow("input numbers") << "tAPhones" << false;
    QTest::newRow("relay X numbers beside counts, 200 px wide") << "tXPhones" << true;
    QTest::newRow("relay Y numbers beside counts, sized to contents") << "tYPhones" << false;
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
    QTEST(view->horizontalHeader()->sectionSize(0) == 200, "wideNumbers");

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
