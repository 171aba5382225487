#include "device.h"

namespace Module {

Device::Device(QObject* parent)
    : QObject(parent)
{
}

Device::~Device() = default;

DeviceInfo* Device::deviceInfo()
{
    return &info;
}

void Device::hostNotification(int) {}

void Device::stopDeviceSearch() {}

QStringList Device::importFileTypes()
{
    return {};
}

void Device::exportSettings(const QString&) {}

bool Device::supportsInstallationInfo()
{
    return false;
}

QHash<QString, QVariant> Device::hostHashes()
{
    return {};
}

void Device::setName(const QString& name)
{
    label = name;
}

void Device::hostTextNotification(const QString&) {}

void Device::resetItems() {}

void Device::hostIdleNotification() {}

QString Device::name() const
{
    return label;
}

void Device::pipeTalkReceived(QByteArray) {}

void Device::pipeOpenResult(bool) {}

void Device::pipeBulkFileReceived(QByteArray) {}

void Device::pipeBulkFileUploaded(bool) {}

void Device::pipeClosed() {}

} // namespace Module
