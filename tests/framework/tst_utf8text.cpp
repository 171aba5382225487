#include "framework/utf8text.h"

#include <QtTest>

using namespace Framework;

// Texts cut to a length in UTF-8 bytes.
class TestUtf8Text : public QObject
{
    Q_OBJECT

private slots:
    void cutsWholeCharacters_data();
    void cutsWholeCharacters();
    void cutIsLongestFittingPrefix();
};

void TestUtf8Text::cutsWholeCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("cut");

    QTest::newRow("fitting text stays") << "abc" << 3 << "abc";
    QTest::newRow("last character over the limit goes") << "abcd" << 3 << "abc";
    QTest::newRow("two-byte character counts twice") << QString("ab\u00e9") << 3 << "ab";
    QTest::newRow("two-byte character that fits stays") << QString("a\u00e9") << 3 << QString("a\u00e9");
    QTest::newRow("surrogate pair is never split") << QString::fromUtf8("a\xF0\x9F\x98\x80") << 4 << "a";
    QTest::newRow("negative limit") << "abc" << -1 << "";
}

void TestUtf8Text::cutsWholeCharacters()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, cut);
    QCOMPARE(Utf8Text::cutToLength(text, maxBytes), cut);
}

// Also for lone surrogates and mixed widths: the cut is a prefix that fits, and one more
// character would not.
void TestUtf8Text::cutIsLongestFittingPrefix()
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

QTEST_APPLESS_MAIN(TestUtf8Text)
#include "tst_utf8text.moc"
