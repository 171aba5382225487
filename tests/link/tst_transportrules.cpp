#include "link/transportrules.h"

#include <QtTest>

using namespace moduleRV_23;

// Answer acceptance and the byte conversions of the transport, without a port.
class TestTransportRules : public QObject
{
    Q_OBJECT

private slots:
    void regularAnswer_data();
    void regularAnswer();
    void unwantedAnswer_data();
    void unwantedAnswer();
    void chunkStopsAtZeroByte_data();
    void chunkStopsAtZeroByte();
    void hexToBytes_data();
    void hexToBytes();
};

void TestTransportRules::regularAnswer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("regular");

    for (const char* prefix : {"+OATMSG: 1", "AT+OATMEM=0,1", "+OATMEM: 0", "+OATEVENT: E=1", "+WIMEI: 1", "ATE1", "OK",
                               "AT+RFSET=1", "AT+COPS?", "+COPS: 0", "+CME ERROR: 3", "ERROR", "+OATERROR: (1)",
                               "+WIND: 4", "+WDWL: 0"})
        QTest::newRow(prefix) << QString::fromLatin1(prefix) << true;
    QTest::newRow("status request echo") << "AT+OATSET=\"$SDS\"" << false;
    QTest::newRow("prefixes are case-sensitive") << "ok" << false;
    QTest::newRow("leading space") << " OK" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTransportRules::regularAnswer()
{
    QFETCH(QString, text);
    QFETCH(bool, regular);
    QCOMPARE(isRegularAnswer(text), regular);
}

void TestTransportRules::unwantedAnswer_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("unwanted");

    QTest::newRow("GSM off waits for +WIND: 0") << "+WIND: 0" << "AT+OATGSM=0" << false;
    QTest::newRow("GSM off drops OK") << "OK" << "AT+OATGSM=0" << true;
    QTest::newRow("GSM on takes ERROR") << "ERROR" << "AT+OATGSM=1" << false;
    QTest::newRow("GSM on drops +WIND: 1") << "+WIND: 1" << "AT+OATGSM=1" << true;
    QTest::newRow("application stop takes +CME ERROR:") << "+CME ERROR: 3" << "AT+WOPEN=3" << false;
    QTest::newRow("application stop drops OK") << "OK" << "AT+WOPEN=0" << true;
    QTest::newRow("application start waits for +WIND: 7") << "+WIND: 7" << "AT+WOPEN=1" << false;
    QTest::newRow("application start drops a numbered +CME ERROR:") << "+CME ERROR: 3" << "AT+WOPEN=1" << true;
    QTest::newRow("download waits for +WDWL: 0") << "+WDWL: 0" << "AT+WDWL=1" << false;
    QTest::newRow("download drops OK") << "OK" << "AT+WDWL=1" << true;
    QTest::newRow("memory read takes ERROR") << "ERROR" << "AT+OATMEM=0,1" << false;
    QTest::newRow("memory read drops its merged echo") << "AT+OATMEM=0,1\r\n+OATMEM: 0" << "AT+OATMEM=0,1" << true;
    QTest::newRow("ordinary command drops indications") << "+WIND: 4" << "ATE1" << true;
    QTest::newRow("ordinary command takes OK") << "OK" << "ATE1" << false;
}

void TestTransportRules::unwantedAnswer()
{
    QFETCH(QString, line);
    QFETCH(QString, command);
    QFETCH(bool, unwanted);
    QCOMPARE(isUnwantedAnswer(line, command), unwanted);
}

void TestTransportRules::chunkStopsAtZeroByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("chunk");

    QTest::newRow("zero byte ends the text") << QByteArray("OK\0junk", 7) << "OK";
    QTest::newRow("zero byte first") << QByteArray("\0OK", 3) << "";
    QTest::newRow("bytes above 127 as Latin-1") << QByteArray("\xe9\xff") << QString::fromLatin1("\xe9\xff");
}

void TestTransportRules::chunkStopsAtZeroByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, chunk);
    // The buffer goes on past the read with bytes of an earlier read; they are not part of it.
    const QByteArray buffer = bytes + QByteArray("stale");
    QCOMPARE(chunkText(buffer.constData(), bytes.size()), chunk);
}

void TestTransportRules::hexToBytes_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("both cases") << "01Fe00" << QByteArray("\x01\xfe\0", 3);
    QTest::newRow("odd length gives nothing") << "0A1" << QByteArray();
    QTest::newRow("not hexadecimal gives nothing") << "0G" << QByteArray();
    QTest::newRow("sign is not a digit") << "+1" << QByteArray();
}

void TestTransportRules::hexToBytes()
{
    QFETCH(QString, hex);
    QFETCH(QByteArray, bytes);
    QCOMPARE(moduleRV_23::hexToBytes(hex), bytes);
}

QTEST_APPLESS_MAIN(TestTransportRules)
#include "tst_transportrules.moc"
