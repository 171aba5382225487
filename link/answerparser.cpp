#include "answerparser.h"

#include "livestatus.h"
#include "logging.h"

#include <QStringList>

namespace moduleRV_23 {

namespace {

const QLatin1String statusPrefix("+OATMSG:");
const int statusFieldCount = 8;
const int ioFieldIndex = 8;
const int ioFieldLength = 12;

QString afterPrefix(const QString& line, const QString& prefix)
{
    return line.mid(line.indexOf(prefix) + prefix.size()).trimmed();
}

bool* ioFlag(LiveStatus& status, QChar letter)
{
    switch (letter.toLatin1()) {
    case 'A': return &status.inputA;
    case 'B': return &status.inputB;
    case 'C': return &status.inputC;
    case 'D': return &status.inputD;
    case 'X': return &status.outputX;
    case 'Y': return &status.outputY;
    default: return nullptr;
    }
}

// Letter-digit pairs such as "A1B0C0D1X0Y1"; a letter without its digit is ignored.
void parseIoField(const QString& field, LiveStatus& status)
{
    for (int i = 0; i + 1 < field.size(); i += 2) {
        if (bool* flag = ioFlag(status, field.at(i)))
            *flag = field.at(i + 1) == QLatin1Char('1');
    }
}

} // namespace

bool parseStatusResponse(const QString& line, LiveStatus& status)
{
    if (!line.contains(statusPrefix)) {
        qCDebug(lcLink) << "Unable parse : " << line;
        return false;
    }
    const QStringList fields = afterPrefix(line, statusPrefix).split(QLatin1Char(','));
    qCDebug(lcLink) << "Split parametru:";
    for (const QString& field : fields)
        qCDebug(lcLink) << field;
    if (fields.size() < statusFieldCount)
        return false;

    status.field1 = fields.at(0);
    status.firmware = fields.at(1);
    status.serialNumber = fields.at(2);
    status.rssi = fields.at(3);
    status.voltage = fields.at(4);
    if (fields.size() > ioFieldIndex && fields.at(ioFieldIndex).size() >= ioFieldLength)
        parseIoField(fields.at(ioFieldIndex), status);
    return true;
}

QString parseOperator(const QString& line)
{
    const QStringList fields = afterPrefix(line, QStringLiteral("+COPS:")).split(QLatin1Char(','));
    if (fields.size() < 3 || fields.at(2).size() <= 2)
        return {};
    const QString& quoted = fields.at(2);
    return quoted.mid(1, quoted.size() - 2);
}

QString parseImei(const QString& line)
{
    return afterPrefix(line, QStringLiteral("+WIMEI:")).section(QLatin1Char('\n'), 0, 0).trimmed();
}

bool parseMemoryAnswer(const QString& line, int& address, QString& value)
{
    const QStringList fields = afterPrefix(line, QStringLiteral("+OATMEM:")).split(QLatin1Char(','));
    if (fields.size() < 3)
        return false;
    bool ok = false;
    address = fields.at(1).trimmed().toInt(&ok);
    value = fields.at(2);
    return ok;
}

QString behaviourVersionFromCell(const QString& value)
{
    const QString trimmed = value.trimmed();
    return trimmed.size() > 3 ? trimmed.mid(3) : QString();
}

bool parseErrorCode(const QString& line, int& code)
{
    const int open = line.indexOf(QLatin1Char('('));
    const int close = line.indexOf(QLatin1Char(')'));
    if (open < 0 || close < 0)
        return false;
    code = line.mid(open + 1, qMax(0, close - open - 1)).toInt();
    return true;
}

} // namespace moduleRV_23
