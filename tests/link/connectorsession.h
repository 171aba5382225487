#pragma once

#include "queuedspy.h"

#include "link/localconnector.h"
#include "module/configuration.h"
#include "sim/simulatorthread.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <functional>

namespace Framework {
class Item;
}

namespace Testing {

// A simulated unit, the page tree the module builds from its embedded description, and a
// connector in a thread of its own, found, selected and connected as the module does it.
// Requests reach the connector queued; this thread waits for the answers in nested event
// loops and so serves the item work the connector hands over, as the module's thread does.
class ConnectorSession final : public QObject
{
    Q_OBJECT

public:
    explicit ConnectorSession(const Sim::Options& options = Sim::Options());
    ~ConnectorSession() override;

    // A unit that keeps its state and its log of received lines in folder, with the factory
    // memory except for the given cells.
    static Sim::Options unitIn(const QString& folder, const QMap<int, QString>& cells = {});

    // Starts the unit, then finds, selects and connects it; false with a message in error().
    bool start();
    QString error() const { return failure; }

    // Each returns whether the connector answered within the time; the answer is in loaded and
    // saved. A load clears the row marks after it, as the module does.
    bool load(int timeoutMs = 60000);
    bool save(int timeoutMs = 60000);
    // Runs work in the connector's thread and waits until it has returned.
    bool run(const std::function<void(moduleRV_23::LocalConnector*)>& work, int timeoutMs = 60000);

    Framework::Item* top() const;
    Framework::Item* events() const { return configuration.events(); }
    // To watch the connector's signals from this thread; its slots are called through run().
    const moduleRV_23::LocalConnector* watched() const { return connector; }
    // The item with that short name outside the tables (those names are unique).
    Framework::Item* item(const QString& shortName) const;
    // Row row of column column of the table with that short name.
    Framework::Item* cell(const QString& table, int column, int row) const;

    Sim::SimulatorThread& unit() { return simulator; }
    // The lines the unit received, when its log was asked for.
    QStringList receivedLines() const;

signals:
    void returned();

private:
    QString logPath;
    Sim::SimulatorThread simulator;
    bool described = false;
    moduleRV_23::Configuration configuration;
    QThread thread;
    moduleRV_23::LocalConnector* connector;
    QString failure;
    DeviceInfo announced;

public:
    // The connector's answers, recorded in this thread.
    QueuedSpy loaded;
    QueuedSpy saved;
};

} // namespace Testing
