#include "praxon/core/hostsession.h"
#include "praxon/core/messageboxwatcher.h"
#include "praxon/records/recordstore.h"

#include "tests/support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using Praxon::HostSession;
using Reason = Records::VersionRecord::Reason;

// The host core: a session against a recording stand-in module, with the contract's calling
// order, the requests the host serves and the versions it keeps in the unit records.
class TestHostSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void callsTheModuleInContractOrder();
    void moduleSaveButtonStoresThenSavesThenReports();
    void storeFailureLeavesTheUnitUnwritten();
    void versionsFollowTheUnit();
    void validationRefusalSavesNothing();
    void settledImportIsInTheConfiguration();
    void offlineEditingSavesToTheFile();

private:
    // Loads and starts the stand-in with the environment as it is now.
    bool startSession();
    bool connectFirstUnit();
    QStringList calls() const;

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Records::RecordStore> store;
    std::unique_ptr<HostSession> session;
};

void TestHostSession::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    store = std::make_unique<Records::RecordStore>(dir->filePath("records/records.sqlite"), dir->filePath("store"));
    session = std::make_unique<HostSession>(store.get());
    qputenv("FAKE_UNITS", "23A04117:2.14.0318:004,23A04118:2.14.0318:003");
}

void TestHostSession::cleanup()
{
    session.reset();
    for (const char* name : {"FAKE_UNITS", "FAKE_INVALID", "FAKE_REFUSED_KEY"})
        qunsetenv(name);
}

bool TestHostSession::startSession()
{
    return session->loadPlugin(QStringLiteral(FAKE_PLUGIN_FILE)) && session->start(dir->path() + "/base/");
}

bool TestHostSession::connectFirstUnit()
{
    const QList<DeviceInfo> units = session->search();
    return !units.isEmpty() && session->connectUnit(units.first());
}

QStringList TestHostSession::calls() const
{
    return session->device()->property("calls").toStringList();
}

// The chosen unit, here the second, is copied into the module before it connects.
void TestHostSession::callsTheModuleInContractOrder()
{
    QVERIFY2(startSession(), qPrintable(session->errorString()));
    const QList<DeviceInfo> units = session->search();
    QCOMPARE(units.size(), 2);
    QVERIFY(session->connectUnit(units.at(1)));
    QCOMPARE(session->serial(), QStringLiteral("23A04118"));
    QCOMPARE(session->load(), Module::Device::Loaded);
    session->disconnectUnit();

    QCOMPARE(calls(), QStringList({"createWidget", "applyStyle:" + dir->path() + "/base/", "nextFoundDevice",
                                   "nextFoundDevice", "nextFoundDevice", "connectDevice:Local:23A04118",
                                   "loadConfiguration:empty", "configurationSaveRequest", "disconnectDevice"}));
    QVERIFY(!session->isConnected());
}

// Given a loaded unit, when the module's own Save button asks the host to store its text,
// then the text is stored before saveToDevice runs, configurationSaved follows, and the load the
// module asks for hands the stored text back.
void TestHostSession::moduleSaveButtonStoresThenSavesThenReports()
{
    QVERIFY2(startSession() && connectFirstUnit(), qPrintable(session->errorString()));
    session->load();
    QByteArray storedWhenSaving;
    connect(session.get(), &HostSession::loaderShown, this, [&](bool shown) {
        if (shown)
            storedWhenSaving = store->newestText("23A04117");
    });
    QSignalSpy finished(session.get(), &HostSession::saveFinished);

    session->device()->configurationSaveRequest();

    QVERIFY(finished.wait());
    QCOMPARE(finished.first().first().value<HostSession::SaveResult>(), HostSession::SaveResult::Saved);
    QVERIFY(storedWhenSaving.contains("\"ALARM A\""));
    QCOMPARE(calls().mid(calls().indexOf("saveToDevice") - 1),
             QStringList({"configurationSaveRequest", "saveToDevice", "configurationSaved", "loadConfiguration:stored",
                          "configurationSaveRequest"}));
}

void TestHostSession::storeFailureLeavesTheUnitUnwritten()
{
    QVERIFY2(startSession() && connectFirstUnit(), qPrintable(session->errorString()));
    // A file where the records' folder belongs.
    QVERIFY(Testing::writeFile(dir->filePath("records"), QByteArray()));

    QCOMPARE(session->save(), HostSession::SaveResult::StoreFailed);
    QVERIFY(!calls().contains("saveToDevice"));
    QVERIFY(!calls().contains("configurationSaved"));
}

// Given a unit read once, a write is kept before the unit is written, and what the unit then
// holds instead is kept as read, and shown as differing from it.
void TestHostSession::versionsFollowTheUnit()
{
    qputenv("FAKE_REFUSED_KEY", "settings.lePIN");
    QVERIFY2(startSession() && connectFirstUnit(), qPrintable(session->errorString()));
    QVERIFY(session->load() != Module::Device::LoadFailed);

    session->importConfiguration(R"({"settings":{"lePIN":{"_value":"9999"}}})", "x (*.rv23)");
    QCOMPARE(session->save(), HostSession::SaveResult::UnitFailed);

    QCOMPARE(session->lastLoadResult(), Module::Device::LoadedModified);
    const QList<Records::VersionRecord> versions = store->versions("23A04117");
    QCOMPARE(versions.size(), 3);
    QCOMPARE(versions.at(1).reason, Reason::Write);
    QVERIFY(versions.at(1).configuration.contains("\"9999\""));
    QCOMPARE(versions.at(0).reason, Reason::Read);
    QVERIFY(!versions.at(0).configuration.contains("\"9999\""));
}

void TestHostSession::validationRefusalSavesNothing()
{
    qputenv("FAKE_INVALID", "1");
    Praxon::MessageBoxWatcher boxes;
    QSignalSpy shown(&boxes, &Praxon::MessageBoxWatcher::boxShown);
    QVERIFY2(startSession() && connectFirstUnit(), qPrintable(session->errorString()));

    QCOMPARE(session->save(), HostSession::SaveResult::Refused);

    QCOMPARE(shown.size(), 1);
    QVERIFY(store->versions("23A04117").isEmpty());
    QVERIFY(!calls().contains("saveToDevice"));
}

// The stand-in applies a web-portal text only later, as the connector's thread would.
void TestHostSession::settledImportIsInTheConfiguration()
{
    QVERIFY2(startSession() && connectFirstUnit(), qPrintable(session->errorString()));
    session->load();

    QVERIFY(session->importConfiguration("inputs.leSMSOnA=FROM PORTAL\n", "x (*.txt)"));
    QVERIFY(!session->snapshot().contains("FROM PORTAL"));
    QVERIFY(session->settleImport());

    // A snapshot only reads: nothing is stored beyond what the load read, nothing reaches the unit.
    QVERIFY(session->snapshot().contains("FROM PORTAL"));
    QCOMPARE(store->versions("23A04117").size(), 1);
    QVERIFY(!store->newestText("23A04117").contains("FROM PORTAL"));
    QVERIFY(!calls().contains("saveToDevice"));
}

void TestHostSession::offlineEditingSavesToTheFile()
{
    QVERIFY2(startSession(), qPrintable(session->errorString()));
    const QString file = dir->filePath("offline.rv23");
    QVERIFY(Testing::writeFile(file, R"({"settings":{"lePIN":{"_value":"4321"}}})"));

    QVERIFY(session->openOffline(file));
    QCOMPARE(session->save(), HostSession::SaveResult::Saved);

    QVERIFY(session->isOffline());
    QVERIFY(!calls().contains("saveToDevice"));
    QVERIFY(calls().contains("showConfiguration"));
    const QByteArray saved = Testing::fileContents(file);
    QVERIFY(saved.contains("\"4321\""));
    QVERIFY(saved.contains("\"ALARM A\""));
}

QTEST_MAIN(TestHostSession)
#include "tst_hostsession.moc"
