#pragma once

#include <QByteArray>
#include <QList>

namespace moduleRV_23 {

// The checksum variant of XModem as the unit's modem receives firmware: control bytes and the
// cutting of a file into blocks.
namespace Xmodem {

const char startOfHeader = 0x01;
const char endOfTransmission = 0x04;
const char acknowledge = 0x06;
const char negativeAcknowledge = 0x15;
const char cancel = 0x18;
// A receiver asking for the CRC variant, which this sender does not offer.
const char crcRequest = 'C';
const char padding = 0x1A;

const int dataSize = 128;
const int blockSize = dataSize + 4;

// The file cut into 132-byte blocks numbered from 1 (modulo 256), the last one padded.
QList<QByteArray> blocks(const QByteArray& file);

} // namespace Xmodem

} // namespace moduleRV_23
