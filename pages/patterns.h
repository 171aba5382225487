#pragma once

#include <QString>

namespace moduleRV_23 {

// Input patterns of the page fields the unit takes as digits.
namespace Patterns {

// Empty, or digits with an optional leading plus.
inline const QString PhoneNumber = QStringLiteral("(^$|^\\+?\\d+$)");
// A DTMF code of up to eight digits.
inline const QString DtmfCode = QStringLiteral("\\d{0,8}");
// A peripheral learning code of up to fourteen digits.
inline const QString LearningCode = QStringLiteral("\\d{0,14}");

} // namespace Patterns

} // namespace moduleRV_23
