#pragma once

#include "praxon/core/hostpaths.h"
#include "praxon/core/hostsession.h"
#include "praxon/core/translations.h"
#include "praxon/records/recordstore.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QToolBar;

namespace Praxon {

class IoIndicator;
class LoaderDialog;

// Praxon's window: the module's pages in the middle, the unit's connection, its inputs and
// outputs in the status bar, and the host's commands in menus and a tool bar.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    // records: the unit records' file or server; legacyDirectory: the earlier hosts' files.
    explicit MainWindow(const QString& records = HostPaths::recordsLocation(),
                        const QString& legacyDirectory = Records::ConfigurationStore::defaultDirectory(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the plug-in and embeds the module's widget; false (the window explains why) when the
    // module cannot be used.
    bool start(const QString& pluginFile, const QString& baseDirectory);
    bool setLanguage(const QString& language);
    HostSession* session() { return &host; }
    Records::RecordStore* records() { return &store; }
    // What the menu's commands do once a file is chosen; a message box tells what went wrong.
    void importSettingsFrom(const QString& file, QString filter = QString());
    void exportSettingsTo(const QString& file);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createStatusBar();
    void createSignalDock();
    void wireSession();
    void retranslate();
    void updateActions();
    void showStates(const QList<IoState>& states, const QList<IoIndicator*>& indicators);

    void searchAndConnect();
    void disconnectUnit();
    void reload();
    void openOffline();
    void importSettings();
    void reportRefusedFields();
    void exportSettings();
    void checkFirmware();
    void upgradeFirmware();
    // After an upload that changed the unit's settings: offers to write back those of before.
    void offerRestore(const Records::VersionRecord& before);
    void printSheet();
    void showUnits();
    void showHistory();
    void saveDiagnosticLog();
    void loaded(Module::Device::ConfigurationLoadResult result);
    void saved(HostSession::SaveResult result, const QString& message);
    bool mayDropChanges();

    Records::RecordStore store;
    HostSession host;
    Translations translations;
    LoaderDialog* loader;
    QLabel* connectionLabel;
    QList<IoIndicator*> inputIndicators;
    QList<IoIndicator*> outputIndicators;
    QMenu* fileMenu = nullptr;
    QMenu* unitMenu = nullptr;
    QMenu* languageMenu = nullptr;
    QToolBar* toolBar = nullptr;
    QDockWidget* signalDock = nullptr;
    QActionGroup* languages = nullptr;
    QAction* connectAction = nullptr;
    QAction* disconnectAction = nullptr;
    QAction* reloadAction = nullptr;
    QAction* offlineAction = nullptr;
    QAction* importAction = nullptr;
    QAction* exportSettingsAction = nullptr;
    QAction* exportHistoryAction = nullptr;
    QAction* checkFirmwareAction = nullptr;
    QAction* upgradeFirmwareAction = nullptr;
    QAction* printSheetAction = nullptr;
    QAction* unitsAction = nullptr;
    QAction* historyAction = nullptr;
    QAction* saveLogAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* englishAction = nullptr;
    QAction* czechAction = nullptr;
    bool started = false;
    bool historyReady = false;
    bool reloadAllowed = true;
};

} // namespace Praxon
