#include "peerline.h"

#include "history/historyevent.h"
#include "link/eventlogformat.h"
#include "link/linktypes.h"

#include <QSignalSpy>
#include <QtTest>

using namespace moduleRV_23;
using Testing::PeerLine;

Q_DECLARE_METATYPE(EventElement::Kind)

// Event records: their elements and time stamps, the records as the connector takes them from
// the line, one per line whatever the order of its elements, the live status they switch, and
// the log's answer read whole however the line splits it.
class TestEventLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void record_data();
    void record();
    void codeSwitchesLiveStatus_data();
    void codeSwitchesLiveStatus();
    void splitLogIsReadWhole_data();
    void splitLogIsReadWhole();
    void element_data();
    void element();
    void finalResult_data();
    void finalResult();
};

namespace {

const QByteArray statusCommand = "AT+OATSET=\"$SDS\"";
const QByteArray statusReply = "+OATMSG: READY,2.14,777,68,12450,31,0,0,A0B0C0D0X0Y0\r\nOK\r\n";

template <typename Status>
QString flags(const Status& s)
{
    QString text;
    for (bool on : {s.inputA, s.inputB, s.inputC, s.inputD, s.outputX, s.outputY})
        text += on ? '1' : '0';
    return text;
}

void setFlags(LiveStatus& s, const QString& text)
{
    bool* const all[] = {&s.inputA, &s.inputB, &s.inputC, &s.inputD, &s.outputX, &s.outputY};
    for (int i = 0; i < 6; ++i)
        *all[i] = text.at(i) == '1';
}

// The record as a row shows it; "-" for a time stamp that cannot be shown.
QString describe(const HistoryEvent* event)
{
    const QString time = event->dateTime().isValid() ? event->dateTime().toString("MM.dd HH:mm:ss") : "-";
    return QStringList{time, event->eventText(), event->sourceText()}.join('|');
}

QByteArray logAnswer(int records)
{
    QByteArray answer;
    for (int i = 1; i <= records; ++i)
        answer += QStringLiteral("+OATEVENT: %1,E=%2,S=0,T:01.%3 07:12:05\r\n").arg(i).arg(i % 35).arg(i % 28 + 1)
                      .toLatin1();
    return answer + "OK\r\n";
}

QDateTime at1970(int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(1970, month, day), QTime(hour, minute, second), Qt::LocalTime);
}

} // namespace

void TestEventLog::initTestCase()
{
    moduleRV_23::registerLinkTypes();
}

void TestEventLog::record_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("emitted");

    QTest::newRow("source, event, time, padded")
        << "+OATEVENT: 1, S=115 , E=3 ,T:01.08 07:12:05 "
        << "01.08 07:12:05|app.rv23.event.activationd|app.rv23.event.source.inputaphone5" << 1;
    QTest::newRow("without time stamp") << "+OATEVENT: 2,E=12,S=0" << "-|app.rv23.event.poweron|RV-23" << 1;
    QTest::newRow("without code: no status") << "+OATEVENT: 2,S=2,T:02.01 00:00:00" << "02.01 00:00:00||UART" << 0;
    QTest::newRow("two codes: the last names the record")
        << "+OATEVENT: 3,E=8,E=9,S=0" << "-|app.rv23.event.activationy|RV-23" << 2;
    QTest::newRow("no elements") << "+OATEVENT:" << "-||" << 0;
}

void TestEventLog::record()
{
    QFETCH(QString, line);

    LocalConnector connector;
    Testing::LocalConnectorAccess access(connector);
    QSignalSpy status(&connector, &LocalConnector::deviceStatusChanged);
    access.dispatchLine(line);

    QCOMPARE(access.events().size(), 1);
    QTEST(describe(access.events().first()), "record");
    QTEST(status.count(), "emitted");
}

void TestEventLog::codeSwitchesLiveStatus_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("0 activates A") << 0 << "000000" << "100000";
    QTest::newRow("7 deactivates D") << 7 << "111111" << "111011";
    QTest::newRow("8 switches X on") << 8 << "000000" << "000010";
    QTest::newRow("11 switches Y off") << 11 << "111111" << "111110";
    QTest::newRow("12 (power on) changes nothing") << 12 << "101010" << "101010";
    QTest::newRow("negative code changes nothing") << -1 << "010101" << "010101";
}

void TestEventLog::codeSwitchesLiveStatus()
{
    QFETCH(int, code);
    QFETCH(QString, before);
    QFETCH(QString, after);

    LocalConnector connector;
    Testing::LocalConnectorAccess access(connector);
    setFlags(access.liveStatus(), before);
    access.liveStatus().serialNumber = "777";
    QSignalSpy status(&connector, &LocalConnector::deviceStatusChanged);
    access.dispatchLine(QStringLiteral("+OATEVENT: 9,E=%1,S=0,T:01.08 07:12:05").arg(code));

    QCOMPARE(flags(access.liveStatus()), after);
    QCOMPARE(status.count(), 1);
    const auto emitted = status.first().first().value<RV23Status>();
    QCOMPARE(flags(emitted), after);
    QCOMPARE(emitted.serialNumber, QStringLiteral("777"));
}

void TestEventLog::splitLogIsReadWhole_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<int>("records");

    const QByteArray log = logAnswer(3);
    const int secondLine = log.indexOf("+OATEVENT: 2");
    const auto cutAt = [&log](QList<int> offsets) {
        QList<QByteArray> pieces;
        offsets.prepend(0);
        offsets.append(log.size());
        for (int i = 1; i < offsets.size(); ++i)
            pieces.append(log.mid(offsets[i - 1], offsets[i] - offsets[i - 1]));
        return pieces;
    };
    QTest::newRow("cut inside a record") << cutAt({12, secondLine + 20}) << 3;
    QTest::newRow("cut between CR and LF") << cutAt({secondLine - 1}) << 3;
    QTest::newRow("cut after the space inside a time stamp") << cutAt({log.indexOf(' ', secondLine + 20) + 1}) << 3;
    QTest::newRow("cut inside the final OK") << cutAt({log.size() - 3}) << 3;
    QTest::newRow("silent before the final line: the records so far")
        << QList<QByteArray>{log.left(secondLine), log.mid(secondLine, log.indexOf("+OATEVENT: 3") - secondLine)}
        << 2;
}

// Each piece reaches the connector in a read of its own. The status exchange after the log
// must get its own answer, not what is left of the log.
void TestEventLog::splitLogIsReadWhole()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, records);

    PeerLine line;
    QVERIFY(line.open());
    const QByteArray command = moduleRV_23::eventLogCommand().toLatin1();
    line.peer.expect(command).send(command + "\r\n");
    for (const QByteArray& piece : qAsConst(pieces))
        line.peer.sendWhenTaken(piece);
    line.peer.answer(statusCommand, statusReply);
    line.peer.start();

    QVERIFY(line.access.executeCmd(QString::fromLatin1(command)));
    const QStringList all{"01.02 07:12:05|app.rv23.event.activationb|RV-23",
                          "01.03 07:12:05|app.rv23.event.activationc|RV-23",
                          "01.04 07:12:05|app.rv23.event.activationd|RV-23"};
    QStringList received;
    for (const HistoryEvent* event : line.access.events())
        received.append(describe(event));
    QCOMPARE(received, all.mid(0, records));

    QVERIFY(line.access.executeCmd(QString::fromLatin1(statusCommand)));
    QCOMPARE(line.access.liveStatus().serialNumber, QStringLiteral("777"));
    QCOMPARE(line.access.events().size(), records);
}

void TestEventLog::element_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<EventElement::Kind>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QDateTime>("dateTime");

    const QDateTime none;
    QTest::newRow("first letter decides") << "EVENT=5" << EventElement::Code << 5 << none;
    QTest::newRow("time label up to the first colon")
        << "TIME:12.31 23:59:58" << EventElement::Time << 0 << at1970(12, 31, 23, 59, 58);
    QTest::newRow("time without colon is invalid") << "T01.08" << EventElement::Time << 0 << none;
    QTest::newRow("time: hour out of range is midnight of the day")
        << "T:01.08 25:00:00" << EventElement::Time << 0 << at1970(1, 8, 0, 0, 0);
    QTest::newRow("time: 29 February, which 1970 has not, is invalid")
        << "T:02.29 10:00:00" << EventElement::Time << 0 << none;
    QTest::newRow("the line's own prefix") << "+OATEVENT: 12" << EventElement::Other << 0 << none;
}

void TestEventLog::element()
{
    QFETCH(QString, element);
    QFETCH(EventElement::Kind, kind);
    QFETCH(int, number);
    QFETCH(QDateTime, dateTime);

    const EventElement parsed = parseEventElement(element);
    QCOMPARE(parsed.kind, kind);
    QCOMPARE(parsed.number, number);
    // Time stamps that cannot be shown differ among themselves; that they cannot is what counts.
    QCOMPARE(parsed.dateTime.isValid(), dateTime.isValid());
    if (dateTime.isValid())
        QCOMPARE(parsed.dateTime, dateTime);
}

void TestEventLog::finalResult_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("final");

    const QString record = QStringLiteral("+OATEVENT: 1,E=12,S=0,T:01.08 07:12:05\r\n");
    QTest::newRow("OK without line end") << record + "OK" << true;
    QTest::newRow("ERROR") << "ERROR\r\n" << true;
    QTest::newRow("modem error") << "+CME ERROR: 3\r\n" << true;
    QTest::newRow("unit error") << "+OATERROR: (5)\r\n" << true;
    QTest::newRow("a record last") << record + record << false;
    QTest::newRow("OK inside a record") << "+OATEVENT: 1,E=OK\r\n" << false;
}

void TestEventLog::finalResult()
{
    QFETCH(QString, text);
    QTEST(endsWithFinalResult(text), "final");
}

QTEST_GUILESS_MAIN(TestEventLog)
#include "tst_eventlog.moc"
