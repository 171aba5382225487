#pragma once

#include <QString>
#include <QStringList>

namespace Praxon {

// Keeps the newest lines of this run's debug output (the module's and the host's), so that a user
// can hand them to support. Messages still go on to the handler that was installed before.
class DiagnosticLog final
{
public:
    // Installs the message handler once; later calls only change the capacity.
    static void install(int capacity = 20000);
    static QStringList lines();
    static bool save(const QString& path, QString* error);

    DiagnosticLog() = delete;
};

} // namespace Praxon
