#include "configfields.h"

#include "portal/portalexport.h"
#include "portal/webimportparser.h"

#include "tests/support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

using moduleRV_23::WebImportParser;
using moduleRV_23::PortalExport::exportData;
using moduleRV_23::PortalExport::exportText;

namespace {

// The unit's own number both hand-written files carry.
const QString ownNumber = QStringLiteral("+420777123456");

// Every field of the text in use: golden_full.txt.
RV23_Config fullRecord()
{
    RV23_Config c;
    c.ProgrammingCode = "1234";
    c.InputTexts = {{{"Alarm A", "Klid A"},
                     {"Vstup B aktivni", "Vstup B neaktivni"},
                     {"Pozar", "Pozar konec"},
                     {"Voda 'D'", "Voda > ok"}}};
    c.APhones = {"+420601000001", "+420601000002", "", "603 111 222", "", "", "", "777000008"};
    c.BPhones[0] = "111";
    for (int r = 0; r < 8; ++r)
        c.CPhones[r] = "+42060200000" + QString::number(r + 1);
    c.DPhones[5] = "+420604000006";
    c.CallOnChange = {false, true, true, false};
    c.OutputTexts = {{{"Zapni X", "Vypni X"}, {"Zapni Y", "Vypni Y"}}};
    c.DtmfCodes = {{{"1234", "4321"}, {"11", "12345678"}}};
    c.XPhones[0] = "+420731000001";
    c.XCounts[0] = 5;
    c.XPhones[1] = "+420 731-000-002";
    c.XPhones[3] = "731000004";
    c.XCounts[3] = 99;
    c.XPhones[49] = "731000050";
    c.XCounts[49] = 1;
    c.XCounts[10] = 7; // a count without a number is not written
    c.YPhones[0] = "608123456";
    c.YPhones[10] = "+421905000011";
    c.YCounts[10] = 12;
    c.RelayTime = {3725, 36000};
    c.ServiceNumber1 = "+420800111222";
    c.ServiceNumber2 = "+420800333444";
    c.StatusSmsText = "STAV";
    c.ForwardUnknownSms = true;
    c.CopySentSms = true;
    c.Limit10Sms = true;
    c.ConfirmRelayBySms = true;
    c.BypassWirelessDevice = true;
    c.KreditKontrolaZap = true;
    c.KreditUssd = "*101#";
    c.KreditPerioda = 7;
    c.KreditLimit = 150;
    c.KreditPozice = 12;
    c.periferie.A = "11000000123456";
    c.periferie.B = "11000000000002";
    c.periferie.C = "11000016777214";
    c.periferie.D = "11000000000004";
    c.periferie.X1 = "11000000000005";
    c.periferie.X3 = "11000000000007";
    c.periferie.Y1 = "11000000000009";
    c.periferie.Y2 = "11000000000010";
    c.periferie.Y3 = "11000000000011";
    c.periferie.Y4 = "11000000000012";
    return c;
}

// The bytes of a file of this folder.
QByteArray readFile(const QString& name)
{
    return Testing::fileContents(QStringLiteral(RV23_PORTAL_TEST_DIR "/") + name);
}

// Every member of the record as "name=value" lines, so that a failed comparison names the member.
QStringList describe(const RV23_Config& c)
{
    QStringList lines;
    const QMap<QString, QString> fields = Testing::configFields(c);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        lines << it.key() + QLatin1Char('=') + it.value();
    return lines;
}

// Portal-style fragments, with fewer attributes than the export writes. The text area names itself
// first, so that its content may begin with a line feed.
QByteArray field(const char* key, const char* value)
{
    return QByteArray("<fieldset><input type=\"text\" name=\"0[") + key + "]\" value=\"" + value
        + "\"></fieldset>\n";
}

QByteArray area(const char* key, const QByteArray& content)
{
    return QByteArray("<fieldset><textarea name=\"0[") + key + "]\" rows=\"4\">" + content
        + "</textarea></fieldset>\n";
}

QByteArray box(const char* key, bool checked)
{
    return QByteArray("<input type=\"checkbox\" name=\"0[") + key + (checked ? "]\" checked>\n" : "]\">\n");
}

// Lets the import's debug lines through while it lives: they are what a technician sees of a
// file that does not read.
class PortalLogOn final
{
public:
    PortalLogOn() { previous = QLoggingCategory::installFilter(enable); }
    ~PortalLogOn() { QLoggingCategory::installFilter(previous); }

private:
    // Qt runs a new filter over all categories before it returns the previous one.
    static void enable(QLoggingCategory* category)
    {
        if (previous)
            previous(category);
        if (qstrcmp(category->categoryName(), "rv23.portal") == 0)
            category->setEnabled(QtDebugMsg, true);
    }

    static inline QLoggingCategory::CategoryFilter previous = nullptr;
};

} // namespace

// The web-portal text written for a configuration record and read back into one.
class TestPortal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheFileByteForByte_data();
    void writesTheFileByteForByte();
    void fragments_data();
    void fragments();
    void unwritablePathWritesNothing();
    void exportReadsBack_data();
    void exportReadsBack();
    void mapping_data();
    void mapping();
    void brokenTextsChangeNothing_data();
    void brokenTextsChangeNothing();

private:
    QTemporaryDir dir;
};

void TestPortal::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestPortal::writesTheFileByteForByte_data()
{
    QTest::addColumn<RV23_Config>("config");
    QTest::addColumn<QString>("expectedFile");

    QTest::newRow("every field in use") << fullRecord() << "golden_full.txt";
    QTest::newRow("empty record, own number only") << RV23_Config() << "golden_empty.txt";
}

// The target already holds a longer text, which must not survive.
void TestPortal::writesTheFileByteForByte()
{
    QFETCH(RV23_Config, config);
    QFETCH(QString, expectedFile);
    const QByteArray expected = readFile(expectedFile);
    QVERIFY(!expected.isEmpty());
    const QString path = dir.filePath(QStringLiteral("export.txt"));
    QVERIFY(Testing::writeFile(path, QByteArray(expected.size() + 100, 'x')));

    QVERIFY(exportData(path, config, ownNumber));

    const QByteArray written = Testing::fileContents(path);
    // Line by line first, for a readable failure.
    QCOMPARE(written.split('\n'), expected.split('\n'));
    QCOMPARE(written, expected);
}

void TestPortal::fragments_data()
{
    QTest::addColumn<RV23_Config>("config");
    QTest::addColumn<QString>("fragments");

    RV23_Config c;
    c.ServiceNumber2 = "+420800333444";
    QTest::newRow("only the second service number") << c
        << "id=\"0[STN]\" name=\"0[STN]\" value=\",+420800333444\"></fieldset>\n";

    c = RV23_Config();
    c.ServiceNumber1 = "+420800111222";
    QTest::newRow("only the first service number: no comma") << c
        << "id=\"0[STN]\" name=\"0[STN]\" value=\"+420800111222\"></fieldset>\n";
}

void TestPortal::fragments()
{
    QFETCH(RV23_Config, config);
    QFETCH(QString, fragments);

    const QString text = exportText(config, QString());
    QVERIFY2(text.contains(fragments), qPrintable(text));
}

void TestPortal::unwritablePathWritesNothing()
{
    const QString path = dir.filePath(QStringLiteral("missing/folder/export.txt"));
    QVERIFY(!exportData(path, fullRecord(), ownNumber));
    QVERIFY(!QFile::exists(path));
}

void TestPortal::exportReadsBack_data()
{
    QTest::addColumn<RV23_Config>("exported");
    QTest::addColumn<RV23_Config>("expected");

    // Empty rows close up, relay numbers keep only what can be dialled, counts of empty rows
    // are lost, the relays' permanent flags follow their on-times.
    const RV23_Config full = fullRecord();
    RV23_Config expected = full;
    expected.APhones = {"+420601000001", "+420601000002", "603 111 222", "777000008", "", "", "", ""};
    expected.DPhones = {"+420604000006", "", "", "", "", "", "", ""};
    expected.XPhones = {"+420731000001", "+420731000002", "731000004", "731000050"};
    expected.XCounts = {5, 0, 99, 1};
    expected.YPhones = {"608123456", "+421905000011"};
    expected.YCounts = {0, 12};
    expected.periferie.X2 = "11000000000007";
    expected.periferie.X3.clear();
    QTest::newRow("ascii, every field") << full << expected;

    RV23_Config czech;
    czech.ProgrammingCode = "9876";
    czech.StatusSmsText = QStringLiteral("Stav zařízení?");
    czech.InputTexts = {{{QStringLiteral("Požár v kotelně"), QStringLiteral("Požár skončil")},
                         {QStringLiteral("Vniknutí"), QStringLiteral("Klid – dveře")},
                         {QStringLiteral("Únik vody"), QStringLiteral("Voda v pořádku")},
                         {QStringLiteral("Přepětí"), QStringLiteral("Napětí OK")}}};
    czech.OutputTexts = {{{QStringLiteral("Zapni topení"), QStringLiteral("Vypni topení")},
                          {QStringLiteral("Otevři bránu"), QStringLiteral("Zavři bránu")}}};
    czech.APhones[0] = "+420601000001";
    czech.KreditKontrolaZap = false;
    czech.KreditUssd = "*101#";
    czech.KreditPerioda = 7;
    czech.KreditLimit = 150;
    czech.KreditPozice = 12;
    expected = czech;
    // The zeros written for a check that is off read back as a check that is on.
    expected.KreditKontrolaZap = true;
    expected.KreditPerioda = 0;
    expected.KreditLimit = 0;
    expected.KreditPozice = 0;
    expected.RelayPermanent = {true, true};
    QTest::newRow("czech texts, balance check off, relays on permanently") << czech << expected;
}

void TestPortal::exportReadsBack()
{
    QFETCH(RV23_Config, exported);
    QFETCH(RV23_Config, expected);
    const QString path = dir.filePath(QStringLiteral("roundtrip.txt"));
    QVERIFY(exportData(path, exported, ownNumber));

    RV23_Config imported;
    QVERIFY(WebImportParser::parse(Testing::fileContents(path), &imported));

    QCOMPARE(describe(imported), describe(expected));
}

void TestPortal::mapping_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty first line of a text area is an empty first row")
        << area("TNA", "\n+420601000009")
        << QStringList{"APhones[0]=", "APhones[1]=+420601000009", "APhones[2]="};
    QTest::newRow("relay numbers of the other output are emptied too")
        << area("ALDY", "1") << QStringList{"XPhones[0]=", "XCounts[0]=0", "XPhones[49]=", "YPhones[0]=1"};
    QByteArrayList relayNumbers;
    for (int i = 1; i <= 55; ++i)
        relayNumbers << "7310000" + QByteArray::number(i);
    QTest::newRow("more than 50 relay numbers: the rest is dropped")
        << area("ALDX", relayNumbers.join('\n'))
        << QStringList{"XPhones[0]=73100001", "XPhones[49]=731000050"};
    QTest::newRow("missing text field empties its text")
        << field("ATB", "B") << QStringList{"InputTexts[A].OnText=", "InputTexts[B].OnText=B"};
    QTest::newRow("checked box sets its flag, absent ones clear theirs")
        << box("DIPc", true) + box("DIPd", false)
        << QStringList{"CopySentSms=true", "Limit10Sms=false", "ForwardUnknownSms=false"};
    QTest::newRow("on-time past 16 bits wraps")
        << field("TMYh", "19") << QStringList{"RelayTime[Y]=2864", "RelayPermanent[Y]=false"};
    QTest::newRow("service numbers keep only what can be dialled")
        << field("STN", "+420 (800)-111,tel: \u0663800ab 333") << QStringList{"ServiceNumber1=+420800111", "ServiceNumber2=800333"};
    QTest::newRow("service number field without the second keeps it")
        << field("STN", "+420800555666")
        << QStringList{"ServiceNumber1=+420800555666", "ServiceNumber2=+420800333444"};
    QTest::newRow("credit with two parts keeps the others")
        << field("CRD", "*22#,30")
        << QStringList{"KreditKontrolaZap=true", "KreditUssd=*22#", "KreditPerioda=30",
                       "KreditLimit=150", "KreditPozice=12"};
    QTest::newRow("missing credit turns the check off and keeps the rest")
        << field("PC", "1") << QStringList{"KreditKontrolaZap=false", "KreditUssd=*101#", "KreditPerioda=7"};
    QTest::newRow("peripheral lines trimmed, extra lines dropped")
        << area("oLRNY", " 11000000000021 \n11000000000022\n\n11000000000024\n11000000000025")
        << QStringList{"periferie.Y1=11000000000021", "periferie.Y2=11000000000022",
                       "periferie.Y3=", "periferie.Y4=11000000000024"};
    QTest::newRow("fewer peripheral lines keep the other slots")
        << area("oLRNX", "11000000000031")
        << QStringList{"periferie.X1=11000000000031", "periferie.X3=11000000000007"};
    QTest::newRow("missing peripheral area keeps all four")
        << field("iLRNA", "11000000000041")
        << QStringList{"periferie.A=11000000000041", "periferie.B=", "periferie.X1=11000000000005",
                       "periferie.Y1=11000000000009", "periferie.Y4=11000000000012"};
}

// Starts from a fully populated record, so that kept and emptied members both show.
void TestPortal::mapping()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    RV23_Config config = fullRecord();

    QVERIFY(WebImportParser::parse(text, &config));

    const QStringList lines = describe(config);
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(line));
}

void TestPortal::brokenTextsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("log");

    const QByteArray golden = readFile(QStringLiteral("golden_full.txt"));
    QVERIFY(!golden.isEmpty());
    auto replaced = [&golden](const char* before, const char* after) {
        return QByteArray(golden).replace(before, after);
    };
    QTest::newRow("unescaped ampersand")
        << replaced("value=\"Alarm A\"", "value=\"R&D\"") << "line 5, column 106";
    QTest::newRow("carriage returns before the check boxes")
        << replaced("\n", "\r\n") << "line 28, column 45";
    // Well-formed, but without a single setting.
    QTest::newRow("only empty fields and unchecked boxes")
        << field("ATA", "") + box("DNA", false) + area("TNA", "") << "";
}

void TestPortal::brokenTextsChangeNothing()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, log);
    RV23_Config config = fullRecord();
    const QStringList before = describe(config);
    PortalLogOn logOn;

    if (!log.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Web import: .+ at " + log + "$"));
    QVERIFY(!WebImportParser::parse(text, &config));

    QCOMPARE(describe(config), before);
}

QTEST_GUILESS_MAIN(TestPortal)
#include "tst_portal.moc"
