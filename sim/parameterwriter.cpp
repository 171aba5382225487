#include "parameterwriter.h"

#include "cells.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace Sim {

namespace {

constexpr int maxTextLength = 30;
constexpr int maxCodeLength = 8;
constexpr int maxPeripheralsPerOutput = 4;
constexpr int maxPhoneLength = 20;

bool isPhone(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\+?\\d+$"));
    return text.size() <= maxPhoneLength && pattern.match(text).hasMatch();
}

bool isPrintableAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

// A decimal number within [minimum, maximum], or -1.
int numberIn(const QString& text, int minimum, int maximum)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    return isNumber && value >= minimum && value <= maximum ? value : -1;
}

QString reversed(QString text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace

ParameterWriter::Result ParameterWriter::apply(const QString& key, const QString& value)
{
    erased = -1;
    if (key.size() != 3)
        return WrongCommand;
    const QChar last = key.at(2);
    const int input = QStringLiteral("ABCD").indexOf(last);
    const int output = QStringLiteral("XY").indexOf(last);
    const QString stem = key.left(2);
    if (input >= 0 && stem == QLatin1String("AT"))
        return writeText(Cell::InputOnText + input, value, maxTextLength);
    if (input >= 0 && stem == QLatin1String("DT"))
        return writeText(Cell::InputOffText + input, value, maxTextLength);
    if (input >= 0 && stem == QLatin1String("DN"))
        return writeFlag(Cell::CallOnChange + input, value);
    if (input >= 0 && stem == QLatin1String("TN"))
        return writeInputPhones(input, value);
    if (output >= 0 && stem == QLatin1String("AR"))
        return writeText(Cell::OutputOnText + output, value, maxTextLength);
    if (output >= 0 && stem == QLatin1String("DR"))
        return writeText(Cell::OutputOffText + output, value, maxTextLength);
    if (output >= 0 && stem == QLatin1String("CA"))
        return writeDtmf(Cell::DtmfOn + output, value);
    if (output >= 0 && stem == QLatin1String("CD"))
        return writeDtmf(Cell::DtmfOff + output, value);
    if (output >= 0 && stem == QLatin1String("ED"))
        return erasePhone(output, value);
    if (output >= 0 && stem == QLatin1String("LD"))
        return storePhone(output, value.section(',', 0, 0), value.section(',', 1));
    if (output >= 0 && stem == QLatin1String("AD"))
        return storePhone(output, value, QStringLiteral("0"));
    if (output >= 0 && stem == QLatin1String("TM"))
        return writeRelayTime(output, value);
    if (key == QLatin1String("NPC"))
        return writeText(Cell::ProgrammingCode, value, maxCodeLength);
    if (key == QLatin1String("STS"))
        return writeText(Cell::StatusSmsText, value, maxTextLength);
    if (key == QLatin1String("CRD"))
        return writeCredit(value);
    if (key == QLatin1String("DIP"))
        return writeOptions(value);
    if (key == QLatin1String("STN"))
        return writeServiceNumbers(value);
    if (key == QLatin1String("LRN"))
        return writePeripherals(value);
    return WrongCommand;
}

ParameterWriter::Result ParameterWriter::writeText(int cell, const QString& value, int maxLength)
{
    if (!isPrintableAscii(value))
        return NotAscii;
    // A comma would end the text early when it is read back.
    if (value.size() > maxLength || value.contains(','))
        return BadFormat;
    memory[cell] = value;
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeFlag(int cell, const QString& value)
{
    bool isNumber = false;
    const int flag = value.toInt(&isNumber);
    if (!isNumber)
        return BadFormat;
    memory[cell] = flag != 0 ? QStringLiteral("1") : QStringLiteral("0");
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeDtmf(int cell, const QString& value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9*#]{0,8}$"));
    if (!digits.match(value).hasMatch())
        return BadFormat;
    // The unit compares codes from the last key pressed backwards.
    memory[cell] = reversed(value);
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeInputPhones(int input, const QString& value)
{
    const QStringList numbers = value.isEmpty() ? QStringList() : value.split(',');
    if (numbers.size() > Cell::InputPhoneCount)
        return NoSpace;
    if (!std::all_of(numbers.begin(), numbers.end(), isPhone))
        return BadFormat;
    for (int row = 0; row < Cell::InputPhoneCount; ++row)
        memory[Cell::InputPhones + input * Cell::InputPhoneCount + row] = numbers.value(row);
    return Accepted;
}

int ParameterWriter::findPhone(int output, const QString& number) const
{
    for (int row = 0; row < Cell::OutputPhoneCount; ++row) {
        if (memory.at(Cell::OutputPhones + output * Cell::OutputPhoneCount + row) == number)
            return row;
    }
    return -1;
}

ParameterWriter::Result ParameterWriter::erasePhone(int output, const QString& number)
{
    const int row = number.isEmpty() ? -1 : findPhone(output, number);
    if (row < 0)
        return NotFound;
    const int offset = output * Cell::OutputPhoneCount + row;
    memory[Cell::OutputPhones + offset].clear();
    memory[Cell::PhoneCounts + offset] = QStringLiteral("0");
    erased = Cell::OutputPhones + offset;
    return Accepted;
}

ParameterWriter::Result ParameterWriter::storePhone(int output, const QString& number, const QString& count)
{
    const int uses = numberIn(count, 0, 99);
    if (!isPhone(number) || uses < 0)
        return BadFormat;
    // A number already held only gets its new count; a new one takes the first free row.
    int row = findPhone(output, number);
    if (row < 0)
        row = findPhone(output, QString());
    if (row < 0)
        return NoSpace;
    const int offset = output * Cell::OutputPhoneCount + row;
    memory[Cell::OutputPhones + offset] = number;
    memory[Cell::PhoneCounts + offset] = QString::number(uses);
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeRelayTime(int output, const QString& value)
{
    const int seconds = numberIn(value, 0, 36000);
    if (seconds < 0)
        return BadFormat;
    memory[Cell::RelayTime + output] = QString::number(seconds);
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeCredit(const QString& value)
{
    static const QRegularExpression ussd(QStringLiteral("^[0-9*#]{0,20}$"));
    QStringList parts = value.split(',');
    // The USSD code alone leaves the automatic check off.
    if (parts.size() == 1)
        parts << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0");
    if (parts.size() != 4 || !ussd.match(parts.at(0)).hasMatch())
        return BadFormat;
    const int period = numberIn(parts.at(1), 0, 99);
    const int limit = numberIn(parts.at(2), 0, 999);
    const int position = numberIn(parts.at(3), 0, 99);
    if (period < 0 || limit < 0 || position < 0)
        return BadFormat;
    memory[Cell::CreditUssd] = parts.at(0);
    memory[Cell::CreditPeriod] = QString::number(period);
    memory[Cell::CreditLimit] = QString::number(limit);
    memory[Cell::CreditPosition] = QString::number(position);
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeOptions(const QString& value)
{
    const QStringList flags = value.split(',');
    if (flags.size() != Cell::OptionCount)
        return BadFormat;
    for (const QString& flag : flags) {
        bool isNumber = false;
        flag.toInt(&isNumber);
        if (!isNumber)
            return BadFormat;
    }
    for (int i = 0; i < Cell::OptionCount; ++i)
        writeFlag(Cell::Options + i, flags.at(i));
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writeServiceNumbers(const QString& value)
{
    const QStringList numbers = value.isEmpty() ? QStringList() : value.split(',');
    if (numbers.size() > 2)
        return NoSpace;
    if (!std::all_of(numbers.begin(), numbers.end(), isPhone))
        return BadFormat;
    memory[Cell::ServiceNumber] = numbers.value(0);
    memory[Cell::ServiceNumber + 1] = numbers.value(1);
    return Accepted;
}

ParameterWriter::Result ParameterWriter::writePeripherals(const QString& value)
{
    // "A,code,C,code,X,code,code,Y,code": a letter, then its peripherals' 24-bit codes.
    static const QString groups = QStringLiteral("ABCDXY");
    QVector<QPair<int, int>> learned;   // code, mode
    QString seen;
    int group = -1;
    int inGroup = 0;
    for (const QString& part : value.split(',', Qt::SkipEmptyParts)) {
        const int letter = part.size() == 1 ? groups.indexOf(part) : -1;
        if (letter >= 0) {
            if (seen.contains(part))
                return BadFormat;
            seen += part;
            group = letter;
            inGroup = 0;
            continue;
        }
        const int code = part.size() <= 8 ? numberIn(part, 0, 0xFFFFFE) : -1;
        const int limit = group < 4 ? 1 : maxPeripheralsPerOutput;
        if (group < 0 || code < 0 || ++inGroup > limit)
            return BadFormat;
        learned.append({code, group + 1});   // modes 1..4 are the inputs, 5 and 6 the outputs
    }
    for (int n = 0; n < Cell::PeripheralSlots; ++n) {
        const bool used = n < learned.size();
        memory[Cell::PeripheralCode + n] = QString::number(used ? learned.at(n).first : -1);
        memory[Cell::PeripheralMode + n] = QString::number(used ? learned.at(n).second : -1);
    }
    return Accepted;
}

} // namespace Sim
