#pragma once

#include "sim/reply.h"
#include "sim/unitstate.h"

#include <QObject>
#include <QTimer>

namespace Sim {

// The unit's firmware as seen from its serial line: it answers command lines, keeps its state and
// logs events. Line timing, echo writes and line faults are the Simulator's.
class Unit final : public QObject
{
    Q_OBJECT

public:
    explicit Unit(UnitState state, QObject* parent = nullptr);

    const UnitState& state() const { return current; }
    bool echo() const { return echoOn; }
    // Records logged since the last answer ride along with the next answer.
    void setPushEvents(bool on) { pushEvents = on; }
    // Every "AT+OAT" command is refused with this code while it is set.
    void setOatError(bool on, int code = 0);

    // How long the unit and its GSM part take to restart.
    void setRestartTime(int ms) { restartMs = ms; }
    // "AT+WDWL" is answered with this line instead of starting a download; empty: downloads.
    void setDownloadRefusal(const QString& line) { downloadRefusal = line; }
    // Every memory cell but the version cell answers a value of this many characters (its own
    // value filled up with "x"); 0: the values as kept.
    void setLongCells(int length) { longCells = length; }
    // The image a download brought; the unit installs it at its next restart.
    void receiveImage(const QByteArray& image) { pendingImage = image; }

    Reply execute(const QString& line);
    // How the unit refuses an "AT+OAT" command.
    static Reply refusal(int code);
    // An operator's control line ("input A 1", "relay X 0", "event 19 0", "oaterror 12",
    // "signal 12", "voltage 11800");
    // false when it is not understood.
    bool control(const QString& line);
    // The unit comes back from a reset.
    void powerOn();

signals:
    // The persistent state changed.
    void changed();
    void imageInstalled();

private:
    Reply answer(QStringList lines = {});
    Reply setOperatorFormat(const QString& argument);
    Reply readMemory(const QString& arguments);
    Reply readEvents(const QString& argument);
    Reply set(const QString& argument);
    Reply writeParameter(const QString& content);
    Reply switchRelayByCommand(int relay, bool on);
    Reply resetCounter(const QString& line);
    void restartGsm();
    Reply firmwareCommand(const QString& upper);
    Reply indicated(const QString& indication);
    void installImage();

    bool logEvent(const QString& codeText, int source);
    // "signal N" or "voltage MV": what the status reports from now on.
    bool setReading(const QString& what, const QString& valueText);
    bool setInput(int input, bool active, int source);
    bool switchRelay(int relay, bool on, int source);
    void addEvent(int code, int source);

    QString statusLine() const;
    QString operatorLine() const;
    QString eventLine(int index) const;

    UnitState current;
    bool echoOn = true;
    int operatorFormat = 0;
    bool pushEvents = false;
    bool oatErrorOn = false;
    int oatErrorCode = 0;
    int unreported = 0;   // newest records of the log not yet in an answer
    int restartMs = 2000;
    bool gsmReady = true;
    QTimer gsmRestart;
    QTimer relayTimers[2];
    QString downloadRefusal;
    int longCells = 0;
    QByteArray pendingImage;
};

} // namespace Sim
