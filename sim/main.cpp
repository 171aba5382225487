// rv23-sim: a simulated RV-23 unit on a pseudo-terminal, for technicians and tests.

#include "sim/options.h"
#include "sim/simulator.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop through a pipe, the only safe way out of a handler.
void quitOnSignals(QCoreApplication& app)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = onSignal;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

// Control lines from the operator on standard input; its end is not a reason to stop.
void readControlLines(QCoreApplication& app, Sim::Simulator& simulator)
{
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    auto* buffer = new QByteArray;
    QObject::connect(notifier, &QObject::destroyed, [buffer] { delete buffer; });
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, &simulator, notifier, buffer] {
        char chunk[1024];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            notifier->setEnabled(false);
            return;
        }
        buffer->append(chunk, int(n));
        int end;
        while ((end = buffer->indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(buffer->left(end)).trimmed();
            buffer->remove(0, end + 1);
            if (line == QLatin1String("quit"))
                app.quit();
            else if (!line.isEmpty() && !simulator.control(line))
                std::fprintf(stderr, "rv23-sim: not understood: %s\n", qPrintable(line));
        }
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Sim::Options options;
    QString error;
    if (!Sim::Options::parse(app.arguments(), &options, &error)) {
        std::fprintf(options.wantsHelp ? stdout : stderr, "%s\n", qPrintable(error));
        return options.wantsHelp ? 0 : 2;
    }
    quitOnSignals(app);
    Sim::Simulator simulator(options);
    if (!simulator.start()) {
        std::fprintf(stderr, "rv23-sim: %s\n", qPrintable(simulator.errorString()));
        return 1;
    }
    std::printf("PORT %s\n", qPrintable(simulator.portPath()));
    std::fflush(stdout);
    readControlLines(app, simulator);
    const int result = app.exec();
    simulator.stop();
    if (options.stats) {
        std::printf("%s\n", qPrintable(simulator.stats().toText()));
        std::fflush(stdout);
    }
    return result;
}
