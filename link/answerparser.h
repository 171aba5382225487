#pragma once

#include <QString>

namespace moduleRV_23 {

struct LiveStatus;

// Parsers of the unit's answer lines. Each takes one trimmed line beginning with its prefix.

// "+OATMSG:" status answer: fills the texts and, when the input/output field is complete, the
// flags. False (status untouched) when the line is no status answer or has fewer than 8 fields.
bool parseStatusResponse(const QString& line, LiveStatus& status);

// "+COPS:" answer: the operator without its quotes; empty when the answer names none.
QString parseOperator(const QString& line);

// "+WIMEI:" answer: the IMEI, or empty.
QString parseImei(const QString& line);

// "+OATMEM:" answer: the cell address and its value, cut at the next comma and not trimmed.
bool parseMemoryAnswer(const QString& line, int& address, QString& value);

// The behaviour version kept in memory cell 1: the value after its first three characters;
// empty when the value is too short to hold one.
QString behaviourVersionFromCell(const QString& value);

// "+OATERROR:" answer: the code in its parentheses (0 when that is no number); false when the
// line carries none.
bool parseErrorCode(const QString& line, int& code);

} // namespace moduleRV_23
