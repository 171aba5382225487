#include "framework/timetext.h"

#include <QtTest>

using namespace Framework;

// The repair of text typed into a duration editor.
class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void repairsTypedText_data();
    void repairsTypedText();
    void repairedTextIsWellFormed();
};

void TestTimeText::repairsTypedText_data()
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
    QTest::newRow("first second digit above 5 gets a zero") << "00:00:900:0" << 7 << 4 << "00:00:09:0" << 8 << qint64(9000);
    QTest::newRow("a 5 stays the first digit") << "00:500:00:0" << 4 << 4 << "00:50:00:0" << 4 << qint64(3000000);
    QTest::newRow("typed separator jumps to the next field") << "01::00:00:0" << 3 << 4 << "01:00:00:0" << 3 << qint64(3600000);
    QTest::newRow("letters are dropped") << "0a0:00:00:0" << 2 << 4 << "00:00:00:0" << 1 << qint64(0);
    QTest::newRow("tenths digit overwrites") << "00:00:01:50" << 10 << 4 << "00:00:01:5" << 10 << qint64(1500);
    QTest::newRow("short field is padded, cursor stays by its digit") << "00:5:00:0" << 4 << 4 << "00:05:00:0" << 5 << qint64(300000);
    QTest::newRow("extra separators of a paste merge the last fields") << "1:2:3:4:5" << 9 << 4 << "01:02:03:5" << 10 << qint64(3723500);
    QTest::newRow("whole seconds have no tenths") << "00:01:30" << 8 << 3 << "00:01:30" << 8 << qint64(90000);
    QTest::newRow("whole hours are one field") << "7" << 1 << 1 << "07" << 2 << qint64(25200000);
}

void TestTimeText::repairsTypedText()
{
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(int, fields);
    QFETCH(QString, text);
    QFETCH(int, repairedCursor);
    QFETCH(qint64, msecs);

    const TimeText::Repair repaired = TimeText::repair(typed, cursor, fields);

    QCOMPARE(repaired.text, text);
    QCOMPARE(repaired.cursor, repairedCursor);
    QCOMPARE(repaired.msecs, msecs);
    QCOMPARE(repaired.fields.join(':'), text);
}

// Whatever reaches the editor, the repair gives the full number of fields, each of its width,
// and a cursor inside the text.
void TestTimeText::repairedTextIsWellFormed()
{
    const QString alphabet = QStringLiteral("0123456789::::x\u00e9");
    QRandomGenerator random(2305);
    for (int round = 0; round < 2000; ++round) {
        QString typed;
        for (int length = random.bounded(14); length > 0; --length)
            typed += alphabet.at(random.bounded(alphabet.size()));
        const int fields = 1 + random.bounded(4);
        const TimeText::Repair repaired = TimeText::repair(typed, random.bounded(-2, 16), fields);

        QVERIFY2(repaired.fields.size() == fields, qPrintable(typed));
        for (int field = 0; field < fields; ++field)
            QCOMPARE(repaired.fields.at(field).size(), field == 3 ? 1 : 2);
        QVERIFY2(repaired.cursor >= 0 && repaired.cursor <= repaired.text.size(), qPrintable(typed));
        QCOMPARE(TimeText::repair(repaired.text, repaired.cursor, fields).text, repaired.text);
    }
}

QTEST_APPLESS_MAIN(TestTimeText)
#include "tst_timetext.moc"
