#include "timeedit.h"

#include "logging.h"
#include "timetext.h"

#include <QRegularExpressionValidator>

namespace Framework {

TimeEdit::TimeEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setText(TimeText::format(m_msecs, TimeText::fieldCount(m_step)));
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9:]*")), this));
    connect(this, &QLineEdit::textEdited, this, &TimeEdit::onTextChange);
}

void TimeEdit::setMsecs(qint64 msecs)
{
    // Rounding down never brings a value below the minimum back into the range.
    qint64 value = m_wrapping ? m_maximum : m_minimum;
    if (msecs >= m_minimum) {
        const qint64 remainder = msecs % m_step;
        value = qMin(m_maximum, msecs - (remainder < 0 ? remainder + m_step : remainder));
        if (value < m_minimum)
            value = m_wrapping ? m_maximum : m_minimum;
    }

    const bool changed = value != m_msecs;
    m_msecs = value;
    setTextAt(TimeText::format(value, TimeText::fieldCount(m_step)), cursorPosition());
    if (changed)
        emit msecsChanged(value);
}

qint64 TimeEdit::msecs() const
{
    return m_msecs;
}

void TimeEdit::setStep(qint64 step)
{
    if (step <= 0)
        return;
    m_step = step;
    setMsecs(m_msecs);
}

qint64 TimeEdit::step() const
{
    return m_step;
}

void TimeEdit::setMaximum(qint64 maximum)
{
    m_maximum = maximum;
    setMsecs(m_msecs);
}

qint64 TimeEdit::maximum() const
{
    return m_maximum;
}

void TimeEdit::setMinimum(qint64 minimum)
{
    m_minimum = minimum;
    setMsecs(m_msecs);
}

qint64 TimeEdit::minimum() const
{
    return m_minimum;
}

void TimeEdit::setWrapping(bool wrapping)
{
    m_wrapping = wrapping;
}

bool TimeEdit::wrapping() const
{
    return m_wrapping;
}

void TimeEdit::onTextChange(const QString& text)
{
    const TimeText::Repair repaired = TimeText::repair(text, cursorPosition(), TimeText::fieldCount(m_step));
    qCDebug(lcFramework) << Q_FUNC_INFO << repaired.fields;
    setTextAt(repaired.text, repaired.cursor);
    setMsecs(repaired.msecs);
}

void TimeEdit::setTextAt(const QString& text, int cursor)
{
    if (text != this->text())
        setText(text);
    setCursorPosition(qMin(cursor, text.size()));
}

} // namespace Framework
