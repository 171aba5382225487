#include "valuerule.h"

#include "utf8text.h"

#include <cmath>

namespace Framework {

namespace {

QString marked(ItemStateFlag* flag, ItemStateFlag how, const QString& why)
{
    if (flag)
        *flag = how;
    return why;
}

bool isNumberType(int type)
{
    return type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::Double;
}

} // namespace

ValueRule::ValueRule(const Item& item)
    : minimum(item.minimum())
    , maximum(item.maximum())
    , grouped(item.isGrouped())
{
    const int type = item.defaultValue(false).userType();
    if (type == QMetaType::Bool)
        kind = Kind::Flag;
    else if (isNumberType(type))
        kind = Kind::Number;
    else if (type == QMetaType::QString)
        kind = Kind::Text;
}

QVariant ValueRule::normalised(const QVariant& value) const
{
    if (kind != Kind::Number || value.userType() != QMetaType::QString)
        return value;
    bool whole = false;
    const qint64 number = value.toString().toLongLong(&whole);
    if (whole)
        return number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()
                   ? QVariant(int(number))
                   : QVariant(number);
    bool isNumber = false;
    const double real = value.toString().toDouble(&isNumber);
    return isNumber ? QVariant(real) : value;
}

QString ValueRule::fault(const QVariant& value, ItemStateFlag* flag) const
{
    if (value.isNull())
        return QString();
    switch (kind) {
    case Kind::Flag:
        return value.userType() == QMetaType::Bool ? QString()
                                                   : marked(flag, InputError, QStringLiteral("is not true or false"));
    case Kind::Number:
        return numberFault(normalised(value), flag);
    case Kind::Text:
        if (value.userType() != QMetaType::QString)
            return marked(flag, InputError, QStringLiteral("is not a text"));
        return textFault(value.toString(), flag);
    case Kind::Any:
        break;
    }
    return value.userType() == QMetaType::QString ? textFault(value.toString(), flag) : QString();
}

QString ValueRule::numberFault(const QVariant& value, ItemStateFlag* flag) const
{
    if (!isNumberType(value.userType()))
        return marked(flag, InputError, QStringLiteral("is not a number"));
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number)
        return marked(flag, InputError, QStringLiteral("is not a whole number"));
    if (minimum != Item::NoLimit && number < double(minimum))
        return marked(flag, OutOfRange, QStringLiteral("is below the minimum %1").arg(minimum));
    if (maximum > 0 && number > double(maximum))
        return marked(flag, OutOfRange, QStringLiteral("is above the maximum %1").arg(maximum));
    return QString();
}

QString ValueRule::textFault(const QString& text, ItemStateFlag* flag) const
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return marked(flag, InputError, QStringLiteral("holds a control character (line break, tab, ...)"));
        if (c == QLatin1Char('"'))
            return marked(flag, InputError, QStringLiteral("holds a double quote"));
        if (grouped && c == QLatin1Char(','))
            return marked(flag, InputError, QStringLiteral("holds a comma, which the unit reads as a field separator here"));
    }
    if (maximum > 0 && Utf8Text::length(text) > maximum)
        return marked(flag, OutOfRange, QStringLiteral("is longer than %1 bytes").arg(maximum));
    return QString();
}

} // namespace Framework
