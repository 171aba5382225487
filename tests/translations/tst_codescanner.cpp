#include "translations/codescanner.h"

#include <QtTest>

namespace {

// "id=source" per use, in the order found.
QStringList uses(const QList<moduleRV_23::TranslatableText>& texts)
{
    QStringList result;
    for (const moduleRV_23::TranslatableText& text : texts)
        result.append(text.id + QLatin1Char('=') + text.source);
    return result;
}

} // namespace

// Finding the ids that code and forms use, with the source texts their authors gave.
class TestCodeScanner : public QObject
{
    Q_OBJECT

private slots:
    void code_data();
    void code();
    void form_data();
    void form();
};

void TestCodeScanner::code_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("call with a literal") << "x = qtTrId(\"app.save\");" << QStringList{"app.save="};
    QTest::newRow("no-op marker") << "{1, QT_TRID_NOOP( \"app.no\" )}," << QStringList{"app.no="};
    QTest::newRow("comment gives the source text") << "//% \"Save\"\nx = qtTrId(\"app.save\");"
                                                   << QStringList{"app.save=Save"};
    QTest::newRow("comment lines and literals are joined")
        << "//% \"Cannot \" \"save.\"\n//% \" Try again.\"\nqtTrId(\"a\");" << QStringList{"a=Cannot save. Try again."};
    QTest::newRow("each marker takes its own comment")
        << "//% \"active\"\nf(QT_TRID_NOOP(\"a\"),\n  //% \"inactive\"\n  QT_TRID_NOOP(\"b\"));"
        << QStringList{"a=active", "b=inactive"};
    QTest::newRow("comment waits for the literal call of its statement")
        << "//% \"Error\"\ns = id ? qtTrId(id) : qtTrId(\"err.errno\");" << QStringList{"err.errno=Error"};
    QTest::newRow("comment does not outlive its statement") << "//% \"Lost\"\nf();\nqtTrId(\"a\");"
                                                            << QStringList{"a="};
    QTest::newRow("escaped quotes in the source text") << "//% \"Say \\\"hi\\\"\"\nqtTrId(\"a\");"
                                                       << QStringList{"a=Say \"hi\""};
    QTest::newRow("calls in comments do not count") << "// qtTrId(\"a\")\n/* qtTrId(\"b\") */ qtTrId(\"c\");"
                                                    << QStringList{"c="};
    QTest::newRow("calls in literals do not count") << "s = \"qtTrId(\\\"a\\\")\"; c = '\"'; qtTrId(\"b\");"
                                                    << QStringList{"b="};
    QTest::newRow("computed ids are not ids") << "qtTrId(id.toUtf8().constData());" << QStringList();
    QTest::newRow("other functions ending alike") << "myqtTrId(\"a\"); QT_TRID_NOOP_X(\"b\");" << QStringList();
}

void TestCodeScanner::code()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expected);

    QCOMPARE(uses(moduleRV_23::scanCode(code, "module/x.cpp")), expected);
}

void TestCodeScanner::form_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QStringList>("expected");

    const QByteArray widget = "<widget class=\"QPushButton\"><property name=\"text\">"
                              "<string id=\"app.save\">Save</string></property>"
                              "<property name=\"objectName\"><string notr=\"true\">x</string></property>"
                              "<property name=\"toolTip\"><string id=\"app.tip\" notr=\"true\">Tip</string>"
                              "</property></widget>";
    QTest::newRow("id-based form") << "<ui version=\"4.0\" idbasedtr=\"true\">" + widget + "</ui>"
                                   << QStringList{"app.save=Save"};
    QTest::newRow("form translated by source text") << "<ui version=\"4.0\">" + widget + "</ui>" << QStringList();
}

void TestCodeScanner::form()
{
    QFETCH(QByteArray, form);
    QFETCH(QStringList, expected);

    QCOMPARE(uses(moduleRV_23::scanForm(form, "pages/x.ui")), expected);
}

QTEST_GUILESS_MAIN(TestCodeScanner)
#include "tst_codescanner.moc"
