// Unit: the modem's firmware download commands and the installation of a downloaded image.
#include "unit.h"

#include "factorystate.h"
#include "logging.h"

namespace Sim {

namespace {

// An image names the versions it brings in its first line:
// "#RV-23 behaviour=005 firmware=2.15.0401" (either may be missing); "settings=factory" there
// makes the installation put the configuration memory back to the factory's.
void readImageHeader(const QByteArray& image, QString& behaviourVersion, QString& firmware, bool& factorySettings)
{
    const QString header = QString::fromLatin1(image.left(image.indexOf('\n'))).trimmed();
    const QStringList words = header.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.value(0) != QLatin1String("#RV-23"))
        return;
    for (const QString& word : words.mid(1)) {
        if (word.startsWith(QLatin1String("behaviour=")))
            behaviourVersion = word.section(QLatin1Char('='), 1);
        else if (word.startsWith(QLatin1String("firmware=")))
            firmware = word.section(QLatin1Char('='), 1);
        else if (word == QLatin1String("settings=factory"))
            factorySettings = true;
    }
}

} // namespace

Reply Unit::firmwareCommand(const QString& upper)
{
    if (upper == QLatin1String("AT+OATGSM=0"))
        return indicated(QStringLiteral("+WIND: 0"));
    if (upper == QLatin1String("AT+OATGSM=1"))
        return indicated(QStringLiteral("+WIND: 11"));
    if (upper == QLatin1String("AT+WOPEN=0") || upper == QLatin1String("AT+WOPEN=3"))
        return answer();
    if (upper == QLatin1String("AT+WOPEN=1"))
        return indicated(QStringLiteral("+WIND: 7"));
    if (upper == QLatin1String("AT+WDWL")) {
        if (!downloadRefusal.isEmpty())
            return {{downloadRefusal}};
        Reply reply{{QStringLiteral("+WDWL: 0")}};
        reply.download = true;
        return reply;
    }
    if (upper == QLatin1String("AT+CFUN=1")) {
        // The modem answers once it is back.
        Reply reply = answer();
        reply.restart = Reply::BeforeAnswer;
        return reply;
    }
    return {{QStringLiteral("ERROR")}};
}

Reply Unit::indicated(const QString& indication)
{
    Reply reply = answer();
    reply.indication = indication;
    return reply;
}

// An image without a header is installed too, but leaves the versions as they were.
void Unit::installImage()
{
    if (pendingImage.isEmpty())
        return;
    current.firmwareImage = pendingImage;
    pendingImage.clear();
    bool factorySettings = false;
    readImageHeader(current.firmwareImage, current.behaviourVersion, current.firmware, factorySettings);
    if (factorySettings)
        current.memory = factoryState().memory;
    qCDebug(lcSim) << "firmware image installed:" << current.firmwareImage.size() << "bytes, behaviour version"
                   << current.behaviourVersion;
    emit imageInstalled();
}

} // namespace Sim
