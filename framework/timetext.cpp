#include "timetext.h"

#include <QVector>

namespace Framework::TimeText {

namespace {

constexpr QChar Separator = QLatin1Char(':');
constexpr int MaxFields = 4;
constexpr int MaxTextLength = 10;
constexpr qint64 FieldUnits[MaxFields] = {MsecsPerHour, MsecsPerMinute, MsecsPerSecond, MsecsPerTenth};

int fieldWidth(int field)
{
    return field == MaxFields - 1 ? 1 : 2;
}

bool isMinutesOrSeconds(int field)
{
    return field == 1 || field == 2;
}

// The text and a cursor that follows every insertion and removal before it.
struct Edit
{
    QString text;
    int cursor;

    void remove(int position)
    {
        text.remove(position, 1);
        if (position < cursor)
            --cursor;
    }
    void insertSeparatorAtCursor() { text.insert(cursor, Separator); }
};

Edit keepDigitsAndSeparators(const QString& text, int cursor)
{
    Edit edit{text, qBound(0, cursor, text.size())};
    for (int position = edit.text.size() - 1; position >= 0; --position) {
        const QChar c = edit.text.at(position);
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != Separator)
            edit.remove(position);
    }
    return edit;
}

void fixSeparators(Edit& edit, int fields)
{
    const int wanted = fields - 1;
    int count = edit.text.count(Separator);
    if (count > wanted && edit.cursor > 0 && edit.text.at(edit.cursor - 1) == Separator) {
        // A separator typed into a complete text: go to the start of the next field.
        edit.remove(edit.cursor - 1);
        --count;
        const int next = edit.text.indexOf(Separator, edit.cursor);
        if (next >= 0)
            edit.cursor = next + 1;
    }
    while (count > wanted) {
        edit.remove(edit.text.lastIndexOf(Separator));
        --count;
    }
    for (; count < wanted; ++count)
        edit.insertSeparatorAtCursor();
}

// One field and, when the cursor stands in it, the cursor's offset within it (else -1).
struct Field
{
    QString digits;
    int cursor = -1;
};

void overwrite(Field& field, int width)
{
    const int excess = field.digits.size() - width;
    if (excess <= 0)
        return;
    if (field.cursor < 0) {
        field.digits.truncate(width);
        return;
    }
    const int after = qMin(excess, field.digits.size() - field.cursor);
    field.digits.remove(field.cursor, after);
    const int front = excess - after;
    field.digits.remove(0, front);
    field.cursor = qMax(0, field.cursor - front);
}

void repairField(Field& field, int index)
{
    const int width = fieldWidth(index);
    overwrite(field, width);
    if (isMinutesOrSeconds(index) && !field.digits.isEmpty() && field.digits.at(0) > QLatin1Char('5')) {
        field.digits = QLatin1Char('0') + field.digits.at(0);
        if (field.cursor >= 0)
            field.cursor = width;
    }
    const int padding = width - field.digits.size();
    if (padding <= 0)
        return;
    // The cursor stays with the digits typed; in a field that was empty it stays in front.
    if (field.cursor >= 0 && padding < width)
        field.cursor += padding;
    field.digits.prepend(QString(padding, QLatin1Char('0')));
}

QVector<Field> splitAtCursor(const Edit& edit)
{
    QVector<Field> fields;
    int start = 0;
    for (const QString& digits : edit.text.split(Separator)) {
        Field field{digits};
        if (edit.cursor >= start && edit.cursor <= start + digits.size())
            field.cursor = edit.cursor - start;
        fields.append(field);
        start += digits.size() + 1;
    }
    return fields;
}

} // namespace

int fieldCount(qint64 step)
{
    if (step > 0 && step % MsecsPerHour == 0)
        return 1;
    if (step > 0 && step % MsecsPerMinute == 0)
        return 2;
    if (step > 0 && step % MsecsPerSecond == 0)
        return 3;
    return MaxFields;
}

QString format(qint64 msecs, int fields)
{
    const qint64 values[MaxFields] = {msecs / MsecsPerHour, msecs / MsecsPerMinute % 60,
                                      msecs / MsecsPerSecond % 60, msecs % MsecsPerSecond / MsecsPerTenth};
    QStringList parts;
    for (int field = 0; field < qBound(1, fields, MaxFields); ++field)
        parts << QString::number(values[field]).rightJustified(fieldWidth(field), QLatin1Char('0'));
    return parts.join(Separator).left(MaxTextLength);
}

Repair repair(const QString& text, int cursor, int fields)
{
    fields = qBound(1, fields, MaxFields);
    Edit edit = keepDigitsAndSeparators(text, cursor);
    fixSeparators(edit, fields);

    Repair result;
    int start = 0;
    QVector<Field> parts = splitAtCursor(edit);
    for (int index = 0; index < parts.size(); ++index) {
        Field& field = parts[index];
        repairField(field, index);
        if (field.cursor >= 0)
            result.cursor = start + field.cursor;
        start += field.digits.size() + 1;
        result.fields << field.digits;
        result.msecs += field.digits.toLongLong() * FieldUnits[index];
    }
    result.text = result.fields.join(Separator);
    return result;
}

} // namespace Framework::TimeText
