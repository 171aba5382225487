#pragma once

#include "searchmatch.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Records {

class SqlConnection;

// Where the stored versions hold which value, so that a search reads neither the stored texts nor
// every setting: each distinct value once, in lower case, and for each unit the settings that hold
// it with the newest version that does. Texts and numbers are taken; switches, empty texts and
// zeros, which no technician searches for, are not. Runs inside the caller's transaction.
class SettingIndex final
{
public:
    // Takes version, now the unit's newest; previous is the version before it (0: none) and its text.
    static bool add(SqlConnection& connection, qint64 unit, qint64 version, const QByteArray& text, qint64 previous,
                    const QByteArray& previousText);
    // After versions of the unit were removed: what only they held is forgotten.
    static bool forgetRemoved(SqlConnection& connection, qint64 unit);
    // Fills the index from every stored version (the store's migration to it).
    static bool rebuild(SqlConnection& connection);
    // Case-insensitive; the settings that hold text, with the newest version holding each.
    static bool search(SqlConnection& connection, const QString& text, QList<SearchMatch>* matches);

    SettingIndex() = delete;
};

} // namespace Records
