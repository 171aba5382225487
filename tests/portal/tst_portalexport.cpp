#include "portal/portalexport.h"

#include "portalfixtures.h"

#include <QTemporaryDir>
#include <QtTest>

using moduleRV_23::PortalExport::exportData;
using moduleRV_23::PortalExport::exportText;
using moduleRV_23::PortalExport::joinLines;

// The web-portal text written for a configuration record.
class TestPortalExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheFileByteForByte_data();
    void writesTheFileByteForByte();
    void fragments_data();
    void fragments();
    void joinLines_data();
    void joinLines();
    void nonAsciiTextsAreWrittenAsUtf8();
    void unwritablePathWritesNothing();

private:
    QTemporaryDir dir;
};

void TestPortalExport::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestPortalExport::writesTheFileByteForByte_data()
{
    QTest::addColumn<RV23_Config>("config");
    QTest::addColumn<QString>("expectedFile");

    QTest::newRow("every field in use") << PortalFixtures::fullRecord() << "golden_full.txt";
    QTest::newRow("empty record, own number only") << RV23_Config() << "golden_empty.txt";
}

// The target already holds a longer text, which must not survive.
void TestPortalExport::writesTheFileByteForByte()
{
    QFETCH(RV23_Config, config);
    QFETCH(QString, expectedFile);
    const QByteArray expected = PortalFixtures::readFile(expectedFile);
    QVERIFY(!expected.isEmpty());
    const QString path = dir.filePath(QStringLiteral("export.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(expected.size() + 100, 'x'));
    old.close();

    QVERIFY(exportData(path, config, PortalFixtures::ownNumber()));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    // Line by line first, for a readable failure.
    QCOMPARE(written.split('\n'), expected.split('\n'));
    QCOMPARE(written, expected);
}

void TestPortalExport::fragments_data()
{
    QTest::addColumn<RV23_Config>("config");
    QTest::addColumn<QString>("fragments");

    RV23_Config c;
    c.RelayTime[RV23_Config::X] = 3725;
    QTest::newRow("on-time split into hours, minutes, seconds") << c
        << "<fieldset class=\"iwrap\" ><input type=\"text\" size=\"2\" maxlength=\"2\" id=\"0[TMXh]\" name=\"0[TMXh]\" value=\"1\"></fieldset>\n"
           "<fieldset class=\"iwrap\" ><input type=\"text\" size=\"2\" maxlength=\"2\" id=\"0[TMXm]\" name=\"0[TMXm]\" value=\"2\"></fieldset>\n"
           "<fieldset class=\"iwrap\" ><input type=\"text\" size=\"2\" maxlength=\"2\" id=\"0[TMXs]\" name=\"0[TMXs]\" value=\"5\"></fieldset>\n";

    c = RV23_Config();
    c.XPhones[0] = "+420731000001";
    c.XCounts[0] = 5;
    c.XPhones[2] = "731000003";
    c.XCounts[2] = 0;
    QTest::newRow("relay phones with and without a count") << c
        << "id=\"0[ALDX]\" name=\"0[ALDX]\">+420731000001,5\n731000003</textarea></fieldset>\n";

    c = RV23_Config();
    c.ServiceNumber2 = "+420800333444";
    QTest::newRow("only the second service number") << c
        << "id=\"0[STN]\" name=\"0[STN]\" value=\",+420800333444\"></fieldset>\n";

    c = RV23_Config();
    c.ServiceNumber1 = "+420800111222";
    QTest::newRow("only the first service number: no comma") << c
        << "id=\"0[STN]\" name=\"0[STN]\" value=\"+420800111222\"></fieldset>\n";

    c = RV23_Config();
    c.KreditKontrolaZap = false;
    c.KreditUssd = "*101#";
    c.KreditPerioda = 7;
    c.KreditLimit = 150;
    c.KreditPozice = 12;
    QTest::newRow("balance check off writes zeros") << c
        << "<fieldset class=\"iwrap\" ><input type=\"text\" size=\"50\" maxlength=\"20\" id=\"0[CRD]\" name=\"0[CRD]\" value=\"*101#,0,0,0\"></fieldset>\n";

    c = RV23_Config();
    c.CallOnChange[RV23_Config::B] = true;
    QTest::newRow("checked box") << c
        << "<input type=\"checkbox\" name=\"0[DNA]\">\n<input type=\"checkbox\" name=\"0[DNB]\" checked>\n"
           "<input type=\"checkbox\" name=\"0[DNC]\">\n";

    c = RV23_Config();
    c.StatusSmsText = "a \"b\" <c> & d";
    QTest::newRow("values are not escaped") << c
        << "name=\"0[STS]\" value=\"a \"b\" <c> & d\"></fieldset>\n";
}

void TestPortalExport::fragments()
{
    QFETCH(RV23_Config, config);
    QFETCH(QString, fragments);

    const QString text = exportText(config, QString());
    QVERIFY2(text.contains(fragments), qPrintable(text));
}

void TestPortalExport::joinLines_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<qint32>>("counts");
    QTest::addColumn<QString>("joined");

    QTest::newRow("nothing") << QStringList{"", "", ""} << QList<qint32>() << "";
    QTest::newRow("empty entries leave no line")
        << QStringList{"", "1", "", "", "2", ""} << QList<qint32>() << "1\n2";
    QTest::newRow("counts above 0 follow their number")
        << QStringList{"1", "2", "", "3"} << QList<qint32>{4, 0, 9, -1} << "1,4\n2\n3";
    QTest::newRow("a count of an empty entry is dropped")
        << QStringList{"", "5"} << QList<qint32>{3, 99} << "5,99";
}

void TestPortalExport::joinLines()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<qint32>, counts);
    QFETCH(QString, joined);

    const QVector<QString> entries = texts.toVector();
    const QVector<qint32> numbers = counts.toVector();
    QCOMPARE(::joinLines(entries.data(), numbers.isEmpty() ? nullptr : numbers.data(), entries.size()),
             joined);
}

void TestPortalExport::nonAsciiTextsAreWrittenAsUtf8()
{
    RV23_Config config;
    config.InputTexts[RV23_Config::C].OnText = QStringLiteral("Požár v kotelně");
    const QString path = dir.filePath(QStringLiteral("czech.txt"));

    QVERIFY(exportData(path, config, PortalFixtures::ownNumber()));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("value=\"Po\xc5\xbe\xc3\xa1r v koteln\xc4\x9b\""));
}

void TestPortalExport::unwritablePathWritesNothing()
{
    const QString path = dir.filePath(QStringLiteral("missing/folder/export.txt"));
    QVERIFY(!exportData(path, PortalFixtures::fullRecord(), PortalFixtures::ownNumber()));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestPortalExport)
#include "tst_portalexport.moc"
