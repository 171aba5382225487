#include "localconnectoraccess.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using moduleRV_23::LocalConnector;

namespace {

const int sliceMs = 50;

// The modem's end of a line that lrzsz's rx receives on. rx runs on a socket pair relayed to the
// line: on a terminal of its own its last ACK can get lost.
class RxUnit final
{
public:
    RxUnit(const QString& program, const QString& folder)
        : program(program.toLocal8Bit())
        , folder(folder.toLocal8Bit())
    {
    }

    ~RxUnit()
    {
        stopping = true;
        if (thread.joinable())
            thread.join();
        for (int fd : {master, slave}) {
            if (fd >= 0)
                ::close(fd);
        }
    }

    bool open()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            return false;
        path = QString::fromLocal8Bit(::ptsname(master));
        slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios settings{};
        if (slave < 0 || ::tcgetattr(slave, &settings) != 0)
            return false;
        ::cfmakeraw(&settings);
        return ::tcsetattr(slave, TCSANOW, &settings) == 0;
    }

    QString slavePath() const { return path; }
    void start() { thread = std::thread([this] { download(); }); }
    // rx's exit status once it has ended, else -1.
    int rxStatus() const { return status; }

private:
    void download()
    {
        int pair[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
            return;
        const char* arguments[] = {"rx", "-q", "-b", "image.bin", nullptr};
        const pid_t child = ::fork();
        if (child == 0) {
            if (::chdir(folder.constData()) == 0 && ::dup2(pair[1], STDIN_FILENO) >= 0
                && ::dup2(pair[1], STDOUT_FILENO) >= 0)
                ::execv(program.constData(), const_cast<char* const*>(arguments));
            ::_exit(127);
        }
        ::close(pair[1]);
        if (child > 0)
            relay(pair[0]);
        ::close(pair[0]);
        if (child <= 0)
            return;
        if (stopping)
            ::kill(child, SIGTERM);
        int wait = 0;
        ::waitpid(child, &wait, 0);
        status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    }

    // Until rx closes its end.
    void relay(int rx)
    {
        while (!stopping) {
            pollfd fds[2] = {{master, POLLIN, 0}, {rx, POLLIN, 0}};
            if (::poll(fds, 2, sliceMs) < 0 && errno != EINTR)
                return;
            if (fds[0].revents & POLLIN)
                writeAll(rx, readSome(master));
            if (fds[1].revents & (POLLIN | POLLHUP)) {
                const QByteArray bytes = readSome(rx);
                if (bytes.isEmpty())
                    return;
                writeAll(master, bytes);
            }
        }
    }

    QByteArray readSome(int fd)
    {
        pollfd request{fd, POLLIN, 0};
        if (::poll(&request, 1, sliceMs) <= 0)
            return {};
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
    }

    void writeAll(int fd, const QByteArray& bytes)
    {
        qint64 offset = 0;
        while (offset < bytes.size() && !stopping) {
            const ssize_t n = ::write(fd, bytes.constData() + offset, size_t(bytes.size() - offset));
            if (n > 0) {
                offset += n;
            } else if (n < 0 && errno == EAGAIN) {
                pollfd request{fd, POLLOUT, 0};
                ::poll(&request, 1, sliceMs);
            } else {
                return;
            }
        }
    }

    const QByteArray program;
    const QByteArray folder;
    int master = -1;
    // Our own handle on the slave side keeps the terminal raw while the connector opens it.
    int slave = -1;
    QString path;
    std::thread thread;
    std::atomic<bool> stopping{false};
    std::atomic<int> status{-1};
};

} // namespace

// The connector's XModem sender with a real receiver, lrzsz's rx, at the modem's end.
class TestXmodemRx : public QObject
{
    Q_OBJECT

private slots:
    void rxReceivesTheImage();
};

void TestXmodemRx::rxReceivesTheImage()
{
    const QString rx = QStandardPaths::findExecutable(QStringLiteral("rx"));
    QVERIFY2(!rx.isEmpty(), "rx of lrzsz is needed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    RxUnit unit(rx, dir.path());
    QVERIFY(unit.open());
    LocalConnector connector;
    Testing::LocalConnectorAccess access(connector);
    access.select(unit.slavePath());
    QVERIFY(access.openSelectedPort(false));
    // 300 blocks, so the block numbers wrap; every byte value, XModem's own included.
    QByteArray image(300 * 128 - 50, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i % 256 ^ i / 256);
    unit.start();
    access.setXmodemMode(true);

    QVERIFY(access.xmodemSend(image));

    QTRY_COMPARE(unit.rxStatus(), 0);
    QFile received(dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(received.open(QIODevice::ReadOnly));
    QCOMPARE(received.readAll(), image + QByteArray(50, '\x1a'));
}

QTEST_GUILESS_MAIN(TestXmodemRx)
#include "tst_xmodemrx.moc"
