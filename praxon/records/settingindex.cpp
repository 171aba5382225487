#include "settingindex.h"

#include "sqlconnection.h"

#include "praxon/core/configurationdiff.h"

#include <QJsonValue>
#include <QMap>

namespace Records {

namespace {

using Values = QMap<QString, QString>;

// The values a search can find, by path, as text.
Values indexed(const QByteArray& text)
{
    QMap<QString, QJsonValue> settings;
    Praxon::ConfigurationDiff::settings(text, &settings);
    Values values;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        const QJsonValue& value = it.value();
        if ((value.isString() && !value.toString().isEmpty()) || (value.isDouble() && value.toDouble() != 0))
            values.insert(it.key(), value.toVariant().toString());
    }
    return values;
}

bool textId(SqlConnection& connection, const QString& value, qint64* id)
{
    SqlConnection::Rows rows;
    const QString lowered = value.toLower();
    if (!connection.exec(QStringLiteral("INSERT INTO setting_texts (lowered) VALUES (?) ON CONFLICT (lowered) DO NOTHING"),
                         {lowered})
        || !connection.exec(QStringLiteral("SELECT id FROM setting_texts WHERE lowered = ?"), {lowered}, &rows))
        return false;
    *id = rows.value(0).value(0).toLongLong();
    return true;
}

// keepNewer: a place already there stays with its (newer) version.
bool place(SqlConnection& connection, qint64 unit, qint64 version, const QString& path, const QString& value, bool keepNewer)
{
    qint64 text = 0;
    const QString conflict = keepNewer ? QStringLiteral(" ON CONFLICT (unit, path, text) DO NOTHING")
                                       : QStringLiteral(" ON CONFLICT (unit, path, text) DO UPDATE"
                                                        " SET value = excluded.value, version = excluded.version");
    return textId(connection, value, &text)
           && connection.exec(QStringLiteral("INSERT INTO setting_places (unit, path, text, value, version)"
                                             " VALUES (?, ?, ?, ?, ?)") + conflict,
                              {unit, path, text, value, version});
}

} // namespace

bool SettingIndex::add(SqlConnection& connection, qint64 unit, qint64 version, const QByteArray& text, qint64 previous,
                       const QByteArray& previousText)
{
    const Values now = indexed(text);
    const Values before = previous > 0 ? indexed(previousText) : Values();
    // What the version before held, the new one holds too, unless it changed below.
    if (previous > 0
        && !connection.exec(QStringLiteral("UPDATE setting_places SET version = ? WHERE unit = ? AND version = ?"),
                            {version, unit, previous}))
        return false;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (now.value(it.key()).toLower() != it.value().toLower()
            && !connection.exec(QStringLiteral("UPDATE setting_places SET version = ? WHERE unit = ? AND path = ?"
                                               " AND text = (SELECT id FROM setting_texts WHERE lowered = ?)"),
                                {previous, unit, it.key(), it.value().toLower()}))
            return false;
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (before.value(it.key()) != it.value() && !place(connection, unit, version, it.key(), it.value(), false))
            return false;
    }
    return true;
}

bool SettingIndex::forgetRemoved(SqlConnection& connection, qint64 unit)
{
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("DELETE FROM setting_places WHERE unit = ?"
                                        " AND version NOT IN (SELECT id FROM versions WHERE unit = ?)"),
                         {unit, unit})
        || !connection.exec(QStringLiteral("SELECT id, configuration FROM versions WHERE unit = ? ORDER BY id DESC"),
                            {unit}, &rows))
        return false;
    // A version kept from long ago may hold a value that only removed ones held after it.
    for (const QVariantList& row : qAsConst(rows)) {
        const Values values = indexed(row.at(1).toString().toUtf8());
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (!place(connection, unit, row.at(0).toLongLong(), it.key(), it.value(), true))
                return false;
        }
    }
    return true;
}

bool SettingIndex::rebuild(SqlConnection& connection)
{
    SqlConnection::Rows versions;
    if (!connection.exec(QStringLiteral("SELECT id, unit FROM versions ORDER BY unit, id"), {}, &versions))
        return false;
    qint64 unit = 0;
    qint64 previous = 0;
    QByteArray previousText;
    for (const QVariantList& row : qAsConst(versions)) {
        SqlConnection::Rows text;
        if (!connection.exec(QStringLiteral("SELECT configuration FROM versions WHERE id = ?"), {row.at(0)}, &text))
            return false;
        if (row.at(1).toLongLong() != unit)
            previous = 0;
        unit = row.at(1).toLongLong();
        const QByteArray configuration = text.value(0).value(0).toString().toUtf8();
        if (!add(connection, unit, row.at(0).toLongLong(), configuration, previous, previousText))
            return false;
        previous = row.at(0).toLongLong();
        previousText = configuration;
    }
    return true;
}

bool SettingIndex::search(SqlConnection& connection, const QString& text, QList<SearchMatch>* matches)
{
    // The values are kept in lower case: a plain substring test, cheaper than LIKE's own folding.
    const QString contains = connection.isServer() ? QStringLiteral("strpos(t.lowered, ?) > 0")
                                                   : QStringLiteral("instr(t.lowered, ?) > 0");
    SqlConnection::Rows rows;
    if (!connection.exec(QStringLiteral("SELECT u.serial, p.path, p.value, p.version FROM setting_texts t"
                                        " JOIN setting_places p ON p.text = t.id JOIN units u ON u.id = p.unit"
                                        " WHERE ") + contains + QStringLiteral(" ORDER BY u.serial, p.version DESC, p.path"),
                         {text.toLower()}, &rows))
        return false;
    for (const QVariantList& row : qAsConst(rows))
        *matches << SearchMatch{row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toLongLong()};
    return true;
}

} // namespace Records
