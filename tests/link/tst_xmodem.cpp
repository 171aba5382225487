#include "link/xmodem.h"

#include <QtTest>

using namespace moduleRV_23;

// Cutting a firmware file into XModem blocks, without a line.
class TestXmodem : public QObject
{
    Q_OBJECT

private slots:
    void fileIsCutIntoPaddedBlocks_data();
    void fileIsCutIntoPaddedBlocks();
    void blockCarriesNumberComplementAndChecksum_data();
    void blockCarriesNumberComplementAndChecksum();
};

namespace {

// A file whose bytes tell their position, so a misplaced byte shows.
QByteArray countingFile(int size)
{
    QByteArray file(size, '\0');
    for (int i = 0; i < size; ++i)
        file[i] = static_cast<char>(i * 7 + i / 256);
    return file;
}

} // namespace

void TestXmodem::fileIsCutIntoPaddedBlocks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("padding");

    QTest::newRow("empty file: no block") << 0 << 0 << 0;
    QTest::newRow("one byte: the rest of its block is padding") << 1 << 1 << 127;
    QTest::newRow("exactly one block") << 128 << 1 << 0;
    QTest::newRow("one byte over: a second block") << 129 << 2 << 127;
    QTest::newRow("20-byte minimum image") << 20 << 1 << 108;
    QTest::newRow("256 KiB image") << 256 * 1024 << 2048 << 0;
}

void TestXmodem::fileIsCutIntoPaddedBlocks()
{
    QFETCH(int, size);
    QFETCH(int, blocks);
    QFETCH(int, padding);
    const QByteArray file = countingFile(size);

    const QList<QByteArray> cut = Xmodem::blocks(file);

    QCOMPARE(cut.size(), blocks);
    QByteArray data;
    for (const QByteArray& block : cut) {
        QCOMPARE(block.size(), Xmodem::blockSize);
        data += block.mid(3, Xmodem::dataSize);
    }
    QCOMPARE(data.left(size), file);
    QCOMPARE(data.mid(size), QByteArray(padding, Xmodem::padding));
}

void TestXmodem::blockCarriesNumberComplementAndChecksum_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("checksum");

    QTest::newRow("first block is number 1") << QByteArray(128, '\x01') << 0 << 1 << 128;
    QTest::newRow("checksum wraps at 256") << QByteArray(128, '\xff') << 0 << 1 << (128 * 255) % 256;
    QTest::newRow("padding counts in the checksum") << QByteArray(1, '\x05') << 0 << 1 << (5 + 127 * 0x1A) % 256;
    QTest::newRow("block 255") << QByteArray(256 * 128, '\0') << 254 << 255 << 0;
    QTest::newRow("block 256 is number 0") << QByteArray(257 * 128, '\0') << 255 << 0 << 0;
    QTest::newRow("block 257 is number 1 again") << QByteArray(257 * 128, '\x02') << 256 << 1 << 0;
}

void TestXmodem::blockCarriesNumberComplementAndChecksum()
{
    QFETCH(QByteArray, file);
    QFETCH(int, index);
    QFETCH(int, number);
    QFETCH(int, checksum);

    const QByteArray block = Xmodem::blocks(file).at(index);

    QCOMPARE(block.at(0), Xmodem::startOfHeader);
    QCOMPARE(static_cast<quint8>(block.at(1)), static_cast<quint8>(number));
    QCOMPARE(static_cast<quint8>(block.at(2)), static_cast<quint8>(255 - number));
    QCOMPARE(static_cast<quint8>(block.at(131)), static_cast<quint8>(checksum));
}

QTEST_GUILESS_MAIN(TestXmodem)
#include "tst_xmodem.moc"
