#include "timestampformat.h"

#include <QLocale>

namespace moduleRV_23 {

QString timeStampFormat()
{
    return timeStampFormat(QLocale().dateFormat(QLocale::ShortFormat));
}

QString timeStampFormat(const QString& shortDateFormat)
{
    QString format = shortDateFormat;
    format.remove(QLatin1Char('y'));
    // Rows line up only when day and month always take two digits.
    if (format.count(QLatin1Char('d')) == 1)
        format.replace(QLatin1Char('d'), QLatin1String("dd"));
    if (format.count(QLatin1Char('M')) == 1)
        format.replace(QLatin1Char('M'), QLatin1String("MM"));
    return format + QLatin1String("  HH:mm:ss");
}

} // namespace moduleRV_23
