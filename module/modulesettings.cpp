#include "modulesettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace moduleRV_23::ModuleSettings {

namespace {

const QString group = QStringLiteral("RV-23");
const QString extendedKey = QStringLiteral("extended");
const QString organisation = QStringLiteral("Tessaline/Praxon");
const QString application = QStringLiteral("Praxon");

} // namespace

bool readExtended(bool fallback)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organisation, application);
    settings.sync();
    settings.beginGroup(group);
    return settings.contains(extendedKey) ? settings.value(extendedKey).toBool() : fallback;
}

void writeExtended(bool extended)
{
    // QSettings needs the application object; a plug-in unloaded at process exit outlives it.
    if (!QCoreApplication::instance())
        return;
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organisation, application);
    settings.beginGroup(group);
    settings.setValue(extendedKey, extended);
}

} // namespace moduleRV_23::ModuleSettings
