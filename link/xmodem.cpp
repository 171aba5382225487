#include "xmodem.h"

namespace moduleRV_23 {

namespace Xmodem {

QList<QByteArray> blocks(const QByteArray& file)
{
    QList<QByteArray> result;
    const int count = (file.size() + dataSize - 1) / dataSize;
    result.reserve(count);
    for (int index = 0; index < count; ++index) {
        QByteArray data = file.mid(index * dataSize, dataSize);
        data.append(dataSize - data.size(), padding);
        quint8 checksum = 0;
        for (const char byte : qAsConst(data))
            checksum += static_cast<quint8>(byte);
        const auto number = static_cast<quint8>(index + 1);
        QByteArray block;
        block.reserve(blockSize);
        block.append(startOfHeader);
        block.append(static_cast<char>(number));
        block.append(static_cast<char>(255 - number));
        block.append(data);
        block.append(static_cast<char>(checksum));
        result.append(block);
    }
    return result;
}

} // namespace Xmodem

} // namespace moduleRV_23
