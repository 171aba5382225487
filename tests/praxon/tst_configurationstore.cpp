#include "praxon/core/configurationstore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

// The host's store of saved-configuration texts: one private file per unit, replaced whole.
class TestConfigurationStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keepsOneTextPerSerial_data();
    void keepsOneTextPerSerial();
    void filesArePrivateToTheUser();
    void failedWriteKeepsTheStoredText();
    void refusesAUnitWithoutSerial();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

mode_t modeOf(const QString& path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

void TestConfigurationStore::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestConfigurationStore::keepsOneTextPerSerial_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("two plain serials") << "23A04117" << "23A04118";
    QTest::newRow("a slash is no folder") << "23/A" << "23_A";
    QTest::newRow("dots do not climb out") << ".." << "%2E%2E";
    QTest::newRow("case matters") << "23a04117" << "23A04117";
}

void TestConfigurationStore::keepsOneTextPerSerial()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    Praxon::ConfigurationStore store(dir->filePath("configurations"));

    QVERIFY(store.write(first, "{\"first\":1}"));
    QVERIFY(store.write(second, "{\"second\":2}"));
    QVERIFY(store.write(first, "{\"first\":3}"));

    QCOMPARE(store.read(first), QByteArray("{\"first\":3}"));
    QCOMPARE(store.read(second), QByteArray("{\"second\":2}"));
    QCOMPARE(QDir(store.directory()).entryList(QDir::Files).size(), 2);
    QVERIFY(QFileInfo(store.pathFor(first)).absolutePath() == QFileInfo(store.directory()).absoluteFilePath());
}

void TestConfigurationStore::filesArePrivateToTheUser()
{
    Praxon::ConfigurationStore store(dir->filePath("configurations"));

    QVERIFY(store.write("23A04117", "{\"settings\":{\"lePIN\":{\"_value\":\"1234\"}}}"));

    QCOMPARE(modeOf(store.pathFor("23A04117")), mode_t(0600));
    QCOMPARE(modeOf(store.directory()), mode_t(0700));
}

// A file size limit makes the write itself fail, for root too.
void TestConfigurationStore::failedWriteKeepsTheStoredText()
{
    Praxon::ConfigurationStore store(dir->filePath("configurations"));
    QVERIFY(store.write("23A04117", "{\"kept\":true}"));
    struct rlimit previous {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = 64;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);

    const bool written = store.write("23A04117", QByteArray(4096, 'x'));

    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    QVERIFY(!store.errorString().isEmpty());
    QCOMPARE(store.read("23A04117"), QByteArray("{\"kept\":true}"));
    QCOMPARE(QDir(store.directory()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestConfigurationStore::refusesAUnitWithoutSerial()
{
    Praxon::ConfigurationStore store(dir->filePath("configurations"));

    QVERIFY(!store.write(QString(), "{}"));
    QVERIFY(!QDir(store.directory()).exists() || QDir(store.directory()).isEmpty());
}

QTEST_GUILESS_MAIN(TestConfigurationStore)
#include "tst_configurationstore.moc"
