#pragma once

#include "host/device.h"
#include "link/connector.h"
#include "link/rv23status.h"

#include <QList>
#include <QPointer>
#include <QTimer>

class QThread;

namespace Framework {
class Item;
}

namespace moduleRV_23 {

class LocalConnector;

// The RV-23 device module: the one object the host drives through Module::Device. It owns the
// connector and the thread it runs in, and waits for the connector's answers in nested event
// loops, so the GUI stays alive while the unit is busy.
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
    void stopDeviceSearch() override;
    ConfigurationState configurationState() override;
    QStringList exportFileTypes() override;
    FirmwareCheckResult checkFirmware(QString& oldOut, QString& newOut, QString firmwarePath) override;
    QString deviceName() override;

    bool extendedView() const;
    bool isConnected() const;
    // Supplies the connector a Remote source talks to, already living in its own running thread;
    // the module takes both over and stops them as it stops its own.
    void useConnector(Connector* remote, QThread* remoteThread);

public slots:
    void exportHistory() override;
    bool uploadFirmware(QString path = QString()) override;
    void configurationSaveRequest() override;

    void bailOut(int errcode = -1);
    void deviceFound(DeviceInfo di);
    void allDevicesFound();
    void onDeviceInfoChange(DeviceInfo di);
    void testOutput(int index);
    void showInputsOnDialog(int fromRow);
    void showInputsOffDialog(int fromRow);

    void deviceStatusChangedX(RV23Status status);

signals:
    void requestPing(bool force);
    void getDevicesSignal();
    void localDeviceSelectedSignal(DeviceInfo di);
    void testOutputSignal(int index);
    void disconnectDeviceSignal();
    void connectDeviceSignal();
    void resetDeviceSignal();
    void uploadFirmwareSignal(QString path);
    void loadEvents(Framework::Item* eventsItem);
    void cleanEvents(Framework::Item* eventsItem);
    void reloadEvents();
    void loadSignal(Framework::Item* topItem);
    void saveSignal(Framework::Item* topItem);

private:
    void ensureLocalConnector();
    bool selectLocalDevice();
    void connectCommon();
    void connectStatus();
    void disconnectStatus();
    bool handshake();
    void stopConnectorThread();

    QPointer<Connector> connector;
    QThread* thread = nullptr;
    QList<DeviceInfo> foundDevices;
    quint8 searchIndex = 0;
    bool searching = false;
    QTimer searchTimer;
    int searchTimeout = 5000;
    Common::ConfigurationSource source = Common::Unset;
    bool connected = false;
    bool statusWired = false;
    bool linkLost = false;
    bool unsaved = false;
    bool extended = false;
};

} // namespace moduleRV_23
