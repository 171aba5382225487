#include "scriptedpeer.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace Testing {

namespace {

const int pollSliceMs = 20;
// How long the reader may take to drain what was written before a sendWhenTaken step.
const int takeTimeoutMs = 5000;
// Well below what the kernel moves to the slave side in one step.
const int pieceSize = 1024;

} // namespace

ScriptedPeer::ScriptedPeer() = default;

ScriptedPeer::~ScriptedPeer()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    if (thread.joinable())
        thread.join();
    if (master >= 0)
        ::close(master);
    if (slave >= 0)
        ::close(slave);
    if (readEvents >= 0)
        ::close(readEvents);
}

bool ScriptedPeer::open()
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return false;
    path = QString::fromLocal8Bit(::ptsname(master));
    slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0)
        return false;
    readEvents = ::inotify_init1(IN_NONBLOCK);
    if (readEvents < 0 || ::inotify_add_watch(readEvents, ::ptsname(master), IN_ACCESS) < 0)
        return false;
    termios settings {};
    if (::tcgetattr(slave, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    // TCSANOW: TCSAFLUSH would discard bytes already on their way.
    return ::tcsetattr(slave, TCSANOW, &settings) == 0;
}

QString ScriptedPeer::slavePath() const
{
    return path;
}

ScriptedPeer& ScriptedPeer::expect(const QByteArray& line)
{
    script.append({Step::Expect, line, 0});
    return *this;
}

ScriptedPeer& ScriptedPeer::expectBytes(int count)
{
    script.append({Step::ExpectBytes, {}, 0, count});
    return *this;
}

ScriptedPeer& ScriptedPeer::send(const QByteArray& bytes, int gapMs)
{
    script.append({Step::Send, bytes, gapMs});
    return *this;
}

ScriptedPeer& ScriptedPeer::sendWhenTaken(const QByteArray& bytes)
{
    script.append({Step::SendWhenTaken, bytes, 0});
    return *this;
}

ScriptedPeer& ScriptedPeer::hangUp()
{
    script.append({Step::HangUp, {}, 0});
    return *this;
}

ScriptedPeer& ScriptedPeer::answer(const QByteArray& command, const QByteArray& reply)
{
    return expect(command).send(command + "\r\n").sendWhenTaken(reply);
}

void ScriptedPeer::start()
{
    thread = std::thread([this] { run(); });
}

bool ScriptedPeer::waitUntilDone(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return done; });
}

bool ScriptedPeer::waitForLine(const QByteArray& line, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return lines.contains(line); });
}

QList<QByteArray> ScriptedPeer::received() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return lines;
}

QByteArray ScriptedPeer::receivedBytes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return raw;
}

// After the script the peer keeps listening, so that lines sent later are still recorded.
void ScriptedPeer::run()
{
    for (const Step& step : qAsConst(script)) {
        if (!runStep(step))
            break;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    changed.notify_all();
    while (!stopping && master >= 0) {
        if (!readAvailable(pollSliceMs))
            break;
    }
}

bool ScriptedPeer::runStep(const Step& step)
{
    switch (step.kind) {
    case Step::Expect:
        return awaitRecorded([&] {
            while (matched < lines.size()) {
                if (lines.at(matched++) == step.bytes)
                    return true;
            }
            return false;
        });
    case Step::ExpectBytes:
        return awaitRecorded([&] {
            const bool arrived = raw.size() - rawMatched >= step.count;
            rawMatched += arrived ? step.count : 0;
            return arrived;
        });
    case Step::Send:
        return pause(step.gapMs) && writeAll(step.bytes);
    case Step::SendWhenTaken:
        return awaitTaken() && writeAll(step.bytes);
    case Step::HangUp:
        ::close(master);
        master = -1;
        return true;
    }
    return false;
}

// Reads until found(), called with the record locked, sees what the step waits for.
bool ScriptedPeer::awaitRecorded(const std::function<bool()>& found)
{
    while (!stopping) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (found())
                return true;
        }
        if (!readAvailable(pollSliceMs))
            return false;
    }
    return false;
}

// Reads what the connector wrote and records every complete line. False when the line is gone.
bool ScriptedPeer::readAvailable(int timeoutMs)
{
    pollfd fd {master, POLLIN, 0};
    if (::poll(&fd, 1, timeoutMs) <= 0)
        return true;
    char buffer[4096];
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    if (n <= 0)
        return n < 0 && errno == EAGAIN;
    std::lock_guard<std::mutex> lock(mutex);
    raw.append(buffer, static_cast<int>(n));
    partial.append(buffer, static_cast<int>(n));
    int end = -1;
    while ((end = partial.indexOf('\n')) >= 0) {
        QByteArray line = partial.left(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        partial.remove(0, end + 1);
    }
    changed.notify_all();
    return true;
}

// Long texts go out in pieces, each taken before the next: a piece small enough to reach the
// slave side in one go is what lets awaitTaken() tell arrived from taken.
bool ScriptedPeer::writeAll(const QByteArray& bytes)
{
    for (int offset = 0; offset < bytes.size(); offset += pieceSize) {
        if (offset > 0 && !awaitTaken())
            return false;
        if (!writePiece(bytes.mid(offset, pieceSize)))
            return false;
    }
    return true;
}

bool ScriptedPeer::writePiece(const QByteArray& piece)
{
    // Reads from before this write must not count as taking it.
    drainReadEvents();
    untaken = true;
    qint64 offset = 0;
    while (offset < piece.size() && !stopping) {
        const ssize_t n = ::write(master, piece.constData() + offset, static_cast<size_t>(piece.size() - offset));
        if (n > 0) {
            offset += n;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd fd {master, POLLOUT, 0};
            ::poll(&fd, 1, pollSliceMs);
        } else {
            return false;
        }
    }
    return offset == piece.size();
}

// Written bytes reach the slave side's input queue a little later, so an empty queue alone
// does not mean they were taken: a read on the slave side must have happened since the write,
// and the queue must be empty after it.
bool ScriptedPeer::awaitTaken()
{
    const QDeadlineTimer deadline(takeTimeoutMs);
    bool readSinceWrite = false;
    while (untaken && !stopping && !deadline.hasExpired()) {
        readSinceWrite = drainReadEvents() || readSinceWrite;
        int queued = 0;
        if (::ioctl(slave, FIONREAD, &queued) != 0)
            return false;
        if (readSinceWrite && queued == 0) {
            untaken = false;
            break;
        }
        pollfd fd {readEvents, POLLIN, 0};
        ::poll(&fd, 1, pollSliceMs);
    }
    return !untaken;
}

// True when the slave side was read since the last call.
bool ScriptedPeer::drainReadEvents()
{
    char events[4096];
    bool read = false;
    while (::read(readEvents, events, sizeof events) > 0)
        read = true;
    return read;
}

bool ScriptedPeer::pause(int ms)
{
    std::unique_lock<std::mutex> lock(mutex);
    return !changed.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping.load(); });
}

} // namespace Testing
