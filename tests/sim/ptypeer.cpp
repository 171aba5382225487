#include "ptypeer.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::~PtyPeer()
{
    if (fd >= 0)
        ::close(fd);
}

bool PtyPeer::open(const QString& path)
{
    fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return false;
    termios settings{};
    ::tcgetattr(fd, &settings);
    ::cfmakeraw(&settings);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

void PtyPeer::send(const QByteArray& line)
{
    sendRaw(line + "\r\n");
}

void PtyPeer::sendRaw(const QByteArray& bytes)
{
    if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        qWarning("short write to the simulator");
}

QByteArray PtyPeer::readChunk(int timeoutMs)
{
    pollfd request{fd, POLLIN, 0};
    if (::poll(&request, 1, timeoutMs) <= 0 || !(request.revents & POLLIN))
        return {};
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
}

QByteArray PtyPeer::readAnswer(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QByteArray text;
    while (!text.endsWith("OK\r\n") && !text.endsWith("ERROR\r\n") && !text.contains("+OATERROR:")) {
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0)
            break;
        text += readChunk(left);
    }
    return text;
}

QByteArray PtyPeer::exchange(const QByteArray& line)
{
    send(line);
    return readAnswer();
}

bool PtyPeer::hasData() const
{
    pollfd request{fd, POLLIN, 0};
    return ::poll(&request, 1, 0) > 0 && (request.revents & POLLIN);
}

bool PtyPeer::isHungUp(int timeoutMs)
{
    pollfd request{fd, POLLIN, 0};
    if (::poll(&request, 1, timeoutMs) <= 0)
        return false;
    char byte;
    return (request.revents & (POLLHUP | POLLERR)) || ::read(fd, &byte, 1) <= 0;
}
