#pragma once

#include "host/device.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QTimer>

// A stand-in device module for the host's tests: it records every call the host makes (property
// "calls", and one line each in the file FAKE_CALL_LOG names) and behaves as the environment
// says when it is created:
//   FAKE_UNITS        units found, "serial:firmware:behaviour,..."; a serial starting with "!"
//                     does not answer the connection (a critical box says so)
//   FAKE_NO_WIDGET    createWidget gives null
//   FAKE_INVALID      the save request is refused with a warning box
//   FAKE_REFUSED_KEY  the unit does not take that setting: saveToDevice is false
// Its configuration is a few settings, "inputs.leSMSOnA", "settings.lePIN", "outputs.teDelayX",
// and one live value; a .txt import is "key=value" lines applied later, as a connector would.
class FakeDevice final : public Module::Device
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RV23_DEVICE_MODULE_IID FILE "fakedevice.json")
    Q_INTERFACES(Module::Device)
    Q_PROPERTY(QStringList calls READ calls)

public:
    explicit FakeDevice(QObject* parent = nullptr);

    QStringList calls() const { return log; }

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
    QStringList importFileTypes() override;
    FirmwareCheckResult checkFirmware(QString& oldOut, QString& newOut, QString firmwarePath) override;
    QString deviceName() override;

    Q_INVOKABLE bool exportHistoryTo(const QString& path);

public slots:
    void exportHistory() override;
    bool uploadFirmware(QString path = QString()) override;
    void configurationSaveRequest() override;
    void loadEvents();

private:
    void record(const QString& call);
    QByteArray toJson() const;
    int apply(const QByteArray& json);
    void sendStates();

    QStringList log;
    QList<DeviceInfo> found;
    int nextFound = 0;
    QStringList deadSerials;
    bool connected = false;
    Common::ConfigurationSource source = Common::Unset;
    QMap<QString, QJsonValue> unit;
    QMap<QString, QJsonValue> shown;
    QString refusedKey;
    bool relayX = false;
    QTimer statusPoll;
};
