#pragma once

#include <QByteArray>
#include <QString>

namespace Sim {

// A fault the unit shows once, at one numbered command: noise on the line before its answer, its
// answer merged with the echo, a refusal, or the end of the line from that command on.
struct LineFault
{
    enum Kind { Garbage, NulBytes, LongLine, WindStorm, MergeEcho, OatError, Unplug, Silent };

    Kind kind = Garbage;
    int code = 0;   // OatError: the number the refusal carries

    // "N:KIND", KIND one of garbage, nul, long-line, wind-storm, merge-echo, oaterror=CODE,
    // unplug, silent; false with a message in *error when the text is none of them.
    static bool parse(const QString& text, int* command, LineFault* fault, QString* error);
    // The bytes a noise fault writes before the answer; empty for the other kinds.
    QByteArray noise() const;
};

} // namespace Sim
