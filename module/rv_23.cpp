#include "rv_23.h"

#include "configuration.h"
#include "logging.h"
#include "messages.h"
#include "modulesettings.h"
#include "nestedwait.h"

#include "framework/handover.h"
#include "framework/item.h"
#include "framework/widget.h"
#include "host/hosttypes.h"
#include "link/linktypes.h"
#include "link/localconnector.h"
#include "pages/events.h"
#include "pages/informations.h"
#include "pages/outputs.h"
#include "pages/settings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSet>
#include <QThread>

namespace moduleRV_23 {

namespace {

// Connector signals shown by the module while a unit's status is shown. String-based, because a
// remote connector need not be a LocalConnector; signals it lacks are left out.
struct StatusWire
{
    enum Sources { All, NotRemote, LocalOnly };
    const char* signal;
    const char* member;
    Sources sources;
};

const StatusWire statusWires[] = {
    {SIGNAL(inputStatesChanged(QList<IoState>)), SIGNAL(inputStatesSignal(QList<IoState>)), StatusWire::All},
    {SIGNAL(inputStatesChanged(QList<IoState>)), SLOT(inputStatesChanged(QList<IoState>)), StatusWire::All},
    {SIGNAL(outputStatesChanged(QList<IoState>)), SIGNAL(outputStatesSignal(QList<IoState>)), StatusWire::All},
    {SIGNAL(outputStatesChanged(QList<IoState>)), SLOT(outputStatesChanged(QList<IoState>)), StatusWire::All},
    {SIGNAL(outputsCountersChanged(Connector::Outputs)), SLOT(outputCountersChanged(Connector::Outputs)),
     StatusWire::All},
    {SIGNAL(inputsCountersChanged(Connector::Inputs)), SLOT(inputCountersChanged(Connector::Inputs)), StatusWire::All},
    {SIGNAL(voltageChanged(int)), SLOT(voltageChanged(int)), StatusWire::All},
    {SIGNAL(rssiChanged(int)), SLOT(rssiChanged(int)), StatusWire::All},
    {SIGNAL(operatorChanged(QString)), SLOT(operatorChanged(QString)), StatusWire::All},
    {SIGNAL(imeiChanged(QString)), SLOT(imeiChanged(QString)), StatusWire::All},
    {SIGNAL(deviceStatusChanged(RV23Status)), SLOT(deviceStatusChangedX(RV23Status)), StatusWire::All},
    {SIGNAL(inputsVoltageChanged(Connector::Inputs)), SLOT(inputVoltageChanged(Connector::Inputs)),
     StatusWire::NotRemote},
    {SIGNAL(timeChanged(QString)), SLOT(timeChanged(QString)), StatusWire::NotRemote},
    {SIGNAL(protocolVersionChanged(QString)), SLOT(protocolVersionChanged(QString)), StatusWire::NotRemote},
    {SIGNAL(firmwareChanged(QString)), SLOT(firmwareChanged(QString)), StatusWire::LocalOnly},
};

bool wiredFor(StatusWire::Sources sources, Common::ConfigurationSource source)
{
    return sources == StatusWire::All || (sources == StatusWire::NotRemote && source != Common::Remote)
        || source == Common::Local;
}

bool hasSignal(const QObject* sender, const char* signal)
{
    // SIGNAL() prefixes the signature with a code digit.
    return sender->metaObject()->indexOfSignal(QMetaObject::normalizedSignature(signal + 1).constData()) >= 0;
}

// The instances of this process that have an application object to end with.
QSet<RV_23*>& liveModules()
{
    static QSet<RV_23*> modules;
    return modules;
}

} // namespace

RV_23::RV_23(QObject* parent)
    : Module::Device(parent)
{
    qCDebug(lcModule) << "Creating RV_23";
    info.modelName = QStringLiteral("RV-23");
    info.ownRecord = true;
    searchTimer.setSingleShot(true);
    extended = ModuleSettings::readExtended(extended);
    // Not every host deletes the instance: many leave it to the library's unload at exit, after
    // the application object is gone. The flag is written when the application quits, and the
    // thread is stopped while the application object ends.
    if (QCoreApplication::instance()) {
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { ModuleSettings::writeExtended(extended); });
        if (liveModules().isEmpty())
            qAddPostRoutine(&RV_23::stopThreadsOfLiveModules);
        liveModules().insert(this);
    }
}

RV_23::~RV_23()
{
    qCDebug(lcModule) << "Destroying RV_23";
    if (liveModules().remove(this) && liveModules().isEmpty())
        qRemovePostRoutine(&RV_23::stopThreadsOfLiveModules);
    if (!QCoreApplication::instance()) {
        endAtExit();
        return;
    }
    ModuleSettings::writeExtended(extended);
    // The connector may still be working on the item tree: it goes first.
    stopConnectorThread();
    delete configuration;
    qCDebug(lcModule) << "RV_23 destroyed";
}

bool RV_23::extendedView() const
{
    return extended;
}

void RV_23::setExtended(bool on)
{
    if (on == extended)
        return;
    extended = on;
    ModuleSettings::writeExtended(extended);
}

bool RV_23::isConnected() const
{
    return connected;
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

void RV_23::useConnector(Connector* remote, QThread* remoteThread)
{
    stopConnectorThread();
    connector = remote;
    thread = remoteThread;
}

// --- device search ---------------------------------------------------------------------------

void RV_23::ensureLocalConnector()
{
    if (connector)
        return;
    Module::registerHostTypes();
    registerLinkTypes();
    thread = new QThread;
    auto* local = new LocalConnector;
    local->moveToThread(thread);
    connect(local, &LocalConnector::allDevicesFound, this, &RV_23::allDevicesFound);
    connector = local;
    thread->start(QThread::InheritPriority);
}

DeviceInfo* RV_23::nextFoundDevice()
{
    ensureLocalConnector();
    auto* local = qobject_cast<LocalConnector*>(connector);
    if (!local)
        return nullptr;
    if (!searching) {
        searching = true;
        searchIndex = 0;
        connect(local, &LocalConnector::deviceFound, this, &RV_23::deviceFound, Qt::UniqueConnection);
        // createWidget() takes the request away from a connector that was there before it.
        connect(this, &RV_23::getDevicesSignal, local, &LocalConnector::getSerialDevices, Qt::UniqueConnection);
        emit getDevicesSignal();
    }

    // Ends on the timer or on the next unit; an entry that is already there needs no wait.
    if (searchIndex >= foundDevices.size()) {
        QEventLoop loop;
        connect(&searchTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(local, &LocalConnector::deviceFound, &loop, &QEventLoop::quit);
        connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
        searchTimer.start(searchTimeout);
        const QPointer<RV_23> alive(this);
        loop.exec();
        if (!alive)
            return nullptr;
        searchTimer.stop();
    }

    if (searchIndex >= foundDevices.size()) {
        searching = false;
        foundDevices.clear();
        searchIndex = 0;
        searchTimeout = 5000;
        return nullptr;
    }
    return &foundDevices[searchIndex++];
}

void RV_23::deviceFound(DeviceInfo di)
{
    foundDevices.append(di);
}

void RV_23::allDevicesFound()
{
    if (auto* local = qobject_cast<LocalConnector*>(connector))
        disconnect(local, &LocalConnector::deviceFound, this, &RV_23::deviceFound);
    searchTimer.setInterval(0);
    searchTimeout = 0;
}

void RV_23::stopDeviceSearch()
{
    searchTimer.start(0);
    searchTimer.setInterval(0);
    searchTimeout = 0;
}

// --- connection ------------------------------------------------------------------------------

bool RV_23::connectDevice(Common::ConfigurationSource source)
{
    qCDebug(lcModule) << Q_FUNC_INFO;
    this->source = source;
    linkLost = false;
    tellPagesTheSource();
    setInformation(QStringLiteral("serial"), info.serialNumber);
    setInformation(QStringLiteral("firmware"), info.firmwareVersion);
    setInformation(QStringLiteral("behavversion"), info.behaviourVersion);
    Module::registerHostTypes();
    registerLinkTypes();

    switch (source) {
    case Common::Offline:
        return true;
    case Common::Local:
        if (!selectLocalDevice())
            return false;
        break;
    case Common::Remote:
        break;
    default:
        return false;
    }
    if (!connector)
        return false;

    connectCommon();
    connectStatus();
    if (connected)
        emit requestPing(true);
    return handshake();
}

bool RV_23::selectLocalDevice()
{
    if (connector && !qobject_cast<LocalConnector*>(connector))
        stopConnectorThread();
    ensureLocalConnector();
    auto* local = qobject_cast<LocalConnector*>(connector);

    connect(this, &RV_23::localDeviceSelectedSignal, local, &LocalConnector::deviceSelected,
            Qt::QueuedConnection);
    connect(local, &LocalConnector::showLoader, this, &RV_23::showLoaderSignal, Qt::UniqueConnection);
    if (settingsPage) {
        connect(settingsPage, &Settings::resetGSM, local, &LocalConnector::performResetGSM, Qt::UniqueConnection);
        connect(settingsPage, &Settings::globalReset, local, &LocalConnector::performGlobalReset,
                Qt::UniqueConnection);
    }
    if (outputsPage) {
        connect(outputsPage, &Outputs::toggleOutputX, local, &LocalConnector::performToggleOutputX,
                Qt::UniqueConnection);
        connect(outputsPage, &Outputs::toggleOutputY, local, &LocalConnector::performToggleOutputY,
                Qt::UniqueConnection);
    }

    bool selected = false;
    NestedWait wait(local);
    const auto handler = connect(local, &LocalConnector::deviceSelectionResult, this, [&](bool result) {
        selected = result;
        wait.finish();
    });
    emit localDeviceSelectedSignal(info);
    const QPointer<RV_23> alive(this);
    wait.exec();
    disconnect(handler);
    if (!alive)
        return false;
    disconnect(this, &RV_23::localDeviceSelectedSignal, nullptr, nullptr);
    // Disconnected meanwhile: the connector that answered is gone, whatever it answered.
    if (connector != local)
        return false;

    if (!selected) {
        disconnectDevice();
        //% "The unit does not respond."
        Messages::critical(nullptr, qtTrId("app.rv23.devicenotrespondig"));
        return false;
    }
    connect(this, &RV_23::cleanEvents, local, &LocalConnector::clearEvents, Qt::UniqueConnection);
    connect(this, qOverload<Framework::Item*>(&RV_23::loadEvents), local, &LocalConnector::loadEvents,
            Qt::UniqueConnection);
    connect(local, &LocalConnector::eventsLoaded, this, &RV_23::eventsLoaded, Qt::UniqueConnection);
    createEventsPage();
    if (configuration)
        connect(configuration, &Configuration::dataImported, local, &LocalConnector::dataImported,
                Qt::UniqueConnection);
    return true;
}

void RV_23::connectCommon()
{
    const auto unique = Qt::UniqueConnection;
    if (informationsPage) {
        connect(informationsPage, &Informations::resetSentSms, connector, &Connector::resetSentSms, unique);
        connect(informationsPage, &Informations::resetSentServiceSms, connector, &Connector::resetSentServiceSms,
                unique);
    }
    connect(connector, &Connector::showLoaderSignal, this, &RV_23::showLoaderSignal, unique);
    connect(connector, &Connector::setLoaderTimer, this, &RV_23::setLoaderTimer, unique);
    connect(connector, &Connector::setLoaderMax, this, &RV_23::setLoaderMax, unique);
    connect(connector, &Connector::setLoaderValue, this, &RV_23::setLoaderValue, unique);
    connect(connector, &Connector::deviceInfoChanged, this, &RV_23::deviceInfoChanged, unique);
    connect(connector, &Connector::deviceInfoChanged, this, &RV_23::onDeviceInfoChange, unique);
    connect(connector, &Connector::communicationError, this, &RV_23::bailOut, unique);
    connect(this, &RV_23::disconnectDeviceSignal, connector, &Connector::disconnectDevice, unique);
    connect(this, &RV_23::requestPing, connector, &Connector::ping, unique);
    connect(this, &RV_23::testOutputSignal, connector, &Connector::testOutput, unique);
    connect(this, &RV_23::resetDeviceSignal, connector, &Connector::resetDevice, unique);
}

void RV_23::connectStatus()
{
    if (statusWired || !connector)
        return;
    for (const StatusWire& wire : statusWires) {
        if (wiredFor(wire.sources, source) && hasSignal(connector, wire.signal))
            connect(connector, wire.signal, this, wire.member, Qt::UniqueConnection);
    }
    if (connector->metaObject()->indexOfSlot("reloadEvents()") >= 0)
        connect(this, SIGNAL(reloadEvents()), connector, SLOT(reloadEvents()), Qt::UniqueConnection);
    statusWired = true;
}

void RV_23::disconnectStatus()
{
    if (!statusWired)
        return;
    if (connector) {
        for (const StatusWire& wire : statusWires)
            disconnect(connector, wire.signal, this, wire.member);
        disconnect(this, SIGNAL(reloadEvents()), connector, nullptr);
    }
    statusWired = false;
    resetStatusDisplay();
}

bool RV_23::handshake()
{
    ConnectionResult result = NotResponding;
    NestedWait wait(connector);
    const auto handler = connect(connector, &Connector::connectionResult, this, [&](ConnectionResult answer) {
        result = answer;
        wait.finish();
    });
    connect(this, &RV_23::connectDeviceSignal, connector, &Connector::connectDevice);
    emit connectDeviceSignal();
    const QPointer<RV_23> alive(this);
    const bool answered = wait.exec();
    disconnect(handler);
    if (!alive)
        return false;
    disconnect(this, &RV_23::connectDeviceSignal, nullptr, nullptr);
    if (!connector)
        return false;

    // A link lost while connecting has already been reported by bailOut.
    if (!answered || linkLost) {
        disconnectDevice();
        return false;
    }
    switch (result) {
    case Connected:
        connected = true;
        return true;
    case NotResponding:
        qCDebug(lcModule) << "Zarizeni neodpovida!";
        disconnectDevice();
        Messages::critical(nullptr, qtTrId("app.rv23.devicenotrespondig"));
        return false;
    case FirmwareUnsupported:
        //% "The unit's firmware is not supported. Upgrade it now?"
        if (Messages::warning(nullptr, qtTrId("app.rv23.firmware.unsupporteddoupdate"),
                              QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return alive;
        // Deleted by the host while the question was open: nothing to upgrade with.
        return alive && uploadFirmware();
    }
    disconnectDevice();
    return false;
}

void RV_23::disconnectDevice()
{
    qCDebug(lcModule) << "moduleRV_23::RV_23::disconnectDevice";
    source = Common::Offline;
    tellPagesTheSource();
    disconnectStatus();
    forgetUnitDisplay();
    emit disconnectDeviceSignal();
    connected = false;
    if (widget) {
        widget->setSaveEnabled(false);
        widget->setDiscardEnabled(false);
    }
    delete eventsPage;
    // The host may delete the module while its thread ends.
    const QPointer<RV_23> alive(this);
    stopConnectorThread();
    if (alive)
        emit connectionStateChangedSignal(Disconnected);
}

void RV_23::stopConnectorThread()
{
    if (connector) {
        connector->deleteLater();
        connector = nullptr;
    }
    // Asked again while an earlier call waits for the thread (a lost line's report, the host
    // deleting the module): the item tree is the connector's until the thread has ended.
    if (!thread) {
        if (ending)
            Framework::waitForThread(ending);
        return;
    }
    QThread* const stopping = thread;
    ending = stopping;
    thread = nullptr;
    // A load or an upload under way gives up at its next wait for the line.
    stopping->requestInterruption();
    // Not QThread::wait(): the connector may be handing item work over to this thread and
    // must be served until it ends.
    stopping->quit();
    Framework::waitForThread(stopping);
    // Not a member from here on: the module may have been deleted meanwhile.
    delete stopping;
}

void RV_23::stopThreadsOfLiveModules()
{
    // Each stop serves events, in which a host may delete another instance.
    QList<QPointer<RV_23>> modules;
    for (RV_23* module : qAsConst(liveModules()))
        modules << module;
    liveModules().clear();
    Messages::setMuted(true);
    for (const QPointer<RV_23>& module : qAsConst(modules)) {
        if (module)
            module->stopConnectorThread();
    }
    Messages::setMuted(false);
}

void RV_23::endAtExit()
{
    // Without an application object there are no events to serve here and nothing left to hand
    // over: the connector ends with its thread's last events.
    if (connector)
        connector->deleteLater();
    connector = nullptr;
    if (thread) {
        thread->requestInterruption();
        thread->quit();
        thread->wait();
        delete thread;
        thread = nullptr;
    }
    // The item tree stays while the host's widgets do: its models would reset views that can
    // no longer be touched.
    if (!widget)
        delete configuration;
}

void RV_23::bailOut(int errcode)
{
    static const QHash<int, const char*> errorTexts = {
        {0, QT_TRID_NOOP("app.rv23.err.initializationfailed")},
        {1, QT_TRID_NOOP("app.rv23.err.badsmsformat")},
        {4, QT_TRID_NOOP("app.rv23.err.savingfailed")},
        {5, QT_TRID_NOOP("app.rv23.err.unsupportedascii")},
        {9, QT_TRID_NOOP("app.rv23.err.wrongcommand")},
        {10, QT_TRID_NOOP("app.rv23.err.hwproblem")},
        {11, QT_TRID_NOOP("app.rv23.err.memoryerror")},
        {12, QT_TRID_NOOP("app.rv23.err.gsmbussy")},
        {13, QT_TRID_NOOP("app.rv23.err.simerror")},
        {14, QT_TRID_NOOP("app.rv23.err.smserror")},
        {15, QT_TRID_NOOP("app.rv23.err.emptysms")},
        {16, QT_TRID_NOOP("app.rv23.err.commandmismatch")},
        {17, QT_TRID_NOOP("app.rv23.err.resendingtosamenumber")},
        {18, QT_TRID_NOOP("app.rv23.err.entrynotfound")},
        {20, QT_TRID_NOOP("app.rv23.err.smsnotsendlimiteractive")},
        {22, QT_TRID_NOOP("app.rv23.err.unabletosendsms")},
        {23, QT_TRID_NOOP("app.rv23.err.creditqueryerror")},
        {25, QT_TRID_NOOP("app.rv23.badsmsformat")},
        {27, QT_TRID_NOOP("app.rv23.err.rfnotinstalled")},
        {28, QT_TRID_NOOP("app.rv23.err.nospacetosave")},
    };

    if (errcode < 0) {
        // A dead line is usually reported twice (the failed write, then the failed poll): one
        // message is enough.
        if (linkLost)
            return;
        linkLost = true;
        emit connectionStateChangedSignal(Disconnected);
        emit showLoaderSignal(false, QString());
        const QPointer<RV_23> alive(this);
        //% "Communication with the unit failed."
        Messages::critical(nullptr, qtTrId("app.rv23.communicationerror"));
        if (alive && connected)
            disconnectDevice();
        return;
    }
    const char* id = errorTexts.value(errcode);
    //% "The unit reported error"
    const QString text = id ? qtTrId(id) : qtTrId("err.errno") + QLatin1Char(' ') + QString::number(errcode);
    Messages::critical(nullptr, text);
}

void RV_23::onDeviceInfoChange(DeviceInfo di)
{
    if (!info.modelName.isEmpty())
        di.modelName = info.modelName;
    di.text3 = info.text3;
    di.text4 = info.text4;
    di.text5 = info.text5;
    di.flagPair[0] = info.flagPair[0];
    di.flagPair[1] = info.flagPair[1];
    di.infoValue = info.infoValue;
    di.ownRecord = info.ownRecord;
    info = di;
    setInformation(QStringLiteral("serial"), info.serialNumber);
    setInformation(QStringLiteral("behavversion"), info.behaviourVersion);
}

void RV_23::tellPagesTheSource()
{
    for (Framework::TabWidgetBase* page : {static_cast<Framework::TabWidgetBase*>(outputsPage.data()),
                                          static_cast<Framework::TabWidgetBase*>(settingsPage.data()),
                                          static_cast<Framework::TabWidgetBase*>(informationsPage.data())}) {
        if (page)
            page->setConfigurationSource(source);
    }
}

void RV_23::testOutput(int index)
{
    emit testOutputSignal(index);
}

void RV_23::showInputsOnDialog(int) {}

void RV_23::showInputsOffDialog(int) {}

QStringList RV_23::exportFileTypes()
{
    return configuration ? configuration->fileTypes() : QStringList();
}

QStringList RV_23::importFileTypes()
{
    return exportFileTypes();
}

Configuration* RV_23::configurationObject() const
{
    return configuration;
}

} // namespace moduleRV_23
