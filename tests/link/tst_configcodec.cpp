#include "configfields.h"

#include "link/configcodec.h"
#include "link/memorycells.h"
#include "link/parametercommands.h"

#include <QtTest>

#include <functional>

#include <utility>

using namespace moduleRV_23;
using Build = std::function<QString()>;

Q_DECLARE_METATYPE(Build)

// The configuration record both ways: what each memory cell's answer does to it, and the
// learning codes, value texts and parameter writes built from it.
class TestConfigCodec : public QObject
{
    Q_OBJECT

private slots:
    void textToCode_data();
    void textToCode();
    void buildsLines_data();
    void buildsLines();
    void cellFillsOneMember_data();
    void cellFillsOneMember();
    void creditCells_data();
    void creditCells();
    void peripherals_data();
    void peripherals();
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
    QTest::newRow("type 5 rejected") << "11000005242880" << qint64(-1) << "";
    QTest::newRow("type 14 rejected") << "11000014680064" << qint64(-1) << "";
}

void TestConfigCodec::textToCode()
{
    QFETCH(QString, text);

    QTEST(moduleRV_23::textToCode(text), "code");
    QTEST(learnCodeDigits(text), "digits");
}

// Each field of a write that carries several at its own place: every field distinct, and each
// option flag set alone.
void TestConfigCodec::buildsLines_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<QString>("line");
    const auto oatset = [](const QString& parameter) { return QStringLiteral("AT+OATSET=\"%1\"").arg(parameter); };

    RV23_Config c;
    c.KreditKontrolaZap = true;
    c.KreditUssd = QStringLiteral("*104#");
    c.KreditPerioda = 12;
    c.KreditLimit = 345;
    c.KreditPozice = 67;
    c.ServiceNumber1 = QStringLiteral("+4201");
    c.ServiceNumber2 = QStringLiteral("+4202");
    RV23_Config::Peripherals& p = c.periferie;
    int code = 0;
    for (QString* slot : {&p.A, &p.B, &p.C, &p.D, &p.X1, &p.X2, &p.X3, &p.X4, &p.Y1, &p.Y2, &p.Y3, &p.Y4})
        *slot = QStringLiteral("%1").arg(++code, 8, 10, QLatin1Char('0'));
    using namespace ParameterCommands;

    QTest::newRow("CRD: USSD, period, limit, position")
        << Build([c] { return credit(c); }) << oatset("CRD,*104#,12,345,67");
    QTest::newRow("CRD with the check off: zeros")
        << Build([c]() mutable { c.KreditKontrolaZap = false; return credit(c); }) << oatset("CRD,*104#,0,0,0");
    const QStringList options{"forward unknown SMS", "check call every 24 h", "copy of sent SMS", "at most 10 SMS",
                              "confirm relay by ring", "confirm relay by SMS", "bypass wireless device"};
    for (int i = 0; i < options.size(); ++i) {
        QStringList flags{"0", "0", "0", "0", "0", "0", "0"};
        flags[i] = QStringLiteral("1");
        QTest::newRow(qPrintable("DIP: " + options.at(i)))
            << Build([c, i]() mutable { c.*optionFlags()[i] = true; return ParameterCommands::options(c); })
            << oatset("DIP," + flags.join(','));
    }
    QTest::newRow("STN: first, second") << Build([c] { return serviceNumbers(c); }) << oatset("STN,+4201,+4202");
    QTest::newRow("STN: an empty first is left out")
        << Build([c]() mutable { c.ServiceNumber1.clear(); return serviceNumbers(c); }) << oatset("STN,+4202");
    QTest::newRow("LRN: every slot in order") << Build([p] { return ParameterCommands::peripherals(p); })
        << oatset("LRN,A,00000001,B,00000002,C,00000003,D,00000004,X,00000005,00000006,00000007,00000008,"
                 "Y,00000009,00000010,00000011,00000012");
    QTest::newRow("LRN: only the filled slots, each letter once")
        << Build([p]() mutable { p.B.clear(); p.D.clear(); p.X1.clear(); p.X3.clear(); p.Y2.clear(); p.Y3.clear(); p.Y4.clear(); return ParameterCommands::peripherals(p); })
        << oatset("LRN,A,00000001,C,00000003,X,00000006,00000008,Y,00000009");
    // Counts 1 and 99 go out in the round trip over every field.
    QTest::newRow("ADY: 100 uses is no limit")
        << Build([] { return storePhone(QLatin1Char('Y'), QStringLiteral("+420123"), 100); }) << oatset("ADY,+420123");

    // Whatever the record holds, a builder never makes a line that the unit would split or read
    // past the argument's closing quote; values at the edges of the rule still go out.
    const auto checkedCredit = [](const QString& ussd) {
        return Build([ussd] {
            RV23_Config config;
            config.KreditUssd = ussd;
            config.KreditKontrolaZap = true;
            return ParameterCommands::credit(config);
        });
    };
    const auto text = [](const QString& value) {
        return Build([value] { return ParameterCommands::write("AT", QLatin1Char('A'), value); });
    };
    const auto sendable = [](const Build& build) {
        return Build([build] {
            const QString line = build();
            return ParameterCommands::lineFault(line).isEmpty() ? line : QString();
        });
    };
    QTest::newRow("CR LF smuggling a command") << sendable(text(QStringLiteral("X\r\nAT+OATSET=\"RST\"\r\n"))) << "";
    QTest::newRow("double quote ending the argument") << sendable(text(QStringLiteral("A\",B"))) << "";
    QTest::newRow("other control character") << sendable(text(QStringLiteral("A\tB"))) << "";
    QTest::newRow("DEL") << sendable(text(QStringLiteral("A\x7f"))) << "";
    QTest::newRow("comma inside a single field is kept") << sendable(text(QStringLiteral("A,B")))
                                                         << oatset("ATA,A,B");
    QTest::newRow("30-character text") << sendable(text(QString(30, QLatin1Char('x'))))
                                       << oatset("ATA," + QString(30, QLatin1Char('x')));
    QTest::newRow("Czech diacritics") << sendable(text(QStringLiteral("Poplach v kuchyni č. 2 ŽÁR")))
                                      << oatset(QStringLiteral("ATA,Poplach v kuchyni č. 2 ŽÁR"));
    QTest::newRow("comma shifting the credit fields") << checkedCredit(QStringLiteral("*1,01#")) << "";
    QTest::newRow("quote in the credit command") << checkedCredit(QStringLiteral("*1\"#")) << "";
    QTest::newRow("credit command at its edge") << checkedCredit(QStringLiteral("*101#")) << oatset("CRD,*101#,0,0,0");
    QTest::newRow("comma in a relay phone number") << Build([] {
        return ParameterCommands::storePhone(QLatin1Char('X'), QStringLiteral("1,2"), 5);
    }) << "";
    QTest::newRow("line feed in an input phone number") << Build([] {
        return ParameterCommands::inputPhones(QLatin1Char('A'), {QStringLiteral("1\n2")});
    }) << "";
    QTest::newRow("comma in a service number") << Build([] {
        RV23_Config config;
        config.ServiceNumber1 = QStringLiteral("1,2");
        return ParameterCommands::serviceNumbers(config);
    }) << "";
}

void TestConfigCodec::buildsLines()
{
    QFETCH(Build, build);

    QTEST(build(), "line");
}

void TestConfigCodec::cellFillsOneMember_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("value");
    // The one member the cell changes, and its value; none for a cell outside the map.
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("stored");

    const auto row = [](const char* name, int address, const char* value, const char* member, const char* stored) {
        QTest::newRow(name) << address << QString(value) << QString(member) << QString(stored);
    };
    row("relay X on text", 3, " ZAP X ", "OutputTexts[X].OnText", " ZAP X ");
    row("relay Y on text", 4, "ZAP Y", "OutputTexts[Y].OnText", "ZAP Y");
    row("relay X off text", 5, "VYP X", "OutputTexts[X].OffText", "VYP X");
    row("relay Y off text", 6, "VYP Y", "OutputTexts[Y].OffText", "VYP Y");
    row("status text", 7, "STAV", "StatusSmsText", "STAV");
    row("programming code", 54, "1357", "ProgrammingCode", "1357");
    row("input A on text", 64, "ON A", "InputTexts[A].OnText", "ON A");
    row("input B on text", 65, "ON B", "InputTexts[B].OnText", "ON B");
    row("input C on text", 66, "ON C", "InputTexts[C].OnText", "ON C");
    row("input D on text", 67, "ON D", "InputTexts[D].OnText", "ON D");
    row("input A off text", 68, "OFF A", "InputTexts[A].OffText", "OFF A");
    row("input B off text", 69, "OFF B", "InputTexts[B].OffText", "OFF B");
    row("input C off text", 70, "OFF C", "InputTexts[C].OffText", "OFF C");
    row("input D off text", 71, "OFF D", "InputTexts[D].OffText", "OFF D");
    row("relay X on code reversed", 76, "4321", "DtmfCodes[X].OnCode", "1234");
    row("relay Y on code reversed", 77, "8765", "DtmfCodes[Y].OnCode", "5678");
    row("relay X off code reversed", 78, "7531", "DtmfCodes[X].OffCode", "1357");
    row("relay Y off code reversed", 79, "8642", "DtmfCodes[Y].OffCode", "2468");
    row("USSD code", 92, "*101#", "KreditUssd", "*101#");
    row("service number 1", 108, "+4201", "ServiceNumber1", "+4201");
    row("service number 2", 109, "+4202", "ServiceNumber2", "+4202");
    row("first phone of input A", 111, "+111", "APhones[0]", "+111");
    row("last phone of input A", 118, "+118", "APhones[7]", "+118");
    row("first phone of input B", 119, "+119", "BPhones[0]", "+119");
    row("last phone of input B", 126, "+126", "BPhones[7]", "+126");
    row("first phone of input C", 127, "+127", "CPhones[0]", "+127");
    row("last phone of input C", 134, "+134", "CPhones[7]", "+134");
    row("first phone of input D", 135, "+135", "DPhones[0]", "+135");
    row("last phone of input D", 142, "+142", "DPhones[7]", "+142");
    row("first phone of relay X", 143, "+143", "XPhones[0]", "+143");
    row("last phone of relay X", 192, "+192", "XPhones[49]", "+192");
    row("first phone of relay Y", 193, "+193", "YPhones[0]", "+193");
    row("last phone of relay Y", 242, "+242", "YPhones[49]", "+242");
    row("relay X on-time in seconds", 244, "90", "RelayTime[X]", "90");
    row("relay Y on-time in seconds", 245, "36000", "RelayTime[Y]", "36000");
    row("on-time beyond 16 bits is 0", 245, "70000", "RelayTime[Y]", "0");
    row("input A calls", 246, "1", "CallOnChange[A]", "true");
    row("input B calls: any non-zero", 247, "2", "CallOnChange[B]", "true");
    row("input C calls", 248, "1", "CallOnChange[C]", "true");
    row("input D calls", 249, "1", "CallOnChange[D]", "true");
    row("forward unknown SMS", 258, "1", "ForwardUnknownSms", "true");
    row("check call every 24 h", 259, "1", "CheckCall24h", "true");
    row("copy of sent SMS", 260, "1", "CopySentSms", "true");
    row("at most 10 SMS", 261, "1", "Limit10Sms", "true");
    row("confirm relay by ring", 262, "1", "ConfirmRelayByRing", "true");
    row("confirm relay by SMS", 263, "1", "ConfirmRelayBySms", "true");
    row("bypass wireless device", 264, "1", "BypassWirelessDevice", "true");
    row("check period", 268, "30", "KreditPerioda", "30");
    row("low-balance limit", 269, "999", "KreditLimit", "999");
    row("balance position", 270, "16", "KreditPozice", "16");
    row("first count of relay X", 273, "11", "XCounts[0]", "11");
    row("count 150 stored as 0", 274, "150", "XCounts[1]", "0");
    row("last count of relay X", 322, "12", "XCounts[49]", "12");
    row("first count of relay Y", 323, "13", "YCounts[0]", "13");
    row("last count of relay Y", 372, "14", "YCounts[49]", "14");
    row("first peripheral code, signed", 373, "-2", "Kod[0]", "-2");
    row("last peripheral code in use", 384, "77", "Kod[11]", "77");
    row("first peripheral mode", 389, "9", "Mod[0]", "9");
    row("last peripheral mode in use", 400, "10", "Mod[11]", "10");
    for (int address : {1, 2, 8, 53, 55, 63, 72, 75, 80, 91, 93, 107, 110, 243, 250, 257, 265, 267, 271, 272, 385, 388,
                        401, 404})
        row(qPrintable(QStringLiteral("cell %1 is not kept").arg(address)), address, "9", "", "");
}

// Each cell against a record whose members all differ from what it would store: a cell read into
// a neighbour's member, or not read at all, changes the wrong member or none.
void TestConfigCodec::cellFillsOneMember()
{
    QFETCH(int, address);
    QFETCH(QString, value);
    QFETCH(QString, member);
    QFETCH(QString, stored);
    RV23_Config before;
    before.XCounts[1] = 42;
    before.RelayTime = {42, 42};

    const QStringList expected = member.isEmpty() ? QStringList() : QStringList{member + " = " + stored};
    QCOMPARE(Testing::changedFields(before, decoded({{address, value}}, before)), expected);
}

void TestConfigCodec::creditCells_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("checkOn");

    // numbers: period, limit, position; each starts at 7.
    QTest::newRow("period 0 shows 1 and turns the check off") << 268 << "0" << "1,7,7" << false;
    QTest::newRow("empty USSD code turns the check off") << 92 << "" << "7,7,7" << false;
    QTest::newRow("USSD code leaves the check") << 92 << "*101#" << "7,7,7" << true;
}

void TestConfigCodec::creditCells()
{
    QFETCH(int, address);
    QFETCH(QString, value);
    QFETCH(QString, numbers);
    RV23_Config config;
    config.KreditKontrolaZap = true;
    config.KreditPerioda = config.KreditLimit = config.KreditPozice = 7;

    config = decoded({{address, value}}, config);

    QCOMPARE(QStringLiteral("%1,%2,%3").arg(config.KreditPerioda).arg(config.KreditLimit).arg(config.KreditPozice),
             numbers);
    QTEST(config.KreditKontrolaZap, "checkOn");
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

    QTEST(peripheralSlots(decoded(peripheralCells(codesAndModes)).periferie), "assigned");
}

QTEST_GUILESS_MAIN(TestConfigCodec)
#include "tst_configcodec.moc"
