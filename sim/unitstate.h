#pragma once

#include "sim/eventrecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <array>

namespace Sim {

// Everything the unit keeps across power cycles: identity, radio figures, I/O, counters,
// configuration memory and the event log. Texts are the unit's 8-bit bytes read as Latin-1.
struct UnitState
{
    static constexpr int memorySize = 405;
    static constexpr int maxEvents = 1000;

    QString serial;
    QString firmware;
    QString behaviourVersion;
    QString imei;
    QString operatorName;
    QString operatorCode;
    int signal = 0;       // percent
    int voltage = 0;      // millivolts
    int temperature = 0;  // degrees Celsius
    std::array<bool, 4> inputs{};
    std::array<bool, 2> relays{};
    std::array<int, 4> inputCounters{};
    std::array<int, 2> relayCounters{};
    int smsSent = 0;
    int serviceSmsSent = 0;
    QVector<QString> memory = QVector<QString>(memorySize);
    QVector<EventRecord> events;
    // The modem's installed firmware image; kept in a file of its own, not in the JSON.
    QByteArray firmwareImage;

    QJsonObject toJson() const;
    // Members present in json replace the current ones; a wrong type fails with a message.
    bool readJson(const QJsonObject& json, QString* error);
    bool load(const QString& path, QString* error);
    bool save(const QString& path, QString* error) const;
};

} // namespace Sim
