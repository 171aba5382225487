#include "framework/cellclipboard.h"

#include <QtTest>

using namespace Framework;

namespace {

// Each parsed row as the text of its cells, so that a mismatch reads plainly.
QStringList rowTexts(const QList<QList<CellClipboard::Cell>>& rows)
{
    QStringList texts;
    for (const QList<CellClipboard::Cell>& row : rows)
        texts << CellClipboard::toText(row);
    return texts;
}

} // namespace

// The clipboard text of table cells.
class TestCellClipboard : public QObject
{
    Q_OBJECT

private slots:
    void writesOneLinePerCell();
    void parsesLines_data();
    void parsesLines();
};

void TestCellClipboard::writesOneLinePerCell()
{
    const QList<CellClipboard::Cell> cells{{0, 1, "+420123"}, {0, 2, "3"}, {4, 1, ""}};
    QCOMPARE(CellClipboard::toText(cells), QStringLiteral("[0,1]+420123\n[0,2]3\n[4,1]"));
    QCOMPARE(CellClipboard::parse(CellClipboard::toText(cells)),
             (QList<QList<CellClipboard::Cell>>{{cells.at(0), cells.at(1)}, {cells.at(2)}}));
}

void TestCellClipboard::parsesLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("cells of one row stay together") << "[0,0]a\n[0,1]b" << QStringList{"[0,0]a\n[0,1]b"};
    QTest::newRow("rows in ascending order") << "[5,0]x\n[2,0]y" << QStringList{"[2,0]y", "[5,0]x"};
    QTest::newRow("text keeps later commas and brackets") << "[1,2]a,b]c" << QStringList{"[1,2]a,b]c"};
    QTest::newRow("negative row is still a number") << "[-1,0]a\n[0,0]b" << QStringList{"[-1,0]a", "[0,0]b"};
    QTest::newRow("line without bracket dropped") << "hello\n[0,0]a" << QStringList{"[0,0]a"};
    QTest::newRow("row that is not a number dropped") << "[x,0]a" << QStringList();
    QTest::newRow("missing closing bracket dropped") << "[0,1 a" << QStringList();
    QTest::newRow("missing comma dropped") << "[01]a" << QStringList();
    QTest::newRow("empty clipboard") << "" << QStringList();
}

void TestCellClipboard::parsesLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QCOMPARE(rowTexts(CellClipboard::parse(text)), rows);
}

QTEST_APPLESS_MAIN(TestCellClipboard)
#include "tst_cellclipboard.moc"
