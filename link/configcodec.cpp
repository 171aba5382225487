#include "configcodec.h"

namespace moduleRV_23 {

namespace {

constexpr quint32 lowBitsMask = 0xFFFFFF;
const QLatin1String codePrefix("110000");
const QLatin1String learnedPrefix("11000");
constexpr int codeTextLength = 14;
constexpr int codeDigits = 8;

} // namespace

const std::array<bool RV23_Config::*, 7>& optionFlags()
{
    static const std::array<bool RV23_Config::*, 7> flags = {
        &RV23_Config::ForwardUnknownSms, &RV23_Config::CheckCall24h,       &RV23_Config::CopySentSms,
        &RV23_Config::Limit10Sms,        &RV23_Config::ConfirmRelayByRing, &RV23_Config::ConfirmRelayBySms,
        &RV23_Config::BypassWirelessDevice};
    return flags;
}

QString codeToText(qint32 code)
{
    const quint32 bits = quint32(code) & lowBitsMask;
    if (bits == lowBitsMask)
        return QString();
    return codePrefix + QStringLiteral("%1").arg(bits, codeDigits, 10, QLatin1Char('0'));
}

qint64 textToCode(const QVariant& value)
{
    QString text = value.toString();
    if (text.isEmpty())
        return -1;
    text = text.rightJustified(codeTextLength, QLatin1Char('0'));
    if (text.startsWith(QLatin1String("00")))
        text.replace(0, 2, QStringLiteral("11"));
    const qint64 code = text.mid(codePrefix.size()).toUInt();
    return text.startsWith(learnedPrefix) && isAcceptedDeviceType(code) ? code : -1;
}

bool isAcceptedDeviceType(qint64 code)
{
    const int type = int((code >> 20) & 0xF);
    return type != 3 && type != 4 && type != 5 && type != 14 && type != 15;
}

QString learnCodeDigits(const QVariant& value)
{
    const qint64 code = textToCode(value);
    if (code < 0)
        return QString();
    return QStringLiteral("%1").arg(code, codeDigits, 10, QLatin1Char('0'));
}

QString variantToText(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble() * 1000, 'g', 6);
    case QMetaType::QString:
        return value.toString();
    default:
        return QString();
    }
}

QString joinPhoneList(const QString& prefix, const QStringList& numbers, int count)
{
    QString line = prefix;
    bool first = true;
    for (int i = 0; i < qMin(count, numbers.size()); ++i) {
        if (numbers.at(i).isEmpty())
            continue;
        if (!first)
            line += QLatin1Char(',');
        line += numbers.at(i).trimmed().remove(QLatin1Char(' '));
        first = false;
    }
    return line + QLatin1Char('"');
}

} // namespace moduleRV_23
