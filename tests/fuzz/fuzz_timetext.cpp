// The time editor's repair of typed text. The first line holds the field count and the
// cursor ("4 3"); the rest is what the user typed. The repaired text must be well formed:
// repairing it again changes nothing.

#include "fuzzinput.h"

#include "framework/timetext.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = Fuzz::text(data, size);
    const int newline = input.indexOf(QLatin1Char('\n'));
    const QStringList header = input.left(newline).split(QLatin1Char(' '));
    if (newline < 0 || header.size() != 2)
        return 0;
    const int fields = qBound(1, header.at(0).toInt(), 4);
    const QString typed = input.mid(newline + 1);
    const int cursor = qBound(0, header.at(1).toInt(), typed.size());

    const Framework::TimeText::Repair repaired = Framework::TimeText::repair(typed, cursor, fields);
    Fuzz::require(repaired.fields.size() == fields);
    Fuzz::require(repaired.cursor >= 0 && repaired.cursor <= repaired.text.size());
    Fuzz::require(repaired.msecs >= 0);
    const Framework::TimeText::Repair again = Framework::TimeText::repair(repaired.text, repaired.cursor, fields);
    Fuzz::require(again.text == repaired.text && again.msecs == repaired.msecs);
    return 0;
}
