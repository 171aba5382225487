#include "rv_23.h"

#include "logging.h"
#include "modulesettings.h"

namespace moduleRV_23 {

RV_23::RV_23(QObject* parent)
    : Module::Device(parent)
{
    qCDebug(lcModule) << "Creating RV_23";
    info.modelName = QStringLiteral("RV-23");
    info.ownRecord = true;
    extended = ModuleSettings::readExtended(extended);
}

RV_23::~RV_23()
{
    qCDebug(lcModule) << "Destroying RV_23";
    ModuleSettings::writeExtended(extended);
    qCDebug(lcModule) << "RV_23 destroyed";
}

bool RV_23::extendedView() const
{
    return extended;
}

QString RV_23::moduleVersion()
{
    return QStringLiteral("2.3.1.080");
}

QString RV_23::deviceName()
{
    return QStringLiteral("RV-23");
}

bool RV_23::supportsRemoteAccess()
{
    return false;
}

bool RV_23::supportsPipe()
{
    return false;
}

// The device search, connection, pages, load and save, history and firmware arrive with their
// own changes; until then each answers as a module that cannot do it yet.

DeviceInfo* RV_23::nextFoundDevice()
{
    return nullptr;
}

QWidget* RV_23::createWidget()
{
    return nullptr;
}

void RV_23::applyStyle(const QString&) {}

Module::Device::ConfigurationLoadResult RV_23::loadConfiguration(const QByteArray&)
{
    return LoadFailed;
}

void RV_23::disconnectDevice() {}

bool RV_23::connectDevice(Common::ConfigurationSource)
{
    return false;
}

bool RV_23::saveToDevice()
{
    return false;
}

void RV_23::configurationSaved(bool) {}

void RV_23::refreshDevice() {}

void RV_23::unlockConfiguration() {}

void RV_23::showConfiguration(const QByteArray&) {}

void RV_23::showImportedConfigurations(const QByteArray&, const QString&) {}

bool RV_23::resetAndReload()
{
    return false;
}

ConfigurationState RV_23::configurationState()
{
    return Saved;
}

QStringList RV_23::exportFileTypes()
{
    return {};
}

FirmwareCheckResult RV_23::checkFirmware(QString&, QString&, QString)
{
    return UpToDate;
}

void RV_23::exportHistory() {}

bool RV_23::uploadFirmware(QString)
{
    return false;
}

void RV_23::configurationSaveRequest() {}

} // namespace moduleRV_23
