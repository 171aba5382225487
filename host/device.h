#pragma once

#include "configurationsource.h"
#include "deviceinfo.h"
#include "hostexport.h"
#include "hostenums.h"
#include "iostate.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

class QTimer;
class QWidget;

// Interface id of the host's device modules, used in the plug-in metadata.
#define RV23_DEVICE_MODULE_IID "cz.tessaline.praxon.module.device.rv23"

namespace Module {

// The one interface through which the host drives a device module.
//
// The host calls, in this order: createWidget() once (null means the module cannot be used),
// applyStyle(), nextFoundDevice() until it returns null (copying the record it chooses into
// deviceInfo()), connectDevice(Local), loadConfiguration(); it serves
// requestConfigurationSaveSignal by calling saveToDevice() and reports with
// configurationSaved(); disconnectDevice() at the end. Deleting the instance stops the
// module's thread.
//
// The order of the virtual operations is their order in the virtual table, which a host
// compiled separately relies on: never reorder, insert or remove one.
class RV23HOST_EXPORT Device : public QObject
{
    Q_OBJECT

public:
    enum ConfigurationLoadResult { Loaded = 0, LoadedModified = 1, LoadFailed = 2 };
    Q_ENUM(ConfigurationLoadResult)

    explicit Device(QObject* parent = nullptr);
    ~Device() override;

    // 1: the next unit of a search, null when the search is over. A record stays valid only
    // until the call that returns null.
    virtual DeviceInfo* nextFoundDevice() = 0;
    // 2: the module's pages; null when the page description cannot be used.
    virtual QWidget* createWidget() = 0;
    // 3: applies the module's style sheet found below the host's base directory.
    virtual void applyStyle(const QString& baseDir) = 0;
    // 4
    virtual ConfigurationLoadResult loadConfiguration(const QByteArray& data) = 0;
    // 5
    virtual void disconnectDevice() = 0;
    // 6: true when the module is usable with that source.
    virtual bool connectDevice(Common::ConfigurationSource source) = 0;
    // 7
    virtual QString moduleVersion() = 0;
    // 8: the record the host copies the chosen unit into.
    virtual DeviceInfo* deviceInfo();
    // 9
    virtual bool saveToDevice() = 0;
    // 10
    virtual void configurationSaved(bool saved) = 0;
    // 11
    virtual void refreshDevice() = 0;
    // 12
    virtual void unlockConfiguration() = 0;
    // 13
    virtual void showConfiguration(const QByteArray& data) = 0;
    // 14
    virtual void showImportedConfigurations(const QByteArray& data, const QString& selectedFilter) = 0;
    // 15, 16: capability queries whose meaning is the host's.
    virtual bool supportsRemoteAccess() = 0;
    virtual bool supportsPipe() = 0;
    // 17
    virtual bool resetAndReload() = 0;
    // 18: a notification whose meaning is the host's.
    virtual void hostNotification(int code);
    // 19
    virtual void stopDeviceSearch();
    // 20
    virtual ConfigurationState configurationState() = 0;
    // 21
    virtual QStringList exportFileTypes() = 0;
    // 22
    virtual QStringList importFileTypes();
    // 23
    virtual FirmwareCheckResult checkFirmware(QString& oldOut, QString& newOut, QString firmwarePath) = 0;
    // 24
    virtual void exportSettings(const QString& path);
    // 25: a capability query whose meaning is the host's.
    virtual bool supportsInstallationInfo();
    // 26: a hash query whose meaning is the host's.
    virtual QHash<QString, QVariant> hostHashes();
    // 27: stores the label the host gives the module.
    virtual void setName(const QString& name);
    // 28: a notification whose meaning is the host's.
    virtual void hostTextNotification(const QString& text);
    // 29
    virtual void resetItems();
    // 30: a notification whose meaning is the host's.
    virtual void hostIdleNotification();
    // 31
    virtual QString deviceName() = 0;

    QString name() const;

public slots:
    // 32-36: the host's tunnel; unused by local modules.
    virtual void pipeTalkReceived(QByteArray received);
    virtual void pipeOpenResult(bool opened);
    virtual void pipeBulkFileReceived(QByteArray file);
    virtual void pipeBulkFileUploaded(bool state);
    virtual void pipeClosed();
    // 37
    virtual void exportHistory() = 0;
    // 38
    virtual bool uploadFirmware(QString path = QString()) = 0;
    // 39
    virtual void configurationSaveRequest() = 0;

signals:
    void showLoaderSignal(bool show, QString text = QString());
    void setLoaderTimer(const QTimer* timer);
    void inputStatesSignal(QList<IoState> states);
    void outputStatesSignal(QList<IoState> states);
    void connectionStateChangedSignal(ConnectionState state);
    void requestConfigurationSaveSignal(QString configuration, bool silent);
    void requestConfigurationLoadSignal();
    void enableImportSignal(bool enable);
    void enableReload(bool enable);
    void openPipeSignal();
    void closePipeSignal();
    void sendToPipeSignal(QByteArray data);
    void sendHbToPipeSignal();
    void bulkDownloadToBeStartedSignal();
    void deviceInfoChanged(DeviceInfo info);
    void uploadBulk(QByteArray data, ushort protoLen, int dataType);
    void configurationSaveDoneSignal();
    void setLoaderMax(int maximum);
    void setLoaderValue(int value);
    void historyAvaliable(bool available);
    void showInstallationInfo();
    void flashIndicator();
    void close(bool first, bool second);
    void restartApp(QStringList arguments);

protected:
    QString label;
    DeviceInfo info;
};

} // namespace Module

Q_DECLARE_INTERFACE(Module::Device, "DEVICE")
