#include "spinboxconnectable.h"

namespace Framework {

namespace {

bool isSet(qint64 limit)
{
    return limit != Item::NoLimit;
}

} // namespace

SpinBoxConnectable::SpinBoxConnectable(QWidget* parent)
    : QSpinBox(parent)
{
}

void SpinBoxConnectable::connectWidget(Item* item)
{
    if (isSet(item->maximum()))
        setMaximum(int(item->maximum()));
    if (isSet(item->minimum()))
        setMinimum(int(item->minimum()));
    connect(this, qOverload<int>(&QSpinBox::valueChanged), this, &SpinBoxConnectable::toItem,
            Qt::UniqueConnection);
}

QVariant SpinBoxConnectable::widgetValue() const
{
    return value();
}

void SpinBoxConnectable::setWidgetValue(const QVariant& value)
{
    setValue(value.toInt());
}

void SpinBoxConnectable::focusOutEvent(QFocusEvent* event)
{
    emit focusOut();
    QSpinBox::focusOutEvent(event);
}

QValidator::State SpinBoxConnectable::validate(QString& text, int& position) const
{
    // Validation is const, announcing it is not.
    emit const_cast<SpinBoxConnectable*>(this)->valueEdited(text);
    return QSpinBox::validate(text, position);
}

void SpinBoxConnectable::toItem(int value)
{
    writeToItem(value);
}

} // namespace Framework
