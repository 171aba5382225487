// The transport's acceptance of what the line delivers. The first line of the input is the
// command; the rest arrives in reads cut at each "|". The reads go through the rules in the
// order the read loop applies them, and the command also goes through the raw-mode hex reader.

#include "fuzzinput.h"

#include "link/eventlogformat.h"
#include "link/transportrules.h"

namespace {

void acceptAnswer(const QString& command, const QList<QByteArray>& reads)
{
    QString accumulated;
    for (const QByteArray& read : reads) {
        const QString chunk = moduleRV_23::chunkText(read.constData(), read.size());
        Fuzz::require(!chunk.contains(QChar(0)) && chunk.size() <= read.size());
        const QString trimmed = chunk.trimmed();
        accumulated += trimmed;
        if (!moduleRV_23::isRegularAnswer(accumulated) || accumulated == command) {
            accumulated.clear();
            continue;
        }
        if (trimmed.isEmpty())
            continue;
        if (!moduleRV_23::isUnwantedAnswer(trimmed, command)) {
            moduleRV_23::endsWithFinalResult(accumulated);
            return;
        }
        accumulated.clear();
    }
}

void readPacket(const QString& hex)
{
    const QByteArray packet = moduleRV_23::hexToBytes(hex);
    if (!packet.isEmpty())
        Fuzz::require(QString::fromLatin1(packet.toHex()) == hex.toLower());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const int newline = input.indexOf('\n');
    const QString command = QString::fromLatin1(input.left(newline)).trimmed();
    acceptAnswer(command, newline < 0 ? QList<QByteArray>() : input.mid(newline + 1).split('|'));
    readPacket(command);
    return 0;
}
