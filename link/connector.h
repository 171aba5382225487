#pragma once

#include "connectorinputs.h"
#include "connectoroutputs.h"

#include "host/deviceinfo.h"
#include "host/hostenums.h"

#include <QObject>
#include <QString>

class QTimer;

namespace Framework {
class Item;
}

namespace moduleRV_23 {

// The device module's view of a unit connection; the module talks to it only through queued
// signals and slots, so it can live in a thread of its own.
//
// The order of the slots is the order of their virtual-table entries: never reorder them.
class Connector : public QObject
{
    Q_OBJECT

public:
    using Inputs = ConnectorInputs;
    using Outputs = ConnectorOutputs;

    explicit Connector(QObject* parent = nullptr);

signals:
    void connectionResult(ConnectionResult result);
    void deviceInfoChanged(DeviceInfo info);
    // -1: the link is lost; any other number is an error the unit reported.
    void communicationError(int code);
    void loadedSignal(bool loaded);
    void savedSignal(bool saved);
    void showLoaderSignal(bool show, QString text = QString());
    void setLoaderTimer(const QTimer* timer);
    void setLoaderMax(int max);
    void setLoaderValue(int value);

public slots:
    virtual void testOutput(int index) = 0;
    virtual void load(Framework::Item* topItem) = 0;
    virtual void save(Framework::Item* topItem) = 0;
    virtual void resetInputCounter(int index) = 0;
    virtual void resetOutputCounter(int index) = 0;
    virtual void disconnectDevice() = 0;
    virtual void connectDevice() = 0;
    virtual void resetSentSms() = 0;
    virtual void resetSentServiceSms() = 0;
    virtual void resetDevice() = 0;
    virtual void ping(bool force) = 0;
};

} // namespace moduleRV_23
