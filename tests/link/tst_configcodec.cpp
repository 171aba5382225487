#include "link/configcodec.h"
#include "link/parametercommands.h"

#include <QDate>
#include <QtTest>

using namespace moduleRV_23;

// Learning codes, value texts and the parameter writes built from them.
class TestConfigCodec : public QObject
{
    Q_OBJECT

private slots:
    void textToCode_data();
    void textToCode();
    void codeToText_data();
    void codeToText();
    void variantToText_data();
    void variantToText();
    void joinPhoneList_data();
    void joinPhoneList();
    void groupCommands_data();
    void groupCommands();
    void storePhone_data();
    void storePhone();
};

void TestConfigCodec::textToCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("code");
    QTest::addColumn<QString>("digits");

    QTest::newRow("full learning code") << "11000001234567" << qint64(1234567) << "01234567";
    QTest::newRow("short text counts as padded") << "5" << qint64(5) << "00000005";
    QTest::newRow("leading 00 counts as 11") << "00000001234567" << qint64(1234567) << "01234567";
    QTest::newRow("largest code of type 13") << "11000014680063" << qint64(0xDFFFFF) << "14680063";
    QTest::newRow("empty") << "" << qint64(-1) << "";
    QTest::newRow("bad prefix 12") << "12000001234567" << qint64(-1) << "";
    QTest::newRow("bad prefix 11001") << "11001001234567" << qint64(-1) << "";
    QTest::newRow("type 2 accepted") << "11000002097152" << qint64(0x200000) << "02097152";
    QTest::newRow("type 3 rejected") << "11000003145728" << qint64(-1) << "";
    QTest::newRow("type 4 rejected") << "11000004194304" << qint64(-1) << "";
    QTest::newRow("type 5 rejected") << "11000005242880" << qint64(-1) << "";
    QTest::newRow("type 14 rejected") << "11000014680064" << qint64(-1) << "";
    QTest::newRow("type 15 rejected") << "11000015728640" << qint64(-1) << "";
    QTest::newRow("type 6 accepted") << "11000006291456" << qint64(0x600000) << "06291456";
    QTest::newRow("no number after the prefix reads 0") << "110000abcdefgh" << qint64(0) << "00000000";
}

void TestConfigCodec::textToCode()
{
    QFETCH(QString, text);
    QFETCH(qint64, code);
    QFETCH(QString, digits);

    QCOMPARE(moduleRV_23::textToCode(text), code);
    QCOMPARE(learnCodeDigits(text), digits);
}

void TestConfigCodec::codeToText_data()
{
    QTest::addColumn<qint32>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("small code padded to 14") << 5 << "11000000000005";
    QTest::newRow("largest code") << 0xFFFFFE << "11000016777214";
    QTest::newRow("erased: all 24 bits set") << 0xFFFFFF << "";
    QTest::newRow("erased as -1") << -1 << "";
    QTest::newRow("bits above 24 are ignored") << 0x7F000005 << "11000000000005";
}

void TestConfigCodec::codeToText()
{
    QFETCH(qint32, code);
    QFETCH(QString, text);

    QCOMPARE(moduleRV_23::codeToText(code), text);
    if (!text.isEmpty() && isAcceptedDeviceType(code))
        QCOMPARE(moduleRV_23::textToCode(text), qint64(code & 0xFFFFFF));
}

void TestConfigCodec::variantToText_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("true") << QVariant(true) << "1";
    QTest::newRow("false") << QVariant(false) << "0";
    QTest::newRow("int") << QVariant(-42) << "-42";
    QTest::newRow("64-bit int") << QVariant(qint64(36000000)) << "36000000";
    QTest::newRow("double as thousandths") << QVariant(1.5) << "1500";
    QTest::newRow("double to 6 digits") << QVariant(1.23456789) << "1234.57";
    QTest::newRow("text unchanged") << QVariant(QStringLiteral(" a,b ")) << " a,b ";
    QTest::newRow("other type") << QVariant(QDate(2024, 1, 1)) << "";
    QTest::newRow("null") << QVariant() << "";
}

void TestConfigCodec::variantToText()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);

    QCOMPARE(moduleRV_23::variantToText(value), text);
}

void TestConfigCodec::joinPhoneList_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");

    const QString e;
    QTest::newRow("gaps left out") << QStringList{e, "111", e, e, "444", e, e, e} << 8 << "P111,444\"";
    QTest::newRow("blanks removed") << QStringList{" +420 603 112 ", "9 9"} << 8 << "P+420603112,99\"";
    QTest::newRow("all empty") << QStringList{e, e, e, e, e, e, e, e} << 8 << "P\"";
    QTest::newRow("only the first count entries") << QStringList{"1", "2", "3"} << 2 << "P1,2\"";
}

void TestConfigCodec::joinPhoneList()
{
    QFETCH(QStringList, numbers);
    QFETCH(int, count);
    QFETCH(QString, line);

    QCOMPARE(moduleRV_23::joinPhoneList(QStringLiteral("P"), numbers, count), line);
}

void TestConfigCodec::groupCommands_data()
{
    QTest::addColumn<RV23_Config>("config");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("peripherals");

    RV23_Config full;
    full.KreditKontrolaZap = true;
    full.KreditUssd = QStringLiteral("*101#");
    full.KreditPerioda = 30;
    full.KreditLimit = 100;
    full.KreditPozice = 16;
    full.ForwardUnknownSms = full.Limit10Sms = full.BypassWirelessDevice = true;
    full.ServiceNumber1 = QStringLiteral("+420603112233");
    full.ServiceNumber2 = QStringLiteral("737445566");
    full.periferie.A = QStringLiteral("00000001");
    full.periferie.C = QStringLiteral("00000003");
    full.periferie.X2 = QStringLiteral("00000012");
    full.periferie.X4 = QStringLiteral("00000014");
    full.periferie.Y1 = QStringLiteral("00000021");
    QTest::newRow("everything set") << full << "AT+OATSET=\"CRD,*101#,30,100,16\""
                                    << "AT+OATSET=\"DIP,1,0,0,1,0,0,1\""
                                    << "AT+OATSET=\"STN,+420603112233,737445566\""
                                    << "AT+OATSET=\"LRN,A,00000001,C,00000003,X,00000012,00000014,Y,00000021\"";

    RV23_Config sparse = full;
    sparse.KreditKontrolaZap = false;
    sparse.ServiceNumber1.clear();
    sparse.periferie = {};
    sparse.periferie.Y2 = QStringLiteral("00001234");
    QTest::newRow("check off, second number only, one Y peripheral")
        << sparse << "AT+OATSET=\"CRD,*101#,0,0,0\"" << "AT+OATSET=\"DIP,1,0,0,1,0,0,1\""
        << "AT+OATSET=\"STN,737445566\"" << "AT+OATSET=\"LRN,Y,00001234\"";

    QTest::newRow("empty record") << RV23_Config() << "AT+OATSET=\"CRD,,0,0,0\"" << "AT+OATSET=\"DIP,0,0,0,0,0,0,0\""
                                  << "AT+OATSET=\"STN,\"" << "AT+OATSET=\"LRN,\"";
}

void TestConfigCodec::groupCommands()
{
    QFETCH(RV23_Config, config);

    QTEST(ParameterCommands::credit(config), "credit");
    QTEST(ParameterCommands::options(config), "options");
    QTEST(ParameterCommands::serviceNumbers(config), "service");
    QTEST(ParameterCommands::peripherals(config.periferie), "peripherals");
}

void TestConfigCodec::storePhone_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");

    QTest::newRow("no limit") << 0 << "AT+OATSET=\"ADY,+420123\"";
    QTest::newRow("one use") << 1 << "AT+OATSET=\"LDY,+420123,1\"";
    QTest::newRow("99 uses") << 99 << "AT+OATSET=\"LDY,+420123,99\"";
    QTest::newRow("100 is no limit") << 100 << "AT+OATSET=\"ADY,+420123\"";
    QTest::newRow("negative is no limit") << -1 << "AT+OATSET=\"ADY,+420123\"";
}

void TestConfigCodec::storePhone()
{
    QFETCH(int, count);
    QFETCH(QString, line);

    QCOMPARE(ParameterCommands::storePhone(QLatin1Char('Y'), QStringLiteral("+420123"), count), line);
}

QTEST_GUILESS_MAIN(TestConfigCodec)
#include "tst_configcodec.moc"
