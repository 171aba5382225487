#include "link/eventlogformat.h"

#include <QtTest>

using namespace moduleRV_23;

Q_DECLARE_METATYPE(EventElement::Kind)

// The elements of event records and the end of the log's answer, without a port.
class TestEventLogFormat : public QObject
{
    Q_OBJECT

private slots:
    void element_data();
    void element();
    void timeStamp_data();
    void timeStamp();
    void finalResult_data();
    void finalResult();
};

namespace {

QDateTime at1970(int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(1970, month, day), QTime(hour, minute, second), Qt::LocalTime);
}

} // namespace

void TestEventLogFormat::element_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<EventElement::Kind>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QDateTime>("dateTime");

    const QDateTime none;
    QTest::newRow("event code") << "E=12" << EventElement::Code << 12 << none;
    QTest::newRow("source, spaces trimmed") << "  S=115 " << EventElement::Source << 115 << none;
    QTest::newRow("first letter decides") << "EVENT=5" << EventElement::Code << 5 << none;
    QTest::newRow("negative code kept") << "E=-1" << EventElement::Code << -1 << none;
    QTest::newRow("missing = reads 0") << "E5" << EventElement::Code << 0 << none;
    QTest::newRow("non-numeric reads 0") << "S=1a" << EventElement::Source << 0 << none;
    QTest::newRow("only the first = separates") << "E=1=2" << EventElement::Code << 0 << none;
    QTest::newRow("time stamp") << "T:01.08 07:12:05" << EventElement::Time << 0 << at1970(1, 8, 7, 12, 5);
    QTest::newRow("time label up to the first colon")
        << "TIME:12.31 23:59:58" << EventElement::Time << 0 << at1970(12, 31, 23, 59, 58);
    QTest::newRow("time without colon is invalid") << "T01.08" << EventElement::Time << 0 << none;
    QTest::newRow("lower-case letter is unknown") << "e=5" << EventElement::Other << 0 << none;
    QTest::newRow("unknown letter") << "X=5" << EventElement::Other << 0 << none;
    QTest::newRow("the line's own prefix") << "+OATEVENT: 12" << EventElement::Other << 0 << none;
    QTest::newRow("empty") << "" << EventElement::Other << 0 << none;
}

void TestEventLogFormat::element()
{
    QFETCH(QString, element);
    QFETCH(EventElement::Kind, kind);
    QFETCH(int, number);
    QFETCH(QDateTime, dateTime);

    const EventElement parsed = parseEventElement(element);
    QCOMPARE(parsed.kind, kind);
    QCOMPARE(parsed.number, number);
    QCOMPARE(parsed.dateTime, dateTime);
}

void TestEventLogFormat::timeStamp_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QDateTime>("dateTime");

    QTest::newRow("two-digit fields") << "02.14 18:30:09" << at1970(2, 14, 18, 30, 9);
    QTest::newRow("one-digit fields") << "2.3 4:5:6" << at1970(2, 3, 4, 5, 6);
    QTest::newRow("spaces around the seconds") << "01.08 07:12: 05 " << at1970(1, 8, 7, 12, 5);
    QTest::newRow("no time: midnight") << "01.08" << at1970(1, 8, 0, 0, 0);
    QTest::newRow("no seconds") << "01.08 07:12" << at1970(1, 8, 7, 12, 0);
    QTest::newRow("non-numeric hour reads 0") << "01.08 xx:12:05" << at1970(1, 8, 0, 12, 5);
    QTest::newRow("hour out of range: midnight of the day") << "01.08 25:00:00" << at1970(1, 8, 0, 0, 0);
    QTest::newRow("no day: invalid") << "01" << QDateTime();
    QTest::newRow("29 February: 1970 has none") << "02.29 10:00:00" << QDateTime();
    QTest::newRow("empty: invalid") << "" << QDateTime();
}

void TestEventLogFormat::timeStamp()
{
    QFETCH(QString, stamp);
    QFETCH(QDateTime, dateTime);

    const QDateTime parsed = parseEventTime(stamp);
    QCOMPARE(parsed.isValid(), dateTime.isValid());
    if (dateTime.isValid())
        QCOMPARE(parsed, dateTime);
}

void TestEventLogFormat::finalResult_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("final");

    const QString record = QStringLiteral("+OATEVENT: 1,E=12,S=0,T:01.08 07:12:05\r\n");
    QTest::newRow("OK after the records") << record + "OK\r\n" << true;
    QTest::newRow("OK without line end") << record + "OK" << true;
    QTest::newRow("ERROR") << "ERROR\r\n" << true;
    QTest::newRow("modem error") << "+CME ERROR: 3\r\n" << true;
    QTest::newRow("unit error") << "+OATERROR: (5)\r\n" << true;
    QTest::newRow("a record last") << record + record << false;
    QTest::newRow("OK cut before its K") << record + "O" << false;
    QTest::newRow("OK inside a record") << "+OATEVENT: 1,E=OK\r\n" << false;
    QTest::newRow("empty") << "" << false;
}

void TestEventLogFormat::finalResult()
{
    QFETCH(QString, text);
    QFETCH(bool, final);
    QCOMPARE(endsWithFinalResult(text), final);
}

QTEST_GUILESS_MAIN(TestEventLogFormat)
#include "tst_eventlogformat.moc"
