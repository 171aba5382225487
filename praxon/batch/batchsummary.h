#pragma once

#include <QList>
#include <QString>

namespace Batch {

// The outcome of a batch, one row per unit, and the exit status of the whole: success only
// when every unit succeeded.
class BatchSummary final
{
public:
    struct Row
    {
        QString serial;
        QString port;
        int code = 0;     // the child's exit status; -1 when it crashed
        int changed = -1; // settings written; -1: not a write
        qint64 milliseconds = 0;
        QString error;
    };

    struct Child
    {
        QString serial;
        QString port;
        bool writes = false;
        qint64 milliseconds = 0;
    };

    // A child rv23ctl's outcome from its exit status and output: the settings it wrote are the
    // changes it printed, its error is the last message it gave.
    static Row fromChild(const Child& child, int code, const QString& out, const QString& err);
    // "ok", "failed", "refused", "stopped" (a usage problem) or "crashed".
    static QString result(int code);

    void add(const Row& row) { rows << row; }
    // SERIAL PORT RESULT CHANGED TIME ERROR by serial number, columns as wide as their contents.
    QString table() const;
    // 0 when every unit succeeded; otherwise 1 if any unit failed, else 3 if one was refused, else 2.
    int exitCode() const;

private:
    QList<Row> rows;
};

} // namespace Batch
