#include "batchplan.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

namespace Batch {

namespace {

QJsonObject withValue(QJsonObject object, const QStringList& path, const QJsonValue& value)
{
    if (path.isEmpty()) {
        object.insert(QStringLiteral("_value"), value);
        return object;
    }
    const QString& key = path.first();
    object.insert(key, withValue(object.value(key).toObject(), path.mid(1), value));
    return object;
}

} // namespace

BatchPlan::BatchPlan(const QList<Unit>& units, const QStringList& globals)
    : units(units)
    , globals(globals)
{
}

QByteArray BatchPlan::withOverrides(const QByteArray& text, const QMap<QString, QJsonValue>& values)
{
    QJsonObject root = QJsonDocument::fromJson(text).object();
    for (auto it = values.begin(); it != values.end(); ++it)
        root = withValue(root, it.key().split(QLatin1Char('.')), it.value());
    return QJsonDocument(root).toJson();
}

BatchPlan::Job BatchPlan::job(const Unit& unit, const QString& folder) const
{
    return {unit, QDir(folder).filePath(unit.serial + QStringLiteral(".rv23")), QByteArray(),
            globals + QStringList{QStringLiteral("--serial"), unit.serial}};
}

bool BatchPlan::planWrites(const QByteArray& templateText, const OverrideTable& overrides, const QString& folder, bool yes)
{
    planned.clear();
    QStringList found;
    for (const Unit& unit : qAsConst(units))
        found << unit.serial;
    const QStringList named = overrides.serials();
    for (const QString& serial : named) {
        if (!found.contains(serial)) {
            error = QObject::tr("the overrides name unit %1, which was not found").arg(serial);
            return false;
        }
    }
    for (const Unit& unit : qAsConst(units)) {
        Job next = job(unit, folder);
        next.arguments << QStringLiteral("write") << next.file;
        if (yes)
            next.arguments << QStringLiteral("--yes");
        next.settings = withOverrides(templateText, overrides.overrides(unit.serial));
        planned << next;
    }
    return true;
}

void BatchPlan::planReads(const QString& folder)
{
    planned.clear();
    for (const Unit& unit : qAsConst(units)) {
        Job next = job(unit, folder);
        next.arguments << QStringLiteral("read") << QStringLiteral("-o") << next.file;
        planned << next;
    }
}

} // namespace Batch
