#include "console.h"

#include <cstdio>
#include <unistd.h>

namespace Ctl {

namespace {

bool progressShown = false;

} // namespace

void Console::out(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void Console::error(const QString& text)
{
    clearProgress();
    std::fputs((text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

void Console::progress(const QString& line)
{
    if (!errorIsTerminal())
        return;
    std::fputs(("\r\033[K" + line).toLocal8Bit().constData(), stderr);
    progressShown = true;
}

void Console::clearProgress()
{
    if (!progressShown)
        return;
    std::fputs("\r\033[K", stderr);
    progressShown = false;
}

bool Console::errorIsTerminal()
{
    static const bool terminal = ::isatty(STDERR_FILENO) == 1;
    return terminal;
}

} // namespace Ctl
