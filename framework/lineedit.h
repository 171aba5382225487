#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>

class QValidator;

namespace Framework {

// Line edit whose maximum length counts UTF-8 bytes, as the unit stores texts, and whose
// text can be checked against a pattern.
class LineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineEdit(QWidget* parent = nullptr);

    // Installs a validator for pattern; an empty pattern removes it.
    void setPattern(const QString& pattern);
    QString pattern() const;

protected:
    // Sets a text that did not come from typing: it is never shortened, since a value that
    // is too long is the item's to mark, not the widget's to change.
    void showText(const QString& text);

public slots:
    // Puts back the text shortened by onTextChange().
    void setChangedText();
    // Runs for every text change. A text longer than the maximum length in UTF-8 bytes is
    // shortened right after (false); otherwise the result is whether the whole pattern
    // matches (true without pattern).
    bool onTextChange(const QString& text);

private:
    QString m_pattern;
    QRegularExpression m_wholeMatch;
    QPointer<QValidator> m_validator;
    QString m_changedText;
    int m_changedCursor = 0;
    bool m_changePending = false;
    bool m_showingText = false;
};

} // namespace Framework
