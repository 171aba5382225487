#include "connectorsession.h"

#include "framework/handover.h"
#include "framework/item.h"
#include "link/linktypes.h"
#include "sanitize/threadorder.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace Testing {

using moduleRV_23::LocalConnector;

namespace {

const int searchTimeoutMs = 10000;

} // namespace

ConnectorSession::ConnectorSession(const Sim::Options& options)
    : logPath(options.logPath)
    , simulator(options)
    , configuration(&described)
    , connector(new LocalConnector)
    , loaded(connector, &LocalConnector::loadedSignal)
    , saved(connector, &LocalConnector::savedSignal)
{
    moduleRV_23::registerLinkTypes();
    connector->moveToThread(&thread);
    thread.start();
}

ConnectorSession::~ConnectorSession()
{
    connector->deleteLater();
    thread.quit();
    Framework::waitForThread(&thread);
}

Sim::Options ConnectorSession::unitIn(const QString& folder, const QMap<int, QString>& cells)
{
    Sim::Options options;
    options.statePath = folder + QStringLiteral("/unit.json");
    options.logPath = folder + QStringLiteral("/received.log");
    QJsonObject memory;
    for (auto it = cells.cbegin(); it != cells.cend(); ++it)
        memory.insert(QString::number(it.key()), it.value());
    QFile state(options.statePath);
    if (state.open(QIODevice::WriteOnly))
        state.write(QJsonDocument(QJsonObject{{QStringLiteral("memory"), memory}}).toJson());
    return options;
}

bool ConnectorSession::start()
{
    if (!described) {
        failure = QStringLiteral("the page description could not be read");
        return false;
    }
    if (!simulator.start()) {
        failure = simulator.errorString();
        return false;
    }
    qputenv("RV23_EXTRA_PORTS", simulator.portPath().toLocal8Bit());
    QueuedSpy found(connector, &LocalConnector::deviceFound);
    QueuedSpy searched(connector, &LocalConnector::allDevicesFound);
    Sanitize::post(connector, [this] { connector->getSerialDevices(); });
    if (!searched.wait(1, searchTimeoutMs) || found.count() != 1) {
        failure = QStringLiteral("the unit was not found");
        return false;
    }
    QueuedSpy selected(connector, &LocalConnector::deviceSelectionResult);
    QueuedSpy connected(connector, &LocalConnector::connectionResult);
    announced = found.last().value<DeviceInfo>();
    Sanitize::post(connector, [this] {
        connector->deviceSelected(announced);
        connector->connectDevice();
    });
    if (!connected.wait(1, searchTimeoutMs) || !selected.last().toBool()) {
        failure = QStringLiteral("the unit was not connected");
        return false;
    }
    return true;
}

bool ConnectorSession::load(int timeoutMs)
{
    const int before = loaded.count();
    Framework::Item* tree = top();
    Sanitize::post(connector, [this, tree] { connector->load(tree); });
    if (!loaded.wait(before + 1, timeoutMs))
        return false;
    tree->clearRowMarks();
    return true;
}

bool ConnectorSession::save(int timeoutMs)
{
    const int before = saved.count();
    Framework::Item* tree = top();
    Sanitize::post(connector, [this, tree] { connector->save(tree); });
    return saved.wait(before + 1, timeoutMs);
}

bool ConnectorSession::run(const std::function<void(LocalConnector*)>& work, int timeoutMs)
{
    QueuedSpy done(this, &ConnectorSession::returned);
    Sanitize::post(connector, [this, work] {
        work(connector);
        emit returned();
    });
    return done.wait(1, timeoutMs);
}

Framework::Item* ConnectorSession::top() const
{
    return configuration.topItem();
}

Framework::Item* ConnectorSession::item(const QString& shortName) const
{
    const auto items = top()->findChildren<Framework::Item*>();
    for (Framework::Item* candidate : items) {
        if (candidate->shortName() == shortName)
            return candidate;
    }
    return nullptr;
}

Framework::Item* ConnectorSession::cell(const QString& table, int column, int row) const
{
    const Framework::Item* tableItem = item(table);
    const Framework::Item* columnItem = tableItem ? tableItem->child(column) : nullptr;
    return columnItem ? columnItem->child(row) : nullptr;
}

QStringList ConnectorSession::receivedLines() const
{
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace Testing
