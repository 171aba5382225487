#pragma once

#include "rv23_config.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

namespace moduleRV_23 {

// The seven service report options in the order the unit keeps them (cells 258..264) and
// takes them back in one parameter write.
const std::array<bool RV23_Config::*, 7>& optionFlags();

// The learning code text of a peripheral: "110000" and the low 24 bits of code as eight
// digits. Empty for an erased entry, whose 24 bits are all set.
QString codeToText(qint32 code);

// The peripheral code a learning code text stands for, as typed: short texts count as padded
// with "0" on the left, and a leading "00" as "11". -1 for an empty text, a text that does not
// begin with "11000", and a device type the unit does not learn.
qint64 textToCode(const QVariant& value);

// Whether the device type of a peripheral code (bits 20..23) is one the unit learns.
bool isAcceptedDeviceType(qint64 code);

// The code of a learning code text as a parameter write carries it: eight digits; empty when
// the text is no valid learning code.
QString learnCodeDigits(const QVariant& value);

// An item value as a parameter write carries it: numbers in decimal ("1"/"0" for a flag), a
// double times 1000 in its shortest form of at most six significant digits, texts unchanged;
// anything else gives an empty text.
QString variantToText(const QVariant& value);

// prefix, then the non-empty numbers among the first count entries without any blanks,
// separated by ","; then the closing quote. The unit keeps the numbers packed.
QString joinPhoneList(const QString& prefix, const QStringList& numbers, int count);

} // namespace moduleRV_23
