#pragma once

#include <QByteArray>

namespace Sim {

// The modem's side of a firmware download: an XModem receiver in checksum mode. It takes the
// bytes of the line and gives back its answers; timing is the Simulator's. Blocks are counted
// from 1 in the order of the file, not by their wrapping block number.
class XmodemReceiver final
{
public:
    // Misbehaviour on purpose; 0 means never.
    struct Faults
    {
        bool crcFirst = false;   // ask for the CRC variant before falling back to NAK
        int refusedBlock = 0;    // NAK this block refusals times, however intact
        int refusals = 0;
        int cancelledBlock = 0;  // cancel the transfer when this block arrives
        int silentBlock = 0;     // answer nothing from this block on
    };
    enum State { Receiving, Finished, Cancelled };

    explicit XmodemReceiver(Faults faults);

    // The request for the next block while none has come yet: "C" first if so asked, else NAK.
    QByteArray request();
    // Takes bytes from the line and returns the answers to the blocks they completed.
    QByteArray take(const QByteArray& bytes);
    // A block that stopped arriving half-way is thrown away and asked for again.
    QByteArray dropPartial();

    State state() const { return current; }
    bool started() const { return anyReceived; }
    // The highest block that arrived intact and in order, whether or not it was taken.
    int lastArrived() const { return arrived; }
    // The data of the blocks taken, padding included.
    QByteArray image() const { return data; }

private:
    QByteArray judge(const QByteArray& block);
    QByteArray answer(const QByteArray& bytes) const;

    Faults faults;
    State current = Receiving;
    bool anyReceived = false;
    bool askedForCrc = false;
    bool silent = false;
    int taken = 0;
    int arrived = 0;
    int refused = 0;
    QByteArray block;
    QByteArray data;
};

} // namespace Sim
