#pragma once

#include "host/device.h"

namespace moduleRV_23 {

// The RV-23 device module: the one object the host drives through Module::Device.
class RV_23 final : public Module::Device
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RV23_DEVICE_MODULE_IID FILE "rv23plugin.json")
    Q_INTERFACES(Module::Device)

public:
    explicit RV_23(QObject* parent = nullptr);
    ~RV_23() override;

    DeviceInfo* nextFoundDevice() override;
    QWidget* createWidget() override;
    void applyStyle(const QString& baseDir) override;
    ConfigurationLoadResult loadConfiguration(const QByteArray& data) override;
    void disconnectDevice() override;
    bool connectDevice(Common::ConfigurationSource source) override;
    QString moduleVersion() override;
    bool saveToDevice() override;
    void configurationSaved(bool saved) override;
    void refreshDevice() override;
    void unlockConfiguration() override;
    void showConfiguration(const QByteArray& data) override;
    void showImportedConfigurations(const QByteArray& data, const QString& selectedFilter) override;
    bool supportsRemoteAccess() override;
    bool supportsPipe() override;
    bool resetAndReload() override;
    ConfigurationState configurationState() override;
    QStringList exportFileTypes() override;
    FirmwareCheckResult checkFirmware(QString& oldOut, QString& newOut, QString firmwarePath) override;
    QString deviceName() override;

    bool extendedView() const;

public slots:
    void exportHistory() override;
    bool uploadFirmware(QString path = QString()) override;
    void configurationSaveRequest() override;

private:
    bool extended = false;
};

} // namespace moduleRV_23
