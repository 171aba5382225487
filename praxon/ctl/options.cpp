#include "options.h"

#include <QFileInfo>

namespace Ctl {

namespace {

enum CommandOption { NoOption = 0, Output = 1, Watch = 2, Force = 4, Yes = 8, Overrides = 16 };

struct Command
{
    const char* name;
    const char* synopsis;
    const char* summary; // one line in the general help
    const char* description;
    int minArguments;
    int maxArguments;
    int options;
};

const Command table[] = {
    {"list", "list", "list the units found",
     "Lists the units found: serial number, firmware, behaviour version.", 0, 0, NoOption},
    {"read", "read [-o FILE]", "save the unit's configuration",
     "Reads the unit's configuration and writes it as saved-configuration JSON (.rv23) to FILE or\n"
     "standard output. FILE is made readable only by you: it holds the unit's programming code.", 0, 0, Output},
    {"write", "write FILE [--yes]", "write a .rv23 or portal .txt to the unit",
     "Writes the settings of FILE (a .rv23 file or a web-portal .txt) to the unit: only what differs\n"
     "is written, then the unit is read again and checked. Prints what changed. A web-portal text\n"
     "empties every setting it does not name: a change that would clear the programming code, the\n"
     "service numbers, the phone tables or the peripheral codes is written only with --yes.", 1, 1, Yes},
    {"diff", "diff FILE", "show what write FILE would change",
     "Prints which settings differ between the unit and FILE (a .rv23 file or a web-portal .txt),\n"
     "without writing anything.", 1, 1, NoOption},
    {"status", "status [--watch]", "show the inputs and relays",
     "Prints the unit's versions and the states of inputs A-D and relays X, Y; with --watch, every\n"
     "change until interrupted (Ctrl-C).", 0, 0, Watch},
    {"events", "events [-o FILE.csv|.html|.htm|.pdf]", "export the event history",
     "Reads the unit's event history and exports it to FILE in the format its ending names, or\n"
     "prints it to standard output as semicolon-separated text.", 0, 0, Output},
    {"export-portal", "export-portal -o FILE.txt", "save the settings as a portal form",
     "Reads the unit and writes its settings to FILE.txt as a web-portal form, which write reads.", 0, 0,
     Output},
    {"firmware", "firmware [FILE.dwl [--force]]", "check or upgrade the firmware",
     "Without FILE: tells whether the module offers a firmware upgrade for the unit; nothing is\n"
     "changed. With FILE: uploads that firmware image when the module offers an upgrade (--force: in\n"
     "any case). The upload takes minutes; the unit restarts and is read again.", 0, 1, Force},
    {"reset", "reset", "restart the unit",
     "Restarts the unit and reads its configuration again.", 0, 0, NoOption},
    {"gsm-reset", "gsm-reset", "restart the unit's GSM part",
     "Restarts the unit's GSM part; the unit itself keeps running.", 0, 0, NoOption},
    {"toggle", "toggle X|Y", "switch a relay to its other state",
     "Switches relay X or Y to its other state and prints the state the unit then reports.", 1, 1, NoOption},
    {"batch", "batch write FILE.rv23 [--overrides units.csv] [--yes] | batch read -o DIR",
     "program or save many units at once",
     "batch write: writes FILE.rv23 to every unit found (or to those on the --port paths), all at\n"
     "once, one rv23ctl write per unit. --overrides names settings that differ per unit: a CSV file\n"
     "with a header row \"serial,FIELD,...\" (FIELD: a setting's short name as diff prints it, e.g.\n"
     "leSMSOnA, or its whole path) and one row per unit; an empty cell keeps FILE's value. Values\n"
     "the module refuses are named, and that unit is not written. batch read: saves each unit's\n"
     "configuration as DIR/SERIAL.rv23. Prints one line per unit as it goes and a summary table;\n"
     "the exit code is 0 only when every unit succeeded.", 1, 2, Output | Yes | Overrides},
    {"help", "help [COMMAND]", "this help, or that of a command", "Prints the general help, or that of COMMAND.",
     0, 1, NoOption},
};

const Command* find(const QString& name)
{
    for (const Command& command : table) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

const QStringList historySuffixes = {QStringLiteral("csv"), QStringLiteral("html"), QStringLiteral("htm"),
                                     QStringLiteral("pdf")};

// Splits "--name=value" and takes the value of "--name value" from the next argument.
bool takeValue(const QString& argument, const QStringList& arguments, int* index, QString* value, QString* error)
{
    const int equals = argument.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        *value = argument.mid(equals + 1);
    } else if (*index + 1 < arguments.size()) {
        *value = arguments.at(++*index);
    } else {
        *error = QStringLiteral("option %1 needs a value").arg(argument);
        return false;
    }
    if (value->isEmpty()) {
        *error = QStringLiteral("option %1 needs a value").arg(argument.left(equals));
        return false;
    }
    return true;
}

bool checkBatch(const Options& options, QString* error)
{
    const QString& verb = options.arguments.first();
    const bool write = verb == QLatin1String("write") && options.arguments.size() == 2 && options.output.isEmpty();
    const bool read = verb == QLatin1String("read") && options.arguments.size() == 1 && !options.output.isEmpty()
                      && options.overrides.isEmpty() && !options.yes;
    if (!write && !read)
        *error = QStringLiteral("usage: rv23ctl batch write FILE.rv23 [--overrides units.csv] [--yes] | batch read -o DIR");
    return write || read;
}

bool checkCommand(const Command& command, Options* options, QString* error)
{
    const int count = options->arguments.size();
    if (count < command.minArguments || count > command.maxArguments) {
        *error = QStringLiteral("usage: rv23ctl %1").arg(QLatin1String(command.synopsis));
        return false;
    }
    const auto refuse = [&](bool given, int option, const char* name) {
        if (given && !(command.options & option)) {
            *error = QStringLiteral("%1 takes no %2").arg(QLatin1String(command.name), QLatin1String(name));
            return true;
        }
        return false;
    };
    if (refuse(!options->output.isEmpty(), Output, "-o") || refuse(options->watch, Watch, "--watch")
        || refuse(options->force, Force, "--force") || refuse(options->yes, Yes, "--yes")
        || refuse(!options->overrides.isEmpty(), Overrides, "--overrides"))
        return false;
    const QString name = QLatin1String(command.name);
    if (name == QLatin1String("batch"))
        return checkBatch(*options, error);
    if (name == QLatin1String("toggle")) {
        options->arguments[0] = options->arguments[0].toUpper();
        if (options->arguments[0] != QLatin1String("X") && options->arguments[0] != QLatin1String("Y")) {
            *error = QStringLiteral("toggle needs X or Y, not %1").arg(options->arguments[0]);
            return false;
        }
    }
    if (name == QLatin1String("firmware") && options->force && count == 0) {
        *error = QStringLiteral("firmware --force needs the FILE.dwl to upload");
        return false;
    }
    if (name == QLatin1String("export-portal") && options->output.isEmpty()) {
        *error = QStringLiteral("export-portal needs -o FILE.txt");
        return false;
    }
    if (name == QLatin1String("export-portal") && QFileInfo(options->output).suffix().toLower() != QLatin1String("txt")) {
        *error = QStringLiteral("export-portal writes a web-portal .txt form, not %1 (read -o writes .rv23)")
                     .arg(options->output);
        return false;
    }
    if (name == QLatin1String("events") && !options->output.isEmpty()
        && !historySuffixes.contains(QFileInfo(options->output).suffix())) {
        *error = QStringLiteral("events writes .csv, .html, .htm or .pdf files, not %1").arg(options->output);
        return false;
    }
    if (name == QLatin1String("help") && count == 1 && !find(options->arguments[0])) {
        *error = QStringLiteral("unknown command %1").arg(options->arguments[0]);
        return false;
    }
    return true;
}

} // namespace

bool Options::parse(const QStringList& arguments, Options* options, QString* error)
{
    *options = Options();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        QString value;
        if (name == QLatin1String("--port")) {
            if (!takeValue(argument, arguments, &i, &value, error))
                return false;
            options->ports << value;
        } else if (name == QLatin1String("--serial")) {
            if (!takeValue(argument, arguments, &i, &options->serial, error))
                return false;
        } else if (name == QLatin1String("--overrides")) {
            if (!takeValue(argument, arguments, &i, &options->overrides, error))
                return false;
        } else if (name == QLatin1String("--plugin")) {
            if (!takeValue(argument, arguments, &i, &options->pluginPath, error))
                return false;
        } else if (name == QLatin1String("--lang")) {
            if (!takeValue(argument, arguments, &i, &options->language, error))
                return false;
            if (options->language != QLatin1String("en") && options->language != QLatin1String("cs")) {
                *error = QStringLiteral("--lang takes en or cs, not %1").arg(options->language);
                return false;
            }
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            if (!takeValue(argument, arguments, &i, &options->output, error))
                return false;
        } else if (argument == QLatin1String("--verbose") || argument == QLatin1String("-v")) {
            options->verbose = true;
        } else if (argument == QLatin1String("--watch")) {
            options->watch = true;
        } else if (argument == QLatin1String("--force")) {
            options->force = true;
        } else if (argument == QLatin1String("--yes")) {
            options->yes = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options->help = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            *error = QStringLiteral("unknown option %1").arg(argument);
            return false;
        } else if (options->command.isEmpty()) {
            options->command = argument;
        } else {
            options->arguments << argument;
        }
    }
    if (options->command.isEmpty()) {
        if (options->help)
            return true;
        *error = QStringLiteral("no command given");
        return false;
    }
    const Command* command = find(options->command);
    if (!command) {
        *error = QStringLiteral("unknown command %1").arg(options->command);
        return false;
    }
    return options->help || checkCommand(*command, options, error);
}

QStringList Options::commands()
{
    QStringList names;
    for (const Command& command : table)
        names << QLatin1String(command.name);
    return names;
}

QString Options::helpText(const QString& commandName)
{
    if (const Command* command = find(commandName)) {
        return QStringLiteral("usage: rv23ctl [global options] %1\n\n%2\n\n"
                              "Global options and exit codes: rv23ctl --help\n")
            .arg(QLatin1String(command->synopsis), QLatin1String(command->description));
    }
    QString text = QStringLiteral(
        "usage: rv23ctl [--port PATH]... [--serial S] [--lang en|cs] [--verbose] [--plugin PATH] COMMAND\n\n"
        "Configures and services RV-23 units through the RV-23 device module.\n\nCommands:\n");
    for (const Command& command : table)
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(command.synopsis), -37)
                    .arg(QLatin1String(command.summary));
    text += QStringLiteral(
        "\nGlobal options:\n"
        "  --port PATH     also try the serial port PATH (added to RV23_EXTRA_PORTS); repeatable\n"
        "  --serial S      the unit with serial number S; without it exactly one unit must be found\n"
        "  --lang en|cs    language of the module's messages (default: the system's)\n"
        "  --verbose, -v   print the module's debug output on standard error\n"
        "  --plugin PATH   the device module's plug-in file or folder (default: RV23_PLUGIN, or the\n"
        "                  one beside the program)\n"
        "  --help, -h      this help; after a command, that command's\n"
        "\nExit codes: 0 success, 1 unit or communication failure, 2 usage error or bad input file,\n"
        "3 configuration refused by the module's validation.\n");
    return text;
}

} // namespace Ctl
