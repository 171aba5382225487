#include "history/eventtranslator.h"
#include "history/timestampformat.h"

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

// Event codes and sources of the unit's event log turned into texts, and the display format of
// their time stamps, which carry no year.
class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void text_data();
    void text();
    void eventTableKeepsItsLanguageUntilRebuilt();
    void fromShortDateFormat_data();
    void fromShortDateFormat();

private:
    TaggingTranslator czech{QStringLiteral("cs:")};
};

void TestHistory::initTestCase()
{
    QVERIFY(QCoreApplication::installTranslator(&czech));
}

void TestHistory::text_data()
{
    QTest::addColumn<bool>("isEvent");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    const auto event = [](const char* tag, int code, const QString& text) {
        QTest::newRow(tag) << true << code << text;
    };
    const auto source = [](const char* tag, int number, const QString& text) {
        QTest::newRow(tag) << false << number << text;
    };
    event("negative code: nothing", -1, QString());
    event("first code", 0, "cs:app.rv23.event.activationa");
    event("alarm", 24, "cs:app.rv23.event.alarm");
    event("last code", 34, "cs:app.rv23.event.peripheralloss");
    event("past the table: nothing", 35, QString());
    source("the unit, untranslated", 0, "RV-23");
    source("1 is unknown", 1, "cs:app.rv23.event.source.unknown 1");
    source("the PC link, untranslated", 2, "UART");
    source("DTMF X on", 76, "cs:app.rv23.event.source.dtmfxon");
    source("second service number", 109, "cs:app.rv23.event.source.service2");
    source("110 lies between the ranges", 110, "cs:app.rv23.event.source.unknown 110");
    source("first phone of A", 111, "cs:app.rv23.event.source.inputaphone1");
    source("last phone of A", 118, "cs:app.rv23.event.source.inputaphone8");
    source("last phone of D", 142, "cs:app.rv23.event.source.inputdphone8");
    source("first phone of X", 143, "cs:app.rv23.event.source.outputxphone1");
    source("last phone of X", 192, "cs:app.rv23.event.source.outputxphone50");
    source("first phone of Y", 193, "cs:app.rv23.event.source.outputyphone1");
    source("last phone of Y", 242, "cs:app.rv23.event.source.outputyphone50");
    source("any phone", 243, "cs:app.rv23.event.source.phone");
    source("first peripheral", 373, "cs:app.rv23.event.source.wirelessperipheral");
    source("last peripheral", 384, "cs:app.rv23.event.source.wirelessperipheral");
    source("past the peripherals", 385, "cs:app.rv23.event.source.unknown 385");
}

void TestHistory::text()
{
    QFETCH(bool, isEvent);
    QFETCH(int, number);

    moduleRV_23::EventTranslator translator;
    QTEST(isEvent ? translator.eventText(number) : translator.sourceText(number), "expected");
}

void TestHistory::eventTableKeepsItsLanguageUntilRebuilt()
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

void TestHistory::fromShortDateFormat_data()
{
    QTest::addColumn<QString>("shortFormat");
    QTest::addColumn<QString>("expected");

    QTest::newRow("single d and M doubled, the year's separator stays") << "d.M.yy" << "dd.MM.  HH:mm:ss";
    QTest::newRow("dd and MM kept, a long year removed") << "dd.MM.yyyy" << "dd.MM.  HH:mm:ss";
    QTest::newRow("day name kept as it is") << "ddd M/yy" << "ddd MM/  HH:mm:ss";
}

void TestHistory::fromShortDateFormat()
{
    QFETCH(QString, shortFormat);

    QTEST(moduleRV_23::timeStampFormat(shortFormat), "expected");
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
