#include "localconnector.h"

#include "answerparser.h"
#include "commandanswer.h"
#include "logging.h"

#include <QStringList>

namespace moduleRV_23 {

namespace {

const int commandTimeoutMs = 3000;

bool startsWith(const QString& line, const char* prefix)
{
    return line.startsWith(QLatin1String(prefix));
}

} // namespace

bool LocalConnector::executeCmd(const QString& cmd)
{
    const CommandAnswer answer = sendAndReceive(cmd, commandTimeoutMs);
    qCDebug(lcLink).noquote() << "executeCmd : " << cmd;
    const QStringList lines = answer.data.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return false;
    for (const QString& line : lines)
        dispatchLine(line);
    return true;
}

void LocalConnector::dispatchLine(const QString& received)
{
    qCDebug(lcLink).noquote() << "Zpracovavam > " << received;
    const QString line = received.trimmed();
    if (line == QLatin1String("OK"))
        return;
    if (startsWith(line, "+OATMSG:")) {
        const bool parsed = parseStatusResponse(line, liveStatus);
        qCDebug(lcLink) << "parseStatusResponse : " << parsed;
    } else if (startsWith(line, "+OATEVENT:")) {
        handleEventLine(line);
    } else if (startsWith(line, "+COPS:")) {
        handleOperator(line);
    } else if (startsWith(line, "+WIMEI:")) {
        handleImei(line);
    } else if (startsWith(line, "+OATMEM:")) {
        handleMemoryAnswer(line);
    } else if (startsWith(line, "+CME ERROR:")) {
        qCDebug(lcLink).noquote() << "Error : " << line;
    } else if (startsWith(line, "+OATERROR:")) {
        handleUnitError(line);
    } else if (startsWith(line, "ERROR")) {
        qCDebug(lcLink).noquote() << "Error : " << line;
    } else {
        qCDebug(lcLink).noquote() << "Neumim zpracovat : " << line;
    }
}

void LocalConnector::handleOperator(const QString& line)
{
    qCDebug(lcLink).noquote() << "event : " << line;
    const QString name = parseOperator(line);
    qCDebug(lcLink).noquote() << "operator : " << name;
    if (!name.isEmpty())
        liveStatus.operatorName = name;
}

void LocalConnector::handleImei(const QString& line)
{
    qCDebug(lcLink).noquote() << "event : " << line;
    const QString imei = parseImei(line);
    qCDebug(lcLink).noquote() << "imei : " << imei;
    if (imei.isEmpty())
        return;
    liveStatus.imei = imei;
    lastImei = imei;
}

void LocalConnector::handleMemoryAnswer(const QString& line)
{
    qCDebug(lcLink).noquote() << "event : " << line;
    int address = 0;
    QString value;
    if (!parseMemoryAnswer(line, address, value)) {
        qCDebug(lcLink).noquote() << "Unable parse : " << line;
        return;
    }
    qCDebug(lcLink).noquote() << "data : " << address << ", " << value;
    decodeMemoryCell(address, value);
}

void LocalConnector::handleUnitError(const QString& line)
{
    qCDebug(lcLink).noquote() << "OAT Error : " << line;
    int code = 0;
    if (parseErrorCode(line, code))
        emit communicationError(code);
}

} // namespace moduleRV_23
