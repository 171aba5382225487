#pragma once

#include <QString>
#include <QStringList>

namespace Ctl {

// rv23ctl's exit codes.
enum ExitCode {
    Success = 0,
    UnitFailure = 1, // no unit, several, lost link, a refusal by the unit or the module
    UsageError = 2,  // wrong command line or unusable input file
    Refused = 3,     // the module's validation refused the configuration
};

// rv23ctl's command line: global options anywhere, one command, its arguments and options.
struct Options
{
    QStringList ports;
    QString serial;
    QString language; // empty: the system's
    QString pluginPath;
    bool verbose = false;
    QString records; // empty: RV23_RECORDS, or the file in the data folder
    int keep = 0;    // versions kept per unit; 0: all

    QString command;
    QStringList arguments;
    QString output;
    bool watch = false;
    bool signal = false; // status --watch: one line per poll with the GSM signal
    QString csvFile;     // status --watch: every poll's sample appended here
    bool force = false;
    bool yes = false; // write: also a change that clears protected settings; restore: no question
    QString search;   // units --search
    QString note;     // units --serial S --note TEXT; null: not given
    int mark = 0;     // versions --mark N
    bool stored = false; // events --stored: the records kept, not the unit's
    int version = 0;  // diff --version N
    int against = 0;  // diff --version N --against M
    QString overrides; // batch write: the per-unit settings (CSV)
    bool help = false; // help was asked for: for the command, or the general one without

    // Parses the arguments after the program's name; false with a message in *error.
    static bool parse(const QStringList& arguments, Options* options, QString* error);

    static QStringList commands();
    // The general help, or that of one command.
    static QString helpText(const QString& command = QString());
};

} // namespace Ctl
