#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QString>

namespace Praxon {

// Compares saved-configuration texts item by item. An item is named by its path of short names
// ("inputs.leSMSOnA"); live state read from the unit ("_role": "dynamicState") is no setting and
// takes no part.
class ConfigurationDiff final
{
public:
    struct Change
    {
        QString path;
        QJsonValue before; // Undefined: the item has no value there
        QJsonValue after;
    };

    // The settings of a saved-configuration text by path; false when it is no JSON object.
    static bool settings(const QByteArray& text, QMap<QString, QJsonValue>* values);
    static QList<Change> compare(const QByteArray& before, const QByteArray& after);
    // The changes that now does not hold, with before set to what now holds.
    static QList<Change> unmet(const QList<Change>& changes, const QByteArray& now);
    // "path: before -> after"
    static QString describe(const Change& change);
    static QString valueText(const QJsonValue& value);

    ConfigurationDiff() = delete;
};

} // namespace Praxon
