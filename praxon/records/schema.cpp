#include "schema.h"

#include "settingindex.h"
#include "sqlconnection.h"

#include <QStringList>
#include <QVector>

namespace Records {

namespace {

// A migration's statements, then what fills its new tables from the rows there are.
struct Migration
{
    QStringList statements;
    bool (*fill)(SqlConnection& connection) = nullptr;
};

// %ID% is the driver's own auto-numbered key; everything else reads the same for both.
const QVector<Migration> migrations = {
    // 1: units and their configuration versions
    {{QStringLiteral("CREATE TABLE units (id %ID%, serial TEXT NOT NULL UNIQUE, imei TEXT NOT NULL DEFAULT '',"
                    " firmware TEXT NOT NULL DEFAULT '', behaviour TEXT NOT NULL DEFAULT '',"
                    " first_seen TEXT NOT NULL, last_seen TEXT NOT NULL, note TEXT NOT NULL DEFAULT '')"),
     QStringLiteral("CREATE TABLE versions (id %ID%, unit BIGINT NOT NULL REFERENCES units (id), made TEXT NOT NULL,"
                    " reason TEXT NOT NULL, configuration TEXT NOT NULL, hash TEXT NOT NULL,"
                    " kept INTEGER NOT NULL DEFAULT 0)"),
     QStringLiteral("CREATE INDEX versions_by_unit ON versions (unit, id)")}},
    // 2: the event-log records already read, kept across the unit's clears
    {{QStringLiteral("CREATE TABLE events (id %ID%, unit BIGINT NOT NULL REFERENCES units (id), logged TEXT NOT NULL,"
                    " code TEXT NOT NULL, source TEXT NOT NULL, fields TEXT NOT NULL,"
                    " UNIQUE (unit, logged, code, source))")}},
    // 3: the settings' values for searching, filled from the versions stored so far
    {{QStringLiteral("CREATE TABLE setting_texts (id %ID%, lowered TEXT NOT NULL UNIQUE)"),
      QStringLiteral("CREATE TABLE setting_places (unit BIGINT NOT NULL REFERENCES units (id), path TEXT NOT NULL,"
                     " text BIGINT NOT NULL REFERENCES setting_texts (id), value TEXT NOT NULL, version BIGINT NOT NULL,"
                     " PRIMARY KEY (unit, path, text))"),
      QStringLiteral("CREATE INDEX setting_places_by_text ON setting_places (text)"),
      QStringLiteral("CREATE INDEX setting_places_by_version ON setting_places (unit, version)")},
     SettingIndex::rebuild},
};

int reached(SqlConnection& connection, bool* ok)
{
    SqlConnection::Rows rows;
    *ok = connection.exec(QStringLiteral("SELECT value FROM meta WHERE name = 'schema'"), {}, &rows);
    return rows.isEmpty() ? 0 : rows.first().first().toInt();
}

bool run(SqlConnection& connection, int number)
{
    const QString key = connection.isServer() ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                                              : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    const Migration& migration = migrations.at(number - 1);
    for (QString statement : migration.statements) {
        if (!connection.exec(statement.replace(QLatin1String("%ID%"), key)))
            return false;
    }
    return (!migration.fill || migration.fill(connection)) && connection.exec(QStringLiteral("DELETE FROM meta WHERE name = 'schema'"))
           && connection.exec(QStringLiteral("INSERT INTO meta (name, value) VALUES ('schema', ?)"), {QString::number(number)});
}

} // namespace

int Schema::newest()
{
    return migrations.size();
}

bool Schema::migrate(SqlConnection& connection)
{
    for (;;) {
        if (!connection.begin())
            return false;
        // Two hosts starting on a new server would otherwise both create the tables.
        bool ok = !connection.isServer() || connection.exec(QStringLiteral("SELECT pg_advisory_xact_lock(2317)"));
        ok = ok && connection.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)"));
        const int number = ok ? reached(connection, &ok) : 0;
        if (!ok || number >= newest()) {
            if (ok)
                return connection.commit();
            connection.rollback();
            return false;
        }
        if (!run(connection, number + 1) || !connection.commit()) {
            connection.rollback();
            return false;
        }
    }
}

} // namespace Records
