#pragma once

#include "rv23_config.h"

#include <QChar>
#include <QString>

namespace moduleRV_23 {

// The parameter writes of a configuration save: "AT+OATSET=" and a quoted text that begins
// with the parameter's three-letter key and a comma.
namespace ParameterCommands {

// Why value cannot be a field of a command's quoted argument; empty when it can. Control
// characters would end or split the line and a double quote the argument; a comma separates
// the fields of a group command, so it is refused only where the value is one of several.
QString fieldFault(const QString& value, bool grouped);
// Why command cannot go out as it is; empty when it can. An empty command is one a builder
// refused.
QString lineFault(const QString& command);

// The command up to and including the comma after the key.
QString start(const QString& key);
QString write(const QString& key, const QString& value);

// Keys made of a two-letter stem and the letter of an input (A..D) or output (X, Y).
QString write(const char* stem, QChar letter, const QString& value);

// Every builder below gives an empty command, with a debug line that says why, when a value
// cannot travel in it (fieldFault()).

// The input's phone numbers, packed (TNA..TND).
QString inputPhones(QChar input, const std::array<QString, 8>& numbers);
// The relay's on-time in seconds, 0 when it stays on (TMX, TMY).
QString relayTime(QChar output, bool permanent, quint16 seconds);
// A number allowed to switch the relay, with its use count when that is 1..99 (LDX/LDY),
// else without a limit (ADX/ADY).
QString storePhone(QChar output, const QString& number, qint32 count);
// The balance check (CRD): USSD code, period, limit and position; zeros when it is off.
QString credit(const RV23_Config& config);
// The seven service report options (DIP).
QString options(const RV23_Config& config);
// The non-empty service numbers (STN).
QString serviceNumbers(const RV23_Config& config);
// The learned peripherals (LRN): "A," and its code for each input that has one, then "X"
// and the codes of the relay's peripherals, then the same for "Y". Codes are eight digits.
QString peripherals(const RV23_Config::Peripherals& peripherals);

} // namespace ParameterCommands

} // namespace moduleRV_23
