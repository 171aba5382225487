#include "radiobuttonconnectable.h"

namespace Framework {

RadioButtonConnectable::RadioButtonConnectable(QWidget* parent)
    : QRadioButton(parent)
{
}

int RadioButtonConnectable::buttonValue() const
{
    return item() ? item()->index() : 0;
}

QVariant RadioButtonConnectable::widgetValue() const
{
    return QVariant();
}

void RadioButtonConnectable::setWidgetValue(const QVariant&)
{
}

} // namespace Framework
