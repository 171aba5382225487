#include "recordstore.h"

#include "schema.h"
#include "settingindex.h"

#include "praxon/core/configurationdiff.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QTextStream>

namespace Records {

namespace {

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeOf(const QVariant& text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
}

// Texts that hold the same settings are the same version, whatever the live values or the order.
QString settingsHash(const QByteArray& text)
{
    QMap<QString, QJsonValue> values;
    QByteArray canonical = text;
    if (Praxon::ConfigurationDiff::settings(text, &values)) {
        QJsonObject object;
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            object.insert(it.key(), it.value());
        canonical = QJsonDocument(object).toJson(QJsonDocument::Compact);
    }
    return QString::fromLatin1(QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex());
}

} // namespace

RecordStore::RecordStore(const QString& location, const QString& legacyFolder)
    : connection(location)
    , legacy(legacyFolder)
    , hasLegacy(!legacyFolder.isEmpty())
{
}

bool RecordStore::fail()
{
    error = connection.errorString();
    connection.rollback();
    return false;
}

bool RecordStore::open()
{
    if (connection.isOpen())
        return true;
    if (!connection.open() || !Schema::migrate(connection)) {
        error = connection.errorString();
        return false;
    }
    return !hasLegacy || importLegacy();
}

// The earlier hosts' files are taken over on the first start only; a file that turns up later
// is taken when its unit is first asked for.
bool RecordStore::importLegacy()
{
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("SELECT value FROM meta WHERE name = 'legacy'"), {}, &rows))
        return fail();
    if (!rows.isEmpty())
        return true;
    const QStringList serials = legacy.serials();
    for (const QString& serial : serials) {
        if (!importLegacyFile(serial))
            return false;
    }
    // Another host may have taken them over at the same time; the versions are not doubled either way.
    return connection.exec(QStringLiteral("INSERT INTO meta (name, value) VALUES ('legacy', ?)"
                                          " ON CONFLICT (name) DO NOTHING"),
                           {timeText(QDateTime::currentDateTime())})
           || fail();
}

bool RecordStore::importLegacyFile(const QString& serial)
{
    QString notice;
    const QByteArray text = legacy.readUsable(serial, &notice);
    if (!notice.isEmpty())
        notices << notice;
    return text.isEmpty()
           || addVersion(serial, text, VersionRecord::Reason::Import, nullptr,
                         QFileInfo(legacy.pathFor(serial)).lastModified());
}

bool RecordStore::touchUnit(const QString& serial, const QDateTime& now, qint64* unit)
{
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("INSERT INTO units (serial, first_seen, last_seen) VALUES (?, ?, ?)"
                                        " ON CONFLICT (serial) DO UPDATE SET last_seen = excluded.last_seen"),
                         {serial, timeText(now), timeText(now)})
        || !connection.exec(QStringLiteral("SELECT id FROM units WHERE serial = ?"), {serial}, &rows))
        return false;
    *unit = rows.value(0).value(0).toLongLong();
    return true;
}

bool RecordStore::addVersion(const QString& serial, const QByteArray& text, VersionRecord::Reason reason,
                             bool* added, const QDateTime& made)
{
    if (serial.isEmpty()) {
        error = QObject::tr("The unit has no serial number to store its configuration under");
        return false;
    }
    if (!open() || !connection.begin())
        return fail();
    const QDateTime time = made.isValid() ? made : QDateTime::currentDateTime();
    const QString hash = settingsHash(text);
    qint64 unit = 0;
    SqlConnection::Rows newest;
    const QString newestQuery = QStringLiteral("SELECT id, hash, configuration FROM versions WHERE unit = ? ORDER BY id DESC LIMIT 1");
    // The unit's row is written first: on a server it stays locked until the commit, so two
    // hosts compare with the newest version one after the other.
    if (!touchUnit(serial, QDateTime::currentDateTime(), &unit) || !connection.exec(newestQuery, {unit}, &newest))
        return fail();
    bool fresh = newest.isEmpty() || newest.first().at(1).toString() != hash;
    // A file kept once is not kept again: importing it would otherwise alternate with reads of
    // a unit that does not hold it.
    bool imported = false;
    if (fresh && reason == VersionRecord::Reason::Import && !holds(unit, hash, &imported))
        return fail();
    fresh = fresh && !imported;
    SqlConnection::Rows stored;
    if (fresh
        && (!connection.exec(QStringLiteral("INSERT INTO versions (unit, made, reason, configuration, hash, kept)"
                                            " VALUES (?, ?, ?, ?, ?, 0)"),
                             {unit, timeText(time), VersionRecord::code(reason), QString::fromUtf8(text), hash})
            || !connection.exec(newestQuery, {unit}, &stored)
            || !SettingIndex::add(connection, unit, stored.value(0).value(0).toLongLong(), text,
                                  newest.value(0).value(0).toLongLong(), newest.value(0).value(2).toString().toUtf8())
            || !prune(unit)))
        return fail();
    if (!connection.commit())
        return fail();
    if (added)
        *added = fresh;
    return true;
}

bool RecordStore::holds(qint64 unit, const QString& hash, bool* held)
{
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("SELECT id FROM versions WHERE unit = ? AND hash = ? LIMIT 1"), {unit, hash}, &rows))
        return false;
    *held = !rows.isEmpty();
    return true;
}

bool RecordStore::prune(qint64 unit)
{
    if (keep <= 0)
        return true;
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("SELECT id FROM versions WHERE unit = ? ORDER BY id DESC"), {unit}, &rows))
        return false;
    // The newest is always among the first keep; marked versions are never removed.
    for (int row = keep; row < rows.size(); ++row) {
        if (!connection.exec(QStringLiteral("DELETE FROM versions WHERE id = ? AND kept = 0"), {rows.at(row).first()}))
            return false;
    }
    return rows.size() <= keep || SettingIndex::forgetRemoved(connection, unit);
}

QByteArray RecordStore::newestText(const QString& serial)
{
    SqlConnection::Rows rows;
    const QString newest = QStringLiteral("SELECT v.configuration FROM versions v JOIN units u ON u.id = v.unit"
                                          " WHERE u.serial = ? ORDER BY v.id DESC LIMIT 1");
    if (!open() || !connection.exec(newest, {serial}, &rows)) {
        error = connection.errorString();
        return {};
    }
    if (rows.isEmpty() && hasLegacy && QFileInfo::exists(legacy.pathFor(serial))
        && (!importLegacyFile(serial) || !connection.exec(newest, {serial}, &rows)))
        return {};
    return rows.isEmpty() ? QByteArray() : rows.first().first().toString().toUtf8();
}

bool RecordStore::noteUnit(const QString& serial, const QString& firmware, const QString& behaviour, const QString& imei)
{
    if (serial.isEmpty())
        return true;
    qint64 unit = 0;
    if (!open() || !connection.begin() || !touchUnit(serial, QDateTime::currentDateTime(), &unit)
        || !connection.exec(QStringLiteral("UPDATE units SET firmware = ?, behaviour = ?,"
                                           " imei = COALESCE(NULLIF(?, ''), imei) WHERE id = ?"),
                            {firmware, behaviour, imei, unit})
        || !connection.commit())
        return fail();
    return true;
}

bool RecordStore::setNote(const QString& serial, const QString& note)
{
    if (!open() || !connection.exec(QStringLiteral("UPDATE units SET note = ? WHERE serial = ?"), {note, serial}))
        return fail();
    return true;
}

bool RecordStore::setKept(qint64 version, bool kept)
{
    if (!open() || !connection.exec(QStringLiteral("UPDATE versions SET kept = ? WHERE id = ?"), {int(kept), version}))
        return fail();
    return true;
}

QList<UnitRecord> RecordStore::units()
{
    SqlConnection::Rows rows;
    QList<UnitRecord> list;
    if (!open()
        || !connection.exec(QStringLiteral("SELECT u.serial, u.imei, u.firmware, u.behaviour, u.first_seen, u.last_seen,"
                                           " u.note, (SELECT COUNT(*) FROM versions v WHERE v.unit = u.id)"
                                           " FROM units u ORDER BY u.serial"),
                            {}, &rows)) {
        fail();
        return list;
    }
    for (const QVariantList& row : qAsConst(rows))
        list << UnitRecord{row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString(),
                           timeOf(row.at(4)), timeOf(row.at(5)), row.at(6).toString(), row.at(7).toInt()};
    return list;
}

bool RecordStore::readVersions(const QString& where, const QVariantList& values, QList<VersionRecord>* list)
{
    SqlConnection::Rows rows;
    if (!open()
        || !connection.exec(QStringLiteral("SELECT v.id, u.serial, v.made, v.reason, v.configuration, v.hash, v.kept"
                                           " FROM versions v JOIN units u ON u.id = v.unit ")
                                + where + QStringLiteral(" ORDER BY v.id DESC"),
                            values, &rows))
        return fail();
    for (const QVariantList& row : qAsConst(rows))
        *list << VersionRecord{row.at(0).toLongLong(), row.at(1).toString(), timeOf(row.at(2)),
                               VersionRecord::reasonOf(row.at(3).toString()), row.at(4).toString().toUtf8(),
                               row.at(5).toString(), row.at(6).toInt() != 0};
    return true;
}

QList<VersionRecord> RecordStore::versions(const QString& serial)
{
    QList<VersionRecord> list;
    if (serial.isEmpty())
        readVersions(QString(), {}, &list);
    else
        readVersions(QStringLiteral("WHERE u.serial = ?"), {serial}, &list);
    return list;
}

VersionRecord RecordStore::version(qint64 id)
{
    QList<VersionRecord> list;
    readVersions(QStringLiteral("WHERE v.id = ?"), {id}, &list);
    return list.value(0);
}

bool RecordStore::countEvents(qint64 unit, int* count)
{
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("SELECT COUNT(*) FROM events WHERE unit = ?"), {unit}, &rows))
        return false;
    *count = rows.value(0).value(0).toInt();
    return true;
}

bool RecordStore::addEvents(const QString& serial, QIODevice* exported, int* added)
{
    if (serial.isEmpty()) {
        error = QObject::tr("The unit has no serial number to keep its events under");
        return false;
    }
    qint64 unit = 0;
    int before = 0;
    if (!open() || !connection.begin() || !touchUnit(serial, QDateTime::currentDateTime(), &unit)
        || !countEvents(unit, &before))
        return fail();
    // Line by line: a long log is never held whole. The first line names the columns.
    QTextStream lines(exported);
    lines.setCodec("UTF-8");
    lines.readLine();
    EventRecord record;
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        // The unit keeps no year and no number per record: its time, event and source are all
        // that tells one record from another.
        if (EventRecord::fromExportLine(line, &record)
            && !connection.exec(QStringLiteral("INSERT INTO events (unit, logged, code, source, fields) VALUES (?, ?, ?, ?, ?)"
                                               " ON CONFLICT (unit, logged, code, source) DO NOTHING"),
                                {unit, record.logged, record.event, record.source, line}))
            return fail();
    }
    int after = 0;
    if (!countEvents(unit, &after) || !connection.commit())
        return fail();
    if (added)
        *added = after - before;
    return true;
}

QList<EventRecord> RecordStore::events(const QString& serial)
{
    SqlConnection::Rows rows;
    QList<EventRecord> list;
    const QString query = QStringLiteral("SELECT u.serial, e.logged, e.code, e.source FROM events e"
                                         " JOIN units u ON u.id = e.unit")
                          + (serial.isEmpty() ? QString() : QStringLiteral(" WHERE u.serial = ?"))
                          + QStringLiteral(" ORDER BY u.serial, e.id");
    if (!open() || !connection.exec(query, serial.isEmpty() ? QVariantList() : QVariantList{serial}, &rows)) {
        fail();
        return list;
    }
    for (const QVariantList& row : qAsConst(rows))
        list << EventRecord{row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString()};
    return list;
}

QList<SearchMatch> RecordStore::search(const QString& text)
{
    QList<SearchMatch> matches;
    SqlConnection::Rows units;
    if (!open() || !connection.exec(QStringLiteral("SELECT serial, note FROM units ORDER BY serial"), {}, &units)) {
        fail();
        return matches;
    }
    for (const QVariantList& unit : qAsConst(units)) {
        const QString serial = unit.at(0).toString();
        if (serial.contains(text, Qt::CaseInsensitive))
            matches << SearchMatch{serial, QStringLiteral("serial"), serial, 0};
        if (unit.at(1).toString().contains(text, Qt::CaseInsensitive))
            matches << SearchMatch{serial, QStringLiteral("note"), unit.at(1).toString(), 0};
    }
    if (!SettingIndex::search(connection, text, &matches))
        fail();
    return matches;
}

QStringList RecordStore::takeNotices()
{
    QStringList taken;
    taken.swap(notices);
    return taken;
}

} // namespace Records
