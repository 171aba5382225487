#include "refusalreport.h"

#include <QJsonDocument>
#include <QMetaObject>
#include <QObject>
#include <QVariantMap>

namespace Praxon {

namespace {

constexpr int longestShownValue = 40;

QString escaped(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            result += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            result += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            result += QLatin1String("\\t");
        else if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            result += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}

QString shortened(const QString& text)
{
    if (text.size() <= longestShownValue)
        return text;
    const int half = longestShownValue / 2;
    return text.left(half) + QStringLiteral("...(%1 characters)...").arg(text.size()) + text.right(half);
}

} // namespace

RefusalReport::RefusalReport(QObject* module)
{
    if (module && module->metaObject()->indexOfMethod("refusedFields()") >= 0)
        QMetaObject::invokeMethod(module, "refusedFields", Q_RETURN_ARG(QVariantList, fields));
}

RefusalReport::RefusalReport(const QVariantList& fields)
    : fields(fields)
{
}

bool RefusalReport::isEmpty() const
{
    return fields.isEmpty();
}

int RefusalReport::count() const
{
    return fields.size();
}

QStringList RefusalReport::lines() const
{
    QStringList result;
    for (const QVariant& entry : fields) {
        const QVariantMap field = entry.toMap();
        result << QStringLiteral("%1 = %2: %3")
                      .arg(field.value(QStringLiteral("label")).toString(), shownValue(field.value(QStringLiteral("value"))),
                           field.value(QStringLiteral("why")).toString());
    }
    return result;
}

QString RefusalReport::summary() const
{
    return count() == 1 ? QObject::tr("1 field needs fixing") : QObject::tr("%1 fields need fixing").arg(count());
}

QString RefusalReport::shownValue(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::QString:
        return QLatin1Char('"') + escaped(shortened(value.toString())) + QLatin1Char('"');
    case QMetaType::QVariantMap:
    case QMetaType::QVariantList:
        return shortened(QString::fromUtf8(QJsonDocument::fromVariant(value).toJson(QJsonDocument::Compact)));
    default:
        return value.isNull() ? QStringLiteral("(nothing)") : shortened(value.toString());
    }
}

} // namespace Praxon
