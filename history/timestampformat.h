#pragma once

#include <QString>

namespace moduleRV_23 {

// The format of event time stamps in the Events table: the default locale's short date format
// without the year (the unit logs none) and with two-digit day and month, then the time.
QString timeStampFormat();

// The same, derived from the given short date format.
QString timeStampFormat(const QString& shortDateFormat);

} // namespace moduleRV_23
