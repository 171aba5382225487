#include "configuration.h"

#include "logging.h"

#include "framework/item.h"
#include "framework/model.h"
#include "portal/webimportparser.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace moduleRV_23 {

namespace {

const char* const pageNames[] = {"inputs", "outputs", "settings", "informations", "events"};
enum Page { InputsPage, OutputsPage, SettingsPage, InformationsPage, EventsPage };

// The checks every configuration text passes before it reaches the tree; parseError names the
// text in the parse error line.
bool readObject(const QByteArray& data, const char* parseError, QJsonObject* object, bool withData = false)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        if (withData)
            qCDebug(lcModule) << parseError << error.errorString() << error.offset << data;
        else
            qCDebug(lcModule) << parseError << error.errorString() << error.offset;
        return false;
    }
    if (!document.isObject()) {
        qCDebug(lcModule) << "Json is not an object!";
        return false;
    }
    *object = document.object();
    if (object->isEmpty()) {
        qCDebug(lcModule) << "Json object is empty!";
        return false;
    }
    return true;
}

} // namespace

Configuration::Configuration(bool* ok, QObject* parent)
    : QObject(parent)
{
    registerConfigType();
    qRegisterMetaType<Framework::ItemState>("Framework::ItemState");
    top = new Framework::Item(QStringLiteral("app.rv-23.topItem"), nullptr);
    *ok = readDescription();
    if (*ok) {
        informationsTable = new Framework::Model(informations(), true, this);
        eventsTable = new Framework::Model(events(), false, this);
    }
}

Configuration::~Configuration()
{
    delete top;
}

bool Configuration::readDescription()
{
    QFile file(QStringLiteral(":/RV23.json"));
    if (!file.exists()) {
        qCDebug(lcModule) << "Cannot find configuration file!";
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcModule) << "Unable to open json file!";
        return false;
    }
    QJsonObject description;
    return readObject(file.readAll(), "Json parse error!", &description) && buildPages(description);
}

bool Configuration::buildPages(const QJsonObject& description)
{
    for (int page = InputsPage; page <= EventsPage; ++page) {
        const QString name = QLatin1String(pageNames[page]);
        if (!description.contains(name)) {
            qCDebug(lcModule).noquote() << QStringLiteral("Json does not contain %1 object!").arg(name);
            return false;
        }
        pageItems[page] = new Framework::Item(name, top, description.value(name).toObject(), -1);
    }
    return true;
}

Framework::Item* Configuration::topItem() const
{
    return top;
}

Framework::Item* Configuration::inputs() const
{
    return pageItems[InputsPage];
}

Framework::Item* Configuration::outputs() const
{
    return pageItems[OutputsPage];
}

Framework::Item* Configuration::settings() const
{
    return pageItems[SettingsPage];
}

Framework::Item* Configuration::informations() const
{
    return pageItems[InformationsPage];
}

Framework::Item* Configuration::events() const
{
    return pageItems[EventsPage];
}

Framework::Model* Configuration::informationsModel() const
{
    return informationsTable;
}

Framework::Model* Configuration::eventsModel() const
{
    return eventsTable;
}

RV23_Config& Configuration::record()
{
    return config;
}

template <typename Change>
void Configuration::quietly(Change change)
{
    if (informationsTable)
        informationsTable->setNotify(false);
    change();
    if (informationsTable)
        informationsTable->setNotify(true);
}

bool Configuration::applyDynamicConfiguration(const QByteArray& data, bool asValue, bool revert, bool* changed)
{
    if (data.isEmpty()) {
        qCDebug(lcModule) << "Dynamic configuration is empty";
        return true;
    }
    QJsonObject object;
    if (!readObject(data, "Dynamic configurations json parse error!", &object))
        return false;
    quietly([&] {
        *changed = top->fromJson(object, asValue, false) >= 1;
        if (revert)
            top->resetValues(Framework::Revert);
    });
    return true;
}

bool Configuration::importConfigurations(const QByteArray& data, const QString& selectedFilter)
{
    if (data.isEmpty()) {
        qCDebug(lcModule) << "Imported configuration is empty";
        return true;
    }
    if (selectedFilter == fileTypes().constFirst()) {
        // A text that is no portal form must not become a configuration of empty fields.
        if (!WebImportParser::parse(data, &config))
            return false;
        quietly([&] {
            top->resetValues(Framework::EditDefaults);
            emit dataImported(config, top);
        });
        return true;
    }
    QJsonObject object;
    if (!readObject(data, "Imported configurations json parse error!", &object, true))
        return false;
    quietly([&] { top->fromJson(object, false, false); });
    return true;
}

QStringList Configuration::fileTypes() const
{
    //% "Web portal form"
    return {qtTrId("app.rv23.filetype.portalform") + QStringLiteral(" (*.txt)"),
            //% "RV-23 settings"
            qtTrId("app.rv23.filetype.rv23ksettings") + QStringLiteral(" (*.rv23)")};
}

} // namespace moduleRV_23
