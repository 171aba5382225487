// RV_23: the host's load and save requests, the container's save and discard buttons and the
// event log requests of the Events page.
#include "rv_23.h"

#include "configuration.h"
#include "historyexport.h"
#include "logging.h"
#include "messages.h"
#include "nestedwait.h"

#include "framework/item.h"
#include "framework/model.h"
#include "framework/widget.h"
#include "link/localconnector.h"
#include "pages/settings.h"
#include "sanitize/threadorder.h"

#include <QFileDialog>
#include <QTableView>

namespace moduleRV_23 {

bool RV_23::readFromUnit()
{
    if (!connector || !configuration)
        return false;
    Framework::Model* informations = configuration->informationsModel();
    informations->setNotify(false);
    bool loaded = false;
    NestedWait wait(connector);
    const auto handler = connect(connector, &Connector::loadedSignal, this, [&](bool result) {
        loaded = result;
        wait.finish();
    });
    connect(this, &RV_23::loadSignal, connector, &Connector::load);
    emit loadSignal(configuration->topItem());
    const QPointer<RV_23> alive(this);
    wait.exec();
    disconnect(handler);
    if (!alive)
        return false;
    disconnect(this, &RV_23::loadSignal, nullptr, nullptr);
    // What a connector read from a line that was lost meanwhile is not the unit's configuration.
    loaded = loaded && connector && !linkLost;
    if (loaded)
        configuration->topItem()->clearRowMarks();
    informations->setNotify(true);
    return loaded;
}

void RV_23::waitForConnector()
{
    if (!connector)
        return;
    // Requests are carried out in order, so an empty one queued last ends after all of them.
    NestedWait wait(connector);
    Sanitize::post(connector, [waiting = &wait] { Sanitize::post(waiting, [waiting] { waiting->finish(); }); });
    wait.exec();
}

Module::Device::ConfigurationLoadResult RV_23::loadConfiguration(const QByteArray& data)
{
    qCDebug(lcModule) << Q_FUNC_INFO;
    if (!configuration || !widget)
        return LoadFailed;
    const auto tables = widget->findChildren<QTableView*>();
    for (QTableView* table : tables)
        table->clearSelection();

    if (source != Common::Offline && !readFromUnit())
        return LoadFailed;
    bool changed = false;
    if (!data.isEmpty()
        && !configuration->applyDynamicConfiguration(data, source == Common::Offline, source != Common::Offline,
                                                     &changed))
        return LoadFailed;
    if (source == Common::Local) {
        if (auto* local = qobject_cast<LocalConnector*>(connector))
            connect(local, &LocalConnector::timeChanged, this, &RV_23::timeChanged, Qt::UniqueConnection);
    }
    settingsPage->setControls();
    showRefusedFields();
    if (!changed)
        return Loaded;
    unsaved = true;
    qCDebug(lcModule) << "_unsaved = true";
    widget->setSaveEnabled(true);
    return LoadedModified;
}

void RV_23::configurationSaveRequest()
{
    qCDebug(lcModule) << Q_FUNC_INFO;
    if (!configuration || !widget)
        return;
    const Framework::ItemState state = configuration->topItem()->state();
    if (widget->validate() && !(state & (Framework::OutOfRange | Framework::InputError))) {
        emit requestConfigurationSaveSignal(configuration->topItem()->toJsonString(), false);
        return;
    }
    //% "The configuration cannot be saved. Please correct the values marked in red."
    Messages::warning(nullptr, qtTrId("app.rv23.configuration.unabletosavepleasefix"));
}

bool RV_23::saveToDevice()
{
    //% "Saving the configuration to the unit..."
    emit showLoaderSignal(true, qtTrId("app.cfg.savingtodevice"));
    bool saved = false;
    // Without a unit nobody takes the save, whatever a connector left from a search would say.
    if (connected && connector && configuration) {
        NestedWait wait(connector);
        const auto handler = connect(connector, &Connector::savedSignal, this, [&](bool result) {
            saved = result;
            wait.finish();
        });
        connect(this, &RV_23::saveSignal, connector, &Connector::save);
        emit saveSignal(configuration->topItem());
        const QPointer<RV_23> alive(this);
        wait.exec();
        disconnect(handler);
        if (!alive)
            return false;
        disconnect(this, &RV_23::saveSignal, nullptr, nullptr);
        saved = saved && connector && !linkLost;
        if (saved)
            quietly([this] { configuration->topItem()->clearRowMarks(); });
    }
    emit showLoaderSignal(false, QString());
    return saved;
}

void RV_23::configurationSaved(bool)
{
    qCDebug(lcModule) << Q_FUNC_INFO;
    emit enableReload(true);
    if (widget)
        widget->setSaveEnabled(false);
    emit enableImportSignal(false);
    switch (source) {
    case Common::Remote:
        break;
    case Common::Offline:
        if (configuration) {
            quietly([this] { configuration->topItem()->clearRowMarks(); });
            configuration->topItem()->resetValues(Framework::Commit);
        }
        break;
    default:
        emit requestConfigurationLoadSignal();
        break;
    }
    emit configurationSaveDoneSignal();
}

void RV_23::discard()
{
    emit requestConfigurationLoadSignal();
}

bool RV_23::resetAndReload()
{
    emit resetDeviceSignal();
    return readFromUnit();
}

ConfigurationState RV_23::configurationState()
{
    if (configuration) {
        const Framework::ItemState state = configuration->topItem()->state();
        if (state & Framework::Changed)
            return Modified;
        if (state & (Framework::OutOfRange | Framework::InputError))
            return Invalid;
    }
    return unsaved ? Unsaved : Saved;
}

void RV_23::loadEvents()
{
    // Without a unit nobody would answer, and the loader would stay.
    if (!configuration || !connector)
        return;
    //% "Reading the event log..."
    emit showLoaderSignal(true, qtTrId("app.rv23.events.loading"));
    configuration->eventsModel()->setNotify(false);
    emit loadEvents(configuration->events());
}

void RV_23::clearEvents()
{
    if (!configuration || !connector)
        return;
    //% "Clearing the event log..."
    emit showLoaderSignal(true, qtTrId("app.rv23.events.clearing"));
    configuration->eventsModel()->setNotify(false);
    emit cleanEvents(configuration->events());
}

void RV_23::eventsLoaded(bool state)
{
    if (configuration)
        configuration->eventsModel()->setNotify(true);
    emit showLoaderSignal(false, QString());
    emit historyAvaliable(state);
}

void RV_23::exportSettings(const QString& path)
{
    qCDebug(lcModule) << "Export data" << path;
    auto* local = qobject_cast<LocalConnector*>(connector);
    if (!local || !configuration)
        return;
    //% "Exporting the settings..."
    emit showLoaderSignal(true, qtTrId("app.rv23.settings.export"));
    QString ownNumber;
    if (Framework::Item* values = configuration->informations()->child(QStringLiteral("values"))) {
        if (Framework::Item* own = values->child(QStringLiteral("ownphonenumber")))
            ownNumber = own->currentValue().toString();
    }
    qCDebug(lcModule) << "ownphonenumber > " << ownNumber;
    // The record belongs to the connector's thread: the export runs there, between its other
    // requests, while this thread waits without blocking.
    Sanitize::post(local, [local, path, ownNumber] { local->exportData(path, ownNumber); });
    waitForConnector();
    emit showLoaderSignal(false, QString());
}

void RV_23::exportHistory()
{
    if (!configuration || !configuration->events())
        return;
    //% "Save as"
    const QString path = QFileDialog::getSaveFileName(
        widget, qtTrId("app.rv23.saveas"), QString(),
        QStringLiteral("Formát PDF (*.pdf);;CSV (oddělený středníkem) (*.csv);;Webová stránka (*.htm;*.html)"));
    exportHistoryTo(path);
}

bool RV_23::exportHistoryTo(const QString& path)
{
    if (!configuration || !configuration->events())
        return false;
    if (!HistoryExport::isPdf(path))
        return HistoryExport::writeFile(configuration->events(), path);
    const QString text = HistoryExport::render(configuration->events(), path);
    emit showLoaderSignal(true, QString());
    const bool printed = HistoryExport::printPdf(text, path);
    emit showLoaderSignal(false, QString());
    return printed;
}

} // namespace moduleRV_23
