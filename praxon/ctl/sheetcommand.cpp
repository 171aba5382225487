// rv23ctl sheet -o FILE.pdf [--version N]: the configuration sheet of a stored version or of the unit.
#include "runner.h"

#include "console.h"

#include "praxon/core/configurationsheet.h"

namespace Ctl {

int Runner::sheet()
{
    Records::VersionRecord version;
    if (options.version > 0) {
        if (const int code = storedVersion(options.version, &version))
            return code;
    } else {
        // What the unit holds is its newest version once it has been read.
        if (const int code = openAndLoad())
            return code;
        version = records.versions(session.serial()).value(0);
        if (version.id == 0)
            return fail(UnitFailure, records.errorString());
    }
    const Praxon::FieldLabels labels(session.widget());
    QString error;
    if (!Praxon::ConfigurationSheet::fromRecords(labels, records, version).writePdf(options.output, &error))
        return fail(UsageError, error);
    Console::out(QStringLiteral("configuration sheet of unit %1 (version %2) written to %3\n")
                     .arg(version.serial).arg(version.id).arg(options.output));
    return Success;
}

} // namespace Ctl
