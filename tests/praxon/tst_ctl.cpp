#include "praxon/batch/batchplan.h"
#include "praxon/batch/batchsummary.h"
#include "praxon/core/clearingcheck.h"
#include "praxon/core/configurationdiff.h"
#include "praxon/core/versions.h"
#include "praxon/ctl/options.h"
#include "praxon/core/owneronlyfiles.h"
#include "praxon/core/privatefile.h"
#include "praxon/core/refusalreport.h"
#include "praxon/core/signallog.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Praxon::ConfigurationDiff;
using Ctl::Options;

// rv23ctl's pieces that need no module: the command line, the comparison of configurations, the
// signal bands and the batch plan.
class TestCtl : public QObject
{
    Q_OBJECT

private slots:
    void parsesValidCommandLines_data();
    void parsesValidCommandLines();
    void rejectsBadCommandLines_data();
    void rejectsBadCommandLines();
    void comparesSettingsOnly_data();
    void comparesSettingsOnly();
    void clearingNamesProtectedSettings_data();
    void clearingNamesProtectedSettings();
    void versionsCompareAsNumbers_data();
    void versionsCompareAsNumbers();
    void controlCharactersOfRefusedValuesAreShownInHex();
    void pipesAndDevicesAreWrittenThrough_data();
    void pipesAndDevicesAreWrittenThrough();
    void signalBands_data();
    void signalBands();
    void overridesAreCheckedBeforeWriting_data();
    void overridesAreCheckedBeforeWriting();
    void overridesForAUnitNotFoundAreRefused();
    void batchExitsWithTheWorstResult_data();
    void batchExitsWithTheWorstResult();
};

void TestCtl::parsesValidCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("commandArguments");
    QTest::addColumn<QString>("output");

    QTest::newRow("relay in lower case") << QStringList{"toggle", "y"} << "toggle" << QStringList{"Y"} << "";
    QTest::newRow("firmware image forced") << QStringList{"firmware", "--force", "new.dwl"} << "firmware"
                                           << QStringList{"new.dwl"} << "";
    QTest::newRow("history as html") << QStringList{"events", "--output=log.htm"} << "events" << QStringList()
                                     << "log.htm";
    QTest::newRow("help for a command") << QStringList{"help", "write"} << "help" << QStringList{"write"} << "";
    QTest::newRow("sheet of a stored version") << QStringList{"sheet", "-o", "unit.pdf", "--version", "3"} << "sheet"
                                               << QStringList() << "unit.pdf";
}

void TestCtl::parsesValidCommandLines()
{
    QFETCH(QStringList, arguments);
    Options options;
    QString error;

    QVERIFY2(Options::parse(arguments, &options, &error), qPrintable(error));

    QTEST(options.command, "command");
    QTEST(options.arguments, "commandArguments");
    QTEST(options.output, "output");
}

void TestCtl::rejectsBadCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("nothing") << QStringList() << "no command given";
    QTest::newRow("unknown command") << QStringList{"flash"} << "unknown command flash";
    QTest::newRow("unknown option") << QStringList{"list", "--fast"} << "unknown option --fast";
    QTest::newRow("port without path") << QStringList{"list", "--port"} << "option --port needs a value";
    QTest::newRow("empty serial") << QStringList{"list", "--serial="} << "option --serial needs a value";
    QTest::newRow("language we lack") << QStringList{"--lang", "de", "list"} << "--lang takes en or cs, not de";
    QTest::newRow("write without file") << QStringList{"write"} << "usage: rv23ctl write FILE [--yes]";
    QTest::newRow("relay Z") << QStringList{"toggle", "Z"} << "toggle needs X or Y, not Z";
    QTest::newRow("firmware forced without image") << QStringList{"firmware", "--force"}
                                                   << "firmware --force needs the FILE.dwl to upload";
    QTest::newRow("portal export without file") << QStringList{"export-portal"} << "export-portal needs -o FILE.txt";
    QTest::newRow("portal form under a settings name")
        << QStringList{"export-portal", "-o", "x.rv23"}
        << "export-portal writes a web-portal .txt form, not x.rv23 (read -o writes .rv23)";
    QTest::newRow("history as a spreadsheet")
        << QStringList{"events", "-o", "log.xlsx"} << "events writes .csv, .html, .htm or .pdf files, not log.xlsx";
    QTest::newRow("sheet as another kind of file") << QStringList{"sheet", "-o", "unit.txt"} << "sheet needs -o FILE.pdf";
    const QString batchUsage = "usage: rv23ctl batch write FILE.rv23 [--overrides units.csv] [--yes] | batch read -o DIR";
    QTest::newRow("batch read without a folder") << QStringList{"batch", "read"} << batchUsage;
    QTest::newRow("batch write without template") << QStringList{"batch", "write"} << batchUsage;
    QTest::newRow("batch of another command") << QStringList{"batch", "reset"} << batchUsage;
}

void TestCtl::rejectsBadCommandLines()
{
    QFETCH(QStringList, arguments);
    Options options;
    QString error;

    QVERIFY(!Options::parse(arguments, &options, &error));

    QTEST(error, "message");
}

void TestCtl::comparesSettingsOnly_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("described");

    const QByteArray base = R"({"inputs":{"leSMSOnA":{"_value":"ALARM"},"cbCallA":{"_value":true}},
                               "informations":{"imei":{"_value":"1","_role":"dynamicState"}}})";
    QTest::newRow("a flag changed") << base << QByteArray(base).replace("true", "false")
                                    << QStringList{"inputs.cbCallA: true -> false"};
    QTest::newRow("live state is no setting") << base << QByteArray(base).replace("\"1\"", "\"2\"") << QStringList();
    QTest::newRow("a setting appears")
        << QByteArray(R"({"settings":{}})") << QByteArray(R"({"settings":{"lePIN":{"_value":1234}}})")
        << QStringList{"settings.lePIN: (none) -> 1234"};
}

void TestCtl::comparesSettingsOnly()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QStringList described;
    for (const ConfigurationDiff::Change& change : ConfigurationDiff::compare(before, after))
        described << ConfigurationDiff::describe(change);

    QTEST(described, "described");
}

// Each "old=new" of edits replaces a quoted value of a unit's configuration.
void TestCtl::clearingNamesProtectedSettings_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("confirm");

    QTest::newRow("a value changed, none cleared") << QStringList{"1357=2468"} << "The file would clear 0 settings."
                                                   << false;
    QTest::newRow("a text and a box cleared") << QStringList{"ALARM=", "true=false"}
                                              << "The file would clear 2 settings." << false;
    QTest::newRow("programming code") << QStringList{"1357="}
                                      << "The file would clear 1 setting, among them the programming code." << true;
}

void TestCtl::clearingNamesProtectedSettings()
{
    QFETCH(QStringList, edits);
    const QByteArray before = R"({"i":{"leSMSOnA":{"_value":"ALARM"},"cbCallA":{"_value":true}},
                                  "s":{"gbSIMCard":{"lPIN":{"lePIN":{"_value":"1357"}}}}})";
    QByteArray after = before;
    for (const QString& edit : edits) {
        const QString old = edit.section('=', 0, 0);
        const QString now = edit.section('=', 1);
        const bool quoted = old != "true";
        after.replace((quoted ? '"' + old + '"' : old).toUtf8(), (quoted ? '"' + now + '"' : now).toUtf8());
    }

    const Praxon::ClearingCheck clearing(ConfigurationDiff::compare(before, after));

    QTEST(clearing.warning(), "warning");
    QTEST(clearing.needsConfirmation(), "confirm");
}

void TestCtl::versionsCompareAsNumbers_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");

    QTest::newRow("leading zeros") << "004" << "4" << 0;
    QTest::newRow("tenth after ninth") << "2.10.0001" << "2.9.0318" << 1;
    QTest::newRow("more parts is newer") << "2.14" << "2.14.1" << -1;
    QTest::newRow("same firmware") << "2.14.0318" << "2.14.0318" << 0;
}

void TestCtl::versionsCompareAsNumbers()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);

    QCOMPARE(qBound(-1, Praxon::Versions::compare(a, b), 1), order);
    QCOMPARE(qBound(-1, Praxon::Versions::compare(b, a), 1), -order);
}

// The other kinds of refused value (line breaks, quotes, long texts, objects, numbers) are shown by
// rv23ctl's refusals against the simulated unit.
void TestCtl::controlCharactersOfRefusedValuesAreShownInHex()
{
    QCOMPARE(Praxon::RefusalReport::shownValue(QString("a\x01\tb\x7f")), QStringLiteral(R"("a\x01\tb\x7f")"));
}

void TestCtl::signalBands_data()
{
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("band");

    QTest::newRow("no signal at all") << "0" << "none";
    QTest::newRow("weak from 2") << "2" << "weak";
    QTest::newRow("fair from 10") << "10" << "fair";
    QTest::newRow("good from 15") << "15" << "good";
    QTest::newRow("excellent from 20") << "20" << "excellent";
    QTest::newRow("99: the modem does not know") << "99" << "unknown";
    QTest::newRow("off the scale") << "68" << "unknown";
    QTest::newRow("no number") << "" << "unknown";
}

void TestCtl::signalBands()
{
    QFETCH(QString, reported);
    QFETCH(QString, band);
    Praxon::SignalLog::Sample sample;
    sample.signal = reported;

    QCOMPARE(QString::fromLatin1(Praxon::SignalLog::bandName(Praxon::SignalLog::band(sample.level()))), band);
}

namespace {

// The settings of a module, by path, with values of their types; two pages share "leName".
const QMap<QString, QJsonValue> fields{{"inputs.gbInputA.leSMSOnA", ""},
                                       {"inputs.gbInputC.cbCallC", false},
                                       {"outputs.gbOutputX.teDelayX", 0},
                                       {"settings.site.leName", ""},
                                       {"outputs.gbOutputY.leName", ""}};

} // namespace

void TestCtl::overridesAreCheckedBeforeWriting_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("unit1"); // the overrides of unit 1 as JSON, when there is no error

    QTest::newRow("short names, a path, quotes, an empty cell keeps the template")
        << QByteArray("\xEF\xBB\xBFserial,leSMSOnA,cbCallC,teDelayX,settings.site.leName\r\n"
                      "1,\"HALL, \"\"EAST\"\"\",true,8000,\r\n\n2,X,0,,Y\n")
        << "" << R"({"inputs.gbInputA.leSMSOnA":"HALL, \"EAST\"","inputs.gbInputC.cbCallC":true,)"
                 R"("outputs.gbOutputX.teDelayX":8000})";
    QTest::newRow("unknown field") << QByteArray("serial,leSMSOnZ\n1,X\n")
                                   << "line 1: the module has no setting named \"leSMSOnZ\"" << "";
    QTest::newRow("short name of two settings")
        << QByteArray("serial,leName\n") << "line 1: \"leName\" names outputs.gbOutputY.leName, settings.site.leName; use the whole path" << "";
    QTest::newRow("header without serial") << QByteArray("unit,leSMSOnA\n") << "line 1: the header row must begin with \"serial\"" << "";
    QTest::newRow("no header") << QByteArray("\n\n") << "there is no header row \"serial,FIELD,...\"" << "";
    QTest::newRow("quote left open") << QByteArray("serial,leSMSOnA\n1,\"X\n") << "line 2: a quoted cell is not closed properly" << "";
    QTest::newRow("row without serial") << QByteArray("serial,leSMSOnA\n,X\n") << "line 2: the serial number is missing" << "";
    QTest::newRow("text for a number") << QByteArray("serial,teDelayX\n1,8 s\n")
                                       << "line 2: outputs.gbOutputX.teDelayX takes a whole number, not \"8 s\"" << "";
}

void TestCtl::overridesAreCheckedBeforeWriting()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    QFETCH(QString, unit1);
    Batch::OverrideTable table;

    QCOMPARE(table.parse(csv, fields), error.isEmpty());

    QCOMPARE(table.errorString(), error);
    QCOMPARE(table.serials(), error.isEmpty() ? QStringList({"1", "2"}) : QStringList());
    QJsonObject overrides;
    const QMap<QString, QJsonValue> values = table.overrides("1");
    for (auto it = values.begin(); it != values.end(); ++it)
        overrides.insert(it.key(), it.value());
    QCOMPARE(overrides, QJsonDocument::fromJson(unit1.toUtf8()).object());
}

// Overrides for a unit that is not there would otherwise go unwritten without a word.
void TestCtl::overridesForAUnitNotFoundAreRefused()
{
    const QByteArray templateText = R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"ALARM"}}}})";
    Batch::OverrideTable table;
    QVERIFY(table.parse("serial,leSMSOnA\nB,SITE B\n", fields));
    Batch::BatchPlan plan({{"A", "/dev/pts/7"}}, {});

    QVERIFY(!plan.planWrites(templateText, table, "/tmp/batch", false));

    QCOMPARE(plan.errorString(), "the overrides name unit B, which was not found");
}

void TestCtl::batchExitsWithTheWorstResult_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("a crashed child is a failure") << QList<int>{0, -1} << 1;
    QTest::newRow("a refused unit outweighs a missing --yes") << QList<int>{2, 3} << 3;
    QTest::newRow("a missing --yes alone") << QList<int>{0, 2} << 2;
}

void TestCtl::batchExitsWithTheWorstResult()
{
    QFETCH(QList<int>, codes);
    Batch::BatchSummary summary;
    for (int i = 0; i < codes.size(); ++i)
        summary.add(Batch::BatchSummary::fromChild({QString::number(i), "/dev/pts/1", true, 1240}, codes.at(i), "", ""));

    QTEST(summary.exitCode(), "exitCode");
}

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"

void TestCtl::pipesAndDevicesAreWrittenThrough_data()
{
    QTest::addColumn<bool>("moduleWrites");
    QTest::newRow("saved configuration") << false;
    QTest::newRow("module's export kept private") << true;
}

// An output named /dev/null or /dev/stdout must not be replaced or narrowed to its owner: a pipe
// stands in for such a device here.
void TestCtl::pipesAndDevicesAreWrittenThrough()
{
    QFETCH(bool, moduleWrites);
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.filePath("pipe"));
    QCOMPARE(::mkfifo(path.constData(), 0644), 0);
    struct stat before {};
    QCOMPARE(::stat(path.constData(), &before), 0);
    // Opened for reading first, so that the writer does not wait for a reader.
    const int reader = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    if (moduleWrites) {
        const Praxon::OwnerOnlyFiles privately(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("text"), qint64(4));
    } else {
        QString error;
        QVERIFY2(Praxon::writePrivateFile(path, "text", &error), qPrintable(error));
    }
    char received[8] = {};
    const ssize_t count = ::read(reader, received, sizeof received);
    ::close(reader);
    QCOMPARE(QByteArray(received, int(qMax<ssize_t>(count, 0))), QByteArray("text"));
    struct stat after {};
    QCOMPARE(::stat(path.constData(), &after), 0);
    QVERIFY(S_ISFIFO(after.st_mode));
    QCOMPARE(after.st_mode, before.st_mode);
}
