#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace Testing {

// A fake unit on a pseudo-terminal that follows a script: "expect this line, then write these
// chunks with these gaps". It runs in its own thread, so that a test can call the connector's
// blocking operations from the test thread. Every line it receives is recorded.
class ScriptedPeer final
{
public:
    ScriptedPeer();
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    // Opens the pseudo-terminal and makes it raw; the connector opens slavePath().
    bool open();
    QString slavePath() const;

    // Script steps, added before start().
    // Waits until the line arrives (without its line end); other lines are only recorded.
    ScriptedPeer& expect(const QByteArray& line);
    // Waits until count more bytes have arrived, whatever they are: for binary packets.
    ScriptedPeer& expectBytes(int count);
    // Writes the bytes gapMs after the previous step; up to 1 KiB arrive in one piece, longer
    // texts in 1 KiB pieces, each taken by the reader before the next.
    ScriptedPeer& send(const QByteArray& bytes, int gapMs = 0);
    // Writes the bytes once the reader has taken everything written before, so that they
    // reach it in a read of their own.
    ScriptedPeer& sendWhenTaken(const QByteArray& bytes);
    // Closes the line, as an unplugged unit does.
    ScriptedPeer& hangUp();
    // The unit's usual exchange: the command, its echo, and the reply in a read of its own.
    ScriptedPeer& answer(const QByteArray& command, const QByteArray& reply);

    void start();
    // True once the script has run to its end.
    bool waitUntilDone(int timeoutMs = 5000);
    // True once the line has been received (before or during the wait).
    bool waitForLine(const QByteArray& line, int timeoutMs = 5000);
    QList<QByteArray> received() const;
    // Everything received, as it came.
    QByteArray receivedBytes() const;

private:
    struct Step
    {
        enum Kind { Expect, ExpectBytes, Send, SendWhenTaken, HangUp } kind;
        QByteArray bytes;
        int gapMs = 0;
        int count = 0;
    };

    void run();
    bool runStep(const Step& step);
    bool awaitRecorded(const std::function<bool()>& found);
    bool readAvailable(int timeoutMs);
    bool writeAll(const QByteArray& bytes);
    bool writePiece(const QByteArray& piece);
    bool awaitTaken();
    bool drainReadEvents();
    bool pause(int ms);

    int master = -1;
    // Our own handle on the slave side: keeps the terminal's settings and shows its queue.
    int slave = -1;
    // Reports every read on the slave side, so that the peer can tell when its bytes were taken.
    int readEvents = -1;
    bool untaken = false;
    QString path;
    QList<Step> script;
    std::thread thread;
    std::atomic<bool> stopping{false};

    mutable std::mutex mutex;
    std::condition_variable changed;
    QList<QByteArray> lines;
    int matched = 0;
    QByteArray partial;
    QByteArray raw;
    int rawMatched = 0;
    bool done = false;
};

} // namespace Testing
