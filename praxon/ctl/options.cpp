#include "options.h"

#include <QFileInfo>

namespace Ctl {

namespace {

enum CommandOption {
    NoOption = 0, Output = 1, Watch = 2, Force = 4, Yes = 8, Search = 16, Version = 32, Note = 64, Mark = 128,
    Signal = 256, Overrides = 512, Stored = 1024
};

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
    {"diff", "diff FILE | --version N [--against M]", "show what write FILE would change",
     "Prints which settings differ between the unit and FILE (a .rv23 file or a web-portal .txt),\n"
     "without writing anything. With --version N: between the unit and the stored version N, or with\n"
     "--against M between the stored versions M and N (no unit needed).", 0, 1, Version},
    {"status", "status [--watch [--signal] [--csv FILE]]", "show the inputs and relays",
     "Prints the unit's versions and the states of inputs A-D and relays X, Y; with --watch, every\n"
     "change until interrupted (Ctrl-C). --signal prints instead one line per status poll: the GSM\n"
     "signal with a bar and its quality band on the 0-31 scale, the supply voltage and the operator,\n"
     "and at Ctrl-C the minimum, mean and maximum signal and the number of samples. --csv FILE\n"
     "appends every poll's sample to FILE: time, signal, band, voltage, operator, inputs, relays.", 0, 0,
     Watch | Signal},
    {"events", "events [-o FILE.csv|.html|.htm|.pdf | --stored]", "export the event history or list the kept one",
     "Reads the unit's event history and exports it to FILE in the format its ending names, or\n"
     "prints it to standard output as semicolon-separated text. Every record read is kept in the\n"
     "records, once, also after the unit's log was cleared. --stored prints the records kept, of\n"
     "unit S (--serial S) or of all units, in the order they were first read; no unit is needed.",
     0, 0, Output | Stored},
    {"export-portal", "export-portal -o FILE.txt", "save the settings as a portal form",
     "Reads the unit and writes its settings to FILE.txt as a web-portal form, which write reads.", 0, 0,
     Output},
    {"firmware", "firmware [FILE.dwl [--force] [--yes]]", "check or upgrade the firmware",
     "Without FILE: tells whether the module offers a firmware upgrade for the unit; nothing is\n"
     "changed. With FILE: uploads that firmware image when the module offers an upgrade (--force: in\n"
     "any case). The upload takes minutes; the unit restarts and is read again. When it then holds\n"
     "other settings than before, they are shown and, once you agree (--yes: without asking), the\n"
     "version stored before the upload is written back.", 0, 1, Force | Yes},
    {"reset", "reset", "restart the unit",
     "Restarts the unit and reads its configuration again.", 0, 0, NoOption},
    {"gsm-reset", "gsm-reset", "restart the unit's GSM part",
     "Restarts the unit's GSM part; the unit itself keeps running.", 0, 0, NoOption},
    {"toggle", "toggle X|Y", "switch a relay to its other state",
     "Switches relay X or Y to its other state and prints the state the unit then reports.", 1, 1, NoOption},
    {"units", "units [--search TEXT | --serial S --note TEXT]", "list the units in the records",
     "Lists every unit the records hold: serial number, firmware, last seen, number of stored\n"
     "versions, site note. With --search: the units whose serial number, note or any stored setting\n"
     "holds TEXT (in any case), and the field where it was found. With --note: sets unit S's site note.",
     0, 0, Search | Note},
    {"versions", "versions [--serial S] [--mark N]", "list the stored configuration versions",
     "Lists the stored configuration versions, newest first, of unit S or of all units: number, time,\n"
     "unit, why it was stored (\"kept\" when marked), and which settings changed from the unit's\n"
     "version before. --mark N marks version N as kept: --keep never removes it.", 0, 0, Mark},
    {"restore", "restore N [--yes]", "write a stored version back to the unit",
     "Shows what writing the stored version N to its unit would change, asks, and writes it: only\n"
     "what differs is written, then the unit is read again and checked. --yes skips the question.", 1, 1, Yes},
    {"sheet", "sheet -o FILE.pdf [--version N]", "write the configuration sheet as PDF",
     "Writes the configuration sheet to leave with the customer: the unit (serial number, IMEI,\n"
     "firmware, site note), every page's settings with their labels in the chosen language, the\n"
     "phone tables without empty rows, and what changed from the version before. Of the stored\n"
     "version N, or else of what the unit holds now (it is read first).", 0, 0, Output | Version},
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

bool takeCount(const QString& argument, const QString& value, int* count, QString* error)
{
    bool ok = false;
    *count = value.toInt(&ok);
    if (!ok || *count < 1) {
        *error = QStringLiteral("%1 takes a number of at least 1, not %2").arg(argument.section(QLatin1Char('='), 0, 0), value);
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
        || refuse(!options->search.isEmpty(), Search, "--search") || refuse(options->version > 0, Version, "--version")
        || refuse(options->against > 0, Version, "--against") || refuse(!options->note.isNull(), Note, "--note")
        || refuse(options->mark > 0, Mark, "--mark")
        || refuse(options->signal, Signal, "--signal") || refuse(!options->csvFile.isEmpty(), Signal, "--csv")
        || refuse(!options->overrides.isEmpty(), Overrides, "--overrides") || refuse(options->stored, Stored, "--stored"))
        return false;
    if (options->stored && !options->output.isEmpty()) {
        *error = QStringLiteral("events --stored prints the records kept; it takes no -o");
        return false;
    }
    if ((options->signal || !options->csvFile.isEmpty()) && !options->watch) {
        *error = QStringLiteral("--signal and --csv go with --watch");
        return false;
    }
    if (!options->note.isNull() && options->serial.isEmpty()) {
        *error = QStringLiteral("--note needs --serial");
        return false;
    }
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
    if (name == QLatin1String("diff") && (count == 1) == (options->version > 0)) {
        *error = QStringLiteral("usage: rv23ctl %1").arg(QLatin1String(command.synopsis));
        return false;
    }
    if (name == QLatin1String("diff") && options->against > 0 && options->version == 0) {
        *error = QStringLiteral("--against needs --version");
        return false;
    }
    if (name == QLatin1String("restore") && !takeCount(name, options->arguments.first(), &options->version, error))
        return false;
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
    if (name == QLatin1String("sheet") && QFileInfo(options->output).suffix().toLower() != QLatin1String("pdf")) {
        *error = QStringLiteral("sheet needs -o FILE.pdf");
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
        } else if (name == QLatin1String("--records")) {
            if (!takeValue(argument, arguments, &i, &options->records, error))
                return false;
        } else if (name == QLatin1String("--keep")) {
            if (!takeValue(argument, arguments, &i, &value, error) || !takeCount(argument, value, &options->keep, error))
                return false;
        } else if (name == QLatin1String("--search")) {
            if (!takeValue(argument, arguments, &i, &options->search, error))
                return false;
        } else if (name == QLatin1String("--note")) {
            // An empty note clears it: the value is taken as it is.
            const int equals = argument.indexOf(QLatin1Char('='));
            if (equals < 0 && i + 1 >= arguments.size()) {
                *error = QStringLiteral("option --note needs a value");
                return false;
            }
            options->note = equals >= 0 ? argument.mid(equals + 1) : arguments.at(++i);
        } else if (name == QLatin1String("--version") || name == QLatin1String("--against")
                   || name == QLatin1String("--mark")) {
            int* number = name == QLatin1String("--version")   ? &options->version
                          : name == QLatin1String("--against") ? &options->against
                                                               : &options->mark;
            if (!takeValue(argument, arguments, &i, &value, error) || !takeCount(argument, value, number, error))
                return false;
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            if (!takeValue(argument, arguments, &i, &options->output, error))
                return false;
        } else if (argument == QLatin1String("--verbose") || argument == QLatin1String("-v")) {
            options->verbose = true;
        } else if (name == QLatin1String("--csv")) {
            if (!takeValue(argument, arguments, &i, &options->csvFile, error))
                return false;
        } else if (argument == QLatin1String("--stored")) {
            options->stored = true;
        } else if (argument == QLatin1String("--watch")) {
            options->watch = true;
        } else if (argument == QLatin1String("--signal")) {
            options->signal = true;
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
        "  --records URL   the unit records: a SQLite file or a postgresql:// URL (default:\n"
        "                  RV23_RECORDS, or records.sqlite in the user's data folder)\n"
        "  --keep N        keep the newest N configuration versions per unit (and marked ones)\n"
        "  --help, -h      this help; after a command, that command's\n"
        "\nExit codes: 0 success, 1 unit or communication failure, 2 usage error or bad input file,\n"
        "3 configuration refused by the module's validation.\n");
    return text;
}

} // namespace Ctl
