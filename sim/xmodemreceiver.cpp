#include "xmodemreceiver.h"

namespace Sim {

namespace {

const char soh = 0x01;
const char eot = 0x04;
const char ack = 0x06;
const char nak = 0x15;
const char can = 0x18;
const int dataSize = 128;
const int blockSize = dataSize + 4;

quint8 sum(const QByteArray& bytes)
{
    quint8 total = 0;
    for (const char byte : bytes)
        total += quint8(byte);
    return total;
}

} // namespace

XmodemReceiver::XmodemReceiver(Faults faults)
    : faults(faults)
{
}

QByteArray XmodemReceiver::request()
{
    if (faults.crcFirst && !askedForCrc) {
        askedForCrc = true;
        return "C";
    }
    return QByteArray(1, nak);
}

QByteArray XmodemReceiver::take(const QByteArray& bytes)
{
    QByteArray answers;
    for (const char byte : bytes) {
        if (current != Receiving)
            break;
        anyReceived = true;
        if (!block.isEmpty()) {
            block.append(byte);
            if (block.size() == blockSize) {
                answers += judge(block);
                block.clear();
            }
        } else if (byte == soh) {
            block.append(byte);
        } else if (byte == eot) {
            // A silent receiver never learns that the transfer ended.
            if (!silent)
                current = Finished;
            answers += answer(QByteArray(1, ack));
        } else if (byte == can) {
            current = Cancelled;
        }
        // Anything else between blocks is line noise.
    }
    return answers;
}

QByteArray XmodemReceiver::dropPartial()
{
    if (block.isEmpty())
        return {};
    block.clear();
    return answer(QByteArray(1, nak));
}

QByteArray XmodemReceiver::judge(const QByteArray& received)
{
    const quint8 number = quint8(received.at(1));
    const QByteArray content = received.mid(3, dataSize);
    const bool intact = quint8(number + quint8(received.at(2))) == 255 && sum(content) == quint8(received.at(131));
    if (!intact)
        return answer(QByteArray(1, nak));
    // The sender missed the ACK of the block taken last and sends it again.
    if (taken > 0 && number == quint8(taken))
        return answer(QByteArray(1, ack));
    const int sequence = taken + 1;
    if (number != quint8(sequence))
        return answer(QByteArray(1, nak));

    arrived = sequence;
    if (sequence == faults.silentBlock)
        silent = true;
    if (sequence == faults.cancelledBlock) {
        current = Cancelled;
        return answer(QByteArray(2, can));
    }
    if (sequence == faults.refusedBlock && refused < faults.refusals) {
        ++refused;
        return answer(QByteArray(1, nak));
    }
    data += content;
    taken = sequence;
    return answer(QByteArray(1, ack));
}

QByteArray XmodemReceiver::answer(const QByteArray& bytes) const
{
    return silent ? QByteArray() : bytes;
}

} // namespace Sim
