#include "host/device.h"

#include <QFile>
#include <QJsonObject>
#include <QPluginLoader>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Loads the built plug-in file the way the host does.
class TestPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void instanceCastsToDeviceAndIsHeldWeakly();
    void resourcesLiveAsLongAsTheLibrary();

private:
    QTemporaryDir settingsDir;
    QPluginLoader loader{QStringLiteral(RV23_PLUGIN_FILE)};
};

void TestPlugin::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    // QPluginLoader keeps plug-ins mapped by default; a host that unloads must clear the hint.
    loader.setLoadHints({});
}

// Every test leaves the library unloaded, so that the next one sees a fresh load.
void TestPlugin::cleanup()
{
    delete loader.instance();
    if (loader.isLoaded())
        QVERIFY(loader.unload());
}

void TestPlugin::instanceCastsToDeviceAndIsHeldWeakly()
{
    const QJsonObject meta = loader.metaData();
    QCOMPARE(meta.value("IID").toString(), QStringLiteral(RV23_DEVICE_MODULE_IID));
    QCOMPARE(meta.value("className").toString(), QStringLiteral("RV_23"));
    // Whatever the build type, the host expects a release plug-in.
    QCOMPARE(meta.value("debug").toBool(true), false);
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));

    QPointer<QObject> first = loader.instance();
    auto* device = qobject_cast<Module::Device*>(first.data());
    QVERIFY(device);
    QCOMPARE(device->deviceInfo()->modelName, QStringLiteral("RV-23"));
    QVERIFY(device->deviceInfo()->ownRecord);
    QCOMPARE(loader.instance(), first.data());

    delete first.data();
    QVERIFY(first.isNull());
    QObject* second = loader.instance();
    QVERIFY(second);
    QVERIFY(qobject_cast<Module::Device*>(second));
}

void TestPlugin::resourcesLiveAsLongAsTheLibrary()
{
    QVERIFY(!QFile::exists(QStringLiteral(":/reset.png")));
    QVERIFY(loader.load());
    QVERIFY(QFile::exists(QStringLiteral(":/reset.png")));
    delete loader.instance();
    QVERIFY(loader.unload());
    QVERIFY(!QFile::exists(QStringLiteral(":/reset.png")));
}

QTEST_GUILESS_MAIN(TestPlugin)
#include "tst_plugin.moc"
