#include "localconnector.h"

#include "commandanswer.h"
#include "eventlogformat.h"
#include "logging.h"
#include "transportrules.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <QThread>

namespace moduleRV_23 {

namespace {

const int lineWriteTimeoutMs = 1000;
const int packetWriteTimeoutMs = 3000;
// One wait for data; the exchange deadline is only looked at between these slices.
const int readSliceMs = 3000;
// The longest an event log read may go on without a new record: a unit that keeps talking but
// sends no records is not sending its log. A whole log of any length is read, as long as its
// records keep coming.
const int eventLogRecordGapMs = 3000;
const QLatin1String eventRecordMark("+OATEVENT:");
// A unit that stopped answering is given up after three silent exchanges, rather than letting
// every remaining cell of a load or write of a save wait out its deadline.
const int silentExchangeLimit = 3;

// What trimming took off the end of text.
QString trailingSpace(const QString& text)
{
    int end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.mid(end);
}

} // namespace

void LocalConnector::sendLine(const QString& command)
{
    qCDebug(lcLink).noquote() << "Command" << command;
    writeToPort((command + QStringLiteral("\r\n")).toLocal8Bit(), lineWriteTimeoutMs);
}

void LocalConnector::sendPacket(const QString& hex)
{
    qCDebug(lcLink).noquote() << "Packet" << hex;
    if (hex.isEmpty())
        return;
    const QByteArray bytes = hexToBytes(hex);
    qCDebug(lcLink) << "Length of ba" << bytes.size();
    if (!bytes.isEmpty())
        writeToPort(bytes, packetWriteTimeoutMs);
}

// A line that cannot be written in time is taken as a lost unit.
void LocalConnector::writeToPort(const QByteArray& bytes, int timeoutMs)
{
    if (!port)
        return;
    if (!port->isOpen()) {
        qCDebug(lcLink) << "Port is not open!";
        emit communicationError(-1);
        return;
    }
    const qint64 written = port->write(bytes);
    qCDebug(lcLink) << written << "written";
    if (!port->waitForBytesWritten(timeoutMs)) {
        qCDebug(lcLink) << "Write timed out!";
        port->close();
        emit communicationError(-1);
    }
}

CommandAnswer LocalConnector::sendAndReceive(const QString& command, int timeoutMs)
{
    CommandAnswer result;
    result.cmd = command;
    if (!port)
        return result;
    if (!port->isOpen()) {
        qCDebug(lcLink) << "Port is not open!";
        return result;
    }
    // An error left by an earlier exchange must not end this one; a line that is really gone
    // reports itself again at the first wait.
    port->clearError();
    if (xmodemMode)
        return receiveRaw(result, timeoutMs);
    result = receiveLines(result, timeoutMs);
    countSilence(result);
    return result;
}

// Only silence and text that never begins like an answer count: a unit that answers what the
// command does not wait for (a firmware step's "OK") is alive. Block transfers keep their own
// retry rules and are not counted.
void LocalConnector::countSilence(const CommandAnswer& result)
{
    if (result.ok || !result.answer.isEmpty()) {
        silentExchanges = 0;
        return;
    }
    if (++silentExchanges < silentExchangeLimit || !port->isOpen())
        return;
    qCDebug(lcLink) << "No answer in" << silentExchanges << "exchanges, giving the line up";
    lineGivenUp = true;
    port->close();
    emit communicationError(-1);
}

// A new port, or the same one opened again, starts with a clean record.
void LocalConnector::hearAgain()
{
    silentExchanges = 0;
    lineGivenUp = false;
}

// The unit echoes commands, mixes indications into the stream and may split an answer over
// several reads, so there is no terminator to wait for: what arrives is accepted as soon as it
// begins like an answer, is more than the echo, and is what the command waits for.
CommandAnswer LocalConnector::receiveLines(CommandAnswer result, int timeoutMs)
{
    const QString& command = result.cmd;
    sendLine(command);
    const QDeadlineTimer deadline(timeoutMs);
    qCDebug(lcLink) << "*** Nekonecna cteci smycka. XModem mode : " << xmodemMode;
    QString accumulated;
    // Looked at after every dropped chunk as well as between waits: a unit that keeps talking
    // never lets a wait run out.
    const auto expired = [&] {
        if (!deadline.hasExpired())
            return false;
        qCDebug(lcLink) << "Uz se v tom patlam dlouho.";
        result.timeout = true;
        return true;
    };
    for (;;) {
        qint64 n = readChunk();
        if (n > 0) {
            const QString chunk = chunkText(readBuffer.constData(), n);
            qCDebug(lcLink).noquote() << "Answer from device : " << chunk;
            const QString trimmed = chunk.trimmed();
            accumulated += trimmed;
            if (!isRegularAnswer(accumulated) || accumulated == command) {
                qCDebug(lcLink).noquote()
                    << "Neco, cemu bud nerozumim nebo pouhe opakovani odeslaneho prikazu, cekam dal." << accumulated;
                if (expired())
                    break;
                accumulated.clear();
                continue;
            }
            if (trimmed.isEmpty()) {
                qCDebug(lcLink) << "Nejaka blbost na lince? Nacteno " << n << "znaku. Jedu dal...";
            } else {
                qCDebug(lcLink).noquote() << "Asi regulerni odpoved  > " << chunk;
                result.answer = trimmed;
                if (!isUnwantedAnswer(trimmed, command)) {
                    qCDebug(lcLink) << "Beru jako regulerni odpoved.";
                    result.data = accumulated;
                    result.ok = true;
                    if (readsEventLog(command))
                        receiveRest(result, chunk);
                    break;
                }
                qCDebug(lcLink) << "Zahazuji a cekam na regulerni odpoved.";
                accumulated.clear();
                if (expired())
                    break;
            }
            n = 0;
        }

        qCDebug(lcLink) << "Nacteno " << n << "znaku.";
        const bool expiredBeforeWait = deadline.hasExpired();
        const bool arrived = n == 0 && waitForData(readSliceMs);
        if (n < 0 || (!arrived && lineLost())) {
            qCDebug(lcLink) << "Read failed!";
            result.timeout = true;
            break;
        }
        if (!arrived && expiredBeforeWait) {
            qCDebug(lcLink) << "nothing received";
            result.timeout = true;
            break;
        }
        qCDebug(lcLink) << "Cekam dal";
    }
    if (!result.ok)
        qCDebug(lcLink).noquote() << "Error response:" << accumulated;
    return result;
}

// Firmware mode: the command is a hexadecimal packet and any byte that comes back is the
// answer. The deadline bounds the wait for that byte, so a modem that never answers cannot hold
// the connector.
CommandAnswer LocalConnector::receiveRaw(CommandAnswer result, int timeoutMs)
{
    sendPacket(result.cmd);
    const QDeadlineTimer deadline(timeoutMs);
    const QDateTime now = QDateTime::currentDateTime();
    qCDebug(lcLink).noquote() << now.toString(Qt::ISODateWithMs) + QStringLiteral(" timeout : ")
            + now.addMSecs(timeoutMs).toString(Qt::ISODateWithMs);
    qCDebug(lcLink) << "*** Nekonecna cteci smycka FW. XModem mode : " << xmodemMode;
    qint64 n = 0;
    while ((n = readChunk()) == 0 && !deadline.hasExpired()) {
        const int sliceMs = static_cast<int>(qMin<qint64>(readSliceMs, deadline.remainingTime()));
        if (!waitForData(sliceMs) && lineLost())
            break;
    }
    if (n <= 0) {
        qCDebug(lcLink) << "nothing received";
        result.timeout = true;
        return result;
    }

    qCDebug(lcLink) << "Neco nacteno.";
    for (qint64 i = 0; i < n; ++i)
        qCDebug(lcLink) << static_cast<quint8>(readBuffer.at(static_cast<int>(i)));
    const QString chunk = chunkText(readBuffer.constData(), n);
    qCDebug(lcLink).noquote() << "Answer from device : " << chunk;
    // Judged without the line ends, so that a stray CR or LF before a NAK is not the answer.
    const QString trimmed = chunk.trimmed();
    result.firstChar = trimmed.isEmpty() ? 0 : trimmed.at(0).toLatin1();
    qCDebug(lcLink).noquote() << "qc = " << trimmed.left(1)
                              << QString::number(static_cast<quint8>(result.firstChar), 16);
    result.answer = chunk;
    result.data = trimmed;
    result.ok = true;
    qCDebug(lcLink) << "*** Konec nekonecne smycky";
    return result;
}

// The event log is many times longer than one read of the line (a pseudo-terminal hands over at
// most 4095 bytes, a USB unit far less) and its first piece already passes for an answer, so the
// rest would turn up as stale lines in later exchanges. This answer alone is therefore read on,
// joined as it came, until its final result line; a slice without data, a lost line or a
// stretch without a new record ends it early with the lines received so far.
void LocalConnector::receiveRest(CommandAnswer& result, const QString& acceptedChunk)
{
    QDeadlineTimer limit(eventLogRecordGapMs);
    QString text = result.data + trailingSpace(acceptedChunk);
    while (!endsWithFinalResult(text)) {
        const qint64 n = readChunk();
        if (n > 0) {
            const QString chunk = chunkText(readBuffer.constData(), n);
            qCDebug(lcLink).noquote() << "Answer from device : " << chunk;
            // The mark may be cut between two reads.
            const int from = qMax(0, text.size() - eventRecordMark.size());
            text += chunk;
            if (text.indexOf(eventRecordMark, from) >= 0)
                limit.setRemainingTime(eventLogRecordGapMs);
            else if (limit.hasExpired())
                break;
            continue;
        }
        const int slice = int(qMin<qint64>(readSliceMs, limit.remainingTime()));
        if (n < 0 || limit.hasExpired() || !waitForData(slice)) {
            qCDebug(lcLink) << "Answer ends without its final line";
            break;
        }
    }
    result.data = text.trimmed();
}

qint64 LocalConnector::readChunk()
{
    if (!port->isOpen())
        return -1;
    return port->read(readBuffer.data(), readBuffer.size());
}

// Data already taken from the line by an earlier read counts as arrived.
bool LocalConnector::waitForData(int timeoutMs)
{
    return port->bytesAvailable() > 0 || port->waitForReadyRead(timeoutMs);
}

// A pseudo-terminal whose other side closed reports ReadError and stays open; a USB unplug
// may report ResourceError. Either way nothing more will come. A connector whose thread is asked
// to stop treats its line as lost, so that a long exchange ends at its next wait.
bool LocalConnector::lineLost() const
{
    return QThread::currentThread()->isInterruptionRequested() || !port->isOpen()
        || port->error() == QSerialPort::ReadError
        || port->error() == QSerialPort::ResourceError;
}

} // namespace moduleRV_23
