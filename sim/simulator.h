#pragma once

#include "sim/options.h"
#include "sim/stats.h"
#include "sim/unitstate.h"
#include "sim/xmodemreceiver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QQueue>

#include <functional>
#include <memory>

class QTimer;

namespace Sim {

class PseudoTerminal;
class Unit;

// The simulated unit on its serial line: reads command lines from a pseudo-terminal, lets the
// Unit answer them, and writes echo and answer with the unit's timing and the requested faults.
// It lives in one thread, which may be any thread with an event loop.
class Simulator final : public QObject
{
    Q_OBJECT

public:
    explicit Simulator(Options options, QObject* parent = nullptr);
    ~Simulator() override;

    // Loads or creates the state and opens the line; false with errorString() on failure.
    bool start();
    void stop();
    QString errorString() const { return error; }
    QString portPath() const;
    Stats stats() const { return counters; }
    UnitState state() const;
    // Nothing received is still waiting for its answer.
    bool isIdle() const;
    // A control line from the operator ("input A 1", "unplug", ...); false when not understood.
    bool control(const QString& line);

signals:
    void unplugged();

private:
    struct Step
    {
        enum Kind { Write, AwaitTaken, Wait, Call } kind;
        QByteArray data;
        qint64 us = 0;
        std::function<void()> call;
    };

    void receive(const QByteArray& data);
    void handleLine(const QByteArray& line);
    void queueAnswer(const QByteArray& echo, const QByteArray& answer, const QList<LineFault>& due = {});
    bool addFault(const QString& text);
    void queueWrite(const QByteArray& data);
    void queueAwaitTaken();
    void queueWait(qint64 us);
    void queueCall(std::function<void()> call);
    void advance();
    void pollTaken();
    void finishWait();
    void queueRestart();
    void unplug();
    void startFlood();
    void saveState();

    // Firmware download.
    void startDownload();
    void receiveDownload(const QByteArray& data);
    void downloadTick();
    void endDownload();
    bool loadImage(UnitState& state);
    void saveImage();
    bool makeLink();
    void removeLink();

    Options options;
    QString error;
    Unit* unit = nullptr;
    PseudoTerminal* terminal = nullptr;
    QTimer* stepTimer = nullptr;
    // Set while the line carries a download.
    std::unique_ptr<XmodemReceiver> receiver;
    QTimer* downloadTimer = nullptr;
    int quietSeconds = 0;
    QFile log;
    Stats counters;
    QByteArray input;
    QQueue<QByteArray> lines;
    QQueue<Step> steps;
    QMultiMap<int, LineFault> faults;   // still to come, by command number
    int silentFrom = 0;                 // 0: never
    int floodFrom = 0;                  // 0: never
    QTimer* floodTimer = nullptr;
    bool stepRunning = false;
    bool deaf = false;
    bool awaiting = false;
    QElapsedTimer waitClock;
};

} // namespace Sim
