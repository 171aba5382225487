#include "postgresserver.h"

#include "praxon/records/recordstore.h"
#include "praxon/records/sqlconnection.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using Records::RecordStore;
using Records::VersionRecord;
using Reason = VersionRecord::Reason;

namespace {

QByteArray smsText(const QString& text)
{
    return QStringLiteral(R"({"inputs":{"gbInputA":{"leSMSOnA":{"_value":"%1"}}}})").arg(text).toUtf8();
}

QStringList texts(const QList<VersionRecord>& versions)
{
    QStringList list;
    for (const VersionRecord& version : versions)
        list << QString::fromUtf8(version.configuration);
    return list;
}

// The child process of the kill and concurrency cases: stores count versions (0: until killed),
// printing a line after each commit.
int writeVersions(const QString& location, const QString& prefix, int count)
{
    RecordStore store(location);
    QTextStream out(stdout);
    for (int i = 0; count == 0 || i < count; ++i) {
        if (!store.addVersion(QStringLiteral("23K00001"), smsText(prefix + QString::number(i)), Reason::Write)) {
            QTextStream(stderr) << store.errorString() << '\n';
            return 1;
        }
        out << i << Qt::endl;
    }
    return 0;
}

} // namespace

// The unit records on both engines: taking over the earlier files, versions and their reasons,
// retention, search, and nothing lost when a host dies or two write at once.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void initTestCase();
    void init();
    void earlierFilesAreTakenOverOnce();
    void versionsAreMadeOnlyForNewSettings_data();
    void versionsAreMadeOnlyForNewSettings();
    void retentionKeepsNewestAndMarked_data();
    void retentionKeepsNewestAndMarked();
    void eventsReadAreKeptOnce_data();
    void eventsReadAreKeptOnce();
    void searchSaysWhereItFound_data();
    void searchSaysWhereItFound();
    void searchIndexFollowsPruningAndMigration();
    void killedWriterLeavesOldOrNew();
    void twoHostsLoseNothing();
    void unusableStoreIsReported();

private:
    QString location();
    bool onServer() const;

    PostgresServer server;
    std::unique_ptr<QTemporaryDir> dir;
    int databases = 0;
};

void TestRecords::initTestCase_data()
{
    QTest::addColumn<bool>("postgres");
    QTest::newRow("SQLite") << false;
    QTest::newRow("PostgreSQL") << true;
}

void TestRecords::initTestCase()
{
    if (!server.start())
        qWarning("PostgreSQL cases are skipped: %s", qPrintable(server.errorString()));
}

void TestRecords::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    // Skipped where the server's programs are missing; once installed, they must work.
    if (onServer() && !server.isRunning() && PostgresServer::programFolder().isEmpty())
        QSKIP(qPrintable(server.errorString()));
    QVERIFY2(!onServer() || server.isRunning(), qPrintable(server.errorString()));
}

bool TestRecords::onServer() const
{
    QFETCH_GLOBAL(bool, postgres);
    return postgres;
}

// A new, empty store for every case.
QString TestRecords::location()
{
    if (!onServer())
        return dir->filePath(QStringLiteral("data/records.sqlite"));
    const QString url = server.createDatabase(QStringLiteral("case%1").arg(++databases));
    if (url.isEmpty())
        qWarning("%s", qPrintable(server.errorString()));
    return url;
}

// Given two earlier files, the first start takes them over as imported versions and leaves the
// files in place; later starts take nothing.
void TestRecords::earlierFilesAreTakenOverOnce()
{
    const QString legacy = dir->filePath(QStringLiteral("configurations"));
    QVERIFY(QDir().mkpath(legacy));
    const auto write = [&legacy](const QString& name, const QByteArray& text) {
        QFile file(legacy + '/' + name);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    QVERIFY(write(QStringLiteral("23A04117.rv23"), smsText(QStringLiteral("FIRST"))));
    QVERIFY(write(QStringLiteral("23%2FA.rv23"), smsText(QStringLiteral("SLASH"))));
    const QString records = location();

    RecordStore store(records, legacy);
    QVERIFY2(store.open(), qPrintable(store.errorString()));

    QCOMPARE(store.versions().size(), 2);
    QCOMPARE(store.versions(QStringLiteral("23/A")).value(0).reason, Reason::Import);
    QCOMPARE(store.newestText(QStringLiteral("23A04117")), smsText(QStringLiteral("FIRST")));
    QCOMPARE(QDir(legacy).entryList({QStringLiteral("*.rv23")}).size(), 2);
    struct stat status {};
    QVERIFY(onServer() || ::stat(QFile::encodeName(records).constData(), &status) == 0);
    QVERIFY(onServer() || (status.st_mode & 07777) == 0600);

    QVERIFY(write(QStringLiteral("23A04117.rv23"), smsText(QStringLiteral("CHANGED LATER"))));
    RecordStore again(records, legacy);
    QCOMPARE(again.versions().size(), 2);
    QCOMPARE(again.newestText(QStringLiteral("23A04117")), smsText(QStringLiteral("FIRST")));
}

void TestRecords::versionsAreMadeOnlyForNewSettings_data()
{
    QTest::addColumn<QList<QByteArray>>("stored");
    QTest::addColumn<QString>("reasons"); // per text: w(rite), r(ead), i(mport)
    QTest::addColumn<int>("versions");

    const QByteArray a = smsText(QStringLiteral("A"));
    const QByteArray b = smsText(QStringLiteral("B"));
    QTest::newRow("the same text twice is one version") << QList<QByteArray>{a, a} << "wr" << 1;
    QTest::newRow("going back is a new version") << QList<QByteArray>{a, b, a} << "wrw" << 3;
    QTest::newRow("live values and order are no change")
        << QList<QByteArray>{R"({"a":{"_value":1},"b":{"_value":2},"s":{"_value":-70,"_role":"dynamicState"}})",
                             R"({"b":{"_value":2},"s":{"_value":-50,"_role":"dynamicState"},"a":{"_value":1}})"}
        << "wr" << 1;
}

// Versions are numbered across units, newest first, each with its reason and time.
void TestRecords::versionsAreMadeOnlyForNewSettings()
{
    QFETCH(QList<QByteArray>, stored);
    QFETCH(QString, reasons);
    QFETCH(int, versions);
    RecordStore store(location());
    QVERIFY(store.addVersion(QStringLiteral("23OTHER"), "{}", Reason::Read));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QMap<QChar, Reason> reasonOf{{'w', Reason::Write}, {'r', Reason::Read}, {'i', Reason::Import}};

    QList<bool> added;
    for (int i = 0; i < stored.size(); ++i) {
        bool fresh = false;
        QVERIFY2(store.addVersion(QStringLiteral("23A04117"), stored.at(i), reasonOf.value(reasons.at(i)), &fresh),
                 qPrintable(store.errorString()));
        added << fresh;
    }

    const QList<VersionRecord> list = store.versions(QStringLiteral("23A04117"));
    QCOMPARE(list.size(), versions);
    QCOMPARE(added.count(true), versions);
    QCOMPARE(list.last().reason, reasonOf.value(reasons.at(0)));
    QCOMPARE(list.first().reason, reasonOf.value(reasons.at(added.lastIndexOf(true))));
    QCOMPARE(list.first().configuration, stored.at(added.lastIndexOf(true)));
    for (int i = 1; i < list.size(); ++i)
        QVERIFY(list.at(i - 1).id > list.at(i).id);
    QVERIFY(list.last().id > store.versions(QStringLiteral("23OTHER")).first().id);
    QVERIFY(list.first().made >= before);
    QCOMPARE(store.version(list.first().id).configuration, list.first().configuration);
    QCOMPARE(store.units().size(), 2);
    QCOMPARE(store.units().value(0).versions, versions);
}

void TestRecords::retentionKeepsNewestAndMarked_data()
{
    QTest::addColumn<int>("keep");
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("keep 1 is the newest") << 1 << QList<int>{} << QStringList{"5"};
    QTest::newRow("marked versions stay") << 2 << QList<int>{0, 2} << QStringList{"5", "4", "2", "0"};
    QTest::newRow("all by default") << 0 << QList<int>{} << QStringList{"5", "4", "3", "2", "1", "0"};
}

void TestRecords::retentionKeepsNewestAndMarked()
{
    QFETCH(int, keep);
    QFETCH(QList<int>, marked);
    QFETCH(QStringList, remaining);
    RecordStore store(location());
    for (int i = 0; i < 4; ++i)
        QVERIFY(store.addVersion(QStringLiteral("23A04117"), smsText(QString::number(i)), Reason::Write));
    const QList<VersionRecord> first = store.versions();
    for (int index : marked)
        QVERIFY(store.setKept(first.at(3 - index).id, true));
    QVERIFY(store.addVersion(QStringLiteral("23OTHER"), "{}", Reason::Read));

    store.setKeep(keep);
    for (int i = 4; i < 6; ++i)
        QVERIFY(store.addVersion(QStringLiteral("23A04117"), smsText(QString::number(i)), Reason::Write));

    QStringList expected;
    for (const QString& number : remaining)
        expected << QString::fromUtf8(smsText(number));
    QCOMPARE(texts(store.versions(QStringLiteral("23A04117"))), expected);
    QCOMPARE(store.versions(QStringLiteral("23OTHER")).size(), 1);
}

// Reads of a unit's event log as the module exports them: a header, then "time;event;source;".
void TestRecords::eventsReadAreKeptOnce_data()
{
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("kept");

    const QString header = QStringLiteral("Date;Event;Source\r\n");
    const QString on = QStringLiteral("01.08.  07:12:05;Power on;RV-23;\r\n");
    const QString alarm = QStringLiteral("01.08.  07:13:00;Input A active;Phone 3;\r\n");
    const QString later = QStringLiteral("02.08.  09:00:00;Power on;RV-23;\r\n");
    QTest::newRow("a record read again is kept once")
        << QStringList{header + on + alarm, header + on + alarm + later}
        << QStringList{"01.08.  07:12:05 Power on RV-23", "01.08.  07:13:00 Input A active Phone 3", "02.08.  09:00:00 Power on RV-23"};
    QTest::newRow("an empty log keeps nothing") << QStringList{QString(QChar::ByteOrderMark) + header + ";;;\r\n"} << QStringList{};
}

// Each read is stored as the hosts store it; another unit's identical records are its own.
void TestRecords::eventsReadAreKeptOnce()
{
    QFETCH(QStringList, reads);
    QFETCH(QStringList, kept);
    RecordStore store(location());
    int added = 0;
    int total = 0;
    const auto keep = [&store](const QString& serial, const QString& read, int* added) {
        QByteArray text = read.toUtf8();
        QBuffer exported(&text);
        return exported.open(QIODevice::ReadOnly) && store.addEvents(serial, &exported, added);
    };
    for (const QString& read : reads) {
        QVERIFY2(keep(QStringLiteral("23A04117"), read, &added), qPrintable(store.errorString()));
        total += added;
    }
    QVERIFY(keep(QStringLiteral("23OTHER"), reads.first(), &added));

    QStringList records;
    for (const Records::EventRecord& record : store.events(QStringLiteral("23A04117")))
        records << QStringLiteral("%1 %2 %3").arg(record.logged, record.event, record.source);
    QCOMPARE(records, kept);
    QCOMPARE(total, kept.size());
    QCOMPARE(store.events().size(), kept.size() + store.events(QStringLiteral("23OTHER")).size());
}

void TestRecords::searchSaysWhereItFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("a phone number in the newest version holding it")
        << "602123" << QStringList{"23A04117 phones.lePhone1 +420602123456 1", "23B00002 phones.lePhone1 +420602123456 3"};
    QTest::newRow("Czech capitals in lower case") << "šéf" << QStringList{"23B00002 inputs.leSMSOnA ŠÉF 3"};
    QTest::newRow("switches are no text") << "true" << QStringList{};
    QTest::newRow("wildcards are plain characters") << "%" << QStringList{};
}

void TestRecords::searchSaysWhereItFound()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    RecordStore store(location());
    QVERIFY(store.addVersion(QStringLiteral("23A04117"),
                             R"({"inputs":{"leSMSOnA":{"_value":"POPLACH A"}},"phones":{"lePhone1":{"_value":"+420602123456"}}})",
                             Reason::Read));
    QVERIFY(store.addVersion(QStringLiteral("23A04117"), R"({"inputs":{"leSMSOnA":{"_value":"POPLACH A"}}})", Reason::Write));
    QVERIFY(store.addVersion(QStringLiteral("23B00002"),
                             R"({"phones":{"lePhone1":{"_value":"+420602123456"}},"inputs":{"leSMSOnA":{"_value":"ŠÉF"},)"
                             R"("cbCallA":{"_value":true}}})",
                             Reason::Read));

    QStringList matches;
    for (const Records::SearchMatch& match : store.search(text))
        matches << QStringLiteral("%1 %2 %3 %4").arg(match.serial, match.field, match.value).arg(match.version);
    matches.sort();
    QCOMPARE(matches, found);
}

// Pruned versions leave the search, except what a marked one still holds; a store made before
// the search had its own tables gets them filled when it is opened.
void TestRecords::searchIndexFollowsPruningAndMigration()
{
    const QString records = location();
    const auto found = [&records](const QString& text) {
        QStringList versions;
        for (const Records::SearchMatch& match : RecordStore(records).search(text))
            versions << QString::number(match.version);
        return versions;
    };
    {
        RecordStore store(records);
        for (const char* text : {"AAA", "BBB"})
            QVERIFY(store.addVersion(QStringLiteral("23A04117"), smsText(QString::fromLatin1(text) + "x"), Reason::Write));
        QVERIFY(store.addVersion(QStringLiteral("23A04117"), smsText("AAAx"), Reason::Write));
        QVERIFY(store.setKept(1, true));
        store.setKeep(1);
        QVERIFY(store.addVersion(QStringLiteral("23A04117"), smsText("CCCx"), Reason::Write));
    }
    QCOMPARE(found("aaa"), QStringList{"1"});
    QCOMPARE(found("bbb"), QStringList{});
    QCOMPARE(found("ccc"), QStringList{"4"});

    Records::SqlConnection connection(records);
    QVERIFY(connection.open());
    QVERIFY(connection.exec("DROP TABLE setting_places") && connection.exec("DROP TABLE setting_texts")
            && connection.exec("UPDATE meta SET value = '2' WHERE name = 'schema'"));
    QCOMPARE(found("ccc"), QStringList{"4"});
    QCOMPARE(found("x"), (QStringList{"4", "1"}));
}

// A host killed at a random moment of its writes, fifty times over, leaves a readable store whose
// newest version is the last one it committed or the one it was writing.
void TestRecords::killedWriterLeavesOldOrNew()
{
    const QString records = location();
    int stored = 0;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QString prefix = QStringLiteral("TRY%1-").arg(attempt);
        QProcess writer;
        writer.start(QStringLiteral(TEST_PROGRAM_FILE), {QStringLiteral("--writer"), records, prefix, QStringLiteral("0")});
        const int wanted = QRandomGenerator::global()->bounded(1, 6);
        int committed = -1;
        while (committed + 1 < wanted && writer.waitForReadyRead(30000)) {
            while (writer.canReadLine())
                committed = writer.readLine().trimmed().toInt();
        }
        QVERIFY2(committed >= 0, writer.readAllStandardError().constData());
        writer.kill();
        QVERIFY(writer.waitForFinished(30000));
        while (writer.canReadLine())
            committed = writer.readLine().trimmed().toInt();

        RecordStore store(records);
        const QList<VersionRecord> versions = store.versions();
        QVERIFY2(!versions.isEmpty(), qPrintable(store.errorString()));
        const QByteArray newest = versions.first().configuration;
        const int last = newest == smsText(prefix + QString::number(committed + 1)) ? committed + 1 : committed;
        QVERIFY2(newest == smsText(prefix + QString::number(last)), newest.constData());
        QCOMPARE(versions.size(), stored + last + 1);
        stored = versions.size();
    }
}

// Two hosts store versions of the same unit at the same time: every one of them is kept.
void TestRecords::twoHostsLoseNothing()
{
    const QString records = location();
    RecordStore store(records);
    QVERIFY2(store.open(), qPrintable(store.errorString()));
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(TEST_PROGRAM_FILE), {QStringLiteral("--writer"), records, QStringLiteral("ONE-"), QStringLiteral("40")});
    second.start(QStringLiteral(TEST_PROGRAM_FILE), {QStringLiteral("--writer"), records, QStringLiteral("TWO-"), QStringLiteral("40")});
    QVERIFY(first.waitForFinished(120000) && second.waitForFinished(120000));
    QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
    QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());

    const QStringList kept = texts(store.versions());
    QCOMPARE(kept.size(), 80);
    for (int i = 0; i < 40; ++i) {
        QVERIFY(kept.contains(QString::fromUtf8(smsText(QStringLiteral("ONE-%1").arg(i)))));
        QVERIFY(kept.contains(QString::fromUtf8(smsText(QStringLiteral("TWO-%1").arg(i)))));
    }
}

// A store that cannot be written says so and names where it is; what was stored stays. A file
// size limit stands for a full disk (it binds root too).
void TestRecords::unusableStoreIsReported()
{
    if (onServer()) {
        RecordStore unreachable(QStringLiteral("postgresql://rv23@/none?host=") + dir->filePath(QStringLiteral("nowhere")));
        QVERIFY(!unreachable.addVersion(QStringLiteral("23A04117"), "{}", Reason::Write));
        QVERIFY2(unreachable.errorString().startsWith(QStringLiteral("Cannot reach the unit records at postgresql://rv23@/none")),
                 qPrintable(unreachable.errorString()));
        return;
    }
    QFile blocker(dir->filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    RecordStore blocked(location());
    QVERIFY(!blocked.addVersion(QStringLiteral("23A04117"), "{}", Reason::Write));
    QCOMPARE(blocked.errorString(), QStringLiteral("Cannot create the folder %1 for the unit records").arg(dir->filePath("data")));

    RecordStore store(dir->filePath(QStringLiteral("full/records.sqlite")));
    QVERIFY(store.addVersion(QStringLiteral("23A04117"), smsText(QStringLiteral("KEPT")), Reason::Write));
    struct rlimit previous {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = 1 << 16;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = store.addVersion(QStringLiteral("23A04117"), smsText(QString(1 << 17, 'x')), Reason::Write);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QVERIFY2(store.errorString().contains(dir->filePath("full/records.sqlite")), qPrintable(store.errorString()));
    QCOMPARE(RecordStore(dir->filePath(QStringLiteral("full/records.sqlite"))).newestText(QStringLiteral("23A04117")),
             smsText(QStringLiteral("KEPT")));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--writer") == 0)
        return writeVersions(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    TestRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
