#include "parametercommands.h"

#include "configcodec.h"

#include <QStringList>

namespace moduleRV_23 {

namespace ParameterCommands {

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList nonEmpty(std::initializer_list<QString> texts)
{
    QStringList result;
    for (const QString& text : texts) {
        if (!text.isEmpty())
            result << text;
    }
    return result;
}

} // namespace

QString start(const QString& key)
{
    return QStringLiteral("AT+OATSET=\"") + key + QLatin1Char(',');
}

QString write(const QString& key, const QString& value)
{
    return start(key) + value + QLatin1Char('"');
}

QString write(const char* stem, QChar letter, const QString& value)
{
    return write(QLatin1String(stem) + letter, value);
}

QString inputPhones(QChar input, const RV23_Config::InputPhones& numbers)
{
    return joinPhoneList(start(QStringLiteral("TN") + input), QStringList(numbers.begin(), numbers.end()),
                         int(numbers.size()));
}

QString relayTime(QChar output, bool permanent, quint16 seconds)
{
    return write("TM", output, permanent ? QStringLiteral("0") : QString::number(seconds));
}

QString storePhone(QChar output, const QString& number, qint32 count)
{
    if (count > 0 && count < 100)
        return write("LD", output, number + QLatin1Char(',') + QString::number(count));
    return write("AD", output, number);
}

QString credit(const RV23_Config& config)
{
    if (!config.KreditKontrolaZap)
        return write(QStringLiteral("CRD"), config.KreditUssd + QLatin1String(",0,0,0"));
    return write(QStringLiteral("CRD"), QStringList{config.KreditUssd, QString::number(config.KreditPerioda),
                                                    QString::number(config.KreditLimit),
                                                    QString::number(config.KreditPozice)}
                                            .join(QLatin1Char(',')));
}

QString options(const RV23_Config& config)
{
    QStringList flags;
    for (bool RV23_Config::*option : optionFlags())
        flags << flag(config.*option);
    return write(QStringLiteral("DIP"), flags.join(QLatin1Char(',')));
}

QString serviceNumbers(const RV23_Config& config)
{
    return write(QStringLiteral("STN"), nonEmpty({config.ServiceNumber1, config.ServiceNumber2}).join(QLatin1Char(',')));
}

QString peripherals(const RV23_Config::Peripherals& p)
{
    QStringList parts;
    const std::pair<const char*, const QString*> inputs[] = {{"A", &p.A}, {"B", &p.B}, {"C", &p.C}, {"D", &p.D}};
    for (const auto& [letter, code] : inputs) {
        if (!code->isEmpty())
            parts << QLatin1String(letter) << *code;
    }
    const std::pair<const char*, QStringList> outputs[] = {{"X", nonEmpty({p.X1, p.X2, p.X3, p.X4})},
                                                           {"Y", nonEmpty({p.Y1, p.Y2, p.Y3, p.Y4})}};
    for (const auto& [letter, codes] : outputs) {
        if (!codes.isEmpty())
            parts << QLatin1String(letter) << codes;
    }
    return write(QStringLiteral("LRN"), parts.join(QLatin1Char(',')));
}

} // namespace ParameterCommands

} // namespace moduleRV_23
