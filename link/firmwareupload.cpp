#include "localconnector.h"

#include "commandanswer.h"
#include "logging.h"
#include "xmodem.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace moduleRV_23 {

namespace {

const int minimumImageSize = 20;
const int gsmStepTimeoutMs = 60000;
const int applicationStopTimeoutMs = 30000;
const int downloadStartTimeoutMs = 3000;
const int flashWriteTimeoutMs = 15000;
// Receivers repeat their start request every few seconds; two missed ones still fit.
const int handshakeTimeoutMs = 30000;
const int replyTimeoutMs = 3000;
const int blockAttempts = 4;
const int endAttempts = 3;
const int endRetryPauseMs = 2000;

bool isStepError(const QString& data)
{
    return data.startsWith(QLatin1String("+CME ERROR:")) || data.startsWith(QLatin1String("ERROR"));
}

QString byteHex(char byte)
{
    return QString::number(static_cast<quint8>(byte), 16);
}

// Raw-mode exchanges take their packet as hexadecimal text.
QString packet(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

} // namespace

void LocalConnector::uploadFirmware(QString path)
{
    if (QFileInfo(path).suffix().toLower() != QLatin1String("dwl")) {
        emit firmwareWasUploaded(FirmwareUploadFailed);
        return;
    }
    emit setLoaderMax(9);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcLink).noquote() << "Unable to open firmware file!" << path;
        emit firmwareWasUploaded(FirmwareFileUnusable);
        return;
    }
    const QByteArray image = file.readAll();
    emit setLoaderValue(1);
    if (image.size() < minimumImageSize) {
        qCDebug(lcLink) << "Wrong firmware file size!";
        emit firmwareWasUploaded(FirmwareFileUnusable);
        return;
    }

    const bool polled = pingTimer && pingTimer->isActive();
    if (polled)
        pingTimer->stop();
    const bool downloaded = downloadFirmware(image);
    // The modem's application and the unit's use of the modem come back after a failure too.
    firmwareStep(QStringLiteral("AT+WOPEN=1"), gsmStepTimeoutMs);
    emit setLoaderValue(8);
    firmwareStep(QStringLiteral("AT+OATGSM=1"), gsmStepTimeoutMs);
    emit setLoaderValue(9);
    // What the unit holds may read differently under the new firmware.
    reloadConstantData();
    if (polled)
        pingTimer->start();
    emit firmwareWasUploaded(downloaded ? FirmwareUploaded : FirmwareUploadFailed);
}

// The unit lets go of its modem, the modem's application stops, and the modem takes the image
// over XModem and restarts. False at the first step that fails.
bool LocalConnector::downloadFirmware(const QByteArray& image)
{
    const CommandAnswer gsmOff = firmwareStep(QStringLiteral("AT+OATGSM=0"), gsmStepTimeoutMs);
    emit setLoaderValue(2);
    if (gsmOff.data.startsWith(QLatin1String("ERROR")))
        return false;
    if (isStepError(firmwareStep(QStringLiteral("AT+WOPEN=0"), applicationStopTimeoutMs).data)) {
        emit setLoaderValue(3);
        return false;
    }
    if (isStepError(firmwareStep(QStringLiteral("AT+WOPEN=3"), applicationStopTimeoutMs).data)) {
        emit setLoaderValue(4);
        return false;
    }
    const CommandAnswer download = firmwareStep(QStringLiteral("AT+WDWL"), downloadStartTimeoutMs);
    emit setLoaderValue(5);
    if (download.answer != QLatin1String("+WDWL: 0"))
        return false;

    xmodemMode = true;
    if (!xmodemSend(image))
        return false;
    emit setLoaderValue(6);
    // The modem writes the image to its flash and says so when done.
    firmwareStep(QString(), flashWriteTimeoutMs);
    firmwareStep(QStringLiteral("AT+CFUN=1"), gsmStepTimeoutMs);
    emit setLoaderValue(7);
    return true;
}

CommandAnswer LocalConnector::firmwareStep(const QString& command, int timeoutMs)
{
    const CommandAnswer answer = sendAndReceive(command, timeoutMs);
    qCDebug(lcLink).noquote() << "cmd : answer " << answer.answer << " , ok : " << answer.ok
                              << " , timeout : " << answer.timeout << "data : " << answer.data;
    return answer;
}

bool LocalConnector::xmodemSend(const QByteArray& file)
{
    const QList<QByteArray> blocks = Xmodem::blocks(file);
    qCDebug(lcLink) << "Pocet paketu : " << blocks.size();
    bool sent = false;
    if (xmodemHandshake()) {
        const BlocksSent outcome = xmodemSendBlocks(blocks);
        if (outcome != BlocksSent::Cancelled)
            sent = xmodemEndTransmission(outcome == BlocksSent::All);
    }
    xmodemMode = false;
    return sent;
}

// Waits for the receiver's request for the first block. A receiver that asks for CRC first
// falls back to checksums with a NAK, so "C" only makes the wait go on.
bool LocalConnector::xmodemHandshake()
{
    const QDeadlineTimer deadline(handshakeTimeoutMs);
    for (;;) {
        const CommandAnswer start = sendAndReceive(QString(), static_cast<int>(deadline.remainingTime()));
        qCDebug(lcLink).noquote() << "XM answer : " << start.answer << "ok = " << start.ok;
        qCDebug(lcLink).noquote() << "XM Answer hex : " << byteHex(start.firstChar);
        if (!start.ok)
            return false;
        qCDebug(lcLink).noquote() << "XM Answer : " << QString(QChar::fromLatin1(start.firstChar));
        if (start.firstChar != Xmodem::crcRequest)
            return start.firstChar == Xmodem::negativeAcknowledge;
    }
}

// A block that gets no answer in time is sent again like a refused one.
LocalConnector::BlocksSent LocalConnector::xmodemSendBlocks(const QList<QByteArray>& blocks)
{
    for (int index = 0; index < blocks.size(); ++index) {
        const QString hex = packet(blocks.at(index));
        bool acknowledged = false;
        for (int attempt = 0; attempt < blockAttempts && !acknowledged; ++attempt) {
            qCDebug(lcLink).noquote() << "Send packet " << index << " : " << hex;
            const CommandAnswer reply = sendAndReceive(hex, replyTimeoutMs);
            qCDebug(lcLink) << "cd answer " << reply.ok;
            qCDebug(lcLink).noquote() << "Answer : " << byteHex(reply.firstChar);
            if (reply.firstChar == Xmodem::cancel)
                return BlocksSent::Cancelled;
            acknowledged = reply.firstChar == Xmodem::acknowledge;
            if (reply.ok && !acknowledged && reply.firstChar != Xmodem::negativeAcknowledge)
                qCDebug(lcLink).noquote() << "Neznama odpoved [hex]:" << byteHex(reply.firstChar);
        }
        if (!acknowledged) {
            qCDebug(lcLink) << "Prekorcen pocet neuspesnych pokusu.";
            return BlocksSent::Refused;
        }
    }
    return BlocksSent::All;
}

// An end of transmission that is never acknowledged leaves the result to the blocks.
bool LocalConnector::xmodemEndTransmission(bool blocksSent)
{
    const QString endOfTransmission = packet(QByteArray(1, Xmodem::endOfTransmission));
    for (int attempt = 1; attempt <= endAttempts; ++attempt) {
        const CommandAnswer reply = sendAndReceive(endOfTransmission, replyTimeoutMs);
        qCDebug(lcLink).noquote() << "EOT answer : 0x" + byteHex(reply.firstChar);
        if (reply.firstChar == Xmodem::acknowledge) {
            // The modem's last word on the transfer.
            sendAndReceive(QString(), replyTimeoutMs);
            return blocksSent;
        }
        if (reply.firstChar == Xmodem::cancel)
            return false;
        if (!reply.ok)
            continue;
        if (reply.firstChar != Xmodem::negativeAcknowledge)
            qCDebug(lcLink).noquote() << "Neznama odpoved [hex]: " << byteHex(reply.firstChar);
        if (attempt < endAttempts)
            QThread::msleep(endRetryPauseMs);
    }
    return blocksSent;
}

} // namespace moduleRV_23
