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

// "K,N": block K refused N times.
bool readRefusal(const QCommandLineParser& parser, XmodemReceiver::Faults* faults, QString* error)
{
    if (!parser.isSet("xmodem-refuse"))
        return true;
    const QStringList parts = parser.value("xmodem-refuse").split(',');
    bool blockOk = false;
    bool countOk = false;
    const int block = parts.value(0).toInt(&blockOk);
    const int count = parts.value(1).toInt(&countOk);
    if (parts.size() != 2 || !blockOk || !countOk || block < 1 || count < 1) {
        *error = QStringLiteral("--xmodem-refuse needs K,N (block and count, each at least 1), not \"%1\"")
                     .arg(parser.value("xmodem-refuse"));
        return false;
    }
    faults->refusedBlock = block;
    faults->refusals = count;
    return true;
}

bool readFaults(const QCommandLineParser& parser, QMultiMap<int, LineFault>* faults, QString* error)
{
    for (const QString& text : parser.values("fault")) {
        int command = 0;
        LineFault fault;
        if (!LineFault::parse(text, &command, &fault, error)) {
            *error = QStringLiteral("--fault: ") + *error;
            return false;
        }
        faults->insert(command, fault);
    }
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
        {"flood-after", "Answer nothing but endless junk after N commands.", "N"},
        {"events", "Replace the event log with N generated records.", "N"},
        {"garbage-every", "Line noise before every N-th answer.", "N"},
        {"wind-every", "An unsolicited +WIND: line before every N-th answer.", "N"},
        {"oaterror", "Refuse every AT+OAT command with +OATERROR: (CODE).", "CODE"},
        {"fault", "A fault once, at the N-th command (may be repeated).", "N:KIND"},
        {"image", "Keep the installed firmware image in this file.", "FILE"},
        {"wdwl-answer", "Answer AT+WDWL with this line instead of starting a download.", "LINE"},
        {"xmodem-crc-first", "Ask for the CRC variant (\"C\") before NAK."},
        {"xmodem-refuse", "NAK block K of a download N times.", "K,N"},
        {"xmodem-cancel", "Cancel a download when block K arrives.", "K"},
        {"xmodem-silent", "Answer nothing from block K of a download on.", "K"},
        {"unplug-at-block", "Close the line when block K of a download arrives.", "K"},
        {"long-cells", "Answer every memory cell but the version with a value of N characters.", "N"},
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
    result.imagePath = parser.value("image");
    result.downloadRefusal = parser.value("wdwl-answer");
    result.xmodem.crcFirst = parser.isSet("xmodem-crc-first");
    if (!readCount(parser, "gap-ms", 0, &result.gapMs, error) || !readCount(parser, "restart-ms", 0, &result.restartMs, error)
        || !readCount(parser, "unplug-after", 1, &result.unplugAfter, error)
        || !readCount(parser, "silent-after", 1, &result.silentAfter, error)
        || !readCount(parser, "flood-after", 1, &result.floodAfter, error)
        || !readCount(parser, "events", 0, &result.generatedEvents, error)
        || !readCount(parser, "garbage-every", 1, &result.garbageEvery, error)
        || !readCount(parser, "wind-every", 1, &result.windEvery, error)
        || !readCount(parser, "oaterror", INT_MIN, &result.oatErrorCode, error)
        || !readCount(parser, "xmodem-cancel", 1, &result.xmodem.cancelledBlock, error)
        || !readCount(parser, "xmodem-silent", 1, &result.xmodem.silentBlock, error)
        || !readCount(parser, "unplug-at-block", 1, &result.unplugAtBlock, error)
        || !readCount(parser, "long-cells", 1, &result.longCells, error)
        || !readRefusal(parser, &result.xmodem, error) || !readFaults(parser, &result.faults, error))
        return false;
    *options = result;
    return true;
}

} // namespace Sim
