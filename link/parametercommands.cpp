#include "parametercommands.h"

#include "configcodec.h"
#include "logging.h"

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

// The group command of key with fields joined by ","; empty when a field cannot travel in it.
QString writeGroup(const QString& key, const QStringList& fields)
{
    for (const QString& field : fields) {
        const QString fault = fieldFault(field, true);
        if (!fault.isEmpty()) {
            qCWarning(lcLink).noquote() << "Command" << key << "not built: a field" << fault;
            return QString();
        }
    }
    return write(key, fields.join(QLatin1Char(',')));
}

} // namespace

QString fieldFault(const QString& value, bool grouped)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return QStringLiteral("holds a line break");
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("holds a control character");
        if (c == QLatin1Char('"'))
            return QStringLiteral("holds a double quote");
        if (grouped && c == QLatin1Char(','))
            return QStringLiteral("holds a comma, which would split the group command's fields");
    }
    return QString();
}

QString lineFault(const QString& command)
{
    const QString opening = QStringLiteral("AT+OATSET=\"");
    if (command.isEmpty())
        return QStringLiteral("a value cannot travel in it");
    if (!command.startsWith(opening) || !command.endsWith(QLatin1Char('"')) || command.size() < opening.size() + 1)
        return QStringLiteral("it is no parameter write");
    return fieldFault(command.mid(opening.size(), command.size() - opening.size() - 1), false);
}

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
    if (writeGroup(QStringLiteral("TN") + input, QStringList(numbers.begin(), numbers.end())).isEmpty())
        return QString();
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
        return writeGroup(QStringLiteral("LD") + output, {number, QString::number(count)});
    return writeGroup(QStringLiteral("AD") + output, {number});
}

QString credit(const RV23_Config& config)
{
    if (!config.KreditKontrolaZap)
        return writeGroup(QStringLiteral("CRD"), {config.KreditUssd, QStringLiteral("0"), QStringLiteral("0"),
                                                  QStringLiteral("0")});
    return writeGroup(QStringLiteral("CRD"), {config.KreditUssd, QString::number(config.KreditPerioda),
                                              QString::number(config.KreditLimit), QString::number(config.KreditPozice)});
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
    return writeGroup(QStringLiteral("STN"), nonEmpty({config.ServiceNumber1, config.ServiceNumber2}));
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
    return writeGroup(QStringLiteral("LRN"), parts);
}

} // namespace ParameterCommands

} // namespace moduleRV_23
