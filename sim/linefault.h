#pragma once

#include <QByteArray>
#include <QString>

namespace Sim {

// A fault the unit shows once, at one numbered command: noise on the line before its answer, its
// answer merged with the echo, a refusal, or the end of the line (or junk without end) from that
// command on.
struct LineFault
{
    enum Kind { Garbage, NulBytes, LongLine, WindStorm, MergeEcho, OatError, Unplug, Silent, Flood };

    Kind kind = Garbage;
    int code = 0;   // OatError: the number the refusal carries

    // "N:KIND", KIND one of garbage, nul, long-line, wind-storm, merge-echo, oaterror=CODE,
    // unplug, silent, flood; false with a message in *error when the text is none of them.
    static bool parse(const QString& text, int* command, LineFault* fault, QString* error);
    // The bytes a noise fault writes before the answer; empty for the other kinds.
    QByteArray noise() const;
    // What a flooding unit writes, piece after piece, instead of its answers.
    static QByteArray floodPiece();
};

} // namespace Sim
