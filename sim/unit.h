#pragma once

#include "sim/reply.h"
#include "sim/unitstate.h"

#include <QObject>

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

    Reply execute(const QString& line);

signals:
    // The persistent state changed.
    void changed();

private:
    Reply answer(QStringList lines = {});
    Reply refusal(int code) const;
    Reply setOperatorFormat(const QString& argument);
    Reply readMemory(const QString& arguments);
    Reply readEvents(const QString& argument);
    Reply set(const QString& argument);

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
};

} // namespace Sim
