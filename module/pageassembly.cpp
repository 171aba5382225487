// RV_23: the pages the host embeds, and the unit's live status shown in them.
#include "rv_23.h"

#include "configuration.h"
#include "logging.h"
#include "messages.h"
#include "refusedfields.h"

#include "framework/binditems.h"
#include "framework/item.h"
#include "framework/model.h"
#include "framework/widget.h"
#include "link/localconnector.h"
#include "pages/events.h"
#include "pages/informations.h"
#include "pages/inputs.h"
#include "pages/outputs.h"
#include "pages/settings.h"

#include <QFile>

namespace moduleRV_23 {

namespace {

const QStringList inputStateNames = {"leStavA", "leStavB", "leStavC", "leStavD"};
const QStringList outputStateNames = {"leStavX", "leStavY"};

} // namespace

QWidget* RV_23::createWidget()
{
    registerConfigType();
    if (connector)
        disconnect(this, &RV_23::getDevicesSignal, connector, nullptr);

    bool ok = false;
    configuration = new Configuration(&ok);
    if (!ok) {
        //% "The page description of the module cannot be read."
        Messages::critical(nullptr, qtTrId("app.rv23.configuration.error"));
        return nullptr;
    }

    shownStates.clear();
    widget = new Framework::Widget(extended);
    inputsPage = new Inputs(widget);
    outputsPage = new Outputs(widget);
    settingsPage = new Settings(widget);
    informationsPage = new Informations(configuration->informationsModel(), widget);
    widget->addTab(inputsPage, configuration->inputs());
    widget->addTab(outputsPage, configuration->outputs());
    widget->addTab(settingsPage, configuration->settings());
    widget->addTab(informationsPage, configuration->informations());
    if (source == Common::Local)
        createEventsPage();

    connect(widget, &Framework::Widget::discardClicked, this, &RV_23::discard);
    connect(widget, &Framework::Widget::saveClicked, this, &RV_23::configurationSaveRequest);
    connect(widget, &Framework::Widget::extendedToggled, this, &RV_23::setExtended);
    connect(widget, &Framework::Widget::retranslated, this, &RV_23::reshowStates);

    Framework::bindItems(inputsPage, configuration->inputs()->children());
    Framework::bindItems(outputsPage, configuration->outputs()->children());
    Framework::bindItems(settingsPage, configuration->settings()->children());

    if (source == Common::Local || source == Common::Remote) {
        connect(settingsPage, &Settings::stopTimeUpdates, this, &RV_23::stopTimeUpdates);
        connect(settingsPage, &Settings::startTimeUpdates, this, &RV_23::startTimeUpdates);
    }
    widget->showExtended(extended);
    widget->setItem(configuration->topItem());
    return widget;
}

void RV_23::createEventsPage()
{
    if (eventsPage || !widget || !configuration)
        return;
    eventsPage = new Events(configuration->eventsModel(), widget);
    connect(eventsPage, &Events::loadEvents, this, qOverload<>(&RV_23::loadEvents));
    connect(eventsPage, &Events::clearEvents, this, &RV_23::clearEvents);
    widget->addTab(eventsPage, configuration->events());
    connect(widget, &Framework::Widget::tabChanged, this, &RV_23::onTabChanged, Qt::UniqueConnection);
}

void RV_23::onTabChanged(int index)
{
    if (eventsPage && index == widget->indexOf(eventsPage) && connector)
        loadEvents();
}

void RV_23::applyStyle(const QString& baseDir)
{
    QFile style(baseDir + QStringLiteral("styles") + QStringLiteral("/RV_23_Style.qss"));
    if (!style.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(lcModule) << "Unable to open RV-23 style file!";
        return;
    }
    if (widget)
        widget->setStyleSheet(QString::fromUtf8(style.readAll()));
}

void RV_23::setName(const QString& name)
{
    Module::Device::setName(name);
    retitleTabs();
}

void RV_23::retitleTabs()
{
    if (!widget || !configuration)
        return;
    const auto pages = configuration->topItem()->children();
    for (const Framework::Item* page : pages)
        widget->setTabTitle(page->index(), page->label(), page->tooltip(true));
}

void RV_23::refreshDevice()
{
    retitleTabs();
    emit requestPing(true);
    emit reloadEvents();
    if (configuration)
        configuration->informationsModel()->setNotify(true);
}

void RV_23::followChanges()
{
    const bool changed = configuration->topItem()->state() & Framework::Changed;
    widget->setSaveEnabled(changed);
    widget->setDiscardEnabled(changed);
}

void RV_23::unlockConfiguration()
{
    if (!configuration || !widget)
        return;
    if (connected)
        connectStatus();
    for (QWidget* page : {static_cast<QWidget*>(inputsPage), static_cast<QWidget*>(outputsPage),
                          static_cast<QWidget*>(settingsPage)})
        page->setEnabled(true);
    configuration->informationsModel()->setEnabled(true);
    followChanges();
    quietly([this] { configuration->topItem()->resetValues(Framework::Revert); });
}

void RV_23::showConfiguration(const QByteArray& data)
{
    if (!configuration || !widget)
        return;
    disconnectStatus();
    for (QWidget* page : {static_cast<QWidget*>(inputsPage), static_cast<QWidget*>(outputsPage),
                          static_cast<QWidget*>(settingsPage)})
        page->setEnabled(false);
    configuration->informationsModel()->setEnabled(false);
    if (data.isEmpty()) {
        quietly([this] { configuration->topItem()->resetValues(Framework::EditDefaults); });
    } else {
        bool changed = false;
        configuration->applyDynamicConfiguration(data, false, false, &changed);
    }
    followChanges();
    widget->setDiscardEnabled(false);
    showRefusedFields();
}

void RV_23::showImportedConfigurations(const QByteArray& data, const QString& selectedFilter)
{
    if (!configuration || !widget)
        return;
    disconnectStatus();
    configuration->informationsModel()->setEnabled(false);
    settingsPage->setEnabled(false);
    // This call reports nothing to the host: the technician must see that the file was refused,
    // not take the unchanged pages for its content.
    if (!configuration->importConfigurations(data, selectedFilter)) {
        //% "The file cannot be imported: its content does not match the chosen file type."
        Messages::critical(nullptr, qtTrId("app.rv23.configuration.importfailed"));
    }
    // A web-portal text reaches the items through the connector: let it finish first.
    waitForConnector();
    followChanges();
    widget->setDiscardEnabled(false);
    showRefusedFields();
}

void RV_23::showRefusedFields()
{
    const QList<const Framework::Item*> refused = RefusedFields::marked(configuration->topItem());
    if (!refused.isEmpty())
        widget->showPageOf(refused.first());
}

QVariantList RV_23::refusedFields() const
{
    return configuration ? RefusedFields::describe(configuration->topItem()) : QVariantList();
}

void RV_23::resetItems()
{
    if (configuration)
        configuration->topItem()->resetValues(Framework::Compact);
}

void RV_23::quietly(const std::function<void()>& change)
{
    Framework::Model* model = configuration->informationsModel();
    model->setNotify(false);
    change();
    model->setNotify(true);
}

// --- live status -----------------------------------------------------------------------------

void RV_23::setInformation(const QString& row, const QVariant& value)
{
    if (!configuration)
        return;
    if (Framework::Item* values = configuration->informations()->child(QStringLiteral("values"))) {
        if (Framework::Item* cell = values->child(row))
            cell->setValue(value);
    }
}

// Found once: a status comes with every event record, hundreds in a row during a load.
Framework::Item* RV_23::statusItem(const QString& name)
{
    QPointer<Framework::Item>& cached = statusItems[name];
    if (!cached && configuration) {
        for (Framework::Item* page : {configuration->inputs(), configuration->outputs()}) {
            const auto items = page->findChildren<Framework::Item*>();
            for (Framework::Item* item : items) {
                if (item->shortName() == name && item->command().isEmpty())
                    cached = item;
            }
        }
    }
    return cached;
}

void RV_23::showState(const QString& name, bool on, const char* activeText, const char* inactiveText)
{
    if (Framework::Item* item = statusItem(name)) {
        const char* text = on ? activeText : inactiveText;
        shownStates.insert(name, text);
        item->setForeground(on ? Qt::red : Qt::darkGreen);
        item->setValue(qtTrId(text));
    }
}

void RV_23::reshowStates()
{
    for (auto shown = shownStates.cbegin(); shown != shownStates.cend(); ++shown) {
        if (Framework::Item* item = statusItem(shown.key()))
            item->setValue(qtTrId(shown.value()));
    }
}

void RV_23::showIoStates(const QStringList& names, const QList<IoState>& states, const char* activeText,
                         const char* inactiveText)
{
    if (states.size() < names.size())
        return;
    for (int which = 0; which < names.size(); ++which) {
        const int state = states.at(which).state;
        if (state == 0 || state == 2)
            showState(names.at(which), state == 2, activeText, inactiveText);
    }
}

void RV_23::reenableToggle(const QString& name, bool reported, bool lastToggle)
{
    Framework::Item* button = statusItem(name);
    if (button && !button->isEnabled() && lastToggle != reported)
        button->setEnabled(true);
}

void RV_23::deviceStatusChangedX(RV23Status status)
{
    const QList<bool> inputs = {status.inputA, status.inputB, status.inputC, status.inputD};
    const QList<bool> outputs = {status.outputX, status.outputY};
    if (configuration) {
        setInformation(QStringLiteral("rssi"), status.rssi);
        setInformation(QStringLiteral("imei"), status.imei);
        setInformation(QStringLiteral("voltage"), status.voltage);
        for (int input = 0; input < inputs.size(); ++input)
            //% "active"
            showState(inputStateNames.at(input), inputs.at(input), QT_TRID_NOOP("app.rv23.io.active"),
                      //% "inactive"
                      QT_TRID_NOOP("app.rv23.io.inactive"));
        for (int output = 0; output < outputs.size(); ++output)
            //% "on"
            showState(outputStateNames.at(output), outputs.at(output), QT_TRID_NOOP("app.rv23.io.on"),
                      //% "off"
                      QT_TRID_NOOP("app.rv23.io.off"));
        if (auto* local = qobject_cast<LocalConnector*>(connector)) {
            reenableToggle(QStringLiteral("pbInOutX"), status.outputX, local->lastToggleStateX);
            reenableToggle(QStringLiteral("pbInOutY"), status.outputY, local->lastToggleStateY);
        }
    }
    QList<IoState> inputStates;
    for (const bool on : inputs)
        inputStates.append(IoState{on ? 2 : 0});
    QList<IoState> outputStates;
    for (const bool on : outputs)
        outputStates.append(IoState{on ? 2 : 0});
    emit inputStatesSignal(inputStates);
    emit outputStatesSignal(outputStates);
}

void RV_23::voltageChanged(int voltage)
{
    setInformation(QStringLiteral("voltage"), QString::number(voltage / 1000.0, 'g', 6) + QLatin1Char('V'));
}

void RV_23::rssiChanged(int rssi)
{
    setInformation(QStringLiteral("rssi"), QString::number(rssi) + QLatin1Char('%'));
}

void RV_23::operatorChanged(QString name)
{
    setInformation(QStringLiteral("operator"), name);
}

void RV_23::imeiChanged(QString imei)
{
    setInformation(QStringLiteral("imei"), imei);
}

void RV_23::firmwareChanged(QString firmware)
{
    setInformation(QStringLiteral("firmware"), firmware);
    info.firmwareVersion = firmware;
    emit deviceInfoChanged(info);
}

void RV_23::inputStatesChanged(QList<IoState> states)
{
    if (configuration)
        showIoStates(inputStateNames, states, "app.rv23.io.active", "app.rv23.io.inactive");
}

void RV_23::outputStatesChanged(QList<IoState> states)
{
    if (configuration)
        showIoStates(outputStateNames, states, "app.rv23.io.on", "app.rv23.io.off");
}

// The page description has no place for counters, input voltages or the unit's clock, and the
// local connector never reports them; a connector of another kind may.
void RV_23::inputCountersChanged(Connector::Inputs) {}

void RV_23::outputCountersChanged(Connector::Outputs) {}

void RV_23::inputVoltageChanged(Connector::Inputs) {}

void RV_23::timeChanged(QString) {}

void RV_23::protocolVersionChanged(QString) {}

void RV_23::startTimeUpdates()
{
    if (source == Common::Local && connector)
        connect(connector, SIGNAL(timeChanged(QString)), this, SLOT(timeChanged(QString)), Qt::UniqueConnection);
}

void RV_23::stopTimeUpdates()
{
    if (source == Common::Local && connector)
        disconnect(connector, SIGNAL(timeChanged(QString)), this, SLOT(timeChanged(QString)));
}

void RV_23::resetStatusDisplay()
{
    setInformation(QStringLiteral("rssi"), QString());
    setInformation(QStringLiteral("voltage"), QString());
}

void RV_23::forgetUnitDisplay()
{
    // Nothing of a unit that is gone may be shown as the next one's.
    for (const char* row : {"imei", "operator", "serial", "firmware", "behavversion"})
        setInformation(QLatin1String(row), QString());
    // Its inputs and relays are unknown now: no state text, and none of the live colours.
    shownStates.clear();
    for (const QStringList* names : {&inputStateNames, &outputStateNames}) {
        for (const QString& name : *names) {
            if (Framework::Item* item = statusItem(name)) {
                item->setForeground(QColor());
                item->setValue(QString());
            }
        }
    }
}

} // namespace moduleRV_23
