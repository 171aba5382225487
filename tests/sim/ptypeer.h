#pragma once

#include <QByteArray>
#include <QString>

// The PC's end of the simulator's line, with plain POSIX calls: what a test writes goes out in
// one piece, and every read returns what the simulator wrote since the last one.
class PtyPeer final
{
public:
    PtyPeer() = default;
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool open(const QString& path);
    void send(const QByteArray& line);
    // Writes the bytes as they are, without a line end.
    void sendRaw(const QByteArray& bytes);
    // One read, waiting for data up to timeoutMs; empty when nothing came.
    QByteArray readChunk(int timeoutMs = 5000);
    // Reads until the text ends with an "OK" or error line.
    QByteArray readAnswer(int timeoutMs = 5000);
    // Sends the line and returns its answer.
    QByteArray exchange(const QByteArray& line);
    bool hasData() const;
    // The other side has gone: reads fail instead of waiting.
    bool isHungUp(int timeoutMs = 5000);

private:
    int fd = -1;
};
