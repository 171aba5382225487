#pragma once

#include <QString>
#include <QStringList>

// The text form of a duration, "hh:mm:ss:t" (hours, minutes, seconds, tenths), shortened to
// the fields a step can change, and the repair of what the user typed into it.
namespace Framework::TimeText {

constexpr qint64 MsecsPerTenth = 100;
constexpr qint64 MsecsPerSecond = 1000;
constexpr qint64 MsecsPerMinute = 60 * MsecsPerSecond;
constexpr qint64 MsecsPerHour = 60 * MsecsPerMinute;

// 4 (down to tenths) for steps below a second, 3 for whole seconds, 2 for whole minutes,
// 1 for whole hours.
int fieldCount(qint64 step);

// msecs (not negative) as text with the first fields fields.
QString format(qint64 msecs, int fields);

struct Repair
{
    QString text;
    int cursor = 0;
    QStringList fields;
    qint64 msecs = 0;
};

// Turns typed text back into a well-formed duration: characters other than digits and ":"
// go; a ":" typed into a complete text jumps to the next field; missing separators are
// inserted at the cursor; a digit typed into a full field overwrites the next one (at the
// field's end it shifts the field left); a first minute or second digit above 5 becomes "0"
// and that digit, the cursor moving past it; empty fields become zeros and short ones are
// padded. The cursor keeps its place in the text.
Repair repair(const QString& text, int cursor, int fields);

} // namespace Framework::TimeText
