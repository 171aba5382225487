#include "lineedit.h"

#include "utf8text.h"

#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QTimer>

namespace Framework {

LineEdit::LineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &LineEdit::onTextChange);
}

void LineEdit::setPattern(const QString& pattern)
{
    delete m_validator;
    m_pattern = pattern;
    m_wholeMatch = QRegularExpression(QRegularExpression::anchoredPattern(pattern));
    if (!pattern.isEmpty())
        m_validator = new QRegularExpressionValidator(QRegularExpression(pattern), this);
    setValidator(m_validator);
}

QString LineEdit::pattern() const
{
    return m_pattern;
}

void LineEdit::setChangedText()
{
    m_changePending = false;
    setText(m_changedText);
    setCursorPosition(qMin(m_changedCursor, m_changedText.size()));
}

void LineEdit::showText(const QString& text)
{
    QScopedValueRollback<bool> showing(m_showingText, true);
    // A cut still pending from typing must not bring the typed text back over this one.
    m_changedText = text;
    setText(text);
}

bool LineEdit::onTextChange(const QString& text)
{
    if (Utf8Text::length(text) > maxLength()) {
        if (m_showingText)
            return false;
        // Changing the text inside its own change notification would confuse the editing
        // in progress, so the shortened text is put back once control returns.
        m_changedText = Utf8Text::cutToLength(text, maxLength());
        m_changedCursor = cursorPosition();
        if (!m_changePending) {
            m_changePending = true;
            QTimer::singleShot(0, this, &LineEdit::setChangedText);
        }
        return false;
    }
    return m_pattern.isEmpty() || m_wholeMatch.match(text).hasMatch();
}

} // namespace Framework
