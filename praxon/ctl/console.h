#pragma once

#include <QString>

namespace Ctl {

// rv23ctl's standard output and error. A progress line on a terminal is erased before anything
// else is written to standard error, so that messages never end up inside it.
class Console final
{
public:
    static void out(const QString& text);
    static void error(const QString& text);
    // Replaces the progress line (only on a terminal).
    static void progress(const QString& line);
    static void clearProgress();
    static bool errorIsTerminal();

    Console() = delete;
};

} // namespace Ctl
