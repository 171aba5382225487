#include "localconnectoraccess.h"

#include "link/linktypes.h"
#include "sim/simulatorthread.h"
#include "tests/support/spyvalues.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using moduleRV_23::FirmwareUploadResult;
using moduleRV_23::LocalConnector;
using moduleRV_23::RV23Status;
using Testing::LocalConnectorAccess;
using Testing::firstArguments;

// Firmware uploads through the connector to the simulated unit. A whole upload lasts over a
// minute: the modem's application stop commands wait out their 30 s deadlines.
class TestFirmwareUpload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void unusableFileLeavesTheUnitAlone_data();
    void unusableFileLeavesTheUnitAlone();
    void upload_data();
    void upload();

private:
    QString writeFile(const QString& name, const QByteArray& content);

    QTemporaryDir dir;
};

namespace {

// The connector on the simulated unit's line.
struct SimulatedLine
{
    explicit SimulatedLine(const Sim::Options& options)
        : unit(options)
    {
    }

    // Opens the line; connected, the unit is also polled as after a connection.
    bool open(bool connected)
    {
        if (!unit.start())
            return false;
        access.select(unit.portPath());
        if (!connected)
            return access.openSelectedPort(false);
        connector.connectDevice();
        return access.polling();
    }

    Sim::SimulatorThread unit;
    LocalConnector connector;
    LocalConnectorAccess access{connector};
};

QByteArray padded(const QByteArray& file)
{
    return file + QByteArray((128 - file.size() % 128) % 128, '\x1a');
}

// An image of the simulator's format: the header names the versions it brings.
QByteArray imageBringing(const QByteArray& behaviourVersion, int size)
{
    QByteArray image = "#RV-23 behaviour=" + behaviourVersion + " firmware=2.15.0401\n";
    while (image.size() < size)
        image.append(static_cast<char>(image.size() * 31));
    return image;
}

// The command lines the unit received from the first one of the upload on.
QStringList linesFrom(const QString& logPath, const QString& first)
{
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts);
    return lines.mid(lines.indexOf(first));
}

} // namespace

void TestFirmwareUpload::initTestCase()
{
    QVERIFY(dir.isValid());
    moduleRV_23::registerLinkTypes();
}

QString TestFirmwareUpload::writeFile(const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return file.fileName();
}

void TestFirmwareUpload::unusableFileLeavesTheUnitAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("result");

    QTest::newRow("19 bytes: too short") << "short.dwl" << 19 << 1;
    QTest::newRow("dwl only inside the name") << "RV-23.dwl.bak" << 1000 << 3;
}

void TestFirmwareUpload::unusableFileLeavesTheUnitAlone()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, result);
    const QString path = writeFile(name, imageBringing("005", size).left(size));
    SimulatedLine line({});
    QVERIFY(line.open(false));
    QSignalSpy results(&line.connector, &LocalConnector::firmwareWasUploaded);

    line.connector.uploadFirmware(path);

    QCOMPARE(firstArguments<FirmwareUploadResult>(results), QList<int>{result});
    QCOMPARE(line.unit.stats().bytesIn, qint64(0));
}

void TestFirmwareUpload::upload_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("sequence");
    QTest::addColumn<QString>("version");

    QTest::newRow("image installed, the new version reported after the reload")
        << "" << int(moduleRV_23::FirmwareUploaded)
        << QStringList{"AT+OATGSM=0", "AT+WOPEN=0", "AT+WOPEN=3", "AT+WDWL", "AT+CFUN=1", "AT+WOPEN=1", "AT+OATGSM=1"}
        << "005";
    QTest::newRow("refused download still restores the unit")
        << "+CME ERROR: 3" << int(moduleRV_23::FirmwareUploadFailed)
        << QStringList{"AT+OATGSM=0", "AT+WOPEN=0", "AT+WOPEN=3", "AT+WDWL", "AT+WOPEN=1", "AT+OATGSM=1"} << "004";
}

void TestFirmwareUpload::upload()
{
    QFETCH(QString, refusal);
    QFETCH(int, result);
    QFETCH(QStringList, sequence);
    QFETCH(QString, version);
    // Given a connected unit of behaviour version 004 and an image of version 005 whose
    // suffix is written in capitals
    Sim::Options options;
    options.logPath = dir.filePath(QTest::currentDataTag());
    options.downloadRefusal = refusal;
    SimulatedLine line(options);
    QVERIFY(line.open(true));
    QCOMPARE(line.unit.state().behaviourVersion, QStringLiteral("004"));
    const QString firmwareBefore = line.unit.state().firmware;
    const QByteArray image = imageBringing("005", 3000);
    const QString path = writeFile("RV-23.DWL", image);
    QSignalSpy results(&line.connector, &LocalConnector::firmwareWasUploaded);
    QSignalSpy status(&line.connector, &LocalConnector::deviceStatusChanged);

    // When it is uploaded
    line.connector.uploadFirmware(path);

    // Then the unit went through the sequence, and installed the image whole if it took it
    QCOMPARE(firstArguments<FirmwareUploadResult>(results), QList<int>{result});
    QCOMPARE(linesFrom(options.logPath, sequence.first()).mid(0, sequence.size()), sequence);
    QCOMPARE(line.unit.state().firmwareImage, refusal.isEmpty() ? padded(image) : QByteArray());
    QCOMPARE(line.access.liveStatus().behaviourVersion, version);
    // and the poll runs again, with what the unit now reports
    QVERIFY(line.access.polling());
    status.clear();
    QVERIFY(status.wait(5000));
    QCOMPARE(status.last().first().value<RV23Status>().behaviourVersion, version);
    QCOMPARE(status.last().first().value<RV23Status>().firmware,
             refusal.isEmpty() ? QStringLiteral("2.15.0401") : firmwareBefore);
}

QTEST_GUILESS_MAIN(TestFirmwareUpload)
#include "tst_firmwareupload.moc"
