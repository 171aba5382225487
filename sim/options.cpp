#include "options.h"

#include <QCommandLineParser>

#include <climits>

namespace Sim {

namespace {

bool readCount(const QCommandLineParser& parser, const QString& name, int minimum, int* out, QString* error)
{
    if (!parser.isSet(name))
        return true;
    bool isNumber = false;
    const int value = parser.value(name).toInt(&isNumber);
    if (!isNumber || value < minimum) {
        *error = QStringLiteral("--%1 needs a whole number of at least %2, not \"%3\"").arg(name).arg(minimum).arg(parser.value(name));
        return false;
    }
    *out = value;
    return true;
}

} // namespace

bool Options::parse(const QStringList& arguments, Options* options, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated RV-23 unit on a pseudo-terminal."));
    parser.addOptions({
        {"link", "Also make a symbolic link PATH to the terminal.", "PATH"},
        {"state", "Keep the unit's state in this JSON file.", "FILE"},
        {"serial", "Serial number of the unit.", "S"},
        {"log", "Append every line received to this file.", "FILE"},
        {"gap-ms", "Pause between the taken echo and the answer.", "N"},
        {"restart-ms", "How long the unit is deaf after a reset (default 2000).", "N"},
        {"merge-echo", "Write echo and answer in one piece."},
        {"pace", "Pace output at 115200 baud 8N1."},
        {"push-events", "New event records ride along with the next answer."},
        {"stats", "Print the line statistics on exit."},
        {"unplug-after", "Close the line after N commands.", "N"},
        {"silent-after", "Answer nothing after N commands.", "N"},
        {"garbage-every", "Line noise before every N-th answer.", "N"},
        {"wind-every", "An unsolicited +WIND: line before every N-th answer.", "N"},
        {"oaterror", "Refuse every AT+OAT command with +OATERROR: (CODE).", "CODE"},
    });
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet("help")) {
        options->wantsHelp = true;
        *error = parser.helpText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }
    Options result;
    result.linkPath = parser.value("link");
    result.statePath = parser.value("state");
    result.serial = parser.value("serial");
    result.logPath = parser.value("log");
    result.mergeEcho = parser.isSet("merge-echo");
    result.pace = parser.isSet("pace");
    result.pushEvents = parser.isSet("push-events");
    result.stats = parser.isSet("stats");
    result.oatError = parser.isSet("oaterror");
    if (!readCount(parser, "gap-ms", 0, &result.gapMs, error) || !readCount(parser, "restart-ms", 0, &result.restartMs, error)
        || !readCount(parser, "unplug-after", 1, &result.unplugAfter, error)
        || !readCount(parser, "silent-after", 1, &result.silentAfter, error)
        || !readCount(parser, "garbage-every", 1, &result.garbageEvery, error)
        || !readCount(parser, "wind-every", 1, &result.windEvery, error)
        || !readCount(parser, "oaterror", INT_MIN, &result.oatErrorCode, error))
        return false;
    *options = result;
    return true;
}

} // namespace Sim
