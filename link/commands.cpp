#include "commands.h"

namespace moduleRV_23 {

namespace Commands {

QString echoOn()
{
    return QStringLiteral("ATE1");
}

QString statusRequest()
{
    return QStringLiteral("AT+OATSET=\"$SDS\"");
}

QString memoryRead(int cell)
{
    return QStringLiteral("AT+OATMEM=0,") + QString::number(cell);
}

QString unitReset()
{
    return QStringLiteral("AT+OATSET=\"RST\"");
}

QString gsmReset()
{
    return QStringLiteral("AT+OATSET=\"GSM\"");
}

QString toggleOutput(char output, bool isOn)
{
    return QStringLiteral("AT+OATSET=\"$%1%2\"").arg(QLatin1Char(output)).arg(isOn ? 0 : 1);
}

QString inputCounterReset(int index)
{
    return QStringLiteral("status.input_counter[%1]=0").arg(index + 1);
}

QString outputCounterReset(int index)
{
    return QStringLiteral("status.relay_counter[%1]=0").arg(index + 1);
}

QString sentSmsReset()
{
    return QStringLiteral("status.gsm.sms_sent = 0");
}

QString sentServiceSmsReset()
{
    return QStringLiteral("status.gsm.service_sms_sent = 0");
}

} // namespace Commands

} // namespace moduleRV_23
