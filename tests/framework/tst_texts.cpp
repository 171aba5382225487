#include "framework/cellclipboard.h"
#include "framework/timetext.h"
#include "framework/utf8text.h"

#include <QtTest>

using namespace Framework;

// The pure text helpers behind the editors and tables: duration repair, UTF-8 cuts, clipboard cells.
class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void repairsTypedTime_data();
    void repairsTypedTime();
    void utf8CutIsLongestFittingPrefix();
    void parsesClipboardLines_data();
    void parsesClipboardLines();
};

void TestTexts::repairsTypedTime_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("repairedCursor");
    QTest::addColumn<qint64>("msecs");

    QTest::newRow("deleted separator is put back at the cursor") << "00:0000:0" << 5 << 4 << "00:00:00:0" << 5 << qint64(0);
    QTest::newRow("cleared text becomes zero") << "" << 0 << 4 << "00:00:00:0" << 0 << qint64(0);
    QTest::newRow("digit typed over everything is the hours") << "5" << 1 << 4 << "05:00:00:0" << 2 << qint64(18000000);
    QTest::newRow("digit typed at a field start overwrites") << "100:00:00:0" << 1 << 4 << "10:00:00:0" << 1 << qint64(36000000);
    QTest::newRow("digit typed at a field end shifts it") << "001:00:00:0" << 3 << 4 << "01:00:00:0" << 2 << qint64(3600000);
    QTest::newRow("first minute digit above 5 gets a zero") << "00:700:00:0" << 4 << 4 << "00:07:00:0" << 5 << qint64(420000);
    QTest::newRow("a 5 stays the first digit") << "00:500:00:0" << 4 << 4 << "00:50:00:0" << 4 << qint64(3000000);
    QTest::newRow("typed separator jumps to the next field") << "01::00:00:0" << 3 << 4 << "01:00:00:0" << 3 << qint64(3600000);
    QTest::newRow("letters are dropped") << "0a0:00:00:0" << 2 << 4 << "00:00:00:0" << 1 << qint64(0);
    QTest::newRow("tenths digit overwrites") << "00:00:01:50" << 10 << 4 << "00:00:01:5" << 10 << qint64(1500);
    QTest::newRow("short field is padded, cursor stays by its digit") << "00:5:00:0" << 4 << 4 << "00:05:00:0" << 5 << qint64(300000);
    QTest::newRow("extra separators of a paste merge the last fields") << "1:2:3:4:5" << 9 << 4 << "01:02:03:5" << 10 << qint64(3723500);
    QTest::newRow("whole seconds have no tenths") << "00:01:30" << 8 << 3 << "00:01:30" << 8 << qint64(90000);
    QTest::newRow("whole hours are one field") << "7" << 1 << 1 << "07" << 2 << qint64(25200000);
}

void TestTexts::repairsTypedTime()
{
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(int, fields);
    QFETCH(QString, text);
    QFETCH(qint64, msecs);

    const TimeText::Repair repaired = TimeText::repair(typed, cursor, fields);

    QCOMPARE(repaired.text, text);
    QTEST(repaired.cursor, "repairedCursor");
    QCOMPARE(repaired.msecs, msecs);
    QCOMPARE(repaired.fields.join(':'), text);
}

// Over mixed widths, surrogate pairs and lone surrogates: the cut is a prefix that fits, and
// one more character would not.
void TestTexts::utf8CutIsLongestFittingPrefix()
{
    const QString alphabet = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80") + QChar(0xD800) + QChar(0xDC00);
    QRandomGenerator random(30);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        for (int length = random.bounded(20); length > 0; --length)
            text += alphabet.at(random.bounded(alphabet.size()));
        const int maxBytes = random.bounded(40);

        const QString cut = Utf8Text::cutToLength(text, maxBytes);

        QVERIFY(text.startsWith(cut));
        QVERIFY(Utf8Text::length(cut) <= maxBytes);
        if (cut.size() < text.size()) {
            const int next = text.at(cut.size()).isHighSurrogate() && cut.size() + 1 < text.size()
                    && text.at(cut.size() + 1).isLowSurrogate() ? 2 : 1;
            QVERIFY(Utf8Text::length(text.left(cut.size() + next)) > maxBytes);
        }
    }
}

void TestTexts::parsesClipboardLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("cells of one row stay together") << "[0,0]a\n[0,1]b" << QStringList{"[0,0]a\n[0,1]b"};
    QTest::newRow("rows in ascending order") << "[5,0]x\n[2,0]y" << QStringList{"[2,0]y", "[5,0]x"};
    QTest::newRow("text keeps later commas and brackets") << "[1,2]a,b]c" << QStringList{"[1,2]a,b]c"};
    QTest::newRow("line without bracket dropped") << "hello\n[0,0]a" << QStringList{"[0,0]a"};
    QTest::newRow("row that is not a number dropped") << "[x,0]a" << QStringList();
    QTest::newRow("missing closing bracket dropped") << "[0,1 a" << QStringList();
    QTest::newRow("missing comma dropped") << "[01]a" << QStringList();
}

// Each parsed row is compared as the text of its cells, so that a mismatch reads plainly.
void TestTexts::parsesClipboardLines()
{
    QFETCH(QString, text);
    QStringList parsed;
    for (const QList<CellClipboard::Cell>& row : CellClipboard::parse(text))
        parsed << CellClipboard::toText(row);
    QTEST(parsed, "rows");
}

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
