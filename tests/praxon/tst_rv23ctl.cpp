#include "tests/support/testfiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// rv23ctl as a technician runs it, against the recording stand-in module.
class TestRv23ctl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exitCodes_data();
    void exitCodes();
    void serviceCommandsReachThePages();
    void watchEndsCleanlyOnTerminate();

private:
    struct Result
    {
        int code = -1;
        QString out;
        QString err;
    };
    QProcessEnvironment environment(const QStringList& entries) const;
    Result run(const QStringList& arguments, const QStringList& entries = {});

    std::unique_ptr<QTemporaryDir> dir;
};

void TestRv23ctl::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

// The test's own store and settings and one unit of the stand-in, then the entries' "NAME=value".
QProcessEnvironment TestRv23ctl::environment(const QStringList& entries) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir->filePath("data"));
    env.insert("XDG_CONFIG_HOME", dir->filePath("config"));
    env.insert("FAKE_UNITS", "23A04117:2.14.0318:004");
    env.remove("RV23_EXTRA_PORTS");
    env.remove("RV23_RECORDS");
    for (const QString& entry : entries)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    return env;
}

TestRv23ctl::Result TestRv23ctl::run(const QStringList& arguments, const QStringList& entries)
{
    QProcess process;
    process.setProcessEnvironment(environment(entries));
    process.start(RV23CTL_PROGRAM, QStringList{"--plugin", FAKE_PLUGIN_FILE} + arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void TestRv23ctl::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown serial") << QStringList{"status", "--serial", "X"} << QStringList() << 1
                                    << "no RV-23 unit with serial number X found";
    QTest::newRow("two units, none chosen") << QStringList{"read"} << QStringList{"FAKE_UNITS=A:1:004,B:1:004"} << 2
                                            << "2 units found (A, B): choose one with --serial";
    QTest::newRow("two units, one chosen") << QStringList{"status", "--serial", "B"}
                                           << QStringList{"FAKE_UNITS=A:1:004,B:1:004"} << 0 << "";
    QTest::newRow("unit does not answer") << QStringList{"read"} << QStringList{"FAKE_UNITS=!23A04117:1:004"} << 1
                                          << "error: app.rv23.devicenotrespondig";
    QTest::newRow("missing input file") << QStringList{"write", "/nonexistent/a.rv23"} << QStringList() << 2
                                        << "cannot read /nonexistent/a.rv23";
    QTest::newRow("file type the module does not read") << QStringList{"diff", "@settings.json"} << QStringList()
                                                        << 2 << "the module reads no file like";
    QTest::newRow("saved settings that are no JSON") << QStringList{"write", "@bad.rv23"} << QStringList() << 2
                                                     << "bad.rv23 is no saved configuration: ";
    QTest::newRow("firmware image of another kind") << QStringList{"firmware", "@new.bin"} << QStringList() << 2
                                                    << "new.bin is no firmware image: the module uploads .dwl files";
    QTest::newRow("firmware check only") << QStringList{"firmware"} << QStringList{"FAKE_UNITS=A:1:003"} << 0
                                         << "unit A (firmware 1, behaviour version 003): the module offers another firmware version";
    QTest::newRow("firmware up to date") << QStringList{"firmware", "@new.dwl"} << QStringList() << 0
                                         << "nothing uploaded (--force uploads)";
    QTest::newRow("validation refuses") << QStringList{"read"} << QStringList{"FAKE_INVALID=1"} << 3
                                        << "error: app.rv23.configuration.unabletosavepleasefix";
}

void TestRv23ctl::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, message);
    // "@name" is a file of the test's own: saved settings cut off, a firmware image of a fit size.
    const QMap<QString, QByteArray> contents{{"rv23", "{\"inputs\": ["}, {"dwl", QByteArray(300, 'Z')}};
    for (QString& argument : arguments) {
        if (!argument.startsWith('@'))
            continue;
        argument = dir->filePath(argument.mid(1));
        QVERIFY(Testing::writeFile(argument, contents.value(QFileInfo(argument).suffix(), "{}")));
    }

    const Result result = run(arguments, environment);

    QVERIFY2((result.out + result.err).contains(message), qPrintable(result.out + result.err));
    QTEST(result.code, "code");
}

void TestRv23ctl::serviceCommandsReachThePages()
{
    const Result toggled = run({"toggle", "X"});
    QCOMPARE(toggled.out, QStringLiteral("relay X: on\n"));
    QCOMPARE(toggled.code, 0);

    const Result history = run({"events"});
    QCOMPARE(history.code, 0);
    QVERIFY(history.out.startsWith(QStringLiteral("Datum;Událost;Zdroj\r\n")));
}

void TestRv23ctl::watchEndsCleanlyOnTerminate()
{
    QProcess watch;
    watch.setProcessEnvironment(environment({"FAKE_CALL_LOG=" + dir->filePath("calls.log")}));
    watch.start(RV23CTL_PROGRAM, {"--plugin", FAKE_PLUGIN_FILE, "status", "--watch"});
    const QByteArray states = "inputs  A:active B:inactive C:inactive D:active\noutputs X:off Y:off\n";
    QByteArray shown;
    QTRY_VERIFY2((shown += watch.readAllStandardOutput()).contains(states),
                 (shown + watch.readAllStandardError()).constData());

    watch.terminate();

    QVERIFY(watch.waitForFinished(10000));
    QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
    QCOMPARE(watch.exitCode(), 0);
    QVERIFY(Testing::fileContents(dir->filePath("calls.log")).endsWith("disconnectDevice\n"));
}

QTEST_GUILESS_MAIN(TestRv23ctl)
#include "tst_rv23ctl.moc"
