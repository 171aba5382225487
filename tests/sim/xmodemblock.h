#pragma once

#include <QByteArray>

// An XModem checksum block as a sender builds it, with the data padded to 128 bytes.
inline QByteArray xmodemBlock(int number, QByteArray data)
{
    data.append(128 - data.size(), '\x1a');
    quint8 sum = 0;
    for (const char byte : data)
        sum += quint8(byte);
    return QByteArray(1, '\x01') + char(number) + char(255 - number) + data + char(sum);
}
