#include "unit.h"

#include "cells.h"
#include "logging.h"

#include <QRegularExpression>

namespace Sim {

namespace {

const QString ok = QStringLiteral("OK");
const QString error = QStringLiteral("ERROR");

QString flags(const bool* values, const char* letters, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QLatin1Char(letters[i]) + QString::number(values[i] ? 1 : 0);
    return text;
}

template<std::size_t N>
QString counters(const std::array<int, N>& values)
{
    QStringList texts;
    for (int value : values)
        texts.append(QString::number(value));
    return texts.join('/');
}

} // namespace

Unit::Unit(UnitState state, QObject* parent)
    : QObject(parent)
    , current(std::move(state))
{
}

void Unit::setOatError(bool on, int code)
{
    oatErrorOn = on;
    oatErrorCode = code;
}

Reply Unit::execute(const QString& line)
{
    const QString command = line.trimmed();
    const QString upper = command.toUpper();
    if (oatErrorOn && upper.startsWith(QLatin1String("AT+OAT")))
        return refusal(oatErrorCode);
    if (upper == QLatin1String("AT"))
        return answer();
    if (upper == QLatin1String("ATE0") || upper == QLatin1String("ATE1")) {
        echoOn = upper.endsWith('1');
        return answer();
    }
    if (upper == QLatin1String("AT+WIMEI?"))
        return answer({QStringLiteral("+WIMEI: ") + current.imei});
    if (upper.startsWith(QLatin1String("AT+COPS=")))
        return setOperatorFormat(command.mid(8));
    if (upper == QLatin1String("AT+COPS?"))
        return answer({operatorLine()});
    if (upper.startsWith(QLatin1String("AT+OATMEM=")))
        return readMemory(command.mid(10));
    if (upper.startsWith(QLatin1String("AT+OATEVENT=")))
        return readEvents(command.mid(12));
    if (upper.startsWith(QLatin1String("AT+OATSET=")))
        return set(command.mid(10));
    return {{error}};
}

Reply Unit::answer(QStringList lines)
{
    if (pushEvents) {
        for (int index = current.events.size() - unreported; index < current.events.size(); ++index)
            lines.append(eventLine(index));
        unreported = 0;
    }
    lines.append(ok);
    return {lines};
}

Reply Unit::refusal(int code) const
{
    return {{QStringLiteral("+OATERROR: (%1)").arg(code)}};
}

Reply Unit::setOperatorFormat(const QString& argument)
{
    static const QRegularExpression pattern(QStringLiteral("^3,([0-2])$"));
    const QRegularExpressionMatch match = pattern.match(argument);
    if (!match.hasMatch())
        return {{error}};
    operatorFormat = match.captured(1).toInt();
    return answer();
}

QString Unit::operatorLine() const
{
    const QString name = operatorFormat == 2 ? current.operatorCode : current.operatorName;
    return QStringLiteral("+COPS: 0,%1,\"%2\"").arg(operatorFormat).arg(name);
}

Reply Unit::readMemory(const QString& arguments)
{
    static const QRegularExpression pattern(QStringLiteral("^0,(\\d{1,3})$"));
    const QRegularExpressionMatch match = pattern.match(arguments);
    const int cell = match.captured(1).toInt();
    if (!match.hasMatch() || cell > Cell::Last)
        return {{error}};
    // The first three characters of the version cell name the kind of record it is.
    const QString value = cell == Cell::BehaviourVersion ? QStringLiteral("VB:") + current.behaviourVersion
                                                          : current.memory.at(cell);
    return answer({QStringLiteral("+OATMEM: 0,%1,%2").arg(cell).arg(value)});
}

Reply Unit::readEvents(const QString& argument)
{
    bool isNumber = false;
    const int wanted = argument.toInt(&isNumber);
    if (!isNumber || wanted < 0)
        return {{error}};
    QStringList lines;
    const int first = std::max(0, current.events.size() - wanted);
    for (int index = first; index < current.events.size(); ++index)
        lines.append(eventLine(index));
    if (wanted >= unreported)
        unreported = 0;
    return answer(lines);
}

Reply Unit::set(const QString& argument)
{
    if (argument.size() < 2 || !argument.startsWith('"') || !argument.endsWith('"'))
        return {{error}};
    const QString content = argument.mid(1, argument.size() - 2);
    if (content == QLatin1String("$SDS"))
        return answer({statusLine()});
    return refusal(9);
}

QString Unit::statusLine() const
{
    const QStringList fields{QStringLiteral("READY"),
                             current.firmware,
                             current.serial,
                             QString::number(current.signal),
                             QString::number(current.voltage),
                             QString::number(current.temperature),
                             QString::number(current.smsSent),
                             QString::number(current.serviceSmsSent),
                             flags(current.inputs.data(), "ABCD", 4) + flags(current.relays.data(), "XY", 2),
                             counters(current.inputCounters),
                             counters(current.relayCounters)};
    return QStringLiteral("+OATMSG: ") + fields.join(',');
}

QString Unit::eventLine(int index) const
{
    const EventRecord& record = current.events.at(index);
    return QStringLiteral("+OATEVENT: %1,E=%2,S=%3,T:%4")
        .arg(index + 1)
        .arg(record.code)
        .arg(record.source)
        .arg(record.time.toString(QStringLiteral("MM.dd HH:mm:ss")));
}

} // namespace Sim
