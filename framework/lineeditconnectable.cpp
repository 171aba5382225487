#include "lineeditconnectable.h"

namespace Framework {

namespace {

constexpr qint64 LongestLineEditText = 32767;

} // namespace

LineEditConnectable::LineEditConnectable(QWidget* parent)
    : LineEdit(parent)
{
}

void LineEditConnectable::connectWidget(Item* item)
{
    if (item->maximum() > 0)
        setMaxLength(int(qMin(item->maximum(), LongestLineEditText)));
    connect(this, &QLineEdit::textChanged, this, &LineEditConnectable::textChanged, Qt::UniqueConnection);
}

QVariant LineEditConnectable::widgetValue() const
{
    return text();
}

void LineEditConnectable::setWidgetValue(const QVariant& value)
{
    const QString shown = value.toString();
    if (shown == text())
        return;
    const int cursor = cursorPosition();
    showText(shown);
    setCursorPosition(qMin(cursor, shown.size()));
}

void LineEditConnectable::textChanged(const QString& text)
{
    writeToItem(text);
    if (!pattern().isEmpty())
        setInputError(!onTextChange(text));
}

} // namespace Framework
