#pragma once

#include "configurationdiff.h"

#include "host/device.h"
#include "praxon/records/versionrecord.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPluginLoader>
#include <QPointer>
#include <QString>

class QWidget;

namespace Records {
class RecordStore;
}

namespace Praxon {

// The host's side of the module contract: loads the plug-in, drives Module::Device in the order
// the contract fixes and serves the module's requests. The record store receives the module's
// saved-configuration text before the unit is written, so that an edit is never lost, and keeps
// what is read from the unit when it differs from its newest version, the event records the
// module shows, and the saved configurations of files opened or imported.
//
// The module is not thread-safe: everything here runs in the GUI thread.
class HostSession final : public QObject
{
    Q_OBJECT

public:
    enum class SaveResult {
        Saved,       // stored, and the unit (or the offline file) took it
        Refused,     // the module did not hand a configuration over (validation)
        StoreFailed, // the text could not be stored; the unit was not written
        UnitFailed,  // stored, but the unit did not take every change
    };
    Q_ENUM(SaveResult)

    explicit HostSession(Records::RecordStore* store, QObject* parent = nullptr);
    ~HostSession() override;

    // Loads the plug-in file and casts its instance to the device interface.
    bool loadPlugin(const QString& file);
    // createWidget, then applyStyle with the base folder; false when the module has no widget.
    bool start(const QString& baseDirectory);
    // Disconnects, deletes the widget (unless its new owner did) and then the module.
    void shutdown();

    Module::Device* device() const { return module; }
    QWidget* widget() const { return moduleWidget; }
    QString errorString() const { return error; }

    // The units the module finds; each record is copied, the module's own go away at the end.
    QList<DeviceInfo> search();
    // Copies the unit into the module's own record and connects to it.
    bool connectUnit(const DeviceInfo& unit);
    // Shows the saved configuration in file for editing without a unit; saves go back to it.
    bool openOffline(const QString& file);
    void disconnectUnit();

    bool isConnected() const { return source == Common::Local; }
    bool isOffline() const { return source == Common::Offline; }
    QString serial() const { return unitSerial; }
    QString offlineFile() const { return offlinePath; }

    // loadConfiguration with the stored text of the unit (or the offline file's); what the unit
    // holds is kept as a version with the given reason when it differs from the newest.
    Module::Device::ConfigurationLoadResult load(Records::VersionRecord::Reason reason = Records::VersionRecord::Reason::Read);
    Module::Device::ConfigurationLoadResult lastLoadResult() const { return lastLoad; }
    // Asks the module for its configuration and saves it: store, saveToDevice, configurationSaved
    // and the load the module asks for afterwards.
    SaveResult save();
    // Reads the unit before a firmware upload and keeps what it holds; that version, whose id is
    // 0 when the unit could not be read or the store could not tell.
    Records::VersionRecord keepBeforeFirmware();
    // After the upload: reads the unit again; the settings that differ from before (after: now).
    QList<ConfigurationDiff::Change> changedSince(const Records::VersionRecord& before);
    // Shows the version's settings as edits and saves them like the module's Save button.
    SaveResult restore(const Records::VersionRecord& version);
    // The changes of the last save that the unit, read back, does not hold (before: what it holds).
    QList<ConfigurationDiff::Change> notTaken() const { return refused; }
    // The module's saved-configuration text of what it shows now, not stored; empty when the
    // module refuses to hand it over.
    QByteArray snapshot();
    // Shows data as edits; filter is one of importFileTypes().
    bool importConfiguration(const QByteArray& data, const QString& filter);
    // A saved configuration read from a file is kept as an imported version of the unit it names,
    // when it differs from that unit's newest and no other unit is connected; other texts are not.
    void keepImported(const QByteArray& data);
    // Returns once an import has reached the items, also one that goes through the unit's link.
    bool settleImport();
    // Has the module read the unit's event log; true when it says the history is available.
    bool loadHistory();
    // refreshDevice: the module reads the unit's log again, in the language installed now. With
    // showHistory, also has the event table filled from that read, as loadHistory does.
    bool refreshUnit(bool showHistory);
    // The module's history export (a CSV of the event records read), which its contract does not
    // declare: canExportHistory tells whether this module has it; exportHistory writes the file.
    bool canExportHistory() const;
    bool exportHistory(const QString& path);

    // The entry of types whose pattern matches the file name's suffix, empty when none does.
    static QString filterFor(const QStringList& types, const QString& fileName);

signals:
    void loaderShown(bool shown, const QString& text);
    void loaderMaximum(int maximum);
    void loaderValue(int value);
    void inputStatesChanged(const QList<IoState>& states);
    void outputStatesChanged(const QList<IoState>& states);
    void connectionChanged(bool connected);
    void unitChanged(const DeviceInfo& unit);
    void importEnabled(bool enabled);
    void reloadEnabled(bool enabled);
    void historyAvailable(bool available);
    void loadFinished(Module::Device::ConfigurationLoadResult result);
    void saveFinished(Praxon::HostSession::SaveResult result, const QString& message);
    // Something the technician should know that did not stop the operation.
    void notice(const QString& message);

private:
    void wireModule();
    void onSaveRequested(const QString& configuration);
    void onLoadRequested();
    void onDisconnected();
    void onHistoryAvailable(bool available);
    // Keeps what the last load read as a version, and the unit's identity.
    void keepVersion(Records::VersionRecord::Reason reason);
    // Keeps the records the module's event table shows, through its history export.
    void keepEvents();
    SaveResult storeAndSave(const QByteArray& text);
    bool storeText(const QByteArray& text);
    QByteArray storedText();
    // Has the module hand over its configuration text without storing it.
    bool captureConfiguration();
    // Asks the module to read the event log and waits for its answer; false when none came.
    bool requestHistory(bool* available);
    void setSource(Common::ConfigurationSource value);

    Records::RecordStore* store;
    QPluginLoader loader;
    QPointer<Module::Device> module;
    QPointer<QWidget> moduleWidget;
    QString error;
    Common::ConfigurationSource source = Common::Unset;
    QString unitSerial;
    QString offlinePath;
    Module::Device::ConfigurationLoadResult lastLoad = Module::Device::LoadFailed;
    bool capturing = false;
    QByteArray captured;
    bool saving = false;
    bool reloadAsked = false;
    // What the module showed after the last load: a save's changes are taken against it.
    QByteArray loadedText;
    QList<ConfigurationDiff::Change> refused;
};

} // namespace Praxon

Q_DECLARE_METATYPE(Praxon::HostSession::SaveResult)
