#pragma once

#include "link/rv23_config.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

namespace Framework {
class Item;
class Model;
} // namespace Framework

namespace moduleRV_23 {

// Everything that describes one unit's configuration on the PC: the record the connector reads
// and writes, the item tree built from the embedded page description and the two table models
// over it. It also reads what the host hands in: dynamic configurations and imported files.
class Configuration final : public QObject
{
    Q_OBJECT

public:
    // Builds the tree from ":/RV23.json"; ok tells whether the description could be used.
    explicit Configuration(bool* ok, QObject* parent = nullptr);
    ~Configuration() override;

    Framework::Item* topItem() const;
    Framework::Item* inputs() const;
    Framework::Item* outputs() const;
    Framework::Item* settings() const;
    Framework::Item* informations() const;
    Framework::Item* events() const;
    Framework::Model* informationsModel() const;
    Framework::Model* eventsModel() const;
    RV23_Config& record();

    // Applies a saved configuration text to the tree; changed tells whether an item took a new
    // value. Empty data is nothing to apply.
    bool applyDynamicConfiguration(const QByteArray& data, bool asValue, bool revert, bool* changed);
    // Imports a web-portal text or a saved settings file, by the file type the user chose.
    bool importConfigurations(const QByteArray& data, const QString& selectedFilter);
    QStringList fileTypes() const;

signals:
    void dataImported(RV23_Config data, Framework::Item* topItem);

private:
    bool readDescription();
    bool buildPages(const QJsonObject& description);
    // Runs change inside a pause of the informations model's notifications.
    template <typename Change>
    void quietly(Change change);

    RV23_Config config;
    Framework::Item* top = nullptr;
    Framework::Item* pageItems[5] = {};
    Framework::Model* informationsTable = nullptr;
    Framework::Model* eventsTable = nullptr;
};

} // namespace moduleRV_23
