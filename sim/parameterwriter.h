#pragma once

#include <QString>
#include <QVector>

namespace Sim {

// The unit's side of the parameter writes ("KEY,value"): checks a value and stores it in the
// configuration memory cells that the PC reads back.
class ParameterWriter final
{
public:
    // The numbers the unit answers with "+OATERROR: (N)" when it refuses a write.
    enum Result { Accepted = -1, BadFormat = 1, NotAscii = 5, WrongCommand = 9, NotFound = 18, NoSpace = 28 };

    explicit ParameterWriter(QVector<QString>& memory) : memory(memory) {}

    Result apply(const QString& key, const QString& value);
    // The cell of the phone number the last write erased, or -1.
    int erasedCell() const { return erased; }

private:
    Result writeText(int cell, const QString& value, int maxLength);
    Result writeFlag(int cell, const QString& value);
    Result writeDtmf(int cell, const QString& value);
    Result writeInputPhones(int input, const QString& value);
    Result erasePhone(int output, const QString& number);
    Result storePhone(int output, const QString& number, const QString& count);
    Result writeRelayTime(int output, const QString& value);
    Result writeCredit(const QString& value);
    Result writeOptions(const QString& value);
    Result writeServiceNumbers(const QString& value);
    Result writePeripherals(const QString& value);
    int findPhone(int output, const QString& number) const;

    QVector<QString>& memory;
    int erased = -1;
};

} // namespace Sim
