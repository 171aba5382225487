#pragma once

#include "configurationdiff.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Praxon {

// What a change would empty on the unit. A web-portal text empties every setting it does not
// name, so a partial one erases the unit; the technician is told before anything is written.
class ClearingCheck final
{
public:
    explicit ClearingCheck(const QList<ConfigurationDiff::Change>& changes);

    // The settings that hold a value now and none after the change.
    int count() const { return cleared; }
    // Which of the unit's protected settings are among them: "the programming code",
    // "the service numbers", "the phone tables", "the peripheral codes".
    QStringList sensitive() const { return kinds; }
    // Confirmation is asked for when the change empties a protected setting.
    bool needsConfirmation() const { return !kinds.isEmpty(); }
    // "The file would clear N settings, among them the programming code and the phone tables."
    QString warning() const;

private:
    int cleared = 0;
    QStringList kinds;
};

} // namespace Praxon
