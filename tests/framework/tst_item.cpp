#include "framework/item.h"
#include "frameworkdebug.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Framework;

namespace {

QJsonObject parse(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad fixture: %s", qPrintable(error.errorString()));
    return document.object();
}

// A root like the device module's, with one page built from a description.
struct Tree
{
    explicit Tree(const QByteArray& page)
        : root("app.test", nullptr)
        , page(new Item("page", &root, parse(page)))
    {
    }

    Item* at(const QString& path) const
    {
        Item* item = page;
        for (const QString& name : path.split('/', Qt::SkipEmptyParts)) {
            item = item ? item->child(name) : nullptr;
        }
        return item;
    }

    Item root;
    Item* page;
};

QString childKeys(const Item* item)
{
    QStringList keys;
    const Item::Children children = item->children();
    for (auto it = children.cbegin(); it != children.cend(); ++it)
        keys << QString::number(it.key()) + ':' + it.value()->shortName();
    return keys.join(',');
}

QVariant field(const Item* item, const QString& name)
{
    if (name == "children")
        return childKeys(item);
    if (name == "default")
        return item->defaultValue(false);
    if (name == "role")
        return int(item->role());
    if (name == "state")
        return int(item->state());
    if (name == "tooltip")
        return item->tooltip(false);
    qFatal("unknown field %s", qPrintable(name));
}

QStringList columnValues(const Item* column)
{
    QStringList values;
    for (const Item* cell : column->children())
        values << cell->currentValue().toString();
    return values;
}

// A catalogue whose texts a test changes at will, as a language switch does.
class SwitchableCatalogue final : public QTranslator
{
public:
    QString translate(const char*, const char* id, const char*, int) const override
    {
        return texts.value(QLatin1String(id));
    }
    bool isEmpty() const override { return false; }

    QHash<QString, QString> texts;
};

} // namespace

// The item tree on its own: building, values, states and the saved format.
class TestItem : public QObject
{
    Q_OBJECT

private slots:
    void buildsFromDescription_data();
    void buildsFromDescription();
    void reportsDescriptionFaults_data();
    void reportsDescriptionFaults();
    void clonesTableRows();
    void cloneCopiesResolvedAttributes();
    void comparesValues_data();
    void comparesValues();
    void setValueCreatesTypedDefault_data();
    void setValueCreatesTypedDefault();
    void announcesVisibleValueChanges();
    void silentItemNeverMarksParent();
    void aggregatesChildState();
    void resetsValues_data();
    void resetsValues();
    void resetClearsRowMarks();
    void resizedTablesKeepOldRowsOnly();
    void savedConfigurationRoundTrips();
    void countsChangedItemsOnImport_data();
    void countsChangedItemsOnImport();
    void retranslateFollowsOnlyDefaults_data();
    void retranslateFollowsOnlyDefaults();
};

void TestItem::buildsFromDescription_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("children without _index follow key order")
        << QByteArray(R"({"b": {}, "a": {}, "c": {}})") << "" << "children" << QVariant("0:a,1:b,2:c");
    QTest::newRow("unindexed children come after indexed siblings")
        << QByteArray(R"({"a": {"_index": 4}, "b": {}})") << "" << "children" << QVariant("4:a,5:b");
    QTest::newRow("same _index: the later sibling replaces the earlier")
        << QByteArray(R"({"a": {"_index": 1}, "b": {"_index": 1}})") << "" << "children" << QVariant("1:b");
    QTest::newRow("default 36000000 stays an int")
        << QByteArray(R"({"x": {"_default_value": 36000000}})") << "x" << "default" << QVariant(36000000);
    QTest::newRow("default double keeps six digits")
        << QByteArray(R"({"x": {"_default_value": 1.23456789}})") << "x" << "default" << QVariant(1.23457);
    QTest::newRow("role text is case-insensitive")
        << QByteArray(R"({"x": {"_role": "dynamicState"}})") << "x" << "role" << QVariant(int(DynamicState));
    QTest::newRow("own role wins over the children role")
        << QByteArray(R"({"_children_role": "static", "x": {"_role": "dynamic"}})") << "x" << "role"
        << QVariant(int(Dynamic));
    QTest::newRow("a command without role under no role is dynamic")
        << QByteArray(R"({"x": {"_command": "ATA"}})") << "x" << "role" << QVariant(int(Dynamic));
    QTest::newRow("a command without role inherits a children role")
        << QByteArray(R"({"_children_role": "static", "x": {"_command": "ATA"}})") << "x" << "role"
        << QVariant(int(Static));
    QTest::newRow("no tooltip id for untranslated items")
        << QByteArray(R"({"x": {"_doNotTranslate": true}})") << "x" << "tooltip" << QVariant(QString());
    QTest::newRow("bold does not reach grandchildren")
        << QByteArray(R"({"_bold": true, "x": {"y": {}}})") << "x/y" << "state" << QVariant(int(NoState));
}

void TestItem::buildsFromDescription()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, path);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    Tree tree(description);
    const Item* item = tree.at(path);
    QVERIFY(item);
    const QVariant actual = ::field(item, field);
    QCOMPARE(actual, expected);
    QCOMPARE(actual.userType(), expected.userType());
}

void TestItem::reportsDescriptionFaults_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown role") << QByteArray(R"({"x": {"_role": "dynamical"}})") << "Unknown role dynamical";
    QTest::newRow("misspelt key") << QByteArray(R"({"x": {"_defualt_value": 3}})")
                                  << "Json contains unsupported key _defualt_value";
    QTest::newRow("table column without template")
        << QByteArray(R"({"t": {"_row_count": 2, "a": {"0": {}}, "b": {}, "c": {"0": {}}}})")
        << "First row item for column app.test.page.t.b is missing!";
}

void TestItem::reportsDescriptionFaults()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, message);

    const FrameworkDebugOn debugOn;
    QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    Tree tree(description);
    QVERIFY(tree.at("x") || tree.at("t"));
}

void TestItem::clonesTableRows()
{
    Tree tree(R"({"t": {"_row_count": 8, "_first_column_is_header": true,
        "indexes": {"_index": 0, "_auto_increment": true, "index": {"_default_value": 1}},
        "numbers": {"_index": 1, "_children_role": "dynamic", "n": {"_max": 20}},
        "counts": {"_index": 2, "_row_count": 3, "c": {}},
        "empty": {"_index": 3},
        "after": {"_index": 4, "a": {}}}})");

    const Item* indexes = tree.at("t/indexes");
    QCOMPARE(columnValues(indexes), QString("1 2 3 4 5 6 7 8").split(' '));
    QStringList names;
    for (const Item* cell : indexes->children())
        names << cell->shortName();
    QCOMPARE(names, QString("index index01 index02 index03 index04 index05 index06 index07").split(' '));

    QCOMPARE(tree.at("t/counts")->children().size(), 3);
    // Rows stop at the column without template: the columns after it keep their template only.
    QCOMPARE(tree.at("t/after")->children().size(), 1);
}

void TestItem::cloneCopiesResolvedAttributes()
{
    Tree tree(R"({"_children_role": "dynamicOnly", "_editable": false,
        "src": {"_command": "ATA", "_max": 9, "_min": 1, "_default_value": "Text", "_silent": true,
                "sub": {"_default_value": 4}}})");
    Item* source = tree.at("src");
    source->setValue("edited");
    Item target("app.other", nullptr);

    const Item clone(source, &target, 3);

    QCOMPARE(clone.objectName(), QString("app.test.page.src03"));
    QCOMPARE(clone.parentItem(), &target);
    QCOMPARE(target.child(3), &clone);
    QCOMPARE(clone.command(), QString("ATA"));
    QCOMPARE(clone.maximum(), qint64(9));
    QCOMPARE(clone.minimum(), qint64(1));
    QCOMPARE(clone.role(), DynamicOnly);
    QCOMPARE(clone.editable(), ReadOnly);
    QCOMPARE(clone.state(), ItemState(Silent));
    QCOMPARE(clone.tooltip(false), QString("app.test.page.src.tooltip"));
    QCOMPARE(clone.defaultValue(false), QVariant("app.test.page.src"));
    QCOMPARE(clone.value(), QVariant("app.test.page.src")); // values are not copied
    QCOMPARE(clone.child(0)->defaultValue(false), QVariant(4));
}

void TestItem::comparesValues_data()
{
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<QVariant>("reference");
    QTest::addColumn<QVariant>("current");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("state");

    const QString thirty(30, 'a');
    QTest::newRow("text of 30 bytes against max 30") << qint64(30) << QVariant("") << QVariant(thirty) << true
                                                     << int(Changed);
    QTest::newRow("text of 31 bytes against max 30")
        << qint64(30) << QVariant("") << QVariant(thirty + 'a') << true << int(Changed | OutOfRange);
    QTest::newRow("a two-byte character counts twice")
        << qint64(30) << QVariant("") << QVariant(QString(29, 'a') + QChar(0xe9)) << true
        << int(Changed | OutOfRange);
    QTest::newRow("zero max disables the check")
        << qint64(0) << QVariant("") << QVariant(thirty + thirty) << true << int(Changed);
    QTest::newRow("64-bit int over max")
        << qint64(36000000) << QVariant(qint64(0)) << QVariant(qint64(36000500)) << true << int(Changed | OutOfRange);
    QTest::newRow("double over max") << qint64(10) << QVariant(1.0) << QVariant(10.5) << true
                                     << int(Changed | OutOfRange);
    QTest::newRow("equal value is clean and not stored") << qint64(30) << QVariant("abc") << QVariant("abc")
                                                         << false << int(NoState);
    QTest::newRow("empty text equals a null reference") << qint64(30) << QVariant() << QVariant("") << true
                                                        << int(NoState);
    QTest::newRow("null is never stored") << qint64(30) << QVariant("abc") << QVariant() << false << int(NoState);
}

void TestItem::comparesValues()
{
    QFETCH(qint64, maximum);
    QFETCH(QVariant, reference);
    QFETCH(QVariant, current);
    QFETCH(bool, stored);
    QFETCH(int, state);

    Tree tree(QJsonDocument(QJsonObject{{"x", QJsonObject{{"_max", double(maximum)}}}}).toJson());
    Item* item = tree.at("x");
    if (reference.isValid())
        item->setValue(reference);
    QCOMPARE(item->state(), ItemState(NoState));

    QCOMPARE(item->setCurrentValue(current), stored);
    QCOMPARE(int(item->state()), state);
    if (stored)
        QCOMPARE(item->currentValue(), current);
}

void TestItem::setValueCreatesTypedDefault_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("bool") << QByteArray(R"({"x": {}})") << QVariant(true) << QVariant(false);
    QTest::newRow("int from the minimum") << QByteArray(R"({"x": {"_min": 1}})") << QVariant(50) << QVariant(1);
    QTest::newRow("64-bit int") << QByteArray(R"({"x": {}})") << QVariant(qint64(7)) << QVariant(qint64(0));
    QTest::newRow("double without minimum") << QByteArray(R"({"x": {}})") << QVariant(2.5) << QVariant(0.0);
    QTest::newRow("double takes the minimum as 64-bit int")
        << QByteArray(R"({"x": {"_min": 2}})") << QVariant(2.5) << QVariant(qint64(2));
    QTest::newRow("text") << QByteArray(R"({"x": {}})") << QVariant("abc") << QVariant("");
    QTest::newRow("an existing default stays")
        << QByteArray(R"({"x": {"_default_value": 9}})") << QVariant(50) << QVariant(9);
}

void TestItem::setValueCreatesTypedDefault()
{
    QFETCH(QByteArray, description);
    QFETCH(QVariant, value);
    QFETCH(QVariant, expected);

    Tree tree(description);
    Item* item = tree.at("x");
    item->setValue(value);

    const QVariant created = item->defaultValue(false);
    QCOMPARE(created, expected);
    QCOMPARE(created.userType(), expected.userType());
    QCOMPARE(item->state(), ItemState(NoState));
}

void TestItem::announcesVisibleValueChanges()
{
    Tree tree(R"({"x": {}})");
    Item* item = tree.at("x");
    QSignalSpy values(item, &Item::valueChanged);

    item->setValue(5); // the first value of an item never shown
    item->setValue(5);
    item->resetValues(Compact); // drops the stored current value
    item->setValue(6);

    QCOMPARE(values.count(), 2);
    QCOMPARE(values.at(0).first(), QVariant(5));
    QCOMPARE(values.at(1).first(), QVariant(6));
}

void TestItem::silentItemNeverMarksParent()
{
    Tree tree(R"({"g": {"leStavA": {"_silent": true, "_role": "dynamicState"}}})");
    Item* item = tree.at("g/leStavA");
    QSignalSpy states(item, &Item::stateChanged);
    QSignalSpy values(item, &Item::valueChanged);

    item->setCurrentValue("aktivni");

    QCOMPARE(values.count(), 1);
    QCOMPARE(states.count(), 0);
    QVERIFY(item->state() & Changed);
    QCOMPARE(tree.at("g")->state(), ItemState(NoState));
    QCOMPARE(tree.root.state(), ItemState(NoState));
}

void TestItem::aggregatesChildState()
{
    // Given a group with two fields, one already too long
    Tree tree(R"({"g": {"a": {"_max": 3}, "b": {"_max": 3}}})");
    Item* a = tree.at("g/a");
    Item* b = tree.at("g/b");
    a->setValue("x");
    b->setValue("x");
    b->setCurrentValue("long");
    QCOMPARE(tree.root.state(), ItemState(Changed | OutOfRange));
    QSignalSpy rootChanges(&tree.root, &Item::stateChanged);

    // When the other field is edited and the long one reverted
    a->setCurrentValue("y");
    b->setCurrentValue("x");

    // Then the marks follow up to the root, and each change is announced once
    QCOMPARE(tree.at("g")->state(), ItemState(Changed));
    QCOMPARE(tree.root.state(), ItemState(Changed));
    QCOMPARE(rootChanges.count(), 1);

    a->setState(a->state() | InputError);
    QCOMPARE(tree.root.state(), ItemState(Changed | InputError));
    a->setCurrentValue("x");
    a->setState(NoState);
    QCOMPARE(tree.root.state(), ItemState(NoState));
}

void TestItem::resetsValues_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("current");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVariant>("expectedValue");
    QTest::addColumn<QVariant>("expectedCurrent");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QJsonValue>("saved");

    // Every item has the default 5.
    QTest::newRow("compact drops values equal to the default")
        << "dynamic" << QVariant(5) << QVariant() << int(Compact) << QVariant(5) << QVariant(5) << false
        << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("compact keeps an edit") << "dynamic" << QVariant(7) << QVariant(8) << int(Compact) << QVariant(7)
                                           << QVariant(8) << true << QJsonValue(8);
    QTest::newRow("revert puts the reference back") << "dynamic" << QVariant(7) << QVariant(8) << int(Revert)
                                                    << QVariant(7) << QVariant(7) << false << QJsonValue(7);
    QTest::newRow("revert keeps a dynamicOnly edit") << "dynamicOnly" << QVariant(7) << QVariant(8) << int(Revert)
                                                     << QVariant(8) << QVariant(8) << false << QJsonValue(8);
    QTest::newRow("edit defaults edits the current value")
        << "dynamic" << QVariant(7) << QVariant() << int(EditDefaults) << QVariant(7) << QVariant(5) << true
        << QJsonValue(5);
    QTest::newRow("edit defaults skips static items") << "static" << QVariant(7) << QVariant() << int(EditDefaults)
                                                      << QVariant(7) << QVariant(7) << false
                                                      << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("edit defaults leaves a default value clean")
        << "dynamic" << QVariant(5) << QVariant() << int(EditDefaults) << QVariant(5) << QVariant(5) << false
        << QJsonValue(5);
    QTest::newRow("reset to defaults sets both and stays marked")
        << "dynamic" << QVariant(7) << QVariant(8) << int(ResetToDefaults) << QVariant(5) << QVariant(5) << true
        << QJsonValue(5);
    QTest::newRow("commit makes the edit the reference") << "dynamic" << QVariant(7) << QVariant(8) << int(Commit)
                                                         << QVariant(8) << QVariant(8) << false << QJsonValue(8);
}

void TestItem::resetsValues()
{
    QFETCH(QString, role);
    QFETCH(QVariant, value);
    QFETCH(QVariant, current);
    QFETCH(int, mode);
    QFETCH(bool, changed);

    Tree tree(QJsonDocument(QJsonObject{{"g", QJsonObject{{"x", QJsonObject{{"_role", role},
                                                                                   {"_default_value", 5}}}}}})
                        .toJson());
    Item* item = tree.at("g/x");
    item->setValue(value);
    if (current.isValid())
        item->setCurrentValue(current);

    tree.root.resetValues(ResetMode(mode));

    // Saved first: the getters fill compacted values in again.
    QTEST(item->toJson().value("_value"), "saved");
    QTEST(item->value(), "expectedValue");
    QTEST(item->currentValue(), "expectedCurrent");
    QCOMPARE(bool(item->state() & Changed), changed);
    QCOMPARE(bool(tree.root.state() & Changed), changed);
}

void TestItem::resetClearsRowMarks()
{
    Tree tree(R"({"x": {}})");
    Item* item = tree.at("x");
    item->setState(RowChanged | Bold);
    QSignalSpy states(item, &Item::stateChanged);

    tree.root.resetValues(Commit);
    QCOMPARE(item->state(), ItemState(Bold));
    QCOMPARE(states.count(), 1);

    item->setState(RowChanged | Bold);
    states.clear();
    tree.root.clearRowMarks();
    QCOMPARE(item->state(), ItemState(Bold));
    QCOMPARE(states.count(), 0);
}

// The resize signals are checked through the table model; here, what the cells hold afterwards.
void TestItem::resizedTablesKeepOldRowsOnly()
{
    Tree tree(R"({"t": {"_row_count": 8,
        "indexes": {"_index": 0, "_auto_increment": true, "i": {"_default_value": 1}},
        "texts": {"_index": 1, "s": {}}}})");
    Item* table = tree.at("t");
    Item* texts = tree.at("t/texts");
    texts->child(0)->setValue("row 0");

    table->setRowCount(10);
    QCOMPARE(texts->child(0)->currentValue().toString(), QString("row 0"));
    QCOMPARE(texts->children().lastKey(), 9);
    QCOMPARE(texts->child(9)->currentValue().toString(), QString()); // new rows start empty
    QCOMPARE(tree.at("t/indexes")->child(9)->currentValue(), QVariant(1)); // and are not counted up
    // and are named as the described rows are, after the first one and their own number
    QCOMPARE(texts->child(7)->shortName(), QString("s07"));
    QCOMPARE(texts->child(9)->shortName(), QString("s09"));

    table->setRowCount(0);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(tree.at("t/indexes")->children().size(), 1);
    QCOMPARE(texts->child(0)->currentValue().toString(), QString()); // the one row left is cleared
    QSignalSpy removing(table, &Item::rowsAboutToBeRemoved);
    table->setRowCount(1);
    QVERIFY(removing.isEmpty());
    table->setRowCount(12);
    QCOMPARE(texts->child(11)->shortName(), QString("s11"));
}

static const char* const roundTripDescription = R"({
    "g": {"_children_role": "dynamic",
          "text": {"_max": 30, "_default_value": "Vychozi"},
          "number": {"_default_value": 1},
          "flag": {"_default_value": false},
          "ratio": {"_default_value": 0.5},
          "state": {"_role": "dynamicState"},
          "own": {"_role": "dynamicOnly"},
          "caption": {"_role": "static", "_default_value": "Popis"}},
    "t": {"_row_count": 3, "_children_role": "dynamic",
          "indexes": {"_index": 0, "_role": "static", "_children_role": "static", "_auto_increment": true,
                      "i": {"_default_value": 1}},
          "numbers": {"_index": 1, "n": {"_max": 20}}}})";

void TestItem::savedConfigurationRoundTrips()
{
    // Given a tree whose values were read and then edited
    Tree source(roundTripDescription);
    source.at("g/text")->setCurrentValue("Alarm na vstupu");
    source.at("g/number")->setValue(42);
    source.at("g/flag")->setCurrentValue(true);
    source.at("g/ratio")->setCurrentValue(2.25);
    source.at("g/state")->setValue("live");
    source.at("g/own")->setCurrentValue("+420123");
    source.at("t/numbers")->child(2)->setCurrentValue("777");

    // When its text is read into a fresh tree
    const QString text = source.page->parentItem()->toJsonString();
    Tree target(roundTripDescription);
    const int count = target.root.fromJson(parse(text.toUtf8()), false, false);

    // Then every saved value is back, live state is not, static content is not in the file
    for (const char* path : {"g/text", "g/number", "g/flag", "g/ratio", "g/own"}) {
        QCOMPARE(target.at(path)->currentValue(), source.at(path)->currentValue());
        QCOMPARE(target.at(path)->currentValue().userType(), source.at(path)->currentValue().userType());
    }
    QCOMPARE(columnValues(target.at("t/numbers")), columnValues(source.at("t/numbers")));
    QCOMPARE(count, 6);
    QVERIFY(text.contains("\"_role\": \"dynamicState\""));
    QVERIFY(text.contains("\"live\""));
    QCOMPARE(target.at("g/state")->currentValue(), QVariant());
    QVERIFY(!text.contains("app.test.page.g.caption"));
    QCOMPARE(parse(text.toUtf8()).value("page").toObject().value("g").toObject().value("caption").toObject(),
             QJsonObject());
    QVERIFY(target.root.state() & Changed);
}

void TestItem::countsChangedItemsOnImport_data()
{
    QTest::addColumn<bool>("asValue");
    QTest::addColumn<bool>("asCurrent");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("changed");

    QTest::newRow("as edits: counted and marked") << false << false << 2 << true;
    QTest::newRow("as reference values: clean, not counted") << true << false << 0 << false;
    QTest::newRow("as current values: marked, not counted") << false << true << 0 << true;
}

void TestItem::countsChangedItemsOnImport()
{
    QFETCH(bool, asValue);
    QFETCH(bool, asCurrent);

    Tree tree(R"({"_children_role": "dynamic", "a": {}, "b": {}, "same": {}, "quiet": {"_silent": true}})");
    for (const char* name : {"a", "b", "same", "quiet"})
        tree.at(name)->setValue(1);
    const QJsonObject data = parse(R"({"page": {"a": {"_value": 2}, "b": {"_value": 3}, "same": {"_value": 1},
                                                 "quiet": {"_value": 4}}})");

    QTEST(tree.root.fromJson(data, asValue, asCurrent), "count");

    QCOMPARE(tree.at("b")->currentValue(), QVariant(3));
    QCOMPARE(tree.at("quiet")->currentValue(), QVariant(4));
    QTEST(bool(tree.root.state() & Changed), "changed");
}

void TestItem::retranslateFollowsOnlyDefaults_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("announced");

    QTest::newRow("shown default follows") << "shown" << "Vstup A" << "Vstup A" << false << 1;
    QTest::newRow("loaded text equal to the old default stays") << "loaded default" << "Input A" << "Input A"
                                                               << false << 0;
    QTest::newRow("edit stays, its reference follows") << "edited" << "Vstup A" << "ALARM" << true << 0;
    QTest::newRow("value compacted to the default follows") << "compacted" << "Vstup A" << "Vstup A" << false << 1;
}

void TestItem::retranslateFollowsOnlyDefaults()
{
    QFETCH(QString, history);
    QFETCH(QString, value);
    QFETCH(QString, current);
    SwitchableCatalogue catalogue;
    catalogue.texts.insert("app.test.page.x", "Input A");
    QCoreApplication::installTranslator(&catalogue);
    Tree tree(R"({"x": {"_default_value": "Vstup A"}})");
    Item* item = tree.at("x");
    QCOMPARE(item->currentValue(), QVariant("Input A"));
    if (history == "loaded default" || history == "compacted")
        item->setValue(QString("Input A"));
    else if (history == "edited")
        item->setCurrentValue(QString("ALARM"));
    if (history == "compacted")
        item->resetValues(Compact);
    QSignalSpy values(item, &Item::valueChanged);
    QSignalSpy parentStates(tree.page, &Item::stateChanged);

    catalogue.texts.insert("app.test.page.x", "Vstup A");
    tree.root.retranslate();

    QCOMPARE(item->value(), QVariant(value));
    QCOMPARE(item->currentValue(), QVariant(current));
    QTEST(bool(item->state() & Changed), "changed");
    QTEST(values.count(), "announced");
    QCOMPARE(parentStates.count(), 0);
    QCoreApplication::removeTranslator(&catalogue);
}

QTEST_GUILESS_MAIN(TestItem)
#include "tst_item.moc"
