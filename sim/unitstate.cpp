#include "unitstate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <type_traits>

namespace Sim {

namespace {

const char inputLetters[] = "ABCD";
const char relayLetters[] = "XY";

template<std::size_t N>
QJsonObject lettered(const std::array<bool, N>& values, const char* letters)
{
    QJsonObject object;
    for (std::size_t i = 0; i < N; ++i)
        object.insert(QString(QLatin1Char(letters[i])), values[i]);
    return object;
}

template<std::size_t N>
QJsonObject lettered(const std::array<int, N>& values, const char* letters)
{
    QJsonObject object;
    for (std::size_t i = 0; i < N; ++i)
        object.insert(QString(QLatin1Char(letters[i])), values[i]);
    return object;
}

// Reads members of one JSON object into the state, remembering the first complaint.
class Reader
{
public:
    Reader(const QJsonObject& json, QString* error) : json(json), error(error) {}

    bool failed() const { return !message.isEmpty(); }

    void text(const char* key, QString& out)
    {
        const QJsonValue value = json.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        if (!value.isString())
            return fail(QStringLiteral("\"%1\" must be a text").arg(QLatin1String(key)));
        out = value.toString();
    }

    void number(const char* key, int& out)
    {
        const QJsonValue value = json.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        if (!value.isDouble())
            return fail(QStringLiteral("\"%1\" must be a number").arg(QLatin1String(key)));
        out = value.toInt();
    }

    template<typename T, std::size_t N>
    void letters(const char* key, const char* names, std::array<T, N>& out)
    {
        const QJsonValue value = json.value(QLatin1String(key));
        if (value.isUndefined())
            return;
        if (!value.isObject())
            return fail(QStringLiteral("\"%1\" must be an object").arg(QLatin1String(key)));
        const QJsonObject object = value.toObject();
        for (std::size_t i = 0; i < N; ++i) {
            const QJsonValue item = object.value(QString(QLatin1Char(names[i])));
            if (item.isUndefined())
                continue;
            if (std::is_same<T, bool>::value ? !item.isBool() : !item.isDouble())
                return fail(QStringLiteral("\"%1\".\"%2\" has the wrong type").arg(QLatin1String(key)).arg(QLatin1Char(names[i])));
            out[i] = std::is_same<T, bool>::value ? T(item.toBool()) : T(item.toInt());
        }
    }

    void memory(QVector<QString>& out)
    {
        const QJsonValue value = json.value(QLatin1String("memory"));
        if (value.isUndefined())
            return;
        if (!value.isObject())
            return fail(QStringLiteral("\"memory\" must be an object of cells"));
        const QJsonObject cells = value.toObject();
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            bool isNumber = false;
            const int cell = it.key().toInt(&isNumber);
            if (!isNumber || cell < 0 || cell >= out.size())
                return fail(QStringLiteral("memory cell \"%1\" does not exist").arg(it.key()));
            if (!it.value().isString())
                return fail(QStringLiteral("memory cell %1 must hold a text").arg(cell));
            out[cell] = it.value().toString();
        }
    }

    void events(QVector<EventRecord>& out)
    {
        const QJsonValue value = json.value(QLatin1String("events"));
        if (value.isUndefined())
            return;
        if (!value.isArray())
            return fail(QStringLiteral("\"events\" must be an array"));
        QVector<EventRecord> records;
        for (const QJsonValue item : value.toArray()) {
            const QJsonObject object = item.toObject();
            EventRecord record;
            record.code = object.value(QLatin1String("code")).toInt(-1);
            record.source = object.value(QLatin1String("source")).toInt(-1);
            record.time = QDateTime::fromString(object.value(QLatin1String("time")).toString(), Qt::ISODate);
            if (record.code < 0 || record.source < 0 || !record.time.isValid())
                return fail(QStringLiteral("event %1 needs a code, a source and an ISO time").arg(records.size()));
            records.append(record);
        }
        out = records;
    }

private:
    void fail(const QString& text)
    {
        if (message.isEmpty()) {
            message = text;
            if (error)
                *error = text;
        }
    }

    const QJsonObject& json;
    QString* error;
    QString message;
};

} // namespace

QJsonObject UnitState::toJson() const
{
    QJsonObject cells;
    for (int cell = 0; cell < memory.size(); ++cell) {
        if (!memory.at(cell).isEmpty())
            cells.insert(QString::number(cell), memory.at(cell));
    }
    QJsonArray log;
    for (const EventRecord& record : events) {
        log.append(QJsonObject{{"code", record.code},
                               {"source", record.source},
                               {"time", record.time.toString(Qt::ISODate)}});
    }
    return QJsonObject{{"serial", serial},
                       {"firmware", firmware},
                       {"behaviourVersion", behaviourVersion},
                       {"imei", imei},
                       {"operator", operatorName},
                       {"operatorCode", operatorCode},
                       {"signal", signal},
                       {"voltage", voltage},
                       {"temperature", temperature},
                       {"inputs", lettered(inputs, inputLetters)},
                       {"relays", lettered(relays, relayLetters)},
                       {"inputCounters", lettered(inputCounters, inputLetters)},
                       {"relayCounters", lettered(relayCounters, relayLetters)},
                       {"smsSent", smsSent},
                       {"serviceSmsSent", serviceSmsSent},
                       {"memory", cells},
                       {"events", log}};
}

bool UnitState::readJson(const QJsonObject& json, QString* error)
{
    UnitState next = *this;
    Reader reader(json, error);
    reader.text("serial", next.serial);
    reader.text("firmware", next.firmware);
    reader.text("behaviourVersion", next.behaviourVersion);
    reader.text("imei", next.imei);
    reader.text("operator", next.operatorName);
    reader.text("operatorCode", next.operatorCode);
    reader.number("signal", next.signal);
    reader.number("voltage", next.voltage);
    reader.number("temperature", next.temperature);
    reader.letters("inputs", inputLetters, next.inputs);
    reader.letters("relays", relayLetters, next.relays);
    reader.letters("inputCounters", inputLetters, next.inputCounters);
    reader.letters("relayCounters", relayLetters, next.relayCounters);
    reader.number("smsSent", next.smsSent);
    reader.number("serviceSmsSent", next.serviceSmsSent);
    reader.memory(next.memory);
    reader.events(next.events);
    if (reader.failed())
        return false;
    *this = next;
    return true;
}

bool UnitState::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("%1: %2 at offset %3").arg(path, parseError.errorString()).arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("%1: the state must be a JSON object").arg(path);
        return false;
    }
    QString reason;
    if (!readJson(document.object(), &reason)) {
        *error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    return true;
}

bool UnitState::save(const QString& path, QString* error) const
{
    // Written beside and renamed over the old file, so that a crash never leaves half a state.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(QJsonDocument(toJson()).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace Sim
