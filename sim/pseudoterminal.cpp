#include "pseudoterminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace Sim {

namespace {

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PseudoTerminal::PseudoTerminal(QObject* parent)
    : QObject(parent)
{
}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(QString* error)
{
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        *error = systemError("grantpt/unlockpt");
        close();
        return false;
    }
    slavePath = QString::fromLocal8Bit(::ptsname(master));
    slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        *error = systemError("open slave");
        close();
        return false;
    }
    // Raw from the start: a cooked terminal would echo the unit's output back to it.
    termios settings{};
    ::tcgetattr(slave, &settings);
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    ::tcsetattr(slave, TCSANOW, &settings);

    readNotifier = new QSocketNotifier(master, QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, &PseudoTerminal::readMaster);
    writeNotifier = new QSocketNotifier(master, QSocketNotifier::Write, this);
    writeNotifier->setEnabled(false);
    connect(writeNotifier, &QSocketNotifier::activated, this, &PseudoTerminal::flush);
    return true;
}

void PseudoTerminal::close()
{
    delete readNotifier;
    readNotifier = nullptr;
    delete writeNotifier;
    writeNotifier = nullptr;
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
    slave = master = -1;
    pending.clear();
}

void PseudoTerminal::write(const QByteArray& data)
{
    if (master < 0)
        return;
    pending += data;
    flush();
}

int PseudoTerminal::untaken() const
{
    if (slave < 0)
        return pending.size();
    // Written bytes reach the reader's queue a moment later, through the kernel's buffer work;
    // a poll of an empty queue first waits for that work, so it cannot miss bytes in flight.
    pollfd request{slave, POLLIN, 0};
    if (::poll(&request, 1, 0) <= 0 || !(request.revents & POLLIN))
        return pending.size();
    int queued = 0;
    if (::ioctl(slave, FIONREAD, &queued) != 0 || queued <= 0)
        queued = 1;
    return pending.size() + queued;
}

void PseudoTerminal::readMaster()
{
    char buffer[4096];
    QByteArray data;
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        data.append(buffer, int(n));
    }
    if (!data.isEmpty())
        emit received(data);
}

void PseudoTerminal::flush()
{
    while (!pending.isEmpty()) {
        const ssize_t n = ::write(master, pending.constData(), size_t(pending.size()));
        if (n < 0 && errno != EAGAIN)
            pending.clear();   // nobody can read it any more
        if (n <= 0)
            break;
        pending.remove(0, int(n));
    }
    if (writeNotifier)
        writeNotifier->setEnabled(!pending.isEmpty());
}

} // namespace Sim
