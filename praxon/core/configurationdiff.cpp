#include "configurationdiff.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace Praxon {

namespace {

void collect(const QJsonObject& object, const QString& path, QMap<QString, QJsonValue>* values)
{
    if (object.contains(QLatin1String("_value"))
        && object.value(QLatin1String("_role")).toString().toUpper() != QLatin1String("DYNAMICSTATE"))
        values->insert(path, object.value(QLatin1String("_value")));
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.key().startsWith(QLatin1Char('_')) && it.value().isObject())
            collect(it.value().toObject(), path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key(), values);
    }
}

} // namespace

QString ConfigurationDiff::valueText(const QJsonValue& value)
{
    if (value.isUndefined())
        return QStringLiteral("(none)");
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isNull())
        return QStringLiteral("null");
    return value.toVariant().toString();
}

bool ConfigurationDiff::settings(const QByteArray& text, QMap<QString, QJsonValue>* values)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    values->clear();
    collect(document.object(), QString(), values);
    return true;
}

QList<ConfigurationDiff::Change> ConfigurationDiff::compare(const QByteArray& before, const QByteArray& after)
{
    QMap<QString, QJsonValue> old;
    QMap<QString, QJsonValue> now;
    settings(before, &old);
    settings(after, &now);
    QList<Change> changes;
    for (auto it = now.begin(); it != now.end(); ++it) {
        const QJsonValue previous = old.value(it.key(), QJsonValue(QJsonValue::Undefined));
        if (previous != it.value())
            changes << Change{it.key(), previous, it.value()};
    }
    for (auto it = old.begin(); it != old.end(); ++it) {
        if (!now.contains(it.key()))
            changes << Change{it.key(), it.value(), QJsonValue(QJsonValue::Undefined)};
    }
    return changes;
}

QList<ConfigurationDiff::Change> ConfigurationDiff::unmet(const QList<Change>& changes, const QByteArray& now)
{
    QMap<QString, QJsonValue> values;
    settings(now, &values);
    QList<Change> missing;
    for (const Change& change : changes) {
        const QJsonValue held = values.value(change.path, QJsonValue(QJsonValue::Undefined));
        if (held != change.after)
            missing << Change{change.path, held, change.after};
    }
    return missing;
}

QString ConfigurationDiff::describe(const Change& change)
{
    return QStringLiteral("%1: %2 -> %3").arg(change.path, valueText(change.before), valueText(change.after));
}

} // namespace Praxon
