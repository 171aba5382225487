#pragma once

#include <QString>
#include <QStringList>

// Where the host finds the plug-in, the module's style folder and the translation catalogues: an
// explicit choice (command-line option, then environment variable) first, then the build tree and
// the installed tree beside the program.
namespace Praxon::HostPaths {

// The plug-in file: explicit may name the file or the folder holding it. RV23_PLUGIN is the
// environment's choice. Empty when nothing exists.
QString pluginFile(const QString& explicitPath = QString());

// The base folder handed to applyStyle (ends with "/"); RV23_BASE_DIR is the environment's choice.
// The first candidate that holds styles/RV_23_Style.qss, else the first that exists.
QString baseDirectory(const QString& explicitPath = QString());

// The folder of the .qm catalogues; RV23_TRANSLATIONS is the environment's choice. Empty when
// there is none.
QString translationsDirectory(const QString& explicitPath = QString());

// The unit records: a SQLite file or a postgresql:// URL. RV23_RECORDS is the environment's
// choice; by default records.sqlite in the user's data folder.
QString recordsLocation(const QString& explicitLocation = QString());

// The device a port path leads to (links resolved); the path itself when it leads nowhere.
QString portDevice(const QString& path);

// Adds paths to RV23_EXTRA_PORTS, the module's list of extra candidate ports (";"-separated),
// each device once.
void addExtraPorts(const QStringList& paths);

} // namespace Praxon::HostPaths
