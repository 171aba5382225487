#include "timeeditconnectable.h"

namespace Framework {

TimeEditConnectable::TimeEditConnectable(QWidget* parent)
    : TimeEdit(parent)
{
}

void TimeEditConnectable::connectWidget(Item* item)
{
    if (item->maximum() > 0)
        setMaximum(item->maximum());
    if (item->minimum() > 0)
        setMinimum(item->minimum());
    connect(this, &TimeEdit::msecsChanged, this, &TimeEditConnectable::changed, Qt::UniqueConnection);
}

QVariant TimeEditConnectable::widgetValue() const
{
    return msecs();
}

void TimeEditConnectable::setWidgetValue(const QVariant& value)
{
    setMsecs(value.toLongLong());
}

void TimeEditConnectable::changed(qint64 msecs)
{
    // Not shown back while the user types: the rounded value would rewrite the text under
    // the cursor.
    writeToItem(msecs);
    emit valueChanged(text());
}

} // namespace Framework
