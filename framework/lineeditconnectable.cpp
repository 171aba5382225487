#include "lineeditconnectable.h"

#include "item.h"

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
    // The colour comes with the value that goes with it (a unit's state word).
    applyForeground(item()->state());
    const QString shown = value.toString();
    if (shown == text())
        return;
    const int cursor = cursorPosition();
    showText(shown);
    setCursorPosition(qMin(cursor, shown.size()));
}

void LineEditConnectable::updateStyle(QWidget* widget, ItemState state)
{
    Connectable::updateStyle(widget, state);
    applyForeground(state);
}

// The item's own colour shows while no edit mark claims the text.
void LineEditConnectable::applyForeground(ItemState state)
{
    const QColor own = item() ? item()->foreground() : QColor();
    if (!own.isValid() || (state & (Changed | OutOfRange | InputError)))
        return;
    const QString sheet = QLatin1String("color: ") + own.name() + QLatin1Char(';');
    if (styleSheet() != sheet)
        setStyleSheet(sheet);
}

void LineEditConnectable::textChanged(const QString& text)
{
    writeToItem(text);
    if (!pattern().isEmpty())
        setInputError(!onTextChange(text));
}

} // namespace Framework
