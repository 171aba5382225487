#include "localconnector.h"

#include "commandanswer.h"
#include "commands.h"
#include "logging.h"
#include "portlist.h"

#include "history/historyevent.h"

#include <QSerialPort>
#include <QTimer>

namespace moduleRV_23 {

namespace {

const QLatin1String unitMaker("TESSALINE");
// The maker's other interface: it answers on the same commands but is not an RV-23.
const QLatin1String excludedDescription("RV-23K USB Interface");
const int pollIntervalMs = 3000;
const int readBufferSize = 65535;

bool setLineSpeed(QSerialPort* serial)
{
    return serial->setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
}

DeviceInfo announcedUnit()
{
    DeviceInfo info;
    for (const char* input : {"A", "B", "C", "D"})
        info.inputStates.insert(QLatin1String(input), 3);
    for (const char* output : {"X", "Y"})
        info.outputStates.insert(QLatin1String(output), 3);
    return info;
}

} // namespace

LocalConnector::LocalConnector(QObject* parent)
    : Connector(parent)
    , translator(this)
    , readBuffer(readBufferSize, '\0')
{
}

// The port, the poll timer and the probed ports are children and go with the connector.
LocalConnector::~LocalConnector()
{
    qDeleteAll(events);
}

void LocalConnector::getSerialDevices()
{
    qDeleteAll(foundPorts);
    foundPorts.clear();
    const QList<PortCandidate> ports = candidatePorts();
    if (ports.isEmpty())
        qCDebug(lcLink) << "Unable to found any port";
    for (const PortCandidate& candidate : ports) {
        qCDebug(lcLink).noquote() << candidate.description;
        qCDebug(lcLink).noquote() << candidate.manufacturer;
        if (candidate.manufacturer == unitMaker && candidate.description != excludedDescription)
            probePort(candidate);
    }
    emit allDevicesFound();
}

void LocalConnector::probePort(const PortCandidate& info)
{
    DeviceInfo unit = announcedUnit();
    qCDebug(lcLink).noquote() << "Port name :" << info.portName;
    QSerialPort* probe = createPort(info);
    if (!probe->setFlowControl(QSerialPort::HardwareControl)) {
        qCDebug(lcLink) << "Unable to set flow control!";
        delete probe;
        return;
    }
    if (!probe->open(QIODevice::ReadWrite)) {
        qCDebug(lcLink).noquote() << "Unable to open port " << info.portName << probe->errorString();
        delete probe;
        return;
    }
    if (!setLineSpeed(probe)) {
        qCDebug(lcLink) << "Unable to set baud rate!";
        delete probe;
        return;
    }

    port = probe;
    if (identifyUnit()) {
        unit.statusText = liveStatus.field1;
        unit.serialNumber = liveStatus.serialNumber;
        unit.firmwareVersion = liveStatus.firmware;
        unit.behaviourVersion = liveStatus.behaviourVersion;
    }
    port = nullptr;
    probe->close();
    if (unit.serialNumber.isEmpty()) {
        delete probe;
        return;
    }
    qCDebug(lcLink).noquote() << "serial: " << unit.serialNumber;
    unit.modelName = QStringLiteral("RV-23");
    emit deviceFound(unit);
    delete foundPorts.take(unit.serialNumber);
    foundPorts.insert(unit.serialNumber, probe);
}

void LocalConnector::deviceSelected(DeviceInfo di)
{
    // Selected again while connected: the open port is that unit's, and no probe could open it.
    if (port && port->isOpen() && liveStatus.serialNumber == di.serialNumber) {
        emit deviceSelectionResult(true);
        return;
    }
    QSerialPort* selected = foundPorts.take(di.serialNumber);
    if (!selected)
        qCDebug(lcLink) << "Unable to found selected device!";
    qDeleteAll(foundPorts);
    foundPorts.clear();
    if (!selected)
        selected = findPortBySerial(di.serialNumber);
    if (selected)
        port = selected;
    emit deviceSelectionResult(selected != nullptr);
}

// Unlike discovery, the search by serial number asks every port whatever its maker: the user
// has already chosen the unit, so any port that turns out to be it will do.
QSerialPort* LocalConnector::findPortBySerial(const QString& serial)
{
    const QList<PortCandidate> ports = candidatePorts();
    if (ports.isEmpty()) {
        qCDebug(lcLink) << "Unable to found any port";
        emit allDevicesFound();
        return nullptr;
    }
    for (const PortCandidate& candidate : ports) {
        if (candidate.description == excludedDescription)
            continue;
        QSerialPort* probe = createPort(candidate);
        if (!probe->setFlowControl(QSerialPort::HardwareControl)) {
            qCDebug(lcLink) << "Unable to set flow control!";
            delete probe;
            return nullptr;
        }
        if (!probe->open(QIODevice::ReadWrite)) {
            delete probe;
            continue;
        }
        if (!setLineSpeed(probe)) {
            qCDebug(lcLink) << "Unable to set baud rate!";
            delete probe;
            continue;
        }

        port = probe;
        connected = true;
        qCDebug(lcLink).noquote() << "Port : " << candidate.portName;
        const bool answered = identifyUnit();
        if (answered)
            qCDebug(lcLink).noquote() << "Serial number : " << liveStatus.serialNumber;
        probe->close();
        if (answered && !serial.isEmpty() && liveStatus.serialNumber == serial)
            return probe;
        delete probe;
        port = nullptr;
    }
    return nullptr;
}

bool LocalConnector::openSelectedPort(bool startPolling)
{
    if (!port) {
        qCDebug(lcLink) << "There is not any selected port!";
        return false;
    }
    if (port->isOpen()) {
        if (startPolling)
            startPoll(false);
        return true;
    }
    port->setFlowControl(QSerialPort::HardwareControl);
    qCDebug(lcLink).noquote() << "Opening port " << port->portName();
    if (!port->open(QIODevice::ReadWrite)) {
        qCDebug(lcLink).noquote() << "Unable to open port!" << port->errorString();
        emit communicationError(-1);
        return false;
    }
    if (!setLineSpeed(port)) {
        qCDebug(lcLink) << "Unable to set baud rate!";
        port->close();
        emit communicationError(-1);
        return false;
    }
    hearAgain();
    if (!pingTimer)
        pingTimer = new QTimer(this);
    if (startPolling)
        startPoll(false);
    return true;
}

void LocalConnector::connectDevice()
{
    connected = openSelectedPort(true);
    if (connected)
        startPoll(true);
    emit connectionResult(Connected);
}

void LocalConnector::disconnectDevice()
{
    qCDebug(lcLink) << Q_FUNC_INFO;
    connected = false;
    // The next unit on this connector must not be taken for this one.
    liveStatus = LiveStatus();
    if (port)
        port->close();
}

QSerialPort* LocalConnector::createPort(const PortCandidate& candidate)
{
    auto* serial = new QSerialPort(this);
    serial->setPortName(candidate.location);
    return serial;
}

// The three questions that tell what unit is behind a port; false when it did not even answer
// the echo switch.
bool LocalConnector::identifyUnit()
{
    hearAgain();
    if (!executeCmd(Commands::echoOn()))
        return false;
    executeCmd(Commands::statusRequest());
    executeCmd(Commands::memoryRead(1));
    return true;
}

// The poll timer is connected uniquely, so that connecting again never doubles the polls.
void LocalConnector::startPoll(bool force)
{
    if (!pingTimer)
        pingTimer = new QTimer(this);
    pingTimer->setSingleShot(false);
    pingTimer->setInterval(pollIntervalMs);
    connect(pingTimer, &QTimer::timeout, this, qOverload<>(&LocalConnector::ping), Qt::UniqueConnection);
    ping(force);
    pingTimer->start();
}

} // namespace moduleRV_23
