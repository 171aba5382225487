#include "fakedevice.h"

#include <QFile>
#include <QJsonDocument>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QJsonObject objectAt(const QJsonObject& root, const QStringList& path)
{
    QJsonObject object = root;
    for (const QString& part : path)
        object = object.value(part).toObject();
    return object;
}

QJsonObject withValue(QJsonObject root, const QStringList& path, const QJsonObject& leaf)
{
    if (path.isEmpty())
        return leaf;
    root[path.first()] = withValue(root.value(path.first()).toObject(), path.mid(1), leaf);
    return root;
}

} // namespace

FakeDevice::FakeDevice(QObject* parent)
    : Module::Device(parent)
{
    info.modelName = QStringLiteral("RV-23");
    info.ownRecord = true;
    for (const QString& entry : qEnvironmentVariable("FAKE_UNITS").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList fields = entry.split(QLatin1Char(':'));
        DeviceInfo unitInfo;
        unitInfo.modelName = QStringLiteral("RV-23");
        unitInfo.serialNumber = fields.value(0);
        if (unitInfo.serialNumber.startsWith(QLatin1Char('!'))) {
            unitInfo.serialNumber.remove(0, 1);
            deadSerials << unitInfo.serialNumber;
        }
        unitInfo.firmwareVersion = fields.value(1);
        unitInfo.behaviourVersion = fields.value(2);
        found << unitInfo;
    }
    refusedKey = qEnvironmentVariable("FAKE_REFUSED_KEY");
    unit.insert(QStringLiteral("inputs.leSMSOnA"), QStringLiteral("ALARM A"));
    unit.insert(QStringLiteral("settings.lePIN"), QStringLiteral("1234"));
    unit.insert(QStringLiteral("outputs.teDelayX"), 5000);
    shown = unit;
    statusPoll.setInterval(20);
    connect(&statusPoll, &QTimer::timeout, this, &FakeDevice::sendStates);
}

void FakeDevice::record(const QString& call)
{
    log << call;
    const QString path = qEnvironmentVariable("FAKE_CALL_LOG");
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::Append))
        file.write(call.toUtf8() + '\n');
}

QByteArray FakeDevice::toJson() const
{
    QJsonObject root;
    for (auto it = shown.begin(); it != shown.end(); ++it)
        root = withValue(root, it.key().split(QLatin1Char('.')), {{QStringLiteral("_value"), it.value()}});
    root = withValue(root, {QStringLiteral("informations"), QStringLiteral("imei")},
                     {{QStringLiteral("_value"), QStringLiteral("353270041178205")},
                      {QStringLiteral("_role"), QStringLiteral("dynamicState")}});
    return QJsonDocument(root).toJson();
}

int FakeDevice::apply(const QByteArray& json)
{
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    int changed = 0;
    for (auto it = shown.begin(); it != shown.end(); ++it) {
        const QJsonObject item = objectAt(root, it.key().split(QLatin1Char('.')));
        if (item.contains(QStringLiteral("_value")) && item.value(QStringLiteral("_value")) != it.value()) {
            it.value() = item.value(QStringLiteral("_value"));
            ++changed;
        }
    }
    return changed;
}

void FakeDevice::sendStates()
{
    emit inputStatesSignal({IoState{2}, IoState{0}, IoState{0}, IoState{2}});
    emit outputStatesSignal({IoState{relayX ? 2 : 0}, IoState{0}});
}

DeviceInfo* FakeDevice::nextFoundDevice()
{
    record(QStringLiteral("nextFoundDevice"));
    if (nextFound < found.size())
        return &found[nextFound++];
    nextFound = 0;
    return nullptr;
}

QWidget* FakeDevice::createWidget()
{
    record(QStringLiteral("createWidget"));
    if (!qEnvironmentVariableIsEmpty("FAKE_NO_WIDGET"))
        return nullptr;
    auto* pages = new QWidget;
    pages->setObjectName(QStringLiteral("fakeDevicePages"));
    auto* layout = new QVBoxLayout(pages);
    for (const char* name : {"pbResetGSM", "pbInOutX", "pbInOutY"}) {
        auto* button = new QPushButton(QLatin1String(name), pages);
        button->setObjectName(QLatin1String(name));
        layout->addWidget(button);
    }
    connect(pages->findChild<QPushButton*>(QStringLiteral("pbInOutX")), &QPushButton::clicked, this, [this] {
        record(QStringLiteral("toggleX"));
        relayX = !relayX;
    });
    return pages;
}

void FakeDevice::applyStyle(const QString& baseDir)
{
    record(QStringLiteral("applyStyle:") + baseDir);
}

Module::Device::ConfigurationLoadResult FakeDevice::loadConfiguration(const QByteArray& data)
{
    record(QStringLiteral("loadConfiguration:%1").arg(data.isEmpty() ? QStringLiteral("empty") : QStringLiteral("stored")));
    if (source == Common::Offline)
        return apply(data) > 0 ? LoadedModified : Loaded;
    if (!connected)
        return LoadFailed;
    shown = unit;
    const int differing = data.isEmpty() ? 0 : apply(data);
    shown = unit;
    return differing > 0 ? LoadedModified : Loaded;
}

void FakeDevice::disconnectDevice()
{
    record(QStringLiteral("disconnectDevice"));
    statusPoll.stop();
    connected = false;
    source = Common::Offline;
    emit connectionStateChangedSignal(Disconnected);
}

bool FakeDevice::connectDevice(Common::ConfigurationSource newSource)
{
    source = newSource;
    if (newSource == Common::Offline) {
        record(QStringLiteral("connectDevice:Offline"));
        return true;
    }
    record(QStringLiteral("connectDevice:Local:") + info.serialNumber);
    if (deadSerials.contains(info.serialNumber)) {
        QMessageBox::critical(nullptr, QStringLiteral("app.critical"), QStringLiteral("app.rv23.devicenotrespondig"));
        return false;
    }
    connected = true;
    statusPoll.start();
    return true;
}

QString FakeDevice::moduleVersion()
{
    return QStringLiteral("fake");
}

bool FakeDevice::saveToDevice()
{
    record(QStringLiteral("saveToDevice"));
    emit showLoaderSignal(true, QStringLiteral("app.cfg.savingtodevice"));
    bool taken = true;
    for (auto it = shown.begin(); it != shown.end(); ++it) {
        if (it.key() == refusedKey && it.value() != unit.value(it.key()))
            taken = false;
        else
            unit[it.key()] = it.value();
    }
    emit showLoaderSignal(false, QString());
    return taken;
}

void FakeDevice::configurationSaved(bool)
{
    record(QStringLiteral("configurationSaved"));
    if (source == Common::Local)
        emit requestConfigurationLoadSignal();
}

void FakeDevice::refreshDevice() {}

void FakeDevice::unlockConfiguration() {}

void FakeDevice::showConfiguration(const QByteArray& data)
{
    record(QStringLiteral("showConfiguration"));
    apply(data);
}

void FakeDevice::showImportedConfigurations(const QByteArray& data, const QString& selectedFilter)
{
    record(QStringLiteral("showImportedConfigurations:") + selectedFilter);
    if (selectedFilter.contains(QLatin1String("*.rv23"))) {
        apply(data);
        return;
    }
    // The web-portal text reaches the items later, through the event queue.
    QMetaObject::invokeMethod(this, [this, data] {
        for (const QByteArray& line : data.split('\n')) {
            const int equals = line.indexOf('=');
            if (equals > 0 && shown.contains(QString::fromUtf8(line.left(equals))))
                shown[QString::fromUtf8(line.left(equals))] = QString::fromUtf8(line.mid(equals + 1));
        }
    }, Qt::QueuedConnection);
}

bool FakeDevice::supportsRemoteAccess()
{
    return false;
}

bool FakeDevice::supportsPipe()
{
    return false;
}

bool FakeDevice::resetAndReload()
{
    record(QStringLiteral("resetAndReload"));
    return connected;
}

ConfigurationState FakeDevice::configurationState()
{
    return shown == unit ? Saved : Modified;
}

QStringList FakeDevice::exportFileTypes()
{
    return {QStringLiteral("app.rv23.filetype.portalform (*.txt)"),
            QStringLiteral("app.rv23.filetype.rv23ksettings (*.rv23)")};
}

QStringList FakeDevice::importFileTypes()
{
    return exportFileTypes();
}

FirmwareCheckResult FakeDevice::checkFirmware(QString&, QString&, QString)
{
    record(QStringLiteral("checkFirmware"));
    return info.behaviourVersion == QLatin1String("004") ? UpToDate : UpdateAvailable;
}

QString FakeDevice::deviceName()
{
    return QStringLiteral("RV-23");
}

bool FakeDevice::exportHistoryTo(const QString& path)
{
    record(QStringLiteral("exportHistoryTo"));
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write("\xEF\xBB\xBF" "Datum;Událost;Zdroj\r\n08.01. 07:12:05;app.rv23.event.12;0;\r\n") > 0;
}

void FakeDevice::exportHistory()
{
    record(QStringLiteral("exportHistory"));
}

bool FakeDevice::uploadFirmware(QString path)
{
    record(QStringLiteral("uploadFirmware:") + path);
    return true;
}

void FakeDevice::configurationSaveRequest()
{
    record(QStringLiteral("configurationSaveRequest"));
    if (!qEnvironmentVariableIsEmpty("FAKE_INVALID")) {
        QMessageBox::warning(nullptr, QStringLiteral("app.warning"),
                             QStringLiteral("app.rv23.configuration.unabletosavepleasefix"));
        return;
    }
    emit requestConfigurationSaveSignal(QString::fromUtf8(toJson()), false);
}

void FakeDevice::loadEvents()
{
    record(QStringLiteral("loadEvents"));
    QMetaObject::invokeMethod(this, [this] { emit historyAvaliable(connected); }, Qt::QueuedConnection);
}
