#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The Debian package built from this tree: what it holds, what it declares, and that the
// programs it installs work from where it puts them.
class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsTheProgramsAndTheirFiles();
    void declaresItsDependenciesAndUdevReload();
    void installedProgramsFindTheirPlugin();

private:
    struct Result
    {
        int code = -1;
        QString out;
        QString err;
    };
    static Result run(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                      const QString& workingDirectory = QString());

    QTemporaryDir dir;
    QString package;
};

namespace {

// Every file the package installs, and nothing else.
const QStringList installedFiles = {
    QStringLiteral("./lib/udev/rules.d/60-rv23.rules"),
    QStringLiteral("./usr/bin/praxon"),
    QStringLiteral("./usr/bin/rv23ctl"),
    QStringLiteral("./usr/lib/rv23/librv23host.so"),
    QStringLiteral("./usr/lib/rv23/plugins/rv23.so"),
    QStringLiteral("./usr/share/applications/praxon.desktop"),
    QStringLiteral("./usr/share/icons/hicolor/scalable/apps/praxon.svg"),
    QStringLiteral("./usr/share/rv23/styles/RV_23_Style.qss"),
    QStringLiteral("./usr/share/rv23/translations/praxon_cs.qm"),
    QStringLiteral("./usr/share/rv23/translations/rv23_cs.qm"),
    QStringLiteral("./usr/share/rv23/translations/rv23_en.qm"),
};

// What a host program needs to find on its own: no choice made for it by the environment.
QProcessEnvironment plainEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"RV23_PLUGIN", "RV23_BASE_DIR", "RV23_TRANSLATIONS", "RV23_EXTRA_PORTS", "LD_LIBRARY_PATH"})
        env.remove(QString::fromLatin1(name));
    return env;
}

} // namespace

TestPackage::Result TestPackage::run(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& env, const QString& workingDirectory)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    // Packing strips and compresses a plug-in of some megabytes.
    if (!process.waitForFinished(240000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void TestPackage::initTestCase()
{
    QVERIFY(dir.isValid());
    // cpack packs what the build tree's install rules install, into a folder of its own.
    const Result packed = run(QStringLiteral("cpack"), {"-G", "DEB", "-B", dir.filePath("out")},
                              QProcessEnvironment::systemEnvironment(), QStringLiteral(BUILD_DIR));
    QVERIFY2(packed.code == 0, qPrintable(packed.out + packed.err));
    const QStringList debs = QDir(dir.filePath("out")).entryList({"rv23_*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    package = dir.filePath("out/" + debs.first());
}

void TestPackage::holdsTheProgramsAndTheirFiles()
{
    const Result listing = run(QStringLiteral("dpkg-deb"), {"-c", package});
    QCOMPARE(listing.code, 0);
    QStringList files;
    for (const QString& line : listing.out.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('d'))
            files << line.section(' ', -1);
    }
    files.sort();
    QCOMPARE(files, installedFiles);
    QVERIFY2(listing.out.contains(QRegularExpression("-rwxr-xr-x root/root +\\d+ .* \\./usr/bin/rv23ctl\n")),
             qPrintable(listing.out));
}

void TestPackage::declaresItsDependenciesAndUdevReload()
{
    const Result info = run(QStringLiteral("dpkg-deb"), {"-I", package});
    QCOMPARE(info.code, 0);
    // Found by dpkg-shlibdeps in the programs and the plug-in, with the versions they need, and the
    // database driver that Qt loads for the unit records.
    const QString depends = QRegularExpression("\n Depends: ([^\n]+)\n").match(info.out).captured(1);
    for (const char* library : {"libc6 (>=", "libqt5core5a (>=", "libqt5widgets5 (>=", "libqt5serialport5 (>=",
                                "libqt5printsupport5 (>=", "libqt5sql5-sqlite"})
        QVERIFY2(depends.contains(QLatin1String(library)), qPrintable(depends));
    const Result postinst = run(QStringLiteral("dpkg-deb"), {"-I", package, "postinst"});
    QCOMPARE(postinst.code, 0);
    QVERIFY2(postinst.out.contains("udevadm control --reload-rules"), qPrintable(postinst.out));
}

// Unpacked into a root of its own, rv23ctl loads the host library and the plug-in from that root.
void TestPackage::installedProgramsFindTheirPlugin()
{
    const QString root = dir.filePath("root");
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {"-x", package, root}).code, 0);
    const QString rv23ctl = root + "/usr/bin/rv23ctl";

    const Result help = run(rv23ctl, {"--help"}, plainEnvironment());
    QCOMPARE(help.code, 0);
    QVERIFY2(help.out.startsWith("usage: rv23ctl"), qPrintable(help.out));

    QProcess unit;
    unit.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    unit.start(QStringLiteral(RV23_SIM_PROGRAM), {"--state", dir.filePath("unit.json"), "--serial", "23PKG001"});
    QVERIFY(unit.waitForReadyRead(10000));
    const QString port = QString::fromUtf8(unit.readLine()).trimmed().section(' ', 1);
    QProcessEnvironment env = plainEnvironment();
    env.insert("RV23_EXTRA_PORTS", port);
    env.insert("LD_DEBUG", "libs");
    const Result list = run(rv23ctl, {"list"}, env);
    unit.terminate();
    unit.waitForFinished(10000);

    QCOMPARE(list.code, 0);
    QVERIFY2(list.out.contains(QRegularExpression("23PKG001 +2\\.14\\.0318 +004")), qPrintable(list.out));
    // The dynamic loader names each object it initialises; the host library comes by the
    // programs' run path (bin/../lib/rv23), the plug-in by the host's own look-up.
    const QString loaded = QString(list.err).replace("/usr/bin/../", "/usr/");
    for (const QString& file : {QStringLiteral("librv23host.so"), QStringLiteral("plugins/rv23.so")}) {
        const QString path = root + "/usr/lib/rv23/" + file;
        QVERIFY2(loaded.contains("calling init: " + path + "\n"), qPrintable(path + " not loaded:\n" + list.err.right(3000)));
    }
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
