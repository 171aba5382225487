#include "tests/support/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <numeric>
#include <vector>

// rv23ctl with the real plug-in against the rv23-sim program: what the unit holds, what is
// written to it, and what is left when it goes away in the middle.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readingCommandsShowTheUnit();
    void writeSendsExactlyTheChanges();
    void failures_data();
    void failures();
    void oneUnitByTwoNames();
    void resetWaitsForTheUnit();
    void damagedStoreIsSetAside();
    void recordsKeepAndRestoreVersions();
    void sheetListsEverySetting_data();
    void sheetListsEverySetting();
    void firmware_data();
    void firmware();
    void signalWatchFollowsTheUnit();
    void batchWritesEveryUnitAndReportsEach();
    void recordsKeepEventsAndImportedFiles();

private:
    struct Result
    {
        int code = -1;
        QString out;
        QString err;
    };
    QProcess* startSimulator(const QStringList& arguments);
    bool startUnit(const QStringList& extra = {});
    QProcessEnvironment environment() const;
    Result run(const QStringList& arguments);
    QJsonObject unitState(const QString& file = QStringLiteral("unit.json")) const;
    QStringList received(const QString& log = QStringLiteral("received.log")) const;
    QString fiveChanges();

    QProcess* startLinkedUnit(int number, const QStringList& extra);

    std::unique_ptr<QTemporaryDir> dir;
    // Every simulated unit the test started, in the order it started them.
    std::vector<std::unique_ptr<QProcess>> units;
    // The one of startUnit, on the terminal that port names.
    QProcess* unit = nullptr;
    QString port;
};

namespace {

const QString serial = QStringLiteral("23E2E001");

QStringList parameterWrites(const QStringList& lines)
{
    return lines.filter(QRegularExpression(QStringLiteral("^AT\\+OATSET=\"[A-Z]{3},")));
}

QJsonValue at(const QJsonObject& root, const QString& path)
{
    QJsonValue value = root;
    for (const QString& key : path.split('.'))
        value = value.toObject().value(key);
    return value.toObject().value(QStringLiteral("_value"));
}

} // namespace

void TestEndToEnd::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    port.clear();
}

void TestEndToEnd::cleanup()
{
    for (const auto& started : units) {
        started->terminate();
        started->waitForFinished(10000);
    }
    units.clear();
    unit = nullptr;
}

// rv23-sim, ready once it has announced its terminal (and made its link to it, if it has one).
QProcess* TestEndToEnd::startSimulator(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(RV23_SIM_PROGRAM, arguments);
    if (!process->waitForReadyRead(10000))
        return nullptr;
    units.push_back(std::move(process));
    return units.back().get();
}

bool TestEndToEnd::startUnit(const QStringList& extra)
{
    unit = startSimulator(QStringList{"--state", dir->filePath("unit.json"), "--serial", serial, "--log",
                                      dir->filePath("received.log")}
                          + extra);
    if (!unit)
        return false;
    port = QString::fromUtf8(unit->readLine()).trimmed().section(' ', 1);
    return !port.isEmpty();
}

// The test's own store and settings, and only the ports it names.
QProcessEnvironment TestEndToEnd::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir->filePath("data"));
    env.insert("XDG_CONFIG_HOME", dir->filePath("config"));
    env.remove("RV23_EXTRA_PORTS");
    env.remove("RV23_RECORDS");
    return env;
}

TestEndToEnd::Result TestEndToEnd::run(const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    const QStringList ports = port.isEmpty() ? QStringList() : QStringList{"--port", port};
    process.start(RV23CTL_PROGRAM, ports + QStringList{"--lang", "en"} + arguments);
    // A question finds no answer.
    process.closeWriteChannel();
    // A firmware upload takes over a minute.
    if (!process.waitForFinished(300000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QJsonObject TestEndToEnd::unitState(const QString& file) const
{
    return QJsonDocument::fromJson(Testing::fileContents(dir->filePath(file))).object();
}

QStringList TestEndToEnd::received(const QString& log) const
{
    return QString::fromLatin1(Testing::fileContents(dir->filePath(log))).split('\n', Qt::SkipEmptyParts);
}

// Five settings of three pages, each written by a different parameter command.
QString TestEndToEnd::fiveChanges()
{
    const QString path = dir->filePath("five.rv23");
    Testing::writeFile(path, R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"POPLACH A"}},"gbInputC":{"cbCallC":{"_value":true}}},
                      "outputs":{"gbOutputX":{"teDelayX":{"_value":8000}},"gbOutputY":{"leDTMFOnY":{"_value":"2468"}}},
                      "settings":{"gbSIMCard":{"lTextStatusSMS":{"leTextStatusSMS":{"_value":"STATUS"}}}}})");
    return path;
}

// The commands that only read: list, status, read, events and export-portal.
void TestEndToEnd::readingCommandsShowTheUnit()
{
    QVERIFY(startUnit());

    const Result list = run({"list"});
    QCOMPARE(list.code, 0);
    QVERIFY2(list.out.contains(QRegularExpression(serial + " +2\\.14\\.0318 +004")), qPrintable(list.out));

    unit->write("input B 1\nrelay Y 1\n");
    QTRY_VERIFY(unitState()["inputs"].toObject()["B"].toBool() && unitState()["relays"].toObject()["Y"].toBool());
    const Result status = run({"status"});
    QCOMPARE(status.code, 0);
    QVERIFY2(status.out.contains("inputs  A:inactive B:active C:inactive D:inactive\noutputs X:off Y:on\n"),
             qPrintable(status.out));

    // The saved file holds the programming code: only its owner may read it.
    const QString saved = dir->filePath("unit.rv23");
    QCOMPARE(run({"read", "-o", saved}).code, 0);
    QCOMPARE(QFile::permissions(saved), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const QJsonObject configuration = QJsonDocument::fromJson(Testing::fileContents(saved)).object();
    const QJsonObject state = unitState();
    const QJsonObject memory = state["memory"].toObject();
    QCOMPARE(at(configuration, "informations.values.serial").toString(), serial);
    QCOMPARE(at(configuration, "informations.values.imei").toString(), state["imei"].toString());
    QCOMPARE(at(configuration, "inputs.gbInputA.leSMSOnA").toString(), memory["64"].toString());
    QCOMPARE(at(configuration, "outputs.gbOutputX.leSMSOnX").toString(), memory["3"].toString());
    QVERIFY(!memory["64"].toString().isEmpty());

    const QString csv = dir->filePath("events.csv");
    QCOMPARE(run({"events", "-o", csv}).code, 0);
    QStringList rows = QString::fromUtf8(Testing::fileContents(csv)).split("\r\n", Qt::SkipEmptyParts);
    QVERIFY(!rows.isEmpty() && rows.takeFirst().endsWith("Date;Event;Source"));
    const QJsonArray events = unitState()["events"].toArray();
    QCOMPARE(rows.size(), events.size());
    for (int i = 0; i < rows.size(); ++i) {
        const QDateTime time = QDateTime::fromString(events.at(i)["time"].toString(), Qt::ISODate);
        const QRegularExpression row("^" + time.toString("MM/dd/") + " +" + time.toString("HH:mm:ss") + ";[^;]+;");
        QVERIFY2(row.match(rows.at(i)).hasMatch(), qPrintable(QString::number(i) + ": " + rows.at(i)));
    }

    const QString portal = dir->filePath("portal.txt");
    QCOMPARE(run({"export-portal", "-o", portal}).code, 0);
    QCOMPARE(QFile::permissions(portal), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const QString text = QString::fromUtf8(Testing::fileContents(portal));
    QVERIFY(text.contains("name=\"0[ATA]\" value=\"" + memory["64"].toString() + "\""));
    QVERIFY(text.contains("name=\"0[DTD]\" value=\"" + memory["71"].toString() + "\""));
}

void TestEndToEnd::writeSendsExactlyTheChanges()
{
    QVERIFY(startUnit());
    const QString file = fiveChanges();

    const Result before = run({"diff", file});
    QCOMPARE(before.code, 0);
    QCOMPARE(before.out.count('\n'), 5);
    QVERIFY2(before.out.contains("Inputs > Input A > SMS text reporting activation (inputs.gbInputA.leSMSOnA): \"NARUSENI OBJEKTU\" -> \"POPLACH A\""), qPrintable(before.out));
    QVERIFY(parameterWrites(received()).isEmpty());

    const Result write = run({"write", file});

    QCOMPARE(write.code, 0);
    QVERIFY2(write.out.endsWith("5 settings written to unit " + serial + " and read back\n"), qPrintable(write.out));
    QStringList writes = parameterWrites(received());
    writes.sort();
    QCOMPARE(writes, QStringList({"AT+OATSET=\"ATA,POPLACH A\"", "AT+OATSET=\"CAY,2468\"", "AT+OATSET=\"DNC,1\"",
                                  "AT+OATSET=\"STS,STATUS\"", "AT+OATSET=\"TMX,8\""}));
    // A diff reads the unit again: it holds them all.
    const Result after = run({"diff", file});
    QCOMPARE(after.code, 0);
    QCOMPARE(after.out, "unit " + serial + " already holds these settings\n");
}

void TestEndToEnd::failures_data()
{
    QTest::addColumn<bool>("unitAttached");
    QTest::addColumn<QStringList>("arguments"); // "@name": a file of the test's own that holds content
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("mostWrites"); // parameter writes the unit may receive

    QTest::newRow("no unit attached") << false << QStringList{"read"} << QByteArray() << 1
                                      << QStringList{"no RV-23 unit found"} << 0;
    QTest::newRow("portal form naming no setting")
        << true << QStringList{"write", "@bad.txt"} << QByteArray("garbage without a single setting\n") << 2
        << QStringList{"error: The file cannot be imported: its content does not match the chosen file type."} << 0;
    QTest::newRow("portal form cut off") << true << QStringList{"diff", "@cut.txt"}
                                         << QByteArray("<fieldset><input type=\"text\" name=\"0[ATA]\" value=\"PO")
                                         << 2 << QStringList{"the module did not import"} << 0;
    QTest::newRow("port that does not exist")
        << false << QStringList{"--port", "/nonexistent/rv23", "list"} << QByteArray() << 1
        << QStringList{"The port /nonexistent/rv23 does not exist"} << 0;
    QTest::newRow("output folder missing")
        << true << QStringList{"read", "-o", "/nonexistent/dir/f.rv23"} << QByteArray() << 2
        << QStringList{"the folder /nonexistent/dir does not exist"} << 0;
    QTest::newRow("history folder missing")
        << true << QStringList{"events", "-o", "/nonexistent/x.pdf"} << QByteArray() << 2
        << QStringList{"the folder /nonexistent does not exist"} << 0;
    QTest::newRow("partial portal text clears protected settings")
        << true << QStringList{"write", "@ata.txt"}
        << QByteArray("<fieldset><input type=\"text\" name=\"0[ATA]\" value=\"POPLACH\"></fieldset>\n"
                      "<fieldset><input type=\"text\" name=\"0[CRD]\" value=\"*101#,1,1,1\"></fieldset>\n")
        << 2 << QStringList{"would clear 60 settings, among them the programming code, the service numbers, "
                            "the phone tables, the peripheral codes.\nrv23ctl: nothing written: add --yes"} << 0;
    QTest::newRow("text the unit refuses") << true << QStringList{"write", "@comma.rv23"}
                                           << QByteArray(R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"A,B"}}}})")
                                           << 1 << QStringList{"not taken"} << 1;

    // A file whose values the pages refuse is named field by field, exit 3, and neither reaches
    // the unit nor the store that the next load hands back.
    const auto refused = [](const QString& named) {
        return QStringList{"rv23ctl: refused: ", named, "1 field needs fixing in "};
    };
    const auto sms = [](const QByteArray& value) {
        return R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":)" + value + "}}}}";
    };
    QTest::newRow("write: saved text smuggling a command") << true << QStringList{"write", "@x.rv23"}
        << sms(R"("X\r\nAT+OATSET=\"RST\"\r\n")") << 3
        << refused(R"(leSMSOnA = "X\r\nAT+OATSET=\"RST\"\r\n": holds a control character)") << 0;
    QTest::newRow("write: portal text smuggling a command") << true << QStringList{"write", "@x.txt"}
        << QByteArray(R"(<fieldset><input type="text" name="0[ATA]" value="X&#13;&#10;AT+OATSET=&quot;RST&quot;&#13;&#10;"></fieldset>)"
                      "\n<fieldset><input type=\"text\" name=\"0[CRD]\" value=\"*101#,1,1,1\"></fieldset>\n")
        << 3 << refused(R"(leSMSOnA = "X\r\nAT+OATSET=\"RST\"\r\n")") << 0;
    QTest::newRow("diff: 'twelve' as credit position") << true << QStringList{"diff", "@x.rv23"}
        << QByteArray(R"({"settings":{"gbCredit":{"lCreditPosition":{"sbCreditPosition":{"_value":"twelve"}}}}})")
        << 3 << refused(R"(sbCreditPosition = "twelve": is not a number)") << 0;
    QTest::newRow("write: portal text with 'twelve' as credit position") << true << QStringList{"write", "@x.txt"}
        << QByteArray("<fieldset><input type=\"text\" name=\"0[CRD]\" value=\"*101#,7,50,twelve\"></fieldset>\n")
        << 3 << refused(R"(sbCreditPosition = "twelve": is not a number)") << 0;
    QTest::newRow("write: 1e308 ms as on-time") << true << QStringList{"write", "@x.rv23"}
        << QByteArray(R"({"outputs":{"gbOutputX":{"teDelayX":{"_value":1e308}}}})")
        << 3 << refused("teDelayX = 1e+308: is above the maximum") << 0;
    QTest::newRow("write: an object as SMS text") << true << QStringList{"write", "@x.rv23"} << sms(R"({"a":1})")
        << 3 << refused(R"(leSMSOnA = {"a":1}: is not a text)") << 0;
    QTest::newRow("write: a 1 MB text")
        << true << QStringList{"write", "@x.rv23"} << sms('"' + QByteArray(1 << 20, 'y') + '"')
        << 3 << refused("...(1048576 characters)...yyyyyyyyyyyyyyyyyyyy\": is longer than 30 bytes") << 0;
}

void TestEndToEnd::failures()
{
    QFETCH(bool, unitAttached);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, messages);
    QFETCH(int, mostWrites);
    if (unitAttached)
        QVERIFY(startUnit());
    for (QString& argument : arguments) {
        if (!argument.startsWith('@'))
            continue;
        argument = dir->filePath(argument.mid(1));
        QVERIFY(Testing::writeFile(argument, content));
    }

    const Result result = run(arguments);

    QTEST(result.code, "code");
    for (const QString& message : qAsConst(messages))
        QVERIFY2(result.err.contains(message), qPrintable(message + " not in: " + result.err));
    if (!unitAttached)
        return;
    QVERIFY2(parameterWrites(received()).size() <= mostWrites, qPrintable(parameterWrites(received()).join('\n')));
    // No command smuggled in a value is kept for the next load either.
    QDirIterator stored(dir->filePath("data"), QDir::Files, QDirIterator::Subdirectories);
    while (stored.hasNext()) {
        QFile kept(stored.next());
        QVERIFY(kept.open(QIODevice::ReadOnly) && !kept.readAll().contains("RST"));
    }
}

// The port given by a link and by its target, and listed twice: still one unit.
void TestEndToEnd::oneUnitByTwoNames()
{
    QVERIFY(startUnit());
    const QString link = dir->filePath("rv23");
    QVERIFY(QFile::link(port, link));

    const Result result = run({"--port", link, "--port", port, "read", "--serial", serial});

    QCOMPARE(result.code, 0);
    QVERIFY(result.out.contains(serial));
}

// The unit hears nothing for a while after its reset; the reload waits for it.
void TestEndToEnd::resetWaitsForTheUnit()
{
    QVERIFY(startUnit({"--restart-ms", "2000"}));

    const Result result = run({"reset"});

    QVERIFY2(result.code == 0, qPrintable(result.err));
    QCOMPARE(result.out, "unit " + serial + " reset and read again\n");
    QVERIFY(received().contains("AT+OATSET=\"RST\""));
}

// A stored configuration cut short is renamed and kept; the unit is read as if none was stored.
void TestEndToEnd::damagedStoreIsSetAside()
{
    QVERIFY(startUnit());
    const QString folder = dir->filePath("data/Tessaline/Praxon/configurations");
    QVERIFY(QDir().mkpath(folder));
    const QString stored = folder + '/' + serial + ".rv23";
    const QByteArray cutShort = R"({"inputs":{"gbInputA":{"leSMSOnA":{"_val)";
    QVERIFY(Testing::writeFile(stored, cutShort));
    const QString one = dir->filePath("one.rv23");
    QVERIFY(Testing::writeFile(one, R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"POPLACH A"}}}})"));

    const Result result = run({"write", one});

    QVERIFY2(result.code == 0, qPrintable(result.err));
    QVERIFY2(result.err.contains("note: The stored configuration " + stored + " is damaged (unterminated"),
             qPrintable(result.err));
    QVERIFY(result.out.endsWith("1 setting written to unit " + serial + " and read back\n"));
    const QStringList aside = QDir(folder).entryList({serial + ".rv23.damaged-*"});
    QCOMPARE(aside.size(), 1);
    QVERIFY(result.err.contains(aside.first()));
    QVERIFY(!QFile::exists(stored));
}

// The records through the commands: each version kept with its reason, found by a setting's
// value, compared, and written back to the unit on request only.
void TestEndToEnd::recordsKeepAndRestoreVersions()
{
    QVERIFY(startUnit());
    const QString original = unitState()["memory"].toObject()["64"].toString();
    QCOMPARE(run({"write", fiveChanges()}).code, 0);

    const Result units = run({"units"});
    QCOMPARE(units.code, 0);
    QVERIFY2(units.out.contains(QRegularExpression("\\n" + serial + " +2\\.14\\.0318 +[-0-9]+ [0-9:]+ +2\\n")),
             qPrintable(units.out));
    const Result versions = run({"versions", "--serial", serial});
    QCOMPARE(versions.code, 0);
    QVERIFY2(versions.out.contains(QRegularExpression("\\n2 .+ before a write +5 settings: \\S+, \\S+, \\S+, …\\n1 .+ read "
                                                      "from the unit +first version\\n$")),
             qPrintable(versions.out));
    const Result found = run({"units", "--search", "poplach a"});
    QCOMPARE(found.out, serial + "     Inputs > Input A > SMS text reporting activation = \"POPLACH A\" (version 2)\n");
    QCOMPARE(run({"units", "--serial", serial, "--note", "Sklad Brno, brána 2"}).code, 0);
    QCOMPARE(run({"units", "--search", "BRNO"}).out, serial + "     site note = \"Sklad Brno, brána 2\"\n");
    QCOMPARE(run({"versions", "--mark", "1"}).out, "version 1 of unit " + serial + " is kept: --keep never removes it\n");
    QVERIFY(run({"versions"}).out.contains(QRegularExpression("\\n1 .+ read from the unit, kept +first version\\n")));
    const Result compared = run({"diff", "--version", "2", "--against", "1"});
    QCOMPARE(compared.out.count('\n'), 5);
    QVERIFY(compared.out.contains("Inputs > Input A > SMS text reporting activation (inputs.gbInputA.leSMSOnA): \"" + original + "\" -> \"POPLACH A\"\n"));

    const Result declined = run({"restore", "1"});
    QCOMPARE(declined.code, 2);
    QVERIFY2(declined.err.contains("nothing written to unit " + serial), qPrintable(declined.err));
    QCOMPARE(unitState()["memory"].toObject()["64"].toString(), QStringLiteral("POPLACH A"));

    const Result restored = run({"restore", "1", "--yes"});
    QVERIFY2(restored.code == 0, qPrintable(restored.err));
    QVERIFY2(restored.out.endsWith("5 settings written to unit " + serial + " and read back\n"), qPrintable(restored.out));
    QCOMPARE(unitState()["memory"].toObject()["64"].toString(), original);
    QCOMPARE(run({"diff", "--version", "1"}).out, "unit " + serial + " already holds these settings\n");

    const Result missing = run({"diff", "--version", "9", "--against", "1"});
    QCOMPARE(missing.code, 2);
    QVERIFY2(missing.err.startsWith("rv23ctl: no version 9 in the records "), qPrintable(missing.err));
    const Result otherUnit = run({"restore", "1", "--serial", "23OTHER1"});
    QCOMPARE(otherUnit.code, 2);
    QCOMPARE(otherUnit.err, "rv23ctl: version 1 is of unit " + serial + ", not 23OTHER1\n");
}

// The sheet's text as pdftotext reads it back: labels in the chosen language with their
// diacritics, the phone tables without empty rows, and the changes of the last write.
void TestEndToEnd::sheetListsEverySetting_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("english") << "en"
                             << QStringList{"Configuration sheet", "Unit: 23E2E001", "Input A", "SMS text reporting activation POPLACH A",
                                            "Changes from the previous version", "Inputs > Input A > SMS text reporting activation"};
    QTest::newRow("czech, diacritics kept") << "cs"
                             << QStringList{"Konfigurační list", "Jednotka: 23E2E001", "Vstup A", "Text SMS, kterým se hlásí aktivace POPLACH A",
                                            "Změny oproti předchozí verzi", "Vstupy > Vstup A > Text SMS, kterým se hlásí aktivace",
                                            "Zavolat při aktivaci/deaktivaci vstupu ano"};
}

void TestEndToEnd::sheetListsEverySetting()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QVERIFY(startUnit());
    QCOMPARE(run({"write", fiveChanges()}).code, 0);
    const QString pdf = dir->filePath("sheet.pdf");

    Result result = run({"--lang", language, "sheet", "-o", pdf});

    QVERIFY2(result.code == 0, qPrintable(result.err));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    // pdftotext gives the "fi" ligature as one character.
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified().replace(QChar(0xFB01), "fi");
    for (const QString& line : expected)
        QVERIFY2(text.contains(line), qPrintable(line + " not in: " + text));
    // Input A's table holds two numbers in eight rows: the next group follows the second.
    QVERIFY2(text.contains(QRegularExpression(" 2 \\+\\d+ (Input|Vstup) B ")), qPrintable(text));
    QCOMPARE(run({"sheet", "-o", dir->filePath("sheet.txt")}).code, 2);
}

// The module offers an upgrade to a unit of behaviour version 003; the image brings 004, the
// module's own, with a newer modem firmware, and puts the settings back to the factory's. A whole
// upload lasts over a minute: the modem's application stop commands wait out their deadlines.
void TestEndToEnd::firmware_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("downloads");
    QTest::addColumn<QString>("versionsAfter");

    const QByteArray image = "#RV-23 behaviour=004 firmware=2.15.0401 settings=factory\n" + QByteArray(300, '\x5a');
    const QString before = QStringLiteral("2\\.14\\.0318 +003");
    QTest::newRow("image cut short") << "003" << QStringList() << QByteArray("#RV-23\n") << 2
                                     << "new.dwl is no firmware image: it holds only 7 bytes" << false << before;
    QTest::newRow("download cancelled by the modem")
        << "003" << QStringList{"--xmodem-cancel", "2"} << image << 1
        << "rv23ctl: error: The firmware upgrade failed.\nrv23ctl: the firmware upgrade of unit " + serial + " failed"
        << true << before;
    QTest::newRow("newer unit is not downgraded unasked")
        << "005" << QStringList() << image << 2
        << "behaviour version 005): the image's firmware (behaviour version 004) is older, a downgrade; "
           "nothing uploaded (--force uploads it)"
        << false << QStringLiteral("2\\.14\\.0318 +005");
    QTest::newRow("upgrade") << "003" << QStringList() << image << 0 << "unit " + serial + ": firmware upgraded from " << true
                             << QStringLiteral("2\\.15\\.0401 +004");
}

void TestEndToEnd::firmware()
{
    QFETCH(QString, behaviour);
    QFETCH(QStringList, faults);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(bool, downloads);
    QFETCH(QString, versionsAfter);
    const QJsonObject state{{"behaviourVersion", behaviour}, {"memory", QJsonObject{{"64", "POPLACH A"}}}};
    QVERIFY(Testing::writeFile(dir->filePath("unit.json"), QJsonDocument(state).toJson()));
    QVERIFY(startUnit(QStringList{"--restart-ms", "100"} + faults));
    QVERIFY(Testing::writeFile(dir->filePath("new.dwl"), content));

    const Result result = run({"firmware", dir->filePath("new.dwl"), "--yes"});

    QTEST(result.code, "code");
    // An upgrade that lost a setting shows it and writes the version of before back.
    const bool upgraded = downloads && result.code == 0;
    QCOMPARE(result.out.contains("holds other settings after the firmware upload than version 1 stored before it:\n"
                                 "Inputs > Input A > SMS text reporting activation (inputs.gbInputA.leSMSOnA): \"POPLACH A\" -> \"NARUSENI OBJEKTU\"\n"), upgraded);
    QCOMPARE(result.out.endsWith("1 setting written to unit " + serial + " and read back\n"), upgraded);
    QCOMPARE(unitState()["memory"].toObject()["64"].toString(), QStringLiteral("POPLACH A"));
    QVERIFY2((result.out + result.err).contains(message), qPrintable(result.out + result.err));
    // No progress line where standard error is no terminal.
    QVERIFY2(!result.err.contains('\r'), qPrintable(result.err));
    QCOMPARE(received().contains("AT+WDWL"), downloads);
    QCOMPARE(run({"versions"}).out.contains(" before a firmware upload "), downloads);
    // The unit answers afterwards, with the versions of the image it runs.
    const Result list = run({"list"});
    QCOMPARE(list.code, 0);
    QVERIFY2(list.out.contains(QRegularExpression(serial + " +" + versionsAfter)), qPrintable(list.out));
    QVERIFY(list.out.contains(unitState()["firmware"].toString() + ' '));
}

// status --watch --signal prints each poll's signal, band and voltage as the unit changes them,
// and --csv keeps the same samples; the summary at the end is of those samples.
void TestEndToEnd::signalWatchFollowsTheUnit()
{
    QVERIFY(startUnit());
    unit->write("signal 12\n");
    const QString csv = dir->filePath("signal.csv");
    QProcess watch;
    watch.setProcessEnvironment(environment());
    watch.start(RV23CTL_PROGRAM, {"--port", port, "--lang", "en", "status", "--watch", "--signal", "--csv", csv});
    QString out;
    const auto shows = [&](const QString& text) {
        return QTest::qWaitFor([&] {
            out += QString::fromUtf8(watch.readAllStandardOutput());
            return out.contains(text);
        }, 30000);
    };
    QVERIFY2(shows(" signal 12 [############-------------------]  fair       12.45 V  CZ MOBIL\n"), qPrintable(out));
    unit->write("voltage 11800\nsignal 25\n");
    QVERIFY2(shows(" signal 25 [#########################------]  excellent  11.80 V  CZ MOBIL\n"), qPrintable(out));
    unit->write("signal 99\n");
    QVERIFY2(shows(" signal 99 [                               ]  unknown    11.80 V  CZ MOBIL\n"), qPrintable(out));
    watch.terminate();
    QVERIFY(watch.waitForFinished(10000));
    QCOMPARE(watch.exitCode(), 0);
    out += QString::fromUtf8(watch.readAllStandardOutput());

    const QStringList lines = QString::fromUtf8(Testing::fileContents(csv)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("time,signal,band,voltage_mV,operator,A,B,C,D,X,Y,mark"));
    const QStringList rows = lines.mid(1);
    QCOMPARE(rows.size(), out.count(" signal "));
    QList<int> rated;
    for (const QString& row : qAsConst(rows)) {
        const QStringList columns = row.split(',');
        QVERIFY2(QDateTime::fromString(columns.at(0), Qt::ISODate).isValid(), qPrintable(row));
        QCOMPARE(columns.mid(4, 7).join(','), QStringLiteral("CZ MOBIL,0,0,0,0,0,0"));
        // The voltage changes first: a sample of 12 may already have the new one.
        QVERIFY2(columns.at(3) == "11800" || (columns.at(1) == "12" && columns.at(3) == "12450"), qPrintable(row));
        if (columns.at(1) != "99")
            rated << columns.at(1).toInt();
    }
    QVERIFY(rated.contains(12) && rated.contains(25));
    const double mean = std::accumulate(rated.cbegin(), rated.cend(), 0) / double(rated.size());
    QVERIFY2(out.endsWith(QStringLiteral("signal  min 12  mean %1  max 25  samples %2\n").arg(mean, 0, 'f', 1).arg(rows.size())),
             qPrintable(out));
}

// Unit N: serial 23E2E0BN, reached through the link portN, its state in unitN.json.
QProcess* TestEndToEnd::startLinkedUnit(int number, const QStringList& extra)
{
    return startSimulator(QStringList{"--state", dir->filePath(QString("unit%1.json").arg(number)), "--serial",
                                      QString("23E2E0B%1").arg(number), "--link",
                                      dir->filePath(QString("port%1").arg(number)), "--log",
                                      dir->filePath(QString("received%1.log").arg(number))}
                          + extra);
}

// Four units at once: one takes the template, one its own override, one an override the module
// refuses, and one is unplugged while it is written. Each ends as its own story says.
void TestEndToEnd::batchWritesEveryUnitAndReportsEach()
{
    QStringList ports;
    // The second refuses its child's first status request, after the three commands of the
    // batch's own search: its child finds no unit, as when another child holds its port for a
    // moment, and is run again alone. The fourth answers a little late, so that it is still being
    // written when it goes.
    const QList<QStringList> faults{{}, {"--fault", "5:oaterror=3"}, {}, {"--gap-ms", "5"}};
    for (int number = 1; number <= 4; ++number) {
        QVERIFY(startLinkedUnit(number, faults.at(number - 1)));
        ports << "--port" << dir->filePath(QString("port%1").arg(number));
    }
    const QString untouched = unitState("unit3.json")["memory"].toObject()["64"].toString();
    const QString csv = dir->filePath("units.csv");
    QVERIFY(Testing::writeFile(csv, "serial,leSMSOnA\n23E2E0B1,SITE ONE\n23E2E0B3,\"SAY \"\"HI\"\"\"\n"));
    QProcess batch;
    batch.setProcessEnvironment(environment());

    batch.start(RV23CTL_PROGRAM, ports + QStringList{"--lang", "en", "batch", "write", fiveChanges(), "--overrides", csv});
    QTRY_VERIFY_WITH_TIMEOUT(!parameterWrites(received("received4.log")).isEmpty(), 60000);
    units.back()->write("unplug\n");
    QVERIFY(units.back()->waitForBytesWritten(10000));
    QVERIFY(batch.waitForFinished(120000));

    const QString out = QString::fromUtf8(batch.readAllStandardOutput());
    const QString err = QString::fromUtf8(batch.readAllStandardError());
    QVERIFY2(batch.exitCode() == 1, qPrintable(out + err));
    const auto row = [&](const QString& pattern) {
        return QRegularExpression("^" + pattern, QRegularExpression::MultilineOption).match(out).hasMatch();
    };
    QVERIFY2(row("23E2E0B1 +\\S+port1 +ok +5 +[0-9.]+ s$"), qPrintable(out + err));
    QVERIFY2(row("23E2E0B2 +\\S+port2 +ok +5 +[0-9.]+ s$"), qPrintable(out));
    QVERIFY2(err.contains("23E2E0B2: trying again alone\n"), qPrintable(err));
    QVERIFY2(row("23E2E0B3 +\\S+port3 +refused +0 .*leSMSOnA = \"SAY \\\\\"HI\\\\\"\": holds a double quote$"), qPrintable(out));
    QVERIFY2(row("23E2E0B4 +\\S+port4 +failed +0 .*the configuration is kept in "), qPrintable(out));
    QCOMPARE(unitState("unit1.json")["memory"].toObject()["64"].toString(), "SITE ONE");
    QCOMPARE(unitState("unit2.json")["memory"].toObject()["64"].toString(), "POPLACH A");
    QCOMPARE(unitState("unit2.json")["memory"].toObject()["3"], unitState("unit1.json")["memory"].toObject()["3"]);
    QCOMPARE(unitState("unit3.json")["memory"].toObject()["64"].toString(), untouched);
    // The unit that went away keeps the settings meant for it in the records, for writing them again.
    const Result kept = run({"versions", "--serial", "23E2E0B4"});
    QVERIFY2(kept.out.contains(" before a write "), qPrintable(kept.out + kept.err));
    QVERIFY(parameterWrites(received("received3.log")).isEmpty());

    // What is left answers a batch read: one file per unit, holding what the unit holds.
    batch.start(RV23CTL_PROGRAM, ports + QStringList{"--lang", "en", "batch", "read", "-o", dir->filePath("saved")});
    QVERIFY(batch.waitForFinished(120000));
    QCOMPARE(batch.exitCode(), 0);
    QCOMPARE(QDir(dir->filePath("saved")).entryList(QDir::Files),
             QStringList({"23E2E0B1.rv23", "23E2E0B2.rv23", "23E2E0B3.rv23"}));
    const QByteArray saved = Testing::fileContents(dir->filePath("saved/23E2E0B1.rv23"));
    QCOMPARE(at(QJsonDocument::fromJson(saved).object(), "inputs.gbInputA.leSMSOnA").toString(), "SITE ONE");
}

// The records keep every event record read, once, also after the unit's log was emptied; a
// unit's saved file compared with it is kept as an imported version, once; and a search found in
// the serial number says so.
void TestEndToEnd::recordsKeepEventsAndImportedFiles()
{
    QVERIFY(startUnit({"--events", "3"}));
    const QString saved = dir->filePath("unit.rv23");
    QCOMPARE(run({"read", "-o", saved}).code, 0);
    QCOMPARE(run({"events"}).code, 0);
    unit->write("event 12 0\n");
    QTRY_COMPARE(unitState()["events"].toArray().size(), 4);
    QCOMPARE(run({"events"}).code, 0);
    unit->terminate();
    QVERIFY(unit->waitForFinished(10000));
    QJsonObject state = unitState();
    state["events"] = QJsonArray();
    QVERIFY(Testing::writeFile(dir->filePath("unit.json"), QJsonDocument(state).toJson()));
    QVERIFY(startUnit());
    QCOMPARE(run({"events"}).code, 0);

    const Result events = run({"events", "--stored", "--serial", serial});
    QCOMPARE(events.code, 0);
    QStringList lines = events.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(), "Serial;Time;Event;Source");
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.first().startsWith(serial + ";01/01/  00:00:00;Input A activated;RV-23"), qPrintable(events.out));
    QVERIFY2(lines.last().contains(";Unit switched on;RV-23"), qPrintable(events.out));

    QVERIFY(Testing::writeFile(saved, Testing::fileContents(saved).replace("NARUSENI OBJEKTU", "VLOUPANI")));
    QCOMPARE(run({"diff", saved}).code, 0);
    QCOMPARE(run({"diff", saved}).code, 0);
    const Result versions = run({"versions", "--serial", serial});
    QCOMPARE(versions.out.count("imported from a file"), 1);
    QVERIFY2(versions.out.contains(QRegularExpression("\\n2 .+ imported from a file +1 setting: inputs.gbInputA.leSMSOnA\\n")),
             qPrintable(versions.out));
    QCOMPARE(run({"units", "--search", "e2e0"}).out, serial + "     serial number = \"" + serial + "\"\n");
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
