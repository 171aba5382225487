// rv23ctl: configures and services RV-23 units from the command line, through the device module.

#include "console.h"
#include "options.h"
#include "runner.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool verbose = false;
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end a watch through a pipe, the only safe way out of a handler; the unit
// is then disconnected properly. Other commands end at once, as usual.
void stopOnSignals(Ctl::Runner& runner)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &runner);
    QObject::connect(notifier, &QSocketNotifier::activated, &runner, &Ctl::Runner::stop);
    struct sigaction action {};
    action.sa_handler = onSignal;
    ::sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

// The module and Qt talk to developers in their debug output and warnings: all of it with
// --verbose, otherwise only critical messages; always clear of the progress line. What the user
// must know reaches him through the module's message boxes.
void printMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!verbose && type != QtCriticalMsg && type != QtFatalMsg)
        return;
    const QString category = QString::fromLatin1(context.category ? context.category : "default");
    Ctl::Console::error(verbose ? category + QStringLiteral(": ") + message : message);
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Ctl::Options options;
    QString error;
    if (!Ctl::Options::parse(arguments, &options, &error)) {
        Ctl::Console::error(QStringLiteral("rv23ctl: %1\nTry 'rv23ctl --help'.").arg(error));
        return Ctl::UsageError;
    }
    verbose = options.verbose;
    qInstallMessageHandler(printMessage);

    // No display needed: the module's widgets live off screen unless asked otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaline"));
    QApplication::setApplicationName(QStringLiteral("Praxon"));

    Ctl::Runner runner(options);
    if (options.watch)
        stopOnSignals(runner);
    return runner.run();
}
