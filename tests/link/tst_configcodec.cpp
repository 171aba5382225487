#include "link/configcodec.h"
#include "link/memorycells.h"
#include "link/parametercommands.h"

#include <QDate>
#include <QtTest>

#include <functional>
#include <utility>

using namespace moduleRV_23;
using Field = std::function<QString(const RV23_Config&)>;

Q_DECLARE_METATYPE(Field)

// The configuration record both ways: what each memory cell's answer does to it, and the
// learning codes, value texts and parameter writes built from it.
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
    void peripheralsInSlotOrder();
    void storePhone_data();
    void storePhone();
    void builderRefuses_data();
    void builderRefuses();
    void cellValue_data();
    void cellValue();
    void creditCells_data();
    void creditCells();
    void peripherals_data();
    void peripherals();
    void unmappedCellsChangeNothing();
};

namespace {

using Cells = QList<std::pair<int, QString>>;
using CodesAndModes = QList<std::pair<qint32, qint32>>;

RV23_Config decoded(const Cells& cells, RV23_Config config = {})
{
    for (const auto& [address, value] : cells)
        decodeMemoryCell(config, address, value);
    return config;
}

QStringList peripheralSlots(const RV23_Config::Peripherals& p)
{
    return {p.A, p.B, p.C, p.D, p.X1, p.X2, p.X3, p.X4, p.Y1, p.Y2, p.Y3, p.Y4};
}

// Learned peripherals read as the unit lists them: all codes, then all modes.
Cells peripheralCells(const CodesAndModes& codesAndModes)
{
    Cells cells;
    for (int n = 0; n < codesAndModes.size(); ++n)
        cells.append({373 + n, QString::number(codesAndModes.at(n).first)});
    for (int n = 0; n < codesAndModes.size(); ++n)
        cells.append({389 + n, QString::number(codesAndModes.at(n).second)});
    return cells;
}

} // namespace

void TestConfigCodec::textToCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("code");
    QTest::addColumn<QString>("digits");

    QTest::newRow("leading 00 counts as 11") << "00000001234567" << qint64(1234567) << "01234567";
    QTest::newRow("largest code of type 13") << "11000014680063" << qint64(0xDFFFFF) << "14680063";
    QTest::newRow("empty") << "" << qint64(-1) << "";
    QTest::newRow("bad prefix 11001") << "11001001234567" << qint64(-1) << "";
    QTest::newRow("type 2 accepted") << "11000002097152" << qint64(0x200000) << "02097152";
    QTest::newRow("type 5 rejected") << "11000005242880" << qint64(-1) << "";
    QTest::newRow("type 14 rejected") << "11000014680064" << qint64(-1) << "";
    QTest::newRow("type 6 accepted") << "11000006291456" << qint64(0x600000) << "06291456";
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

    QTest::newRow("largest code") << 0xFFFFFE << "11000016777214";
    QTest::newRow("erased: all 24 bits set") << 0xFFFFFF << "";
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
    QTest::newRow("64-bit int") << QVariant(qint64(36000000)) << "36000000";
    QTest::newRow("double as thousandths") << QVariant(1.5) << "1500";
    QTest::newRow("double to 6 digits") << QVariant(1.23456789) << "1234.57";
    QTest::newRow("text unchanged") << QVariant(QStringLiteral(" a,b ")) << " a,b ";
    QTest::newRow("other type") << QVariant(QDate(2024, 1, 1)) << "";
}

void TestConfigCodec::variantToText()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);

    QCOMPARE(moduleRV_23::variantToText(value), text);
}

// Only the filled slots go out, each unit's letter once before its codes.
void TestConfigCodec::peripheralsInSlotOrder()
{
    RV23_Config::Peripherals assigned;
    assigned.A = QStringLiteral("00000001");
    assigned.C = QStringLiteral("00000003");
    assigned.X2 = QStringLiteral("00000012");
    assigned.X4 = QStringLiteral("00000014");
    assigned.Y1 = QStringLiteral("00000021");

    QCOMPARE(ParameterCommands::peripherals(assigned),
             QStringLiteral("AT+OATSET=\"LRN,A,00000001,C,00000003,X,00000012,00000014,Y,00000021\""));
}

void TestConfigCodec::storePhone_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");

    QTest::newRow("one use") << 1 << "AT+OATSET=\"LDY,+420123,1\"";
    QTest::newRow("99 uses") << 99 << "AT+OATSET=\"LDY,+420123,99\"";
    QTest::newRow("100 is no limit") << 100 << "AT+OATSET=\"ADY,+420123\"";
}

void TestConfigCodec::storePhone()
{
    QFETCH(int, count);
    QFETCH(QString, line);

    QCOMPARE(ParameterCommands::storePhone(QLatin1Char('Y'), QStringLiteral("+420123"), count), line);
}

using Builder = std::function<QString()>;
Q_DECLARE_METATYPE(Builder)

// Whatever the record holds, a builder never makes a line that the unit would split or read
// past the argument's closing quote; values at the edges of the rule still go out.
void TestConfigCodec::builderRefuses_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<QString>("line");

    const auto credit = [](const QString& ussd) {
        return Builder([ussd] {
            RV23_Config config;
            config.KreditUssd = ussd;
            config.KreditKontrolaZap = true;
            return ParameterCommands::credit(config);
        });
    };
    const auto text = [](const QString& value) {
        return Builder([value] { return ParameterCommands::write("AT", QLatin1Char('A'), value); });
    };
    const auto sendable = [](const Builder& build) {
        return Builder([build] {
            const QString line = build();
            return ParameterCommands::lineFault(line).isEmpty() ? line : QString();
        });
    };
    QTest::newRow("CR LF smuggling a command") << sendable(text(QStringLiteral("X\r\nAT+OATSET=\"RST\"\r\n"))) << "";
    QTest::newRow("double quote ending the argument") << sendable(text(QStringLiteral("A\",B"))) << "";
    QTest::newRow("other control character") << sendable(text(QStringLiteral("A\tB"))) << "";
    QTest::newRow("DEL") << sendable(text(QStringLiteral("A\x7f"))) << "";
    QTest::newRow("comma inside a single field is kept") << sendable(text(QStringLiteral("A,B")))
                                                         << "AT+OATSET=\"ATA,A,B\"";
    QTest::newRow("30-character text") << sendable(text(QString(30, QLatin1Char('x'))))
                                       << "AT+OATSET=\"ATA," + QString(30, QLatin1Char('x')) + "\"";
    QTest::newRow("Czech diacritics") << sendable(text(QStringLiteral("Poplach v kuchyni č. 2 ŽÁR")))
                                      << QStringLiteral("AT+OATSET=\"ATA,Poplach v kuchyni č. 2 ŽÁR\"");
    QTest::newRow("comma shifting the credit fields") << credit(QStringLiteral("*1,01#")) << "";
    QTest::newRow("quote in the credit command") << credit(QStringLiteral("*1\"#")) << "";
    QTest::newRow("credit command at its edge") << credit(QStringLiteral("*101#")) << "AT+OATSET=\"CRD,*101#,0,0,0\"";
    QTest::newRow("comma in a relay phone number") << Builder([] {
        return ParameterCommands::storePhone(QLatin1Char('X'), QStringLiteral("1,2"), 5);
    }) << "";
    QTest::newRow("line feed in an input phone number") << Builder([] {
        return ParameterCommands::inputPhones(QLatin1Char('A'), {QStringLiteral("1\n2")});
    }) << "";
    QTest::newRow("comma in a service number") << Builder([] {
        RV23_Config config;
        config.ServiceNumber1 = QStringLiteral("1,2");
        return ParameterCommands::serviceNumbers(config);
    }) << "";
}

void TestConfigCodec::builderRefuses()
{
    QFETCH(Builder, build);
    QFETCH(QString, line);

    QCOMPARE(build(), line);
}

void TestConfigCodec::cellValue_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("value");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("expected");

    using C = RV23_Config;
    const auto text = [](auto member) { return Field(member); };
    const auto number = [](auto member) { return Field([member](const C& c) { return QString::number(member(c)); }); };

    QTest::newRow("relay X on text as received") << 3 << " ZAPNI " << text([](const C& c) { return c.OutputTexts[C::X].OnText; }) << " ZAPNI ";
    QTest::newRow("input D deactivation text") << 71 << "KLID" << text([](const C& c) { return c.InputTexts[C::D].OffText; }) << "KLID";
    QTest::newRow("first phone of input A") << 111 << "111" << text([](const C& c) { return c.APhones[0]; }) << "111";
    QTest::newRow("last phone of input D") << 142 << "142" << text([](const C& c) { return c.DPhones[7]; }) << "142";
    QTest::newRow("first phone of relay X") << 143 << "143" << text([](const C& c) { return c.XPhones[0]; }) << "143";
    QTest::newRow("last phone of relay Y") << 242 << "242" << text([](const C& c) { return c.YPhones[49]; }) << "242";
    QTest::newRow("on-time beyond 16 bits is 0") << 245 << "70000" << number([](const C& c) { return c.RelayTime[C::Y]; }) << "0";
    QTest::newRow("call flag: any non-zero is on") << 247 << "2" << number([](const C& c) { return c.CallOnChange[C::B]; }) << "1";
    QTest::newRow("last option flag") << 264 << "1" << number([](const C& c) { return c.BypassWirelessDevice; }) << "1";
    QTest::newRow("count 99 kept") << 274 << "99" << number([](const C& c) { return c.XCounts[1]; }) << "99";
    QTest::newRow("count 150 stored as 0") << 274 << "150" << number([](const C& c) { return c.XCounts[1]; }) << "0";
    QTest::newRow("last count of relay Y") << 372 << "7" << number([](const C& c) { return c.YCounts[49]; }) << "7";
    QTest::newRow("peripheral code as signed") << 384 << "-1" << number([](const C& c) { return c.periferie.Kod[11]; }) << "-1";
}

void TestConfigCodec::cellValue()
{
    QFETCH(int, address);
    QFETCH(QString, value);
    QFETCH(Field, field);
    QFETCH(QString, expected);
    RV23_Config config;
    config.XCounts[1] = config.YCounts[49] = 42;
    config.RelayTime = {42, 42};

    QCOMPARE(field(decoded({{address, value}}, config)), expected);
}

void TestConfigCodec::creditCells_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("checkOn");

    // numbers: period, limit, position; each starts at 7.
    QTest::newRow("period") << 268 << "30" << "30,7,7" << true;
    QTest::newRow("period 0 shows 1 and turns the check off") << 268 << "0" << "1,7,7" << false;
    QTest::newRow("period kept in 8 bits: 256 is 0") << 268 << "256" << "1,7,7" << false;
    QTest::newRow("limit 999") << 269 << "999" << "7,999,7" << true;
    QTest::newRow("limit kept in 16 bits: 65537 is 1") << 269 << "65537" << "7,1,7" << true;
    QTest::newRow("position that is no number") << 270 << "x" << "7,7,1" << false;
    QTest::newRow("empty USSD code turns the check off") << 92 << "" << "7,7,7" << false;
    QTest::newRow("USSD code leaves the check") << 92 << "*101#" << "7,7,7" << true;
}

void TestConfigCodec::creditCells()
{
    QFETCH(int, address);
    QFETCH(QString, value);
    QFETCH(QString, numbers);
    QFETCH(bool, checkOn);
    RV23_Config config;
    config.KreditKontrolaZap = true;
    config.KreditPerioda = config.KreditLimit = config.KreditPozice = 7;

    config = decoded({{address, value}}, config);

    QCOMPARE(QStringLiteral("%1,%2,%3").arg(config.KreditPerioda).arg(config.KreditLimit).arg(config.KreditPozice),
             numbers);
    QCOMPARE(config.KreditKontrolaZap, checkOn);
}

void TestConfigCodec::peripherals_data()
{
    QTest::addColumn<CodesAndModes>("codesAndModes");
    // A, B, C, D, X1..X4, Y1..Y4
    QTest::addColumn<QStringList>("assigned");

    const QString e;
    const QStringList none{e, e, e, e, e, e, e, e, e, e, e, e};
    const auto code = [](int n) { return QStringLiteral("110000%1").arg(n, 8, 10, QLatin1Char('0')); };
    QTest::newRow("one per input, 7 and 8 are A and B")
        << CodesAndModes{{7, 7}, {8, 8}, {3, 3}, {4, 4}}
        << QStringList{code(7), code(8), code(3), code(4), e, e, e, e, e, e, e, e};
    QTest::newRow("erased code 0xFFFFFF gives an empty text")
        << CodesAndModes{{0xFFFFFF, 1}, {-1, 6}} << none;
    QTest::newRow("second relay X peripheral goes to X2")
        << CodesAndModes{{1, 5}, {5, 5}}
        << QStringList{e, e, e, e, "11000000000001", "11000000000005", e, e, e, e, e, e};
    QTest::newRow("fifth relay X peripheral overwrites X4")
        << CodesAndModes{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}
        << QStringList{e, e, e, e, code(1), code(2), code(3), code(5), e, e, e, e};
    QTest::newRow("relay Y, mode in the low 8 bits, code in the low 24")
        << CodesAndModes{{0x1000009, 0x106}}
        << QStringList{e, e, e, e, e, e, e, e, code(9), e, e, e};
    QTest::newRow("modes 9 and 0 assign nothing")
        << CodesAndModes{{1, 9}, {2, 0}} << none;
}

void TestConfigCodec::peripherals()
{
    QFETCH(CodesAndModes, codesAndModes);
    QFETCH(QStringList, assigned);

    QCOMPARE(peripheralSlots(decoded(peripheralCells(codesAndModes)).periferie), assigned);
}

void TestConfigCodec::unmappedCellsChangeNothing()
{
    RV23_Config config;
    config.ProgrammingCode = QStringLiteral("1357");
    config.RelayTime = {5, 6};
    config.periferie.A = QStringLiteral("11000000000001");

    // Cell 1 is the behaviour version, which the record does not keep.
    config = decoded({{1, "VB:004"}, {2, "x"}, {243, "9"}, {385, "7"}, {401, "5"}, {404, "1"}, {-1, "1"}}, config);

    QCOMPARE(config.ProgrammingCode, QStringLiteral("1357"));
    QCOMPARE(config.RelayTime[0], quint16(5));
    QCOMPARE(config.periferie.A, QStringLiteral("11000000000001"));
    QCOMPARE(config.periferie.Kod[12], 0);
}

QTEST_GUILESS_MAIN(TestConfigCodec)
#include "tst_configcodec.moc"
