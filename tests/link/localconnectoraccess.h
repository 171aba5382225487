#pragma once

#include "link/commandanswer.h"
#include "link/localconnector.h"

#include <QSerialPort>
#include <QTimer>

namespace Testing {

// Reaches the connector's private operations, so that tests can call the blocking transport
// directly and look at the state the slots leave behind.
class LocalConnectorAccess final
{
public:
    explicit LocalConnectorAccess(moduleRV_23::LocalConnector& connector)
        : c(connector)
    {
    }

    // Makes the port at path the selected one, as a selection after a search would.
    void select(const QString& path) { c.port = new QSerialPort(path, &c); }
    bool openSelectedPort(bool startPolling) { return c.openSelectedPort(startPolling); }
    moduleRV_23::CommandAnswer sendAndReceive(const QString& command, int timeoutMs)
    {
        return c.sendAndReceive(command, timeoutMs);
    }
    void sendPacket(const QString& hex) { c.sendPacket(hex); }
    bool executeCmd(const QString& command) { return c.executeCmd(command); }
    void dispatchLine(const QString& line) { c.dispatchLine(line); }
    void ping(bool force) { c.ping(force); }
    void setXmodemMode(bool on) { c.xmodemMode = on; }
    bool xmodemMode() const { return c.xmodemMode; }
    bool xmodemSend(const QByteArray& file) { return c.xmodemSend(file); }

    moduleRV_23::LiveStatus& liveStatus() { return c.liveStatus; }
    QString lastImei() const { return c.lastImei; }
    QList<moduleRV_23::HistoryEvent*> events() const { return c.events; }
    QSerialPort* port() const { return c.port; }
    bool connected() const { return c.connected; }
    bool polling() const { return c.pingTimer && c.pingTimer->isActive(); }
    int pollInterval() const { return c.pingTimer ? c.pingTimer->interval() : 0; }
    int foundPorts() const { return c.foundPorts.size(); }

    // Configuration load and save.
    RV23_Config& configData() { return c.configData; }

private:
    moduleRV_23::LocalConnector& c;
};

} // namespace Testing
