#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QString>

// A host's calls through Module::Device, in the normal order and out of it, drawn from a seed.
enum class Call {
    CreateWidget,
    Search,
    SearchWhileConnected,
    Connect,
    Load,
    SaveRequested,
    SaveUnrequested,
    ReloadEvents,
    Upload,
    Disconnect,
    Unplug,
    DeleteWidget,
    DeleteInstance,
    LeaveEverything,
};

// What the host does from a timer while the module waits inside a call.
enum class Meanwhile { Nothing, DeleteInstance, Disconnect, Unplug };

struct Step
{
    Call call;
    Meanwhile meanwhile = Meanwhile::Nothing;
    int afterMs = 0;

    QString text() const;
};

// The steps of one host run. The last is DeleteInstance or LeaveEverything (return from main
// with the instance, its widget and the library left to the process's end).
QList<Step> callSequence(QRandomGenerator& random);
// Steps written out as Step::text() writes them, joined by ";": a fixed regression case.
QList<Step> parsedSequence(const QString& text);
