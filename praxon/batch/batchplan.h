#pragma once

#include "overridetable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Batch {

// What a batch does to each unit: the settings file it writes (the template with the unit's
// overrides) and the rv23ctl command line of the child that does it. Each child reaches only its
// own unit: it is given the unit's serial number and, as its whole port list, the unit's port.
class BatchPlan final
{
public:
    struct Unit
    {
        QString serial;
        QString port; // an entry of RV23_EXTRA_PORTS; empty: one of the system's own ports
    };
    struct Job
    {
        Unit unit;
        QString file;        // written by the child (write) or for it (read)
        QByteArray settings; // write: the file's text; read: empty
        QStringList arguments;
    };

    // globals: the options every child gets before its command (--lang, --plugin).
    BatchPlan(const QList<Unit>& units, const QStringList& globals);

    // One write of folder/SERIAL.rv23 per unit; false when the overrides name a unit not found.
    bool planWrites(const QByteArray& templateText, const OverrideTable& overrides, const QString& folder, bool yes);
    // One read into folder/SERIAL.rv23 per unit.
    void planReads(const QString& folder);

    QList<Job> jobs() const { return planned; }
    QString errorString() const { return error; }

    // The saved-configuration text with each value put at its path (items missing are added).
    static QByteArray withOverrides(const QByteArray& text, const QMap<QString, QJsonValue>& values);

private:
    Job job(const Unit& unit, const QString& folder) const;

    QList<Unit> units;
    QStringList globals;
    QList<Job> planned;
    QString error;
};

} // namespace Batch
