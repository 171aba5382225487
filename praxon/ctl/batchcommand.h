#pragma once

#include "options.h"

#include "praxon/batch/batchplan.h"
#include "praxon/batch/batchsummary.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

namespace Praxon {
class HostSession;
}

namespace Ctl {

// rv23ctl batch write / batch read: every unit at once, each by a child rv23ctl of its own (its
// own module, its own link thread), with one progress line per unit and a summary at the end.
class BatchCommand final : public QObject
{
    Q_OBJECT

public:
    BatchCommand(const Options& options, Praxon::HostSession& session, QObject* parent = nullptr);

    int run();

private:
    struct Progress
    {
        QString serial;
        QString state;
        QElapsedTimer clock;
        qint64 finishedAfter = -1;
    };

    int write();
    int read();
    int fail(int code, const QString& message) const;
    QList<Batch::BatchPlan::Unit> findUnits();
    QStringList childGlobals() const;
    bool readOverrides(const QString& templatePath, Batch::OverrideTable* table, int* code);
    // Each unit's settings are shown to the module as edits before any unit is written: a unit
    // whose values the module refuses is not written at all.
    QList<Batch::BatchPlan::Job> acceptedJobs(const QString& templatePath, const QList<Batch::BatchPlan::Job>& jobs);
    bool writeFiles(const QList<Batch::BatchPlan::Job>& jobs);
    void runJobs(const QList<Batch::BatchPlan::Job>& jobs, bool writes);
    // Starts the children of the jobs numbered in which, all at once, and waits for them. Each
    // one's summary row goes to rows, and to unreached whether it failed before printing anything.
    void runChildren(const QList<Batch::BatchPlan::Job>& jobs, const QVector<int>& which, bool writes,
                     QVector<Batch::BatchSummary::Row>* rows, QVector<bool>* unreached);
    void setState(int index, const QString& state);
    void drawProgress();

    const Options& options;
    Praxon::HostSession& session;
    Batch::BatchSummary summary;
    QList<Progress> progress;
    int linesDrawn = 0;
};

} // namespace Ctl
