#include "unit.h"

#include "cells.h"
#include "logging.h"
#include "parameterwriter.h"

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
    gsmRestart.setSingleShot(true);
    connect(&gsmRestart, &QTimer::timeout, this, [this] {
        gsmReady = true;
        addEvent(17, 0);
        emit changed();
    });
    for (int relay = 0; relay < 2; ++relay) {
        relayTimers[relay].setSingleShot(true);
        connect(&relayTimers[relay], &QTimer::timeout, this, [this, relay] {
            if (switchRelay(relay, false, 0))
                emit changed();
        });
    }
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
    if (command.startsWith(QLatin1String("status.")))
        return resetCounter(command);
    if (upper.startsWith(QLatin1String("AT+OATGSM=")) || upper.startsWith(QLatin1String("AT+WOPEN="))
        || upper == QLatin1String("AT+WDWL") || upper.startsWith(QLatin1String("AT+CFUN=")))
        return firmwareCommand(upper);
    return {{error}};
}

bool Unit::control(const QString& line)
{
    const QStringList words = line.simplified().split(' ');
    const QString& what = words.at(0);
    if (what == QLatin1String("oaterror") && words.size() == 2) {
        bool isNumber = false;
        const int code = words.at(1).toInt(&isNumber);
        if (!isNumber && words.at(1) != QLatin1String("off"))
            return false;
        setOatError(isNumber, code);
        return true;
    }
    if ((what == QLatin1String("signal") || what == QLatin1String("voltage")) && words.size() == 2)
        return setReading(what, words.at(1));
    bool isNumber = false;
    const int value = words.value(2).toInt(&isNumber);
    if (words.size() != 3 || !isNumber)
        return false;
    const QString& name = words.at(1);
    const int input = name.size() == 1 ? QStringLiteral("ABCD").indexOf(name) : -1;
    const int relay = name.size() == 1 ? QStringLiteral("XY").indexOf(name) : -1;
    bool changedNow = false;
    if (what == QLatin1String("input") && input >= 0)
        changedNow = setInput(input, value != 0, 0);
    else if (what == QLatin1String("relay") && relay >= 0)
        changedNow = switchRelay(relay, value != 0, 0);
    else if (what == QLatin1String("event"))
        return logEvent(name, value);
    else
        return false;
    if (changedNow)
        emit changed();
    return true;
}

bool Unit::setReading(const QString& what, const QString& valueText)
{
    bool isNumber = false;
    const int value = valueText.toInt(&isNumber);
    if (!isNumber || value < 0)
        return false;
    int& reading = what == QLatin1String("signal") ? current.signal : current.voltage;
    if (reading != value) {
        reading = value;
        emit changed();
    }
    return true;
}

bool Unit::logEvent(const QString& codeText, int source)
{
    bool isNumber = false;
    const int code = codeText.toInt(&isNumber);
    if (!isNumber || code < 0 || source < 0)
        return false;
    // The log and the unit's own view of its inputs and outputs agree.
    if (code < 8)
        current.inputs[code % 4] = code < 4;
    else if (code < 12)
        current.relays[code % 2] = code < 10;
    addEvent(code, source);
    emit changed();
    return true;
}

void Unit::powerOn()
{
    installImage();
    echoOn = true;
    operatorFormat = 0;
    gsmReady = true;
    gsmRestart.stop();
    for (int relay = 0; relay < 2; ++relay) {
        relayTimers[relay].stop();
        current.relays[relay] = false;
    }
    addEvent(12, 0);
    emit changed();
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

Reply Unit::refusal(int code)
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
    if (!gsmReady)
        return QStringLiteral("+COPS: 0");
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
                                                          : current.memory.at(cell).leftJustified(longCells, 'x');
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
    if (content == QLatin1String("RST")) {
        addEvent(14, 2);
        emit changed();
        Reply reply = answer();
        reply.restart = Reply::AfterAnswer;
        return reply;
    }
    if (content == QLatin1String("GSM")) {
        restartGsm();
        return answer();
    }
    static const QRegularExpression relayCommand(QStringLiteral("^\\$([XY])([01])$"));
    const QRegularExpressionMatch match = relayCommand.match(content);
    if (match.hasMatch())
        return switchRelayByCommand(match.captured(1) == QLatin1String("Y"), match.captured(2) == QLatin1String("1"));
    return writeParameter(content);
}

Reply Unit::writeParameter(const QString& content)
{
    const int comma = content.indexOf(',');
    if (comma < 0)
        return refusal(ParameterWriter::WrongCommand);
    ParameterWriter writer(current.memory);
    const ParameterWriter::Result result = writer.apply(content.left(comma), content.mid(comma + 1));
    if (result != ParameterWriter::Accepted) {
        qCDebug(lcSim) << "write refused:" << content << result;
        return refusal(result);
    }
    // One record per burst of changes from the PC, not one per parameter.
    const int newest = current.events.isEmpty() ? -1 : current.events.last().code;
    if (newest != 13 && newest != 15)
        addEvent(13, 2);
    if (writer.erasedCell() >= 0)
        addEvent(15, writer.erasedCell());
    emit changed();
    return answer();
}

Reply Unit::switchRelayByCommand(int relay, bool on)
{
    const int before = current.events.size();
    if (!switchRelay(relay, on, 2))
        return answer();
    emit changed();
    if (pushEvents)
        return answer();
    // The switch is reported as its event record, whether or not records ride along otherwise.
    QStringList lines;
    for (int index = before; index < current.events.size(); ++index)
        lines.append(eventLine(index));
    unreported = 0;
    return answer(lines);
}

Reply Unit::resetCounter(const QString& line)
{
    static const QRegularExpression input(QStringLiteral("^status\\.input_counter\\[([1-4])\\]=0$"));
    static const QRegularExpression relay(QStringLiteral("^status\\.relay_counter\\[([12])\\]=0$"));
    QRegularExpressionMatch match;
    if ((match = input.match(line)).hasMatch())
        current.inputCounters[match.captured(1).toInt() - 1] = 0;
    else if ((match = relay.match(line)).hasMatch())
        current.relayCounters[match.captured(1).toInt() - 1] = 0;
    else if (line == QLatin1String("status.gsm.sms_sent = 0"))
        current.smsSent = 0;
    else if (line == QLatin1String("status.gsm.service_sms_sent = 0"))
        current.serviceSmsSent = 0;
    else
        return {{error}};
    emit changed();
    Reply reply;
    reply.silent = true;
    return reply;
}

void Unit::restartGsm()
{
    gsmReady = false;
    gsmRestart.start(restartMs);
}

bool Unit::setInput(int input, bool active, int source)
{
    if (current.inputs[input] == active)
        return false;
    current.inputs[input] = active;
    if (active)
        ++current.inputCounters[input];
    addEvent(active ? input : 4 + input, source);
    return true;
}

bool Unit::switchRelay(int relay, bool on, int source)
{
    if (current.relays[relay] == on)
        return false;
    current.relays[relay] = on;
    relayTimers[relay].stop();
    if (on) {
        ++current.relayCounters[relay];
        // A relay with an on-time falls back by itself; 0 s means it stays on.
        const int seconds = current.memory.at(Cell::RelayTime + relay).toInt();
        if (seconds > 0)
            relayTimers[relay].start(seconds * 1000);
    }
    addEvent((on ? 8 : 10) + relay, source);
    return true;
}

void Unit::addEvent(int code, int source)
{
    current.events.append({code, source, QDateTime::currentDateTime()});
    if (current.events.size() > UnitState::maxEvents)
        current.events.removeFirst();
    unreported = std::min(unreported + 1, int(current.events.size()));
}

QString Unit::statusLine() const
{
    const QStringList fields{gsmReady ? QStringLiteral("READY") : QStringLiteral("GSM RESTART"),
                             current.firmware,
                             current.serial,
                             QString::number(gsmReady ? current.signal : 0),
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
