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

} // namespace

// The embedded page description: what the pages bind to and what loading and saving walk.
class TestPageDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void itemProperties_data();
    void itemProperties();
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
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("properties");

    QTest::newRow("inputs page: first tab, titled") << "inputs" << "#0 title";
    QTest::newRow("informations page: fourth tab, eight rows") << "informations" << "#3 title rows=8";
    QTest::newRow("events page: last tab, static read-only table") << "events" << "#4 static title read-only rows=1";
    QTest::newRow("input state: live, silent") << "inputs.gbInputA.leStavA" << "#0 state silent";
    QTest::newRow("activation text: 30 bytes") << "inputs.gbInputB.leSMSOnB" << "#1 dynamic max=30";
    QTest::newRow("input phones: 8 rows, header column") << "inputs.gbInputA.tAPhones" << "#4 header rows=8";
    QTest::newRow("input phone index counts from 1")
        << "inputs.gbInputA.tAPhones.indexColumn.index" << "#0 static default=1 untranslated";
    QTest::newRow("input phone number: 20 bytes")
        << "inputs.gbInputD.tDPhones.valueColumn.value" << "#0 dynamic max=20 untranslated";
    QTest::newRow("relay test button: titled, not saved") << "outputs.gbOutputX.pbInOutX" << "#1 title";
    QTest::newRow("DTMF off code: 8 digits") << "outputs.gbOutputY.leDTMFOffY" << "#5 dynamic max=8";
    QTest::newRow("relay on-time: up to 10 hours in ms")
        << "outputs.gbOutputX.teDelayX" << "#6 dynamic max=36000000 min=0";
    QTest::newRow("relay phones: 50 rows") << "outputs.gbOutputY.tYPhones" << "#8 header rows=50";
    QTest::newRow("relay use count: 0 to 99, default 0")
        << "outputs.gbOutputX.tXPhones.valueColumn2.value" << "#0 dynamic default=0 max=99 min=0 untranslated";
    QTest::newRow("peripheral code: 14 digits") << "settings.gbDeviceCodes.lOutY.leOutY4" << "#3 dynamic max=14";
    QTest::newRow("programming code: 8 bytes") << "settings.gbSIMCard.lPIN.lePIN" << "#0 dynamic max=8";
    QTest::newRow("USSD command carries its key")
        << "settings.gbCredit.lCreditCommand.leCreditCommand" << "#0 dynamic max=6 command=CRD";
    QTest::newRow("low balance 1..999")
        << "settings.gbCredit.lCreditLowLimit.sbCreditLowLimit" << "#0 dynamic default=1 max=999 min=1";
    QTest::newRow("check period in days 1..99")
        << "settings.gbCredit.lCreditPerioda.leCreditDD" << "#0 dynamic default=1 max=99 min=1";
    QTest::newRow("information keys: bold, read-only") << "informations.keys.imei" << "#4 static title bold read-only";
    QTest::newRow("own number: the only editable value")
        << "informations.values.ownphonenumber" << "#0 dynamicOnly max=20 untranslated";
    QTest::newRow("serial number from the unit") << "informations.values.serial" << "#1 state untranslated read-only";
    QTest::newRow("behaviour version is loaded")
        << "informations.values.behavversion" << "#3 dynamic untranslated read-only";
}

// The properties an item has beyond an unlimited, editable, role-less item, in a fixed order.
void TestPageDescription::itemProperties()
{
    using namespace Framework;
    QFETCH(QString, path);
    QFETCH(QString, properties);

    const Item* item = find(path);
    QVERIFY2(item, qPrintable(path));
    static const QHash<int, QString> roles{{Static, "static"}, {Dynamic, "dynamic"}, {DynamicOnly, "dynamicOnly"},
                                           {DynamicState, "state"}};
    QStringList actual{'#' + QString::number(item->index())};
    actual << roles.value(item->role());
    const QVariant defaultValue = item->defaultValue(false);
    if (defaultValue == trId(path))
        actual << "title";
    else if (defaultValue.isValid())
        actual << "default=" + defaultValue.toString();
    if (item->maximum() != Item::NoLimit)
        actual << "max=" + QString::number(item->maximum());
    if (item->minimum() != Item::NoLimit)
        actual << "min=" + QString::number(item->minimum());
    if (!item->command().isEmpty())
        actual << "command=" + item->command();
    const ItemState state = item->state();
    const QList<QPair<ItemStateFlag, const char*>> flags{
        {Silent, "silent"}, {FirstColumnIsHeader, "header"}, {Bold, "bold"}, {DoNotTranslate, "untranslated"}};
    for (const auto& [flag, name] : flags) {
        if (state & flag)
            actual << name;
    }
    if (item->editable() != Editable)
        actual << "read-only";
    if (item->rowCount() > 0)
        actual << "rows=" + QString::number(item->rowCount());
    actual.removeAll(QString());
    QCOMPARE(actual.join(' '), properties);
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
