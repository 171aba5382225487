#include "history/eventtranslator.h"

#include <QTranslator>
#include <QtTest>

namespace {

// A language in which every identifier translates to itself behind a tag, so that a test sees
// which texts went through translation and with which language.
class TaggingTranslator final : public QTranslator
{
public:
    explicit TaggingTranslator(const QString& tag)
        : m_tag(tag)
    {
    }

    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return m_tag + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }

private:
    const QString m_tag;
};

} // namespace

// Event codes and sources of the unit's event log turned into texts.
class TestEventTranslator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eventText_data();
    void eventText();
    void sourceText_data();
    void sourceText();
    void eventTableKeepsItsLanguageUntilRebuilt();

private:
    TaggingTranslator czech{QStringLiteral("cs:")};
};

void TestEventTranslator::initTestCase()
{
    QVERIFY(QCoreApplication::installTranslator(&czech));
}

void TestEventTranslator::eventText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negative code: nothing") << -1 << QString();
    QTest::newRow("first code") << 0 << "cs:app.rv23.event.activationa";
    QTest::newRow("relay Y off") << 11 << "cs:app.rv23.event.deactivationy";
    for (int code : {24, 25, 26, 27, 31})
        QTest::addRow("alarm shared by %d", code) << code << "cs:app.rv23.event.alarm";
    QTest::newRow("peripheral battery") << 28 << "cs:app.rv23.event.peripheralbatteryfailure";
    QTest::newRow("last code") << 34 << "cs:app.rv23.event.peripheralloss";
    QTest::newRow("past the table: nothing") << 35 << QString();
}

void TestEventTranslator::eventText()
{
    QFETCH(int, code);
    QFETCH(QString, expected);

    moduleRV_23::EventTranslator translator;
    QCOMPARE(translator.eventText(code), expected);
}

void TestEventTranslator::sourceText_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the unit, untranslated") << 0 << "RV-23";
    QTest::newRow("1 is unknown") << 1 << "cs:app.rv23.event.source.unknown 1";
    QTest::newRow("the PC link, untranslated") << 2 << "UART";
    QTest::newRow("DTMF X on") << 76 << "cs:app.rv23.event.source.dtmfxon";
    QTest::newRow("second service number") << 109 << "cs:app.rv23.event.source.service2";
    QTest::newRow("110 lies between the ranges") << 110 << "cs:app.rv23.event.source.unknown 110";
    QTest::newRow("first phone of A") << 111 << "cs:app.rv23.event.source.inputaphone1";
    QTest::newRow("fifth phone of A") << 115 << "cs:app.rv23.event.source.inputaphone5";
    QTest::newRow("last phone of A") << 118 << "cs:app.rv23.event.source.inputaphone8";
    QTest::newRow("first phone of B") << 119 << "cs:app.rv23.event.source.inputbphone1";
    QTest::newRow("last phone of D") << 142 << "cs:app.rv23.event.source.inputdphone8";
    QTest::newRow("first phone of X") << 143 << "cs:app.rv23.event.source.outputxphone1";
    QTest::newRow("last phone of X") << 192 << "cs:app.rv23.event.source.outputxphone50";
    QTest::newRow("first phone of Y") << 193 << "cs:app.rv23.event.source.outputyphone1";
    QTest::newRow("last phone of Y") << 242 << "cs:app.rv23.event.source.outputyphone50";
    QTest::newRow("any phone") << 243 << "cs:app.rv23.event.source.phone";
    QTest::newRow("first peripheral") << 373 << "cs:app.rv23.event.source.wirelessperipheral";
    QTest::newRow("last peripheral") << 384 << "cs:app.rv23.event.source.wirelessperipheral";
    QTest::newRow("past the peripherals") << 385 << "cs:app.rv23.event.source.unknown 385";
    QTest::newRow("negative") << -4 << "cs:app.rv23.event.source.unknown -4";
}

void TestEventTranslator::sourceText()
{
    QFETCH(int, source);
    QFETCH(QString, expected);

    moduleRV_23::EventTranslator translator;
    QCOMPARE(translator.sourceText(source), expected);
}

void TestEventTranslator::eventTableKeepsItsLanguageUntilRebuilt()
{
    moduleRV_23::EventTranslator translator;
    TaggingTranslator english(QStringLiteral("en:"));
    QVERIFY(QCoreApplication::installTranslator(&english));

    QCOMPARE(translator.eventText(12), "cs:app.rv23.event.poweron");
    QCOMPARE(translator.sourceText(243), "en:app.rv23.event.source.phone");

    translator.rebuild();
    QCOMPARE(translator.eventText(12), "en:app.rv23.event.poweron");
    QCOMPARE(translator.eventText(35), QString());

    QVERIFY(QCoreApplication::removeTranslator(&english));
}

QTEST_GUILESS_MAIN(TestEventTranslator)
#include "tst_eventtranslator.moc"
