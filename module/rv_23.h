#pragma once

#include "host/device.h"
#include "link/connector.h"
#include "link/firmwareuploadresult.h"
#include "link/rv23status.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <functional>

class QThread;

namespace Framework {
class Item;
class Widget;
} // namespace Framework

namespace moduleRV_23 {

class Configuration;
class Events;
class Informations;
class Inputs;
class LocalConnector;
class Outputs;
class Settings;

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
    QStringList importFileTypes() override;
    void exportSettings(const QString& path) override;
    FirmwareCheckResult checkFirmware(QString& oldOut, QString& newOut, QString firmwarePath) override;
    QString deviceName() override;

    void setName(const QString& name) override;
    void resetItems() override;

    bool extendedView() const;
    // Stored at once: the instance may never be deleted while the application object exists.
    void setExtended(bool on);
    Q_INVOKABLE bool isConnected() const;
    Configuration* configurationObject() const;
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

    void discard();
    void onFirmwareUpload(moduleRV_23::FirmwareUploadResult result);
    // Writes the event history to path without asking: CSV, or HTML for ".htm", ".html" and
    // ".pdf" (rendered as PDF). For hosts without a file dialog.
    Q_INVOKABLE bool exportHistoryTo(const QString& path);
    // The fields that block a save (refusedfields.h): maps of "path", "label", "value" and
    // "why", in page order. For hosts that name them to the technician.
    Q_INVOKABLE QVariantList refusedFields() const;
    void loadEvents();
    void clearEvents();
    void eventsLoaded(bool state);

    void deviceStatusChangedX(RV23Status status);
    void voltageChanged(int voltage);
    void rssiChanged(int rssi);
    void operatorChanged(QString name);
    void imeiChanged(QString imei);
    void firmwareChanged(QString firmware);
    void inputStatesChanged(QList<IoState> states);
    void outputStatesChanged(QList<IoState> states);
    void inputCountersChanged(Connector::Inputs counters);
    void outputCountersChanged(Connector::Outputs counters);
    void inputVoltageChanged(Connector::Inputs inputs);
    void timeChanged(QString time);
    void protocolVersionChanged(QString protocol);
    void startTimeUpdates();
    void stopTimeUpdates();

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
    // Opens the page of the first field that blocks a save, so that the red fields are seen.
    void showRefusedFields();
    // Pages and live status.
    void createEventsPage();
    void onTabChanged(int index);
    void retitleTabs();
    void setInformation(const QString& row, const QVariant& value);
    Framework::Item* statusItem(const QString& name);
    void showState(const QString& name, bool on, const char* activeText, const char* inactiveText);
    void showIoStates(const QStringList& names, const QList<IoState>& states, const char* activeText,
                      const char* inactiveText);
    // The state words are ours, not the unit's: they follow a language change.
    void reshowStates();
    void reenableToggle(const QString& name, bool reported, bool lastToggle);
    void resetStatusDisplay();
    void forgetUnitDisplay();
    void followChanges();
    // Runs change while the informations model's notifications are paused.
    void quietly(const std::function<void()>& change);

    // Load and save.
    bool readFromUnit();
    // Waits until the connector has carried out every request sent to it so far.
    void waitForConnector();

    // Connection.
    void tellPagesTheSource();
    void ensureLocalConnector();
    bool selectLocalDevice();
    void connectCommon();
    void connectStatus();
    void disconnectStatus();
    bool handshake();
    void stopConnectorThread();
    // Run while the application object ends: a host may leave its instances to the library's
    // unload, which comes after main has returned, when their threads must have stopped already.
    static void stopThreadsOfLiveModules();
    // The library is unloaded at process exit after the application object is gone.
    void endAtExit();

    QPointer<Framework::Widget> widget;
    QPointer<Inputs> inputsPage;
    QPointer<Outputs> outputsPage;
    QPointer<Settings> settingsPage;
    QPointer<Informations> informationsPage;
    QPointer<Events> eventsPage;
    Configuration* configuration = nullptr;
    QHash<QString, QPointer<Framework::Item>> statusItems;
    QHash<QString, const char*> shownStates;
    QPointer<Connector> connector;
    QThread* thread = nullptr;
    // The thread that stopConnectorThread() waits for.
    QPointer<QThread> ending;
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
