#include "translations/cataloguesync.h"
#include "translations/codescanner.h"
#include "translations/descriptionids.h"
#include "translations/tscatalogue.h"

#include "framework/item.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using moduleRV_23::TranslatableText;
using moduleRV_23::TranslatableTexts;
using moduleRV_23::TsCatalogue;
using moduleRV_23::TsMessage;

Q_DECLARE_METATYPE(TsMessage)

namespace moduleRV_23 {

bool operator==(const TsMessage& a, const TsMessage& b)
{
    return a.source == b.source && a.translation == b.translation && a.finished == b.finished
        && a.locations == b.locations && a.translatorComment == b.translatorComment;
}

} // namespace moduleRV_23

namespace {

TranslatableTexts textsOf(const TranslatableText& text)
{
    return {{text.id, text}};
}

TsMessage message(const QString& source, const QString& translation, bool finished,
                  const QStringList& locations = {})
{
    return {source, translation, finished, locations, QString()};
}

TsCatalogue catalogue(const QString& language, const QMap<QString, TsMessage>& messages)
{
    TsCatalogue catalogue;
    catalogue.setLanguage(language);
    catalogue.messages() = messages;
    return catalogue;
}

// "id=source" per use, in the order found.
QStringList uses(const QList<moduleRV_23::TranslatableText>& texts)
{
    QStringList result;
    for (const moduleRV_23::TranslatableText& text : texts)
        result.append(text.id + QLatin1Char('=') + text.source);
    return result;
}

} // namespace

// Ids found in code, forms and the page description, and catalogues kept in step with the ids in use.
class TestCatalogueSync : public QObject
{
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void descriptionIdsComeFromTheTree();
    void update_data();
    void update();
    void problems_data();
    void problems();
    void catalogueFileRoundTrip();
};

// The file's name says whether it is code or a form, as for the sources scanned.
void TestCatalogueSync::scan_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");

    const auto code = [](const char* name, const QByteArray& content, const QStringList& expected) {
        QTest::newRow(name) << "module/x.cpp" << content << expected;
    };
    code("call with a literal", "x = qtTrId(\"app.save\");", {"app.save="});
    code("comment lines and literals are joined", "//% \"Cannot \" \"save.\"\n//% \" Try again.\"\nqtTrId(\"a\");",
         {"a=Cannot save. Try again."});
    code("each marker takes its own comment",
         "//% \"active\"\nf(QT_TRID_NOOP(\"a\"),\n  //% \"inactive\"\n  QT_TRID_NOOP(\"b\"));", {"a=active", "b=inactive"});
    code("comment waits for the literal call of its statement",
         "//% \"Error\"\ns = id ? qtTrId(id) : qtTrId(\"err.errno\");", {"err.errno=Error"});
    code("comment does not outlive its statement", "//% \"Lost\"\nf();\nqtTrId(\"a\");", {"a="});
    code("escaped quotes in the source text", "//% \"Say \\\"hi\\\"\"\nqtTrId(\"a\");", {"a=Say \"hi\""});
    code("calls in comments do not count", "// qtTrId(\"a\")\n/* qtTrId(\"b\") */ qtTrId(\"c\");", {"c="});
    code("calls in literals do not count", "s = \"qtTrId(\\\"a\\\")\"; c = '\"'; qtTrId(\"b\");", {"b="});
    code("computed ids are not ids", "qtTrId(id.toUtf8().constData());", {});
    code("other functions ending alike", "myqtTrId(\"a\"); QT_TRID_NOOP_X(\"b\");", {});

    const QByteArray widget = "<widget class=\"QPushButton\"><property name=\"text\">"
                              "<string id=\"app.save\">Save</string></property>"
                              "<property name=\"objectName\"><string notr=\"true\">x</string></property>"
                              "<property name=\"toolTip\"><string id=\"app.tip\" notr=\"true\">Tip</string>"
                              "</property></widget>";
    QTest::newRow("id-based form") << "pages/x.ui" << "<ui version=\"4.0\" idbasedtr=\"true\">" + widget + "</ui>"
                                   << QStringList{"app.save=Save"};
    QTest::newRow("form translated by source text") << "pages/x.ui" << "<ui version=\"4.0\">" + widget + "</ui>"
                                                    << QStringList();
}

void TestCatalogueSync::scan()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);

    const QList<TranslatableText> found = file.endsWith(".ui") ? moduleRV_23::scanForm(content, file)
                                                               : moduleRV_23::scanCode(QString::fromUtf8(content), file);
    QTEST(uses(found), "expected");
}

void TestCatalogueSync::descriptionIdsComeFromTheTree()
{
    // Given a page with plain, untranslated, number and table items, the table's cell a
    // translatable template that the tree clones into three rows
    const QJsonObject description = QJsonDocument::fromJson(R"({"Page": {
        "_default_value": "Stránka", "_label": "Záložka", "_hint": "Nápověda",
        "lPlain": {"_default_value": "Text"},
        "fixed": {"_default_value": "RV-23", "_doNotTranslate": true, "_hint": "Bez překladu", "_label": "x"},
        "number": {"_default_value": 5, "_hint": "Číslo"},
        "tTable": {"_row_count": 3, "column": {"_default_value": "Sloupec",
            "cell": {"_default_value": "Buňka", "_hint": "Jedna buňka"}}}}})").object();
    Framework::Item root("app.rv-23.topItem", nullptr);
    new Framework::Item("Page", &root, description.value("Page").toObject());

    // When the ids are collected
    const TranslatableTexts texts = moduleRV_23::descriptionTexts(&root, description, "resources/RV23.json");

    // Then every translatable text has its lower-cased path id and Czech source, once, and
    // the cloned rows add none of their own
    const Framework::Item* column = root.findChild<Framework::Item*>("app.rv-23.topItem.Page.tTable.column");
    QVERIFY(column);
    QCOMPARE(column->children().size(), 3);
    const QString page = "app.rv-23.topitem.page";
    const QMap<QString, QString> expected = {
        {page, "Stránka"},
        {page + ".label", "Záložka"},
        {page + ".tooltip", "Nápověda"},
        {page + ".lplain", "Text"},
        {page + ".number.tooltip", "Číslo"},
        {page + ".ttable.column", "Sloupec"},
        {page + ".ttable.column.cell", "Buňka"},
        {page + ".ttable.column.cell.tooltip", "Jedna buňka"},
    };
    QMap<QString, QString> found;
    for (const TranslatableText& text : texts) {
        found.insert(text.id, text.source);
        QVERIFY(text.fromDescription);
        QCOMPARE(text.locations, QStringList{"resources/RV23.json"});
    }
    QCOMPARE(found, expected);
}

void TestCatalogueSync::update_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("known");
    QTest::addColumn<TsMessage>("before");
    QTest::addColumn<bool>("fromDescription");
    QTest::addColumn<QString>("source");
    QTest::addColumn<TsMessage>("after");

    const TsMessage none;
    const QStringList at = {"../x.cpp"};
    QTest::newRow("new description id: Czech takes the description's text")
        << "cs" << false << none << true << "Vstup" << message("Vstup", "Vstup", true, at);
    QTest::newRow("new description id: English starts untranslated")
        << "en" << false << none << true << "Vstup" << message("Vstup", "", false, at);
    QTest::newRow("new code id: Czech starts untranslated")
        << "cs" << false << none << false << "Save" << message("Save", "", false, at);
    QTest::newRow("Czech follows a changed description text")
        << "cs" << true << message("Vstup", "Vstup", true) << true << "Vstupy" << message("Vstupy", "Vstupy", true, at);
    QTest::newRow("Czech of its own wording is held for review") << "cs" << true << message("Vstup", "Vstup X", true)
                                                                 << true << "Vstupy" << message("Vstupy", "Vstup X", false, at);
    QTest::newRow("English of a changed source is held for review") << "en" << true << message("Vstup", "Input", true)
                                                                    << true << "Vstupy" << message("Vstupy", "Input", false, at);
    QTest::newRow("unchanged source keeps the translation")
        << "en" << true << message("Save", "Save", true) << false << "Save" << message("Save", "Save", true, at);
    QTest::newRow("a first source text is no change") << "en" << true << message("", "Basic view", true) << false
                                                      << "Basic" << message("Basic", "Basic view", true, at);
}

void TestCatalogueSync::update()
{
    QFETCH(QString, language);
    QFETCH(bool, known);
    QFETCH(TsMessage, before);
    QFETCH(bool, fromDescription);
    QFETCH(QString, source);
    // An id that nothing uses any more goes in every case.
    TsCatalogue updated = catalogue(language, {{"unused.id", message("", "Old", true)}});
    if (known)
        updated.messages().insert("a.id", before);

    moduleRV_23::updateCatalogue(&updated, textsOf({"a.id", source, {"../x.cpp"}, fromDescription}));

    QCOMPARE(updated.messages().keys(), QStringList{"a.id"});
    QTEST(updated.messages().value("a.id"), "after");
}

void TestCatalogueSync::problems_data()
{
    QTest::addColumn<bool>("known");
    QTest::addColumn<TsMessage>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("finished translation") << true << message("Vstup", "Input", true) << QString();
    QTest::newRow("id not in the catalogue") << false << TsMessage() << "a.id: missing";
    QTest::newRow("empty translation") << true << message("Vstup", "", true) << "a.id: not translated";
    QTest::newRow("unfinished translation") << true << message("Vstup", "Input", false)
                                            << "a.id: translation unfinished";
    QTest::newRow("source text changed since") << true << message("Vstupy", "Inputs", true)
                                               << "a.id: source text changed";
}

void TestCatalogueSync::problems()
{
    QFETCH(bool, known);
    QFETCH(TsMessage, stored);
    QFETCH(QString, expected);
    const TsCatalogue checked = known ? catalogue("en", {{"a.id", stored}}) : catalogue("en", {});

    const QStringList problems = moduleRV_23::catalogueProblems(checked, textsOf({"a.id", "Vstup", {}, true}));

    QCOMPARE(problems, expected.isEmpty() ? QStringList() : QStringList{expected});
}

void TestCatalogueSync::catalogueFileRoundTrip()
{
    const TsMessage special = {"Tel. č. <1> & \"2\"", "Phone no. ", true,
                               {"../history/eventtranslator.cpp", "../module/rv_23.cpp"}, "Keep the trailing space."};
    const TsCatalogue written = catalogue("cs", {{"b.special", special}, {"a.open", message("", "", false)}});
    QTemporaryDir dir;
    const QString path = dir.filePath("rv23_cs.ts");
    QString error;
    QVERIFY2(written.write(path, &error), qPrintable(error));

    TsCatalogue read;
    QVERIFY2(read.read(path, &error), qPrintable(error));

    QCOMPARE(read.language(), "cs");
    QVERIFY(read.isCzech());
    QCOMPARE(read.messages(), written.messages());
    QVERIFY(!read.read(dir.filePath("missing.ts"), &error));
    QVERIFY(error.contains("missing.ts"));
}

QTEST_GUILESS_MAIN(TestCatalogueSync)
#include "tst_cataloguesync.moc"
