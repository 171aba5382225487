#include "recordrows.h"

#include "praxon/records/recordstore.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace RecordRows {

namespace {

constexpr int unitCount = 1000;
constexpr int versionCount = 20;
// Each unit has its own numbers; the searched one is in one unit's newest version only.
const QString searched = QStringLiteral("+420602999123");
QString note;

QString serialOf(int unit)
{
    return QStringLiteral("23B%1").arg(unit, 5, 10, QLatin1Char('0'));
}

QJsonObject withValue(QJsonObject object, const QStringList& path, const QJsonValue& value)
{
    if (path.size() == 1) {
        QJsonObject item = object.value(path.first()).toObject();
        item.insert(QStringLiteral("_value"), value);
        object.insert(path.first(), item);
    } else {
        object.insert(path.first(), withValue(object.value(path.first()).toObject(), path.mid(1), value));
    }
    return object;
}

// A unit's version: its own phone numbers and texts, one of them changed from the version before.
QByteArray configurationOf(const QJsonObject& base, int unit, int version)
{
    QJsonObject object = base;
    for (int row = 0; row < 8; ++row) {
        const QString cell = row == 0 ? QStringLiteral("value") : QStringLiteral("value%1").arg(row, 2, 10, QLatin1Char('0'));
        const QString number = QStringLiteral("+420%1%2").arg(600 + row).arg(unit * 100 + (row == 0 ? version : 0), 6, 10, QLatin1Char('0'));
        object = withValue(object, {QStringLiteral("outputs"), QStringLiteral("gbOutputX"), QStringLiteral("tXPhones"),
                                    QStringLiteral("valueColumn"), cell},
                           unit == 500 && version == versionCount - 1 && row == 1 ? searched : number);
    }
    object = withValue(object, {QStringLiteral("inputs"), QStringLiteral("gbInputA"), QStringLiteral("leSMSOnA")},
                       QStringLiteral("ALARM %1 V%2").arg(unit).arg(version));
    return QJsonDocument(object).toJson();
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

QVector<Measurement> sqlite(const QString& folder, const QByteArray& configuration)
{
    const QJsonObject base = QJsonDocument::fromJson(configuration).object();
    auto store = std::make_shared<Records::RecordStore>(folder + QStringLiteral("/records.sqlite"));
    if (!store->open())
        qFatal("rv23-bench: %s", qPrintable(store->errorString()));
    qint64 bytes = 0;
    const double fillMs = timed([&] {
        for (int unit = 0; unit < unitCount; ++unit) {
            for (int version = 0; version < versionCount; ++version) {
                const QByteArray text = configurationOf(base, unit, version);
                bytes += text.size();
                if (!store->addVersion(serialOf(unit), text, Records::VersionRecord::Reason::Write))
                    qFatal("rv23-bench: %s", qPrintable(store->errorString()));
            }
        }
    });
    note = QStringLiteral("Filling the store with %1 units x %2 versions (%3 KB a version) took %4 s.")
               .arg(unitCount).arg(versionCount).arg(bytes / (unitCount * versionCount) / 1000).arg(fillMs / 1000, 0, 'f', 1);
    auto stored = std::make_shared<int>(versionCount);
    return {
        {QStringLiteral("records: store a version (SQLite, 1,000 units x 20 versions)"), QStringLiteral("-"), 20,
         [store, base, stored] {
             const QByteArray text = configurationOf(base, 7, ++*stored);
             return Measurement::Sample{timed([&] { store->addVersion(serialOf(7), text, Records::VersionRecord::Reason::Write); })};
         }},
        {QStringLiteral("records: list 1,000 units with their version counts"), QStringLiteral("-"), 20,
         [store] { return Measurement::Sample{timed([&] { store->units(); })}; }},
        {QStringLiteral("records: list one unit's 20 versions among 1,000 units"), QStringLiteral("-"), 20,
         [store] { return Measurement::Sample{timed([&] { store->versions(serialOf(500)); })}; }},
        {QStringLiteral("records: search 1,000 units x 20 versions for a phone number"), QStringLiteral("< 50 ms"), 20,
         [store] {
             QList<Records::SearchMatch> found;
             const double ms = timed([&] { found = store->search(QStringLiteral("602999")); });
             if (found.size() != 1 || found.first().serial != serialOf(500))
                 qFatal("rv23-bench: the search found %d places", int(found.size()));
             return Measurement::Sample{ms};
         }},
    };
}

QString fillNote()
{
    return note;
}

} // namespace RecordRows
