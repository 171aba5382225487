#include "messagerecorder.h"

#include "link/linktypes.h"
#include "link/localconnector.h"
#include "module/rv_23.h"
#include "sim/simulatorthread.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using moduleRV_23::LocalConnector;
using moduleRV_23::RV_23;

// The module's firmware check and upgrade, driven as the host drives them.
class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void checkComparesVersionNumbers_data();
    void checkComparesVersionNumbers();
    void uploadWithoutConnectorShowsNothing();
    void failedUploadOfTheDefaultFileDisconnects();
    void unsupportedFirmwareAcceptedIsUpgraded();

private:
    QString defaultFile() const;

    QTemporaryDir userDir;
    QTemporaryDir systemDir;
};

void TestFirmwareUpdate::initTestCase()
{
    QVERIFY(userDir.isValid() && systemDir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, systemDir.path());
    moduleRV_23::registerLinkTypes();
}

void TestFirmwareUpdate::cleanup()
{
    qunsetenv("RV23_EXTRA_PORTS");
}

// Beside the host's system-wide settings file "Tessaline/Praxon.ini".
QString TestFirmwareUpdate::defaultFile() const
{
    return systemDir.path() + QStringLiteral("/Tessaline/Praxon/firmware/RV-23.dwl");
}

void TestFirmwareUpdate::checkComparesVersionNumbers_data()
{
    QTest::addColumn<QString>("unitVersion");
    QTest::addColumn<int>("result");

    QTest::newRow("4: the module's own") << "4" << int(UpToDate);
    QTest::newRow("004: the same number") << "004" << int(UpToDate);
    QTest::newRow("3: older") << "3" << int(UpdateAvailable);
    QTest::newRow("5: newer counts as different") << "5" << int(UpdateAvailable);
    QTest::newRow("empty: nothing to compare") << "" << int(UpToDate);
    QTest::newRow("not a number counts as 0") << "x4" << int(UpdateAvailable);
}

void TestFirmwareUpdate::checkComparesVersionNumbers()
{
    QFETCH(QString, unitVersion);
    QFETCH(int, result);
    RV_23 module;
    module.deviceInfo()->behaviourVersion = unitVersion;
    QString oldOut = QStringLiteral("old");
    QString newOut = QStringLiteral("new");

    QCOMPARE(int(module.checkFirmware(oldOut, newOut, QStringLiteral("/nowhere"))), result);
    QCOMPARE(oldOut, QStringLiteral("old"));
    QCOMPARE(newOut, QStringLiteral("new"));
}

void TestFirmwareUpdate::uploadWithoutConnectorShowsNothing()
{
    MessageRecorder messages;
    RV_23 module;
    QSignalSpy loader(&module, &RV_23::showLoaderSignal);

    QVERIFY(!module.uploadFirmware());

    QVERIFY(messages.shown.isEmpty());
    QVERIFY(loader.isEmpty());
}

void TestFirmwareUpdate::failedUploadOfTheDefaultFileDisconnects()
{
    // Given a module whose search found no unit, so that its connector is there, and no
    // firmware file in the firmware folder
    qputenv("RV23_EXTRA_PORTS", "");
    MessageRecorder messages;
    RV_23 module;
    QVERIFY(!module.nextFoundDevice());
    QSignalSpy requested(&module, &RV_23::uploadFirmwareSignal);
    QSignalSpy loader(&module, &RV_23::showLoaderSignal);
    QSignalSpy connection(&module, &RV_23::connectionStateChangedSignal);

    QVERIFY(!module.uploadFirmware());

    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toString(), defaultFile());
    QCOMPARE(loader.count(), 2);
    QCOMPARE(loader.first(), (QList<QVariant>{true, QStringLiteral("app.rv23.firmware.upgrading")}));
    QCOMPARE(loader.last(), (QList<QVariant>{false, QString()}));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first().icon, QMessageBox::Critical);
    QCOMPARE(messages.shown.first().text, QStringLiteral("app.rv23.firmware.updatefailed"));
    QCOMPARE(connection.count(), 1);
    QCOMPARE(connection.first().first().value<ConnectionState>(), Disconnected);
}

// A whole upgrade: over a minute, the modem's application stop commands wait out their deadlines.
void TestFirmwareUpdate::unsupportedFirmwareAcceptedIsUpgraded()
{
    // Given a unit and an image of behaviour version 005 as the default firmware file
    Sim::Options options;
    options.serial = QStringLiteral("777001");
    Sim::SimulatorThread unit(options);
    QVERIFY2(unit.start(), qPrintable(unit.errorString()));
    qputenv("RV23_EXTRA_PORTS", unit.portPath().toLocal8Bit());
    const QByteArray image = "#RV-23 behaviour=005 firmware=2.15.0401\n" + QByteArray(300, '\x5a');
    QVERIFY(QDir().mkpath(QFileInfo(defaultFile()).path()));
    QFile file(defaultFile());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
    file.close();
    MessageRecorder messages;
    messages.answerWith(QMessageBox::Yes);
    RV_23 module;
    auto* thread = new QThread;
    auto* local = new LocalConnector;
    local->moveToThread(thread);
    thread->start();
    module.useConnector(local, thread);
    module.deviceInfo()->serialNumber = options.serial;
    // The local connector always answers the handshake with Connected; a unit whose firmware is
    // not supported is answered for in its place, and the connector's own answer kept away.
    connect(&module, &RV_23::connectDeviceSignal, this, [&] {
        emit local->connectionResult(FirmwareUnsupported);
        disconnect(local, &LocalConnector::connectionResult, &module, nullptr);
    });
    QSignalSpy requested(&module, &RV_23::uploadFirmwareSignal);
    QSignalSpy loader(&module, &RV_23::showLoaderSignal);
    QSignalSpy progress(&module, &RV_23::setLoaderValue);

    // When the host connects and the user accepts the upgrade
    const bool connected = module.connectDevice(Common::Local);

    // Then the default file is uploaded and installed
    QVERIFY(connected);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first().text, QStringLiteral("app.rv23.firmware.unsupporteddoupdate"));
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toString(), defaultFile());
    QCOMPARE(loader.first(), (QList<QVariant>{true, QStringLiteral("app.rv23.firmware.upgrading")}));
    QCOMPARE(loader.last(), (QList<QVariant>{false, QString()}));
    QCOMPARE(progress.last().first().toInt(), 9);
    QCOMPARE(unit.state().firmwareImage, image + QByteArray(3 * 128 - image.size(), '\x1a'));
    QCOMPARE(unit.state().behaviourVersion, QStringLiteral("005"));
}

QTEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
