#include "framework/item.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QtTest>

#include <memory>

using Framework::Item;

namespace {

const char* const PageNames[] = {"inputs", "outputs", "settings", "informations", "events"};
const QString TopName = QStringLiteral("app.rv-23.topItem");

QStringList builderDiagnostics;

// Collects what the tree builder complains about (unknown roles, misspelt keys, missing row templates).
void collectDiagnostics(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg && qstrcmp(context.category, "rv23.framework") == 0)
        builderDiagnostics << message;
}

// The translation id that a translatable description text stands for.
QString trId(const QString& path)
{
    return (TopName + QLatin1Char('.') + path).toLower();
}

QTestData& row(const char* name, const QString& path)
{
    return QTest::newRow(name) << path;
}

QStringList names(const QString& pattern, const QString& variants)
{
    QStringList result;
    for (const QChar variant : variants)
        result << pattern.arg(variant);
    return result;
}

} // namespace

// The embedded page description: what the pages bind to and what loading and saving walk.
class TestPageDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void itemProperties_data();
    void itemProperties();
    void everyControlIsDescribed_data();
    void everyControlIsDescribed();
    void phoneTablesHaveNumberedRows_data();
    void phoneTablesHaveNumberedRows();
    void informationRowsLineUp();
    void eventsTableHasOneEmptyRow();
    void boundControlsCarryCzechHints();

private:
    Item* find(const QString& path) const;

    QJsonObject description;
    std::unique_ptr<Item> top;
};

void TestPageDescription::initTestCase()
{
    QFile file(QStringLiteral(":/RV23.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    QCOMPARE(error.errorString(), QJsonParseError().errorString());
    QVERIFY(document.isObject());
    description = document.object();

    QLoggingCategory::setFilterRules(QStringLiteral("rv23.framework.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(collectDiagnostics);
    top = std::make_unique<Item>(TopName, nullptr);
    for (const char* page : PageNames) {
        QVERIFY2(description.contains(QLatin1String(page)), page);
        new Item(QLatin1String(page), top.get(), description.value(QLatin1String(page)).toObject());
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("rv23.*.debug=false"));
    QVERIFY2(builderDiagnostics.isEmpty(), qPrintable(builderDiagnostics.join(QLatin1Char('\n'))));
    QCOMPARE(description.size(), 5);
}

Item* TestPageDescription::find(const QString& path) const
{
    return top->findChild<Item*>(TopName + QLatin1Char('.') + path);
}

void TestPageDescription::itemProperties_data()
{
    using namespace Framework;
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("minimum");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("editable");
    QTest::addColumn<int>("rowCount");

    const qint64 none = Item::NoLimit;
    const auto title = [](const QString& path) { return QVariant(trId(path)); };

    row("inputs page: first tab, titled", "inputs")
        << 0 << int(NoRole) << title("inputs") << none << none << QString() << 0 << int(Editable) << 0;
    row("outputs page: second tab", "outputs")
        << 1 << int(NoRole) << title("outputs") << none << none << QString() << 0 << int(Editable) << 0;
    row("settings page: third tab", "settings")
        << 2 << int(NoRole) << title("settings") << none << none << QString() << 0 << int(Editable) << 0;
    row("informations page: fourth tab, a table of eight rows", "informations")
        << 3 << int(NoRole) << title("informations") << none << none << QString() << 0 << int(Editable) << 8;
    row("events page: last tab, static read-only table", "events")
        << 4 << int(Static) << title("events") << none << none << QString() << 0 << int(ReadOnly) << 1;

    row("input group titled, no role", "inputs.gbInputC")
        << 2 << int(NoRole) << title("inputs.gbInputC") << none << none << QString() << 0 << int(Editable) << 0;
    row("input state: live, silent", "inputs.gbInputA.leStavA")
        << 0 << int(DynamicState) << QVariant() << none << none << QString() << int(Silent) << int(Editable) << 0;
    row("activation text: 30 bytes", "inputs.gbInputB.leSMSOnB")
        << 1 << int(Dynamic) << QVariant() << qint64(30) << none << QString() << 0 << int(Editable) << 0;
    row("deactivation text: 30 bytes", "inputs.gbInputD.leSMSOffD")
        << 2 << int(Dynamic) << QVariant() << qint64(30) << none << QString() << 0 << int(Editable) << 0;
    row("call option", "inputs.gbInputC.cbCallC")
        << 3 << int(Dynamic) << QVariant() << none << none << QString() << 0 << int(Editable) << 0;
    row("input phones: 8 rows, header column", "inputs.gbInputA.tAPhones")
        << 4 << int(NoRole) << QVariant() << none << none << QString() << int(FirstColumnIsHeader)
        << int(Editable) << 8;
    row("input phone index cell counts from 1", "inputs.gbInputA.tAPhones.indexColumn.index")
        << 0 << int(Static) << QVariant(1) << none << none << QString() << int(DoNotTranslate) << int(Editable) << 0;
    row("input phone number cell: 20 bytes", "inputs.gbInputD.tDPhones.valueColumn.value")
        << 0 << int(Dynamic) << QVariant() << qint64(20) << none << QString() << int(DoNotTranslate)
        << int(Editable) << 0;
    row("input caption", "inputs.gbInputTexts.lInputPhones")
        << 4 << int(NoRole) << title("inputs.gbInputTexts.lInputPhones") << none << none << QString() << 0
        << int(Editable) << 0;

    row("relay state: live, silent", "outputs.gbOutputY.leStavY")
        << 0 << int(DynamicState) << QVariant() << none << none << QString() << int(Silent) << int(Editable) << 0;
    row("relay test button: titled, not saved", "outputs.gbOutputX.pbInOutX")
        << 1 << int(NoRole) << title("outputs.gbOutputX.pbInOutX") << none << none << QString() << 0
        << int(Editable) << 0;
    row("relay on text", "outputs.gbOutputX.leSMSOnX")
        << 2 << int(Dynamic) << QVariant() << qint64(30) << none << QString() << 0 << int(Editable) << 0;
    row("DTMF off code: 8 digits", "outputs.gbOutputY.leDTMFOffY")
        << 5 << int(Dynamic) << QVariant() << qint64(8) << none << QString() << 0 << int(Editable) << 0;
    row("relay on-time: up to 10 hours in ms", "outputs.gbOutputX.teDelayX")
        << 6 << int(Dynamic) << QVariant() << qint64(36000000) << qint64(0) << QString() << 0 << int(Editable) << 0;
    row("permanent relay", "outputs.gbOutputY.cbOutputYOn")
        << 7 << int(Dynamic) << QVariant() << none << none << QString() << 0 << int(Editable) << 0;
    row("relay phones: 50 rows", "outputs.gbOutputY.tYPhones")
        << 8 << int(NoRole) << QVariant() << none << none << QString() << int(FirstColumnIsHeader)
        << int(Editable) << 50;
    row("relay use count column titled", "outputs.gbOutputX.tXPhones.valueColumn2")
        << 2 << int(NoRole) << title("outputs.gbOutputX.tXPhones.valueColumn2") << none << none << QString() << 0
        << int(Editable) << 0;
    row("relay use count: 0 to 99, default 0", "outputs.gbOutputX.tXPhones.valueColumn2.value")
        << 0 << int(Dynamic) << QVariant(0) << qint64(99) << qint64(0) << QString() << int(DoNotTranslate)
        << int(Editable) << 0;

    row("peripheral of input B: 14 digits", "settings.gbDeviceCodes.lINB.leINB")
        << 0 << int(Dynamic) << QVariant() << qint64(14) << none << QString() << 0 << int(Editable) << 0;
    row("fourth peripheral of output Y", "settings.gbDeviceCodes.lOutY.leOutY4")
        << 3 << int(Dynamic) << QVariant() << qint64(14) << none << QString() << 0 << int(Editable) << 0;
    row("programming code: 8 bytes", "settings.gbSIMCard.lPIN.lePIN")
        << 0 << int(Dynamic) << QVariant() << qint64(8) << none << QString() << 0 << int(Editable) << 0;
    row("status SMS text", "settings.gbSIMCard.lTextStatusSMS.leTextStatusSMS")
        << 0 << int(Dynamic) << QVariant() << qint64(30) << none << QString() << 0 << int(Editable) << 0;
    row("second service number", "settings.gbSIMCard.lServiceNumber2.leServiceNumber2")
        << 0 << int(Dynamic) << QVariant() << qint64(20) << none << QString() << 0 << int(Editable) << 0;
    row("GSM reset button beside the SIM labels", "settings.gbSIMCard.pbResetGSM")
        << 4 << int(NoRole) << title("settings.gbSIMCard.pbResetGSM") << none << none << QString() << 0
        << int(Editable) << 0;
    row("credit supervision switch", "settings.gbCredit.lCreditActivated.cbCreditActivated")
        << 0 << int(Dynamic) << QVariant() << none << none << QString() << 0 << int(Editable) << 0;
    row("USSD command carries its key", "settings.gbCredit.lCreditCommand.leCreditCommand")
        << 0 << int(Dynamic) << QVariant() << qint64(6) << none << QStringLiteral("CRD") << 0 << int(Editable) << 0;
    row("balance digit position 1..99", "settings.gbCredit.lCreditPosition.sbCreditPosition")
        << 0 << int(Dynamic) << QVariant(1) << qint64(99) << qint64(1) << QString() << 0 << int(Editable) << 0;
    row("low balance 1..999", "settings.gbCredit.lCreditLowLimit.sbCreditLowLimit")
        << 0 << int(Dynamic) << QVariant(1) << qint64(999) << qint64(1) << QString() << 0 << int(Editable) << 0;
    row("check period in days 1..99", "settings.gbCredit.lCreditPerioda.leCreditDD")
        << 0 << int(Dynamic) << QVariant(1) << qint64(99) << qint64(1) << QString() << 0 << int(Editable) << 0;
    row("option label holds its check box", "settings.gbSMSReport.lLimit10SMS")
        << 3 << int(NoRole) << title("settings.gbSMSReport.lLimit10SMS") << none << none << QString() << 0
        << int(Editable) << 0;
    row("last option", "settings.gbSMSReport.lBypassWirelessDevice.cblBypassWirelessDevice")
        << 0 << int(Dynamic) << QVariant() << none << none << QString() << 0 << int(Editable) << 0;

    row("information keys: bold, read-only", "informations.keys.imei")
        << 4 << int(Static) << title("informations.keys.imei") << none << none << QString() << int(Bold)
        << int(ReadOnly) << 0;
    row("own number: the only editable value", "informations.values.ownphonenumber")
        << 0 << int(DynamicOnly) << QVariant() << qint64(20) << none << QString() << int(DoNotTranslate)
        << int(Editable) << 0;
    row("serial number from the unit", "informations.values.serial")
        << 1 << int(DynamicState) << QVariant() << none << none << QString() << int(DoNotTranslate)
        << int(ReadOnly) << 0;
    row("behaviour version is loaded", "informations.values.behavversion")
        << 3 << int(Dynamic) << QVariant() << none << none << QString() << int(DoNotTranslate) << int(ReadOnly) << 0;
    row("voltage is the last row", "informations.values.voltage")
        << 7 << int(DynamicState) << QVariant() << none << none << QString() << int(DoNotTranslate)
        << int(ReadOnly) << 0;
    row("event sources are the third column", "events.sources")
        << 2 << int(Static) << title("events.sources") << none << none << QString() << 0 << int(ReadOnly) << 0;
}

void TestPageDescription::itemProperties()
{
    QFETCH(QString, path);
    QFETCH(int, index);
    QFETCH(int, role);
    QFETCH(QVariant, defaultValue);
    QFETCH(qint64, maximum);
    QFETCH(qint64, minimum);
    QFETCH(QString, command);
    QFETCH(int, state);
    QFETCH(int, editable);
    QFETCH(int, rowCount);

    const Item* item = find(path);
    QVERIFY2(item, qPrintable(path));
    QCOMPARE(item->index(), index);
    QCOMPARE(int(item->role()), role);
    QCOMPARE(item->defaultValue(false), defaultValue);
    QCOMPARE(item->maximum(), maximum);
    QCOMPARE(item->minimum(), minimum);
    QCOMPARE(item->command(), command);
    const int described = Framework::Silent | Framework::FirstColumnIsHeader | Framework::AutoIncrement
                          | Framework::DoNotTranslate | Framework::Bold;
    QCOMPARE(int(item->state()) & described, state);
    QCOMPARE(int(item->editable()), editable);
    QCOMPARE(item->rowCount(), rowCount);
}

void TestPageDescription::everyControlIsDescribed_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("shortNames");

    QStringList inputs = QStringList{"gbInputTexts", "lStav", "lSMSOn", "lSMSOff", "lCall", "lInputPhones"};
    for (const char* pattern : {"gbInput%1", "leStav%1", "leSMSOn%1", "leSMSOff%1", "cbCall%1", "t%1Phones"})
        inputs << names(QLatin1String(pattern), QStringLiteral("ABCD"));
    QTest::newRow("inputs") << "inputs" << inputs;

    QStringList outputs = QStringList{"gbOutputTexts", "lStav", "lSMSOn", "lSMSOff", "lDTMFOn", "lDTMFOff",
                                      "lDelay", "lOutputPhones"};
    for (const char* pattern : {"gbOutput%1", "leStav%1", "pbInOut%1", "leSMSOn%1", "leSMSOff%1", "leDTMFOn%1",
                                "leDTMFOff%1", "teDelay%1", "cbOutput%1On", "t%1Phones"})
        outputs << names(QLatin1String(pattern), QStringLiteral("XY"));
    QTest::newRow("outputs") << "outputs" << outputs;

    QStringList settings = QStringList{
        "gbDeviceCodes", "lOutX", "lOutY", "gbSIMCard", "lPIN", "lePIN", "lTextStatusSMS", "leTextStatusSMS",
        "leServiceNumber", "leServiceNumber2", "pbResetGSM", "gbCredit", "lCreditActivated", "cbCreditActivated",
        "lCreditCommand", "leCreditCommand", "lCreditPosition", "sbCreditPosition", "lCreditLowLimit",
        "sbCreditLowLimit", "lCreditPerioda", "leCreditDD", "gbSMSReport", "cbSMSReportForwardSMS",
        "cb24hCheckCall", "cbSendSMSCopy", "cbLimit10SMS", "cbConfirmRelayActivityByRing",
        "cbConfirmRelayActivityBySMS", "cblBypassWirelessDevice"};
    settings << names(QStringLiteral("lIN%1"), QStringLiteral("ABCD")) << names(QStringLiteral("leIN%1"), QStringLiteral("ABCD"))
             << names(QStringLiteral("leOutX%1"), QStringLiteral("1234"))
             << names(QStringLiteral("leOutY%1"), QStringLiteral("1234"));
    QTest::newRow("settings") << "settings" << settings;

    QTest::newRow("informations") << "informations"
                                  << QStringList{"keys", "values", "ownphonenumber", "serial", "firmware",
                                                 "behavversion", "imei", "operator", "rssi", "voltage"};
    QTest::newRow("events") << "events" << QStringList{"dates", "events", "sources"};
}

void TestPageDescription::everyControlIsDescribed()
{
    QFETCH(QString, page);
    QFETCH(QStringList, shortNames);

    const Item* pageItem = find(page);
    QVERIFY(pageItem);
    QStringList present;
    for (const Item* item : pageItem->findChildren<Item*>())
        present << item->shortName();
    for (const QString& name : qAsConst(shortNames))
        QVERIFY2(present.contains(name), qPrintable(name));
}

void TestPageDescription::phoneTablesHaveNumberedRows_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<int>("rows");

    for (const QChar input : QStringLiteral("ABCD"))
        QTest::newRow(qPrintable(QStringLiteral("input %1").arg(input)))
            << QStringLiteral("inputs.gbInput%1.t%1Phones").arg(input)
            << QStringList{"indexColumn", "valueColumn"} << 8;
    for (const QChar output : QStringLiteral("XY"))
        QTest::newRow(qPrintable(QStringLiteral("output %1").arg(output)))
            << QStringLiteral("outputs.gbOutput%1.t%1Phones").arg(output)
            << QStringList{"indexColumn", "valueColumn", "valueColumn2"} << 50;
}

// Loading and saving address phone cells by column index and row key; the savers pick number
// cells by a short name starting with "value" and the count column by its name.
void TestPageDescription::phoneTablesHaveNumberedRows()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QFETCH(int, rows);

    const Item* tableItem = find(table);
    QVERIFY(tableItem);
    QCOMPARE(tableItem->children().keys(), (QList<int>() << 0 << 1 << 2).mid(0, columns.size()));
    for (int c = 0; c < columns.size(); ++c) {
        const Item* column = tableItem->child(c);
        QCOMPARE(column->shortName(), columns.at(c));
        QCOMPARE(column->children().size(), rows);
        const QString cellName = c == 0 ? QStringLiteral("index") : QStringLiteral("value");
        for (int r = 0; r < rows; ++r) {
            const Item* cell = column->child(r);
            QVERIFY(cell);
            QCOMPARE(cell->shortName(), r == 0 ? cellName : cellName + QStringLiteral("%1").arg(r, 2, 10, QLatin1Char('0')));
            if (c == 0)
                QCOMPARE(cell->value(), QVariant(r + 1));
            else
                QCOMPARE(int(cell->role()), int(Framework::Dynamic));
        }
    }
}

void TestPageDescription::informationRowsLineUp()
{
    const QStringList rows{"ownphonenumber", "serial", "firmware", "behavversion",
                           "imei", "operator", "rssi", "voltage"};
    const Item* keys = find(QStringLiteral("informations.keys"));
    const Item* values = find(QStringLiteral("informations.values"));
    QVERIFY(keys && values);
    QCOMPARE(keys->index(), 0);
    QCOMPARE(values->index(), 1);
    QCOMPARE(keys->children().size(), rows.size());
    QCOMPARE(values->children().size(), rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        QCOMPARE(keys->child(r)->shortName(), rows.at(r));
        QCOMPARE(values->child(r)->shortName(), rows.at(r));
    }
}

void TestPageDescription::eventsTableHasOneEmptyRow()
{
    const Item* events = find(QStringLiteral("events"));
    QVERIFY(events);
    QCOMPARE(events->children().size(), 3);
    const QStringList columns{"dates", "events", "sources"};
    for (int c = 0; c < columns.size(); ++c) {
        const Item* column = events->child(c);
        QCOMPARE(column->shortName(), columns.at(c));
        QCOMPARE(column->children().size(), 1);
        QVERIFY(column->child(0)->currentValue().isNull());
    }
}

// Every control a page binds shows its hint as tool tip; the hint is the Czech source text.
void TestPageDescription::boundControlsCarryCzechHints()
{
    static const QRegularExpression control(QStringLiteral("^(le|cb|sb|te|pb|t)[A-Z0-9]"));
    QStringList withoutHint;
    const std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& object) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key().startsWith(QLatin1Char('_')))
                continue;
            const QJsonObject child = it.value().toObject();
            if (control.match(it.key()).hasMatch() && child.value(QLatin1String("_hint")).toString().size() < 20)
                withoutHint << it.key();
            walk(child);
        }
    };
    walk(description);
    QVERIFY2(withoutHint.isEmpty(), qPrintable(withoutHint.join(QLatin1String(", "))));
}

QTEST_MAIN(TestPageDescription)
#include "tst_pagedescription.moc"
