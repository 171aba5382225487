#include "mainwindow.h"

#include "ioindicator.h"
#include "loaderdialog.h"
#include "signalpanel.h"
#include "unitdialog.h"
#include "unithistorywindow.h"
#include "unitswindow.h"

#include "praxon/core/clearingcheck.h"
#include "praxon/core/configurationsheet.h"
#include "praxon/core/diagnosticlog.h"
#include "praxon/core/hostpaths.h"
#include "praxon/core/owneronlyfiles.h"
#include "praxon/core/privatefile.h"
#include "praxon/core/refusalreport.h"
#include "praxon/core/versions.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

namespace Praxon {

namespace {

const QString savedSettingsPattern = QStringLiteral("*.rv23");

QAction* makeAction(QObject* parent, const char* name, QKeySequence shortcut = {})
{
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainWindow::MainWindow(const QString& records, const QString& legacyDirectory, QWidget* parent)
    : QMainWindow(parent)
    , store(records, legacyDirectory)
    , host(&store)
    , translations(HostPaths::translationsDirectory())
    , loader(new LoaderDialog(this))
    , connectionLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("praxon"));
    createActions();
    createSignalDock();
    createMenus();
    createStatusBar();
    wireSession();
    auto* placeholder = new QLabel(this);
    placeholder->setObjectName(QStringLiteral("placeholder"));
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    retranslate();
    updateActions();
    resize(1100, 760);
}

MainWindow::~MainWindow()
{
    // The module's widget goes before the module does.
    host.shutdown();
}

bool MainWindow::start(const QString& pluginFile, const QString& baseDirectory)
{
    started = host.loadPlugin(pluginFile) && host.start(baseDirectory);
    if (started) {
        setCentralWidget(host.widget());
    } else if (auto* placeholder = qobject_cast<QLabel*>(centralWidget())) {
        placeholder->setText(host.errorString());
    }
    updateActions();
    return started;
}

bool MainWindow::setLanguage(const QString& language)
{
    if (!translations.setLanguage(language))
        return false;
    (language == QLatin1String("cs") ? czechAction : englishAction)->setChecked(true);
    // The module puts the unit's event texts into words as it reads the log: it reads it again,
    // and a table already shown is filled anew.
    if (host.isConnected())
        host.refreshUnit(historyReady);
    return true;
}

void MainWindow::createActions()
{
    connectAction = makeAction(this, "actionConnect", QKeySequence(Qt::CTRL | Qt::Key_K));
    disconnectAction = makeAction(this, "actionDisconnect");
    reloadAction = makeAction(this, "actionReload", QKeySequence::Refresh);
    offlineAction = makeAction(this, "actionOpenOffline", QKeySequence::Open);
    importAction = makeAction(this, "actionImport", QKeySequence(Qt::CTRL | Qt::Key_I));
    exportSettingsAction = makeAction(this, "actionExportSettings", QKeySequence(Qt::CTRL | Qt::Key_E));
    exportHistoryAction = makeAction(this, "actionExportHistory");
    checkFirmwareAction = makeAction(this, "actionCheckFirmware");
    upgradeFirmwareAction = makeAction(this, "actionUpgradeFirmware");
    printSheetAction = makeAction(this, "actionPrintSheet", QKeySequence::Print);
    unitsAction = makeAction(this, "actionUnits");
    historyAction = makeAction(this, "actionUnitHistory");
    saveLogAction = makeAction(this, "actionSaveLog");
    quitAction = makeAction(this, "actionQuit", QKeySequence::Quit);
    englishAction = makeAction(this, "actionEnglish");
    czechAction = makeAction(this, "actionCzech");

    languages = new QActionGroup(this);
    for (QAction* action : {englishAction, czechAction}) {
        action->setCheckable(true);
        languages->addAction(action);
    }
    englishAction->setChecked(true);

    connect(connectAction, &QAction::triggered, this, &MainWindow::searchAndConnect);
    connect(disconnectAction, &QAction::triggered, this, &MainWindow::disconnectUnit);
    connect(reloadAction, &QAction::triggered, this, &MainWindow::reload);
    connect(offlineAction, &QAction::triggered, this, &MainWindow::openOffline);
    connect(importAction, &QAction::triggered, this, &MainWindow::importSettings);
    connect(exportSettingsAction, &QAction::triggered, this, &MainWindow::exportSettings);
    connect(exportHistoryAction, &QAction::triggered, this, [this] { host.device()->exportHistory(); });
    connect(checkFirmwareAction, &QAction::triggered, this, &MainWindow::checkFirmware);
    connect(upgradeFirmwareAction, &QAction::triggered, this, &MainWindow::upgradeFirmware);
    connect(printSheetAction, &QAction::triggered, this, &MainWindow::printSheet);
    connect(unitsAction, &QAction::triggered, this, &MainWindow::showUnits);
    connect(historyAction, &QAction::triggered, this, &MainWindow::showHistory);
    connect(saveLogAction, &QAction::triggered, this, &MainWindow::saveDiagnosticLog);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
    connect(englishAction, &QAction::triggered, this, [this] { setLanguage(QStringLiteral("en")); });
    connect(czechAction, &QAction::triggered, this, [this] { setLanguage(QStringLiteral("cs")); });
}

// The signal meter, below the pages; it measures only while shown.
void MainWindow::createSignalDock()
{
    signalDock = new QDockWidget(this);
    signalDock->setObjectName(QStringLiteral("signalDock"));
    signalDock->setWidget(new SignalPanel(&host, signalDock));
    signalDock->toggleViewAction()->setObjectName(QStringLiteral("actionSignal"));
    addDockWidget(Qt::BottomDockWidgetArea, signalDock);
    signalDock->hide();
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("menuFile"));
    fileMenu->addActions({offlineAction, importAction, exportSettingsAction, exportHistoryAction});
    fileMenu->addSeparator();
    fileMenu->addAction(printSheetAction);
    fileMenu->addAction(saveLogAction);
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);

    unitMenu = menuBar()->addMenu(QString());
    unitMenu->setObjectName(QStringLiteral("menuUnit"));
    unitMenu->addActions({connectAction, disconnectAction, reloadAction, historyAction, unitsAction});
    unitMenu->addSeparator();
    unitMenu->addActions({checkFirmwareAction, upgradeFirmwareAction});
    unitMenu->addSeparator();
    unitMenu->addAction(signalDock->toggleViewAction());

    languageMenu = menuBar()->addMenu(QString());
    languageMenu->setObjectName(QStringLiteral("menuLanguage"));
    languageMenu->addActions(languages->actions());

    toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({connectAction, disconnectAction, reloadAction});
    toolBar->addSeparator();
    toolBar->addActions({importAction, exportSettingsAction, exportHistoryAction});
    toolBar->addSeparator();
    toolBar->addAction(checkFirmwareAction);
}

void MainWindow::createStatusBar()
{
    connectionLabel->setObjectName(QStringLiteral("connection"));
    statusBar()->addPermanentWidget(connectionLabel, 1);
    for (const QChar letter : QStringLiteral("ABCD")) {
        inputIndicators << new IoIndicator(letter, false, this);
        statusBar()->addPermanentWidget(inputIndicators.last());
    }
    for (const QChar letter : QStringLiteral("XY")) {
        outputIndicators << new IoIndicator(letter, true, this);
        statusBar()->addPermanentWidget(outputIndicators.last());
    }
}

void MainWindow::wireSession()
{
    connect(&host, &HostSession::loaderShown, loader, &LoaderDialog::showLoader);
    connect(&host, &HostSession::loaderMaximum, loader, &LoaderDialog::setLoaderMaximum);
    connect(&host, &HostSession::loaderValue, loader, &LoaderDialog::setLoaderValue);
    connect(&host, &HostSession::inputStatesChanged, this,
            [this](const QList<IoState>& states) { showStates(states, inputIndicators); });
    connect(&host, &HostSession::outputStatesChanged, this,
            [this](const QList<IoState>& states) { showStates(states, outputIndicators); });
    connect(&host, &HostSession::connectionChanged, this, [this] {
        historyReady = false;
        reloadAllowed = true;
        if (!host.isConnected()) {
            showStates({}, inputIndicators);
            showStates({}, outputIndicators);
        }
        retranslate();
        updateActions();
    });
    connect(&host, &HostSession::unitChanged, this, &MainWindow::retranslate);
    connect(&host, &HostSession::importEnabled, importAction, &QAction::setEnabled);
    connect(&host, &HostSession::reloadEnabled, this, [this](bool enabled) {
        reloadAllowed = enabled;
        updateActions();
    });
    connect(&host, &HostSession::historyAvailable, this, [this](bool available) {
        historyReady = available;
        updateActions();
    });
    connect(&host, &HostSession::loadFinished, this, &MainWindow::loaded);
    connect(&host, &HostSession::saveFinished, this, &MainWindow::saved);
    connect(&host, &HostSession::notice, this,
            [this](const QString& message) { QMessageBox::warning(this, tr("Praxon"), message); });
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    fileMenu->setTitle(tr("&File"));
    unitMenu->setTitle(tr("&Unit"));
    languageMenu->setTitle(tr("&Language"));
    toolBar->setWindowTitle(tr("Unit"));
    signalDock->setWindowTitle(tr("Signal"));
    connectAction->setText(tr("&Connect..."));
    connectAction->setToolTip(tr("Search for units and connect to one"));
    disconnectAction->setText(tr("&Disconnect"));
    reloadAction->setText(tr("&Reload"));
    reloadAction->setToolTip(tr("Read the unit's configuration again"));
    offlineAction->setText(tr("&Open saved file for offline editing..."));
    importAction->setText(tr("&Import settings..."));
    exportSettingsAction->setText(tr("&Export settings..."));
    exportHistoryAction->setText(tr("Export &history..."));
    checkFirmwareAction->setText(tr("Check &firmware"));
    upgradeFirmwareAction->setText(tr("&Upgrade firmware..."));
    printSheetAction->setText(tr("&Print configuration sheet..."));
    unitsAction->setText(tr("U&nits..."));
    historyAction->setText(tr("Unit &history..."));
    unitsAction->setToolTip(tr("Every unit in the records, and where a number or text is found"));
    saveLogAction->setText(tr("Save &diagnostic log..."));
    quitAction->setText(tr("&Quit"));
    englishAction->setText(QStringLiteral("English"));
    czechAction->setText(QStringLiteral("Čeština"));

    const QString unit = host.serial();
    if (host.isConnected())
        connectionLabel->setText(tr("Connected to unit %1").arg(unit));
    else if (host.isOffline())
        connectionLabel->setText(tr("Offline: %1").arg(host.offlineFile()));
    else
        connectionLabel->setText(tr("Not connected"));
    setWindowTitle(host.isConnected() ? tr("Praxon - RV-23 %1").arg(unit) : tr("Praxon"));
}

void MainWindow::updateActions()
{
    const bool connected = host.isConnected();
    const bool editing = connected || host.isOffline();
    connectAction->setEnabled(started);
    disconnectAction->setEnabled(editing);
    reloadAction->setEnabled(editing && reloadAllowed);
    offlineAction->setEnabled(started);
    importAction->setEnabled(editing);
    exportSettingsAction->setEnabled(editing);
    exportHistoryAction->setEnabled(connected && historyReady);
    checkFirmwareAction->setEnabled(connected);
    upgradeFirmwareAction->setEnabled(connected);
    printSheetAction->setEnabled(connected);
    unitsAction->setEnabled(started);
    historyAction->setEnabled(connected);
}

void MainWindow::showStates(const QList<IoState>& states, const QList<IoIndicator*>& indicators)
{
    for (int i = 0; i < indicators.size(); ++i)
        indicators.at(i)->setState(i < states.size() ? states.at(i).state : -1);
}

bool MainWindow::mayDropChanges()
{
    if (!started || !(host.isConnected() || host.isOffline()) || host.device()->configurationState() != Modified)
        return true;
    return QMessageBox::question(this, tr("Unsaved changes"),
                                 tr("The configuration has changes that were not saved. Drop them?"))
           == QMessageBox::Yes;
}

void MainWindow::searchAndConnect()
{
    if (!mayDropChanges())
        return;
    UnitDialog dialog(&host, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const DeviceInfo unit = dialog.chosen();
    if (!host.connectUnit(unit)) {
        statusBar()->showMessage(host.errorString(), 10000);
        return;
    }
    host.load();
}

void MainWindow::disconnectUnit()
{
    if (mayDropChanges())
        host.disconnectUnit();
}

void MainWindow::reload()
{
    if (mayDropChanges())
        host.load();
}

void MainWindow::loaded(Module::Device::ConfigurationLoadResult result)
{
    updateActions();
    if (result == Module::Device::LoadFailed)
        QMessageBox::warning(this, tr("Praxon"), tr("The configuration could not be loaded."));
    else if (result == Module::Device::LoadedModified)
        statusBar()->showMessage(tr("The unit differs from the configuration stored for it; the stored one is not saved to the unit yet."));
}

void MainWindow::saved(HostSession::SaveResult result, const QString& message)
{
    const QList<ConfigurationDiff::Change> refused = host.notTaken();
    if (result == HostSession::SaveResult::Saved && refused.isEmpty())
        statusBar()->showMessage(tr("Configuration saved"), 5000);
    else if (result != HostSession::SaveResult::Refused && refused.isEmpty())
        QMessageBox::warning(this, tr("Praxon"), message);
    if (refused.isEmpty())
        return;
    QStringList lines;
    for (const ConfigurationDiff::Change& change : refused) {
        lines << tr("%1: written %2, the unit holds %3")
                     .arg(change.path, ConfigurationDiff::valueText(change.after),
                          ConfigurationDiff::valueText(change.before));
    }
    QMessageBox::warning(this, tr("Praxon"),
                         tr("The unit did not take these settings:\n%1").arg(lines.join(QLatin1Char('\n'))));
}

void MainWindow::openOffline()
{
    if (!mayDropChanges())
        return;
    const QString file = QFileDialog::getOpenFileName(this, tr("Open saved settings"), QString(),
                                                      tr("RV-23 settings (%1)").arg(savedSettingsPattern));
    if (file.isEmpty())
        return;
    if (!host.openOffline(file))
        QMessageBox::warning(this, tr("Praxon"), host.errorString());
    else
        reportRefusedFields();
}

void MainWindow::importSettings()
{
    QString filter;
    const QString file = QFileDialog::getOpenFileName(this, tr("Import settings"), QString(),
                                                      host.device()->importFileTypes().join(QStringLiteral(";;")),
                                                      &filter);
    if (!file.isEmpty())
        importSettingsFrom(file, filter);
}

void MainWindow::importSettingsFrom(const QString& file, QString filter)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Praxon"), tr("Cannot read %1: %2").arg(file, input.errorString()));
        return;
    }
    if (filter.isEmpty())
        filter = HostSession::filterFor(host.device()->importFileTypes(), file);
    const QByteArray before = host.snapshot();
    const QByteArray data = input.readAll();
    host.keepImported(data);
    host.importConfiguration(data, filter);
    // Saved settings are taken at once; other formats pass through the unit's link first.
    if (!file.endsWith(QLatin1String(".rv23"), Qt::CaseInsensitive) && !host.settleImport())
        return;
    reportRefusedFields();
    const ClearingCheck clearing(ConfigurationDiff::compare(before, host.snapshot()));
    if (clearing.count() == 0)
        return;
    if (!clearing.needsConfirmation()) {
        statusBar()->showMessage(clearing.warning(), 10000);
        return;
    }
    // Nothing is written yet: dropping the imported edits reads the unit (or the file) again.
    if (QMessageBox::question(this, tr("Import settings"), clearing.warning() + QLatin1Char('\n')
                                                              + tr("Keep these changes?"))
        != QMessageBox::Yes)
        host.load();
}

// The module shows the fields red on their page; the count and the names stay in the status bar
// until the technician has read them.
void MainWindow::reportRefusedFields()
{
    const RefusalReport report(host.device());
    if (!report.isEmpty())
        statusBar()->showMessage(report.summary() + QStringLiteral(": ") + report.lines().join(QStringLiteral("; ")));
}

void MainWindow::exportSettings()
{
    QStringList types = host.device()->exportFileTypes();
    if (HostSession::filterFor(types, QStringLiteral("settings.rv23")).isEmpty())
        types.prepend(tr("RV-23 settings (%1)").arg(savedSettingsPattern));
    const QString file = QFileDialog::getSaveFileName(this, tr("Export settings"), QString(),
                                                      types.join(QStringLiteral(";;")));
    if (!file.isEmpty())
        exportSettingsTo(file);
}

// The format follows the file's ending, whatever filter was chosen.
void MainWindow::exportSettingsTo(const QString& file)
{
    const bool saved = file.endsWith(QLatin1String(".rv23"), Qt::CaseInsensitive);
    QString error = outputProblem(file);
    if (error.isEmpty() && !saved && HostSession::filterFor(host.device()->exportFileTypes(), file).isEmpty())
        error = tr("Cannot export to %1: the file must end in .rv23 (saved settings) or name one of: %2")
                    .arg(file, host.device()->exportFileTypes().join(QStringLiteral("; ")));
    if (error.isEmpty() && saved) {
        // What was last stored for the unit; before the first save, what the module shows.
        QByteArray text = host.isConnected() ? store.newestText(host.serial()) : QByteArray();
        if (text.isEmpty())
            text = host.snapshot();
        if (text.isEmpty())
            error = tr("The module handed over no configuration to export.");
        else
            writePrivateFile(file, text, &error);
    } else if (error.isEmpty()) {
        {
            // The form holds the unit's programming code.
            const OwnerOnlyFiles privately(file);
            host.device()->exportSettings(file);
        }
        if (!QFileInfo::exists(file))
            error = tr("The module wrote nothing to %1").arg(file);
    }
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Praxon"), error);
}

void MainWindow::checkFirmware()
{
    QString unitVersion = host.device()->deviceInfo()->behaviourVersion;
    QString offered;
    if (host.device()->checkFirmware(unitVersion, offered, QString()) == UpToDate) {
        QMessageBox::information(this, tr("Firmware"), tr("The unit's firmware is up to date."));
        return;
    }
    if (QMessageBox::question(this, tr("Firmware"), tr("The module offers another firmware version for the unit. "
                                                       "Choose an image to upload?"))
        == QMessageBox::Yes)
        upgradeFirmware();
}

void MainWindow::upgradeFirmware()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Firmware file"), QString(),
                                                      tr("Firmware (*.dwl);;All files (*)"));
    if (file.isEmpty())
        return;
    // Only the image tells its own version; an older one would take the unit back.
    const QString unitVersion = host.device()->deviceInfo()->behaviourVersion;
    const QString imageVersion = Versions::imageBehaviour(file);
    if (!imageVersion.isEmpty() && Versions::compare(imageVersion, unitVersion) < 0
        && QMessageBox::warning(this, tr("Firmware"),
                                tr("Warning: the image's firmware (behaviour version %1) is older than the unit's (%2). "
                                   "Uploading it is a downgrade. Downgrade now?")
                                    .arg(imageVersion, unitVersion),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return;
    // What the unit holds before is kept in the unit records: the upload may change it.
    const Records::VersionRecord before = host.keepBeforeFirmware();
    if (before.id == 0 || !host.device()->uploadFirmware(file))
        return;
    statusBar()->showMessage(tr("Firmware upgraded"), 10000);
    offerRestore(before);
}

void MainWindow::offerRestore(const Records::VersionRecord& before)
{
    const QList<ConfigurationDiff::Change> changes = host.changedSince(before);
    if (changes.isEmpty())
        return;
    // A box has room for a few; the rest are counted.
    constexpr int shown = 12;
    const FieldLabels labels(host.widget());
    QStringList lines;
    for (const ConfigurationDiff::Change& change : changes.mid(0, shown))
        lines << labels.describe(change);
    if (changes.size() > shown)
        lines << tr("... and %1 more").arg(changes.size() - shown);
    const QString question = tr("After the firmware upload unit %1 holds other settings than version %2 stored before "
                                "it:\n\n%3\n\nWrite version %2 back to the unit?")
                                 .arg(host.serial()).arg(before.id).arg(lines.join(QLatin1Char('\n')));
    if (QMessageBox::question(this, tr("Firmware"), question) == QMessageBox::Yes)
        host.restore(before);
}

void MainWindow::showUnits()
{
    // The labels of the module's pages, in the language they show now.
    const FieldLabels labels(host.widget());
    UnitsWindow window(&store, &labels, this);
    window.exec();
}

void MainWindow::showHistory()
{
    const FieldLabels labels(host.widget());
    UnitHistoryWindow window(&store, &labels, host.serial(), host.isConnected(), this);
    Records::VersionRecord wanted;
    connect(&window, &UnitHistoryWindow::restoreRequested, &window, [&](const Records::VersionRecord& version) {
        wanted = version;
        window.accept();
    });
    // Written once the window is closed: the save reads the unit again and may ask questions.
    if (window.exec() == QDialog::Accepted && wanted.id != 0 && wanted.serial == host.serial())
        host.restore(wanted);
}

void MainWindow::printSheet()
{
    const Records::VersionRecord newest = store.versions(host.serial()).value(0);
    if (newest.id == 0) {
        QMessageBox::warning(this, tr("Praxon"), tr("No configuration of unit %1 is stored yet.").arg(host.serial()));
        return;
    }
    const FieldLabels labels(host.widget());
    const ConfigurationSheet sheet = ConfigurationSheet::fromRecords(labels, store, newest);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Configuration sheet of unit %1").arg(host.serial()));
    // The dialog offers printing to a PDF file, too.
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        sheet.print(&printer);
}

void MainWindow::saveDiagnosticLog()
{
    const QString name = QStringLiteral("praxon-%1.log")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString file = QFileDialog::getSaveFileName(this, tr("Save diagnostic log"), name,
                                                      tr("Log files (*.log);;All files (*)"));
    QString error;
    if (!file.isEmpty() && !DiagnosticLog::save(file, &error))
        QMessageBox::warning(this, tr("Praxon"), tr("Cannot write %1: %2").arg(file, error));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayDropChanges()) {
        event->ignore();
        return;
    }
    host.shutdown();
    event->accept();
}

} // namespace Praxon
