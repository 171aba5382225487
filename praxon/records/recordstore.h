#pragma once

#include "configurationstore.h"
#include "eventrecord.h"
#include "searchmatch.h"
#include "sqlconnection.h"
#include "unitrecord.h"
#include "versionrecord.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

namespace Records {

// The units the hosts have seen, every configuration version of each and the event records read
// from them, in a SQLite file or on a PostgreSQL server shared by a team. Opened on first use:
// the schema is brought up to date and the per-unit files of earlier hosts are taken over once.
// Every write is one transaction, so a host that dies halfway leaves the store as it was before
// or after, never in between.
class RecordStore final
{
public:
    // location: a SQLite file, or a postgresql:// URL; legacyFolder: the earlier hosts' files.
    explicit RecordStore(const QString& location, const QString& legacyFolder = QString());

    QString location() const { return connection.describe(); }
    // Versions kept per unit beyond the newest and the marked ones; 0 keeps all.
    void setKeep(int versions) { keep = versions; }

    bool open();
    // Stores text as the unit's newest version unless it holds the same settings as the newest
    // (an import: as any of the unit's versions); *added tells which. made defaults to now.
    bool addVersion(const QString& serial, const QByteArray& text, VersionRecord::Reason reason,
                    bool* added = nullptr, const QDateTime& made = QDateTime());
    // The newest version's text; empty when there is none or the store cannot be read.
    QByteArray newestText(const QString& serial);
    // The unit's identity as last seen; an empty IMEI keeps the one known.
    bool noteUnit(const QString& serial, const QString& firmware, const QString& behaviour, const QString& imei);
    bool setNote(const QString& serial, const QString& note);
    bool setKept(qint64 version, bool kept);

    QList<UnitRecord> units();
    // Newest first; every unit's when serial is empty.
    QList<VersionRecord> versions(const QString& serial = QString());
    // The version with that number; its id is 0 when there is none.
    VersionRecord version(qint64 id);
    // Keeps the event records of the module's history export (semicolon-separated) for the unit,
    // each once: a record read again is not added, and records the unit no longer holds stay.
    // *added tells how many were new.
    bool addEvents(const QString& serial, QIODevice* exported, int* added = nullptr);
    // In the order they were first read; every unit's when serial is empty.
    QList<EventRecord> events(const QString& serial = QString());
    // Case-insensitive, in serial numbers, notes and every setting of every stored version.
    QList<SearchMatch> search(const QString& text);

    // What taking over the earlier hosts' files had to tell (a damaged file set aside); cleared.
    QStringList takeNotices();
    QString errorString() const { return error; }

private:
    bool fail();
    bool importLegacy();
    bool importLegacyFile(const QString& serial);
    bool touchUnit(const QString& serial, const QDateTime& now, qint64* unit);
    // Whether a version of the unit holds the settings of that hash.
    bool holds(qint64 unit, const QString& hash, bool* held);
    bool prune(qint64 unit);
    bool countEvents(qint64 unit, int* count);
    bool readVersions(const QString& where, const QVariantList& values, QList<VersionRecord>* list);

    SqlConnection connection;
    ConfigurationStore legacy;
    bool hasLegacy;
    int keep = 0;
    QStringList notices;
    QString error;
};

} // namespace Records
