#include "hostsession.h"

#include "fieldlabels.h"
#include "logging.h"
#include "privatefile.h"

#include "host/hosttypes.h"
#include "praxon/records/recordstore.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

namespace Praxon {

HostSession::HostSession(Records::RecordStore* store, QObject* parent)
    : QObject(parent)
    , store(store)
{
    Module::registerHostTypes();
    qRegisterMetaType<SaveResult>();
}

HostSession::~HostSession()
{
    shutdown();
}

bool HostSession::loadPlugin(const QString& file)
{
    if (module) {
        error = tr("A module is loaded already");
        return false;
    }
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        error = file.isEmpty() ? tr("No device module found (set RV23_PLUGIN or use --plugin)")
                               : tr("No device module at %1").arg(file);
        return false;
    }
    // A relative name would be looked up in Qt's library paths, not in the working folder.
    loader.setFileName(QFileInfo(file).absoluteFilePath());
    QObject* instance = loader.instance();
    if (!instance) {
        error = tr("Cannot load the device module %1: %2").arg(file, loader.errorString());
        return false;
    }
    module = qobject_cast<Module::Device*>(instance);
    if (!module) {
        error = tr("%1 is not a device module").arg(file);
        return false;
    }
    qCDebug(lcHost) << "Device module loaded from" << file;
    wireModule();
    return true;
}

bool HostSession::start(const QString& baseDirectory)
{
    if (!module) {
        error = tr("No device module is loaded");
        return false;
    }
    if (!moduleWidget)
        moduleWidget = module->createWidget();
    if (!moduleWidget) {
        error = tr("The device module %1 %2 cannot be used: it has no pages")
                    .arg(module->deviceName(), module->moduleVersion());
        return false;
    }
    module->applyStyle(baseDirectory);
    qCDebug(lcHost) << "Started" << module->deviceName() << module->moduleVersion() << "styles from" << baseDirectory;
    return true;
}

void HostSession::shutdown()
{
    if (!module)
        return;
    disconnectUnit();
    delete moduleWidget;
    delete module;
}

void HostSession::wireModule()
{
    using Device = Module::Device;
    connect(module, &Device::showLoaderSignal, this, &HostSession::loaderShown);
    connect(module, &Device::setLoaderMax, this, &HostSession::loaderMaximum);
    connect(module, &Device::setLoaderValue, this, &HostSession::loaderValue);
    connect(module, &Device::inputStatesSignal, this, &HostSession::inputStatesChanged);
    connect(module, &Device::outputStatesSignal, this, &HostSession::outputStatesChanged);
    connect(module, &Device::deviceInfoChanged, this, &HostSession::unitChanged);
    connect(module, &Device::enableImportSignal, this, &HostSession::importEnabled);
    connect(module, &Device::enableReload, this, &HostSession::reloadEnabled);
    connect(module, &Device::historyAvaliable, this, &HostSession::onHistoryAvailable);
    connect(module, &Device::connectionStateChangedSignal, this, &HostSession::onDisconnected);
    connect(module, &Device::requestConfigurationSaveSignal, this, &HostSession::onSaveRequested);
    connect(module, &Device::requestConfigurationLoadSignal, this, &HostSession::onLoadRequested);
}

QList<DeviceInfo> HostSession::search()
{
    QList<DeviceInfo> units;
    if (!moduleWidget) {
        error = tr("The device module was not started");
        return units;
    }
    while (const DeviceInfo* found = module->nextFoundDevice())
        units << *found;
    qCDebug(lcHost) << "Search found" << units.size() << "units";
    return units;
}

bool HostSession::connectUnit(const DeviceInfo& unit)
{
    if (!moduleWidget || !module->deviceInfo()) {
        error = tr("The device module was not started");
        return false;
    }
    disconnectUnit();
    *module->deviceInfo() = unit;
    if (!module->connectDevice(Common::Local)) {
        error = tr("Cannot connect to the unit %1").arg(unit.serialNumber);
        return false;
    }
    unitSerial = unit.serialNumber;
    setSource(Common::Local);
    return true;
}

bool HostSession::openOffline(const QString& file)
{
    QFile input(file);
    if (!moduleWidget || !input.open(QIODevice::ReadOnly)) {
        error = moduleWidget ? tr("Cannot read %1: %2").arg(file, input.errorString())
                             : tr("The device module was not started");
        return false;
    }
    const QByteArray data = input.readAll();
    disconnectUnit();
    if (!module->connectDevice(Common::Offline)) {
        error = tr("The device module cannot edit a configuration without a unit");
        return false;
    }
    offlinePath = QFileInfo(file).absoluteFilePath();
    setSource(Common::Offline);
    module->showConfiguration(data);
    keepImported(data);
    return true;
}

void HostSession::disconnectUnit()
{
    if (source != Common::Local && source != Common::Offline)
        return;
    module->disconnectDevice();
    setSource(Common::Unset);
}

void HostSession::onDisconnected()
{
    if (source == Common::Local)
        setSource(Common::Unset);
}

void HostSession::onHistoryAvailable(bool available)
{
    if (available && isConnected())
        keepEvents();
    emit historyAvailable(available);
}

void HostSession::setSource(Common::ConfigurationSource value)
{
    if (source == value)
        return;
    source = value;
    emit connectionChanged(isConnected());
}

Module::Device::ConfigurationLoadResult HostSession::load(Records::VersionRecord::Reason reason)
{
    if (!module || (source != Common::Local && source != Common::Offline)) {
        error = tr("No unit is connected");
        return Module::Device::LoadFailed;
    }
    lastLoad = module->loadConfiguration(storedText());
    if (lastLoad == Module::Device::LoadFailed) {
        error = tr("The configuration could not be loaded");
    } else {
        // An import paused the unit's live values and its event reads; the pages show the unit
        // again, with nothing left to revert.
        if (isConnected())
            module->unlockConfiguration();
        loadedText = snapshot();
        if (isConnected() && !loadedText.isEmpty())
            keepVersion(reason);
    }
    emit loadFinished(lastLoad);
    return lastLoad;
}

void HostSession::keepVersion(Records::VersionRecord::Reason reason)
{
    const DeviceInfo* unit = module->deviceInfo();
    const QJsonValue imei = QJsonDocument::fromJson(loadedText)[QLatin1String("informations")][QLatin1String("values")]
                                                               [QLatin1String("imei")][QLatin1String("_value")];
    if (!store->addVersion(unitSerial, loadedText, reason)
        || !store->noteUnit(unitSerial, unit->firmwareVersion, unit->behaviourVersion, imei.toString()))
        emit notice(tr("What the unit holds could not be kept in the unit records: %1").arg(store->errorString()));
}

bool HostSession::canExportHistory() const
{
    return module && module->metaObject()->indexOfMethod("exportHistoryTo(QString)") >= 0;
}

bool HostSession::exportHistory(const QString& path)
{
    bool exported = false;
    if (canExportHistory())
        QMetaObject::invokeMethod(module, "exportHistoryTo", Q_RETURN_ARG(bool, exported), Q_ARG(QString, path));
    return exported;
}

void HostSession::keepEvents()
{
    if (!canExportHistory())
        return;
    // The history export is the one way the module hands its event records over.
    const QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("events.csv"));
    QFile file(path);
    if (!exportHistory(path) || !file.open(QIODevice::ReadOnly)) {
        emit notice(tr("The unit's event records could not be kept: the module exported none"));
        return;
    }
    if (!store->addEvents(unitSerial, &file))
        emit notice(tr("The unit's event records could not be kept in the unit records: %1").arg(store->errorString()));
}

void HostSession::keepImported(const QByteArray& data)
{
    const QString serial = QJsonDocument::fromJson(data)[QLatin1String("informations")][QLatin1String("values")]
                                                        [QLatin1String("serial")][QLatin1String("_value")].toString();
    // A file applied to another unit serves as a template (a batch's per-unit files name the unit
    // they were made from): it is no configuration of the unit it names.
    if (serial.isEmpty() || (isConnected() && serial != unitSerial))
        return;
    if (!store->addVersion(serial, data, Records::VersionRecord::Reason::Import))
        emit notice(tr("The file's configuration could not be kept in the unit records: %1").arg(store->errorString()));
}

Records::VersionRecord HostSession::keepBeforeFirmware()
{
    if (load(Records::VersionRecord::Reason::Firmware) == Module::Device::LoadFailed)
        return {};
    // The text read is kept only when it differs from the newest: either way the newest holds it.
    return store->versions(unitSerial).value(0);
}

QList<ConfigurationDiff::Change> HostSession::changedSince(const Records::VersionRecord& before)
{
    if (load() == Module::Device::LoadFailed)
        return {};
    const FieldLabels pages(moduleWidget);
    return ConfigurationDiff::compare(pages.pagesOnly(before.configuration), pages.pagesOnly(loadedText));
}

HostSession::SaveResult HostSession::restore(const Records::VersionRecord& version)
{
    const QString filter = filterFor(module->importFileTypes(), QStringLiteral("version.rv23"));
    if (filter.isEmpty() || !importConfiguration(FieldLabels(moduleWidget).pagesOnly(version.configuration), filter)) {
        error = tr("The module reads no saved settings");
        return SaveResult::Refused;
    }
    return save();
}

HostSession::SaveResult HostSession::save()
{
    if (!captureConfiguration()) {
        error = tr("The module did not hand over a configuration to save");
        emit saveFinished(SaveResult::Refused, error);
        return SaveResult::Refused;
    }
    return storeAndSave(captured);
}

QByteArray HostSession::snapshot()
{
    return captureConfiguration() ? captured : QByteArray();
}

bool HostSession::captureConfiguration()
{
    if (!module)
        return false;
    capturing = true;
    captured.clear();
    bool handedOver = false;
    const auto caught = connect(module, &Module::Device::requestConfigurationSaveSignal, this,
                                [&handedOver] { handedOver = true; });
    module->configurationSaveRequest();
    disconnect(caught);
    capturing = false;
    return handedOver;
}

void HostSession::onSaveRequested(const QString& configuration)
{
    if (capturing) {
        captured = configuration.toUtf8();
        return;
    }
    // The module's own Save button: carry it out once the module's request has returned.
    QMetaObject::invokeMethod(
        this, [this, text = configuration.toUtf8()] { storeAndSave(text); }, Qt::QueuedConnection);
}

HostSession::SaveResult HostSession::storeAndSave(const QByteArray& text)
{
    if (!storeText(text)) {
        emit saveFinished(SaveResult::StoreFailed, error);
        return SaveResult::StoreFailed;
    }
    saving = true;
    reloadAsked = false;
    refused.clear();
    const QList<ConfigurationDiff::Change> changes = ConfigurationDiff::compare(loadedText, text);
    const bool written = source != Common::Local || module->saveToDevice();
    module->configurationSaved(true);
    saving = false;
    // What the unit refused shows only in what it holds when read back.
    if (reloadAsked && load() != Module::Device::LoadFailed && isConnected())
        refused = ConfigurationDiff::unmet(changes, loadedText);
    const SaveResult result = written ? SaveResult::Saved : SaveResult::UnitFailed;
    if (!written)
        error = tr("The unit did not take every change; the configuration is kept in %1").arg(store->location());
    emit saveFinished(result, written ? QString() : error);
    return result;
}

bool HostSession::storeText(const QByteArray& text)
{
    if (source == Common::Offline)
        return writePrivateFile(offlinePath, text, &error);
    if (source != Common::Local) {
        error = tr("No unit is connected to save the configuration for");
        return false;
    }
    if (!store->addVersion(unitSerial, text, Records::VersionRecord::Reason::Write)) {
        error = store->errorString();
        return false;
    }
    return true;
}

QByteArray HostSession::storedText()
{
    if (source == Common::Offline) {
        QFile file(offlinePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    if (!store->open()) {
        emit notice(store->errorString());
        return {};
    }
    const QByteArray text = store->newestText(unitSerial);
    for (const QString& message : store->takeNotices())
        emit notice(message);
    return text;
}

void HostSession::onLoadRequested()
{
    if (saving) {
        reloadAsked = true;
        return;
    }
    QMetaObject::invokeMethod(this, [this] {
        if (source == Common::Local || source == Common::Offline)
            load();
    }, Qt::QueuedConnection);
}

bool HostSession::importConfiguration(const QByteArray& data, const QString& filter)
{
    if (!moduleWidget) {
        error = tr("The device module was not started");
        return false;
    }
    module->showImportedConfigurations(data, filter);
    return true;
}

bool HostSession::settleImport()
{
    // A web-portal text reaches the items through the connector's thread, and nothing reports
    // the end. The connector takes its requests in order, so an event-log read asked for now is
    // answered only after the imported values are in the items, whether the read succeeds or not.
    bool available = false;
    return !isConnected() || requestHistory(&available);
}

bool HostSession::loadHistory()
{
    bool available = false;
    if (!requestHistory(&available))
        return false;
    if (!available)
        error = tr("The unit's event log could not be read");
    return available;
}

bool HostSession::refreshUnit(bool showHistory)
{
    if (!isConnected()) {
        error = tr("No unit is connected");
        return false;
    }
    module->refreshDevice();
    if (!showHistory)
        return true;
    // A module that reads the log again ends that read as it ends a fill, with one answer; the
    // link takes the requests in order. So the first answer awaited may be the new read's, and
    // the second comes after a fill from it. A module that reads nothing answers each fill.
    bool available = false;
    return requestHistory(&available) && loadHistory();
}

bool HostSession::requestHistory(bool* available)
{
    if (!isConnected()) {
        error = tr("No unit is connected");
        return false;
    }
    if (module->metaObject()->indexOfSlot("loadEvents()") < 0) {
        error = tr("The device module cannot read the event log on request");
        return false;
    }
    bool answered = false;
    QEventLoop loop;
    const auto done = connect(module, &Module::Device::historyAvaliable, &loop, [&](bool state) {
        answered = true;
        *available = state;
        loop.quit();
    });
    const auto lost = connect(this, &HostSession::connectionChanged, &loop, &QEventLoop::quit);
    QMetaObject::invokeMethod(module, "loadEvents");
    if (!answered && isConnected())
        loop.exec();
    disconnect(done);
    disconnect(lost);
    if (!answered)
        error = tr("The link to the unit was lost");
    return answered;
}

QString HostSession::filterFor(const QStringList& types, const QString& fileName)
{
    static const QRegularExpression patterns(QStringLiteral("\\(([^)]*)\\)"));
    for (const QString& type : types) {
        const QRegularExpressionMatch match = patterns.match(type);
        const QStringList globs = match.captured(1).split(QRegularExpression(QStringLiteral("[ ;]+")), Qt::SkipEmptyParts);
        for (const QString& glob : globs) {
            const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(glob),
                                              QRegularExpression::CaseInsensitiveOption);
            if (wildcard.match(QFileInfo(fileName).fileName()).hasMatch())
                return type;
        }
    }
    return {};
}

} // namespace Praxon
